// Programa: what telar-cli does with its arguments: finds the order, runs it and turns the
// failures that reach it into a message and exit code 2.
#include "cli/Programa.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <new>
#include <stdexcept>

#include <unistd.h>

#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "cli/SalidaEstandar.h"
#include "core/ArchivoTexto.h"
#include "core/ErrorInterno.h"
#include "core/TemporalesPendientes.h"
#include "core/Texto.h"

std::vector<TOrden>& OrdenesRegistradas() {
  static std::vector<TOrden> ordenes;
  return ordenes;
}

std::function<void(const std::string&)>& AlEmpezarOrden() {
  static std::function<void(const std::string&)> antes;
  return antes;
}

namespace {

void MostrarAyuda(std::ostream& salida) {
  salida << "Uso: telar-cli ORDEN [OPCIONES] FICHERO\n"
            "Inferencia gramatical sin ventanas: muestras, aceptores y algoritmos.\n\n"
            "Órdenes:\n";
  auto ordenes = OrdenesRegistradas();
  std::sort(ordenes.begin(), ordenes.end(),
            [](const TOrden& a, const TOrden& b) { return a.nombre < b.nombre; });
  for (const auto& orden : ordenes) salida << orden.ayuda;
  salida << "\nSalida: 0 resultado, 1 sin solución, 2 entrada o uso incorrectos.\n"
            "Con -o FICHERO el informe se escribe en Windows-1252 con CR LF, como \"Guardar\".\n";
}

int MemoriaInsuficiente(const std::string& orden) {
  const std::string muestras = DescripcionMuestrasLeidas();
  std::cerr << "telar-cli " << orden << ": memoria insuficiente"
            << (muestras.empty() ? "" : " (muestra " + Cp1252AUtf8(muestras) + ")") << "\n";
  return kSalidaEntradaIncorrecta;
}

// Runs the call. The one place where the failures no order handles end: an internal fault
// prints its code, running out of memory (or a container grown past what it can hold) says
// so, and both end with exit code 2 rather than an abort.
int Ejecutar(const std::vector<std::string>& args) {
  if (args.empty()) {
    MostrarAyuda(std::cerr);
    return kSalidaEntradaIncorrecta;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "ayuda") {
    MostrarAyuda(std::cout);
    return kSalidaResultado;
  }
  for (const auto& orden : OrdenesRegistradas()) {
    if (orden.nombre != args[0]) continue;
    try {
      return orden.ejecutar(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const TErrorInterno& error) {
      std::cerr << Cp1252AUtf8(error.Codigo()) << "\n";
      return kSalidaEntradaIncorrecta;
    } catch (const std::bad_alloc&) {
      return MemoriaInsuficiente(orden.nombre);
    } catch (const std::length_error&) {
      return MemoriaInsuficiente(orden.nombre);
    }
  }
  std::cerr << "telar-cli: orden desconocida \"" << args[0] << "\"\n"
            << "Use telar-cli --help para ver las órdenes.\n";
  return kSalidaEntradaIncorrecta;
}

}  // namespace

int ProgramaTelarCli(int argc, char** argv) {
  // beyond a file-size limit a write fails with its message instead of ending the program
  std::signal(SIGXFSZ, SIG_IGN);
  // ended by a signal in the middle of a write, no half-written temporary stays behind
  BorrarTemporalesAlTerminar();
  // stdout through a buffer that keeps the failure of any write: a full disk or a closed
  // stream is an error (exit code 2), never a silent success
  TSalidaEstandar salida(STDOUT_FILENO);
  std::streambuf* const anterior = std::cout.rdbuf(&salida);
  int codigo = Ejecutar(std::vector<std::string>(argv + 1, argv + argc));
  std::cout.flush();
  if (salida.Error() != 0) {
    const std::string motivo = MotivoEscritura(salida.Error());
    std::cerr << "telar-cli: no se puede escribir la salida" << (motivo.empty() ? "" : " (" + Cp1252AUtf8(motivo) + ")")
              << "\n";
    codigo = kSalidaEntradaIncorrecta;
  }
  std::cout.rdbuf(anterior);
  return codigo;
}
