// SalidaDiagrama: the CLI's side of the diagram export.
#include "cli/SalidaDiagrama.h"

#include "app/ExportarDiagrama.h"
#include "cli/Orden.h"

const char* const kAyudaDiagrama =
    "      --diagrama FICHERO dibuja el autómata: .dot (Graphviz), .svg, .png o .tex (TikZ).\n";

TOpcionCli OpcionDiagrama() { return {"--diagrama", true}; }

bool ComprobarDiagrama(const std::optional<std::string>& ruta) {
  if (!ruta || FormatoDeRuta(*ruta) != nullptr) return true;
  ErrorDeEntrada(MensajeFormatoDiagrama(*ruta));
  return false;
}

int EmitirDiagrama(const TDiagrama& diagrama, const std::optional<std::string>& ruta) {
  if (!ruta) return kSalidaResultado;
  const std::string error = ExportarDiagrama(diagrama, *ruta);
  return error.empty() ? kSalidaResultado : ErrorDeEntrada(error);
}
