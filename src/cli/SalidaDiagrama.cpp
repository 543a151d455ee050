// SalidaDiagrama: the CLI's side of the diagram export.
#include "cli/SalidaDiagrama.h"

#include "app/exportar/ExportarDiagrama.h"
#include "cli/Orden.h"
#include "diagram/Diagrama.h"
#include "diagram/Disposicion.h"

const char* const kAyudaDiagrama =
    "      Formatos de --diagrama, por la extensión: .dot (Graphviz), .svg, .png,\n"
    "      .tex (TikZ), .json (el autómata con sus prefijos) o .jff (JFLAP). Un diagrama\n"
    "      grande (más de 400 estados, o de 64 aristas más que estados) solo se dibuja\n"
    "      en .svg, .png, .tex o .jff con --forzar: tarda mucho en disponerse.\n";

TOpcionCli OpcionDiagrama() { return {.nombre = "--diagrama", .conValor = true, .salida = true}; }

TOpcionCli OpcionForzar() { return {"--forzar"}; }

bool ComprobarTamanoDiagrama(const TDiagrama& diagrama, const std::optional<std::string>& ruta, bool forzar) {
  if (!ruta || forzar || DibujoInmediato(diagrama)) return true;
  const TFormatoDiagrama* formato = FormatoDeRuta(*ruta);
  if (formato == nullptr || !formato->dispone) return true;
  ErrorDeEntrada("El diagrama tiene " + std::to_string(diagrama.estados.size()) + " estados y " +
                 std::to_string(diagrama.NumeroDeTransiciones()) +
                 " transiciones: tan grande, tarda mucho en dibujarse. Use --forzar para dibujarlo de todos "
                 "modos, o .dot o .json, que no se disponen");
  return false;
}

bool ComprobarDiagrama(const std::optional<std::string>& ruta) {
  if (!ruta || FormatoDeRuta(*ruta) != nullptr) return true;
  ErrorDeEntrada(MensajeFormatoDiagrama(*ruta));
  return false;
}

int EmitirDiagrama(const TDiagrama& diagrama, const std::optional<std::string>& ruta) {
  if (!ruta) return kSalidaResultado;
  if (!AntesDeLaPrimeraSalida()) return kSalidaEntradaIncorrecta;
  const std::string error = ExportarDiagrama(diagrama, *ruta);
  return error.empty() ? kSalidaResultado : ErrorDeEntrada(error);
}
