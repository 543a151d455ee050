// Programa: what telar-cli does with its arguments: finds the order, runs it and turns the
// failures that reach it into a message and exit code 2.
#include "cli/Programa.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <new>

#include <unistd.h>

#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "cli/SalidaEstandar.h"
#include "core/ArchivoTexto.h"
#include "core/TemporalesPendientes.h"
#include "core/Texto.h"

std::vector<TOrden>& OrdenesRegistradas() {
  static std::vector<TOrden> ordenes;
  return ordenes;
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

// Runs the call; running out of memory ends it with a message and exit code 2 rather than
// an abort.
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
    } catch (const std::bad_alloc&) {
      const std::string muestras = DescripcionMuestrasLeidas();
      std::cerr << "telar-cli " << orden.nombre << ": memoria insuficiente"
                << (muestras.empty() ? "" : " (muestra " + Cp1252AUtf8(muestras) + ")") << "\n";
      return kSalidaEntradaIncorrecta;
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
