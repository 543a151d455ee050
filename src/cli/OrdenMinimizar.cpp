// telar-cli minimizar AUTOMATA: the minimal deterministic automaton, as the result
// window's report, and its drawing.
#include "automatas/InformeAutomata.h"
#include "automatas/Minimizacion.h"
#include "cli/Argumentos.h"
#include "cli/Orden.h"
#include "cli/SalidaAutomatas.h"
#include "cli/SalidaDiagrama.h"

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "minimizar",
    .uso = "telar-cli minimizar AUTOMATA [--completo] [-o FICHERO] [--diagrama FICHERO]",
    .ayuda = std::string("  minimizar AUTOMATA [--completo] [-o FICHERO] [--diagrama FICHERO]\n"
                         "      El autómata determinista mínimo, en el formato del informe de la ventana\n"
                         "      del resultado: cada estado con los prefijos (o los estados del fichero)\n"
                         "      que agrupa. Sin estado muerto; con --completo, con él si falta\n"
                         "      alguna transición. -o FICHERO escribe el informe en Windows-1252 con\n"
                         "      CR LF; --diagrama FICHERO dibuja el autómata mínimo.\n") +
             kAyudaArgumentoAutomata + kAyudaDiagrama,
    .opciones = {{"--completo"}, {"-o", true}, OpcionDiagrama()},
    .minimoFicheros = 1,
    .maximoFicheros = 1};

int Minimizar(const TArgumentos& argumentos) {
  if (!ComprobarDiagrama(argumentos.Valor("--diagrama"))) return kSalidaEntradaIncorrecta;
  const auto automata = LeerAutomataCli(argumentos.ficheros.front());
  if (!automata) return kSalidaEntradaIncorrecta;
  const auto modo = argumentos.Tiene("--completo") ? TModoMinimo::Completo : TModoMinimo::Parcial;
  // a file's states are worth listing; an expression's are the construction's own
  const bool expresion = argumentos.ficheros.front().rfind("er:", 0) == 0;
  const auto minimo = Minimizar(expresion ? *automata : ConNombresComoPrefijos(*automata), modo);
  return EmitirAutomataFinito(CaptionMinimo(""), nullptr, minimo.automata, argumentos.Valor("-o"),
                              argumentos.Valor("--diagrama"));
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Minimizar));

}  // namespace
