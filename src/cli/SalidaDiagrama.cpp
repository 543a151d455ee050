// SalidaDiagrama: the CLI's side of the diagram export.
#include "cli/SalidaDiagrama.h"

#include "app/ExportarDiagrama.h"
#include "cli/Orden.h"

const char* const kAyudaDiagrama =
    "      Formatos de --diagrama, por la extensión: .dot (Graphviz), .svg, .png,\n"
    "      .tex (TikZ), .json (el autómata con sus prefijos) o .jff (JFLAP).\n";

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
