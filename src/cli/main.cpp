// telar-cli: runs the system's commands without a window, one order per call.
#include <algorithm>
#include <iostream>

#include "cli/Orden.h"

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

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    MostrarAyuda(std::cerr);
    return kSalidaEntradaIncorrecta;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "ayuda") {
    MostrarAyuda(std::cout);
    return kSalidaResultado;
  }
  for (const auto& orden : OrdenesRegistradas()) {
    if (orden.nombre == args[0])
      return orden.ejecutar(std::vector<std::string>(args.begin() + 1, args.end()));
  }
  std::cerr << "telar-cli: orden desconocida \"" << args[0] << "\"\n"
            << "Use telar-cli --help para ver las órdenes.\n";
  return kSalidaEntradaIncorrecta;
}
