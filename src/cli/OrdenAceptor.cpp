// telar-cli aceptor [--kr|--im1] FICHERO.pos [-o FICHERO]: the report that the prefix
// acceptor window's "Guardar" writes, for the acceptor that KC, KR or IM1 shows first.
#include "app/comandos/ComandosKR.h"
#include "app/ventanas/DiagramasVentanas.h"
#include "app/comandos/FlujoIM1.h"
#include "app/ventanas/MostrarAceptorLogica.h"
#include "app/muestras/FlujosMuestra.h"
#include "app/sesion/Sesion.h"
#include "cli/Argumentos.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "cli/SalidaDiagrama.h"
#include "core/Automata.h"
#include "diagram/Diagrama.h"
#include "inference/AlgoritmoIM1.h"
#include "inference/AlgoritmoKR.h"
#include "results/Informe.h"

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "aceptor",
    .uso = "telar-cli aceptor [--kr|--im1] FICHERO.pos [-o FICHERO] [--diagrama FICHERO [--forzar]]",
    .ayuda = std::string("  aceptor [--kr|--im1] FICHERO.pos [-o FICHERO] [--diagrama FICHERO]\n"
             "      Informe del árbol aceptor de prefijos de la muestra positiva, como lo\n"
             "      guarda \"Guardar\" en la ventana del aceptor. Sin opción, el de KC; con\n"
             "      --kr, el de la muestra marcada con \"$\" tras cada ejemplo; con --im1, el\n"
             "      de IM1. -o FICHERO lo escribe en Windows-1252 con CR LF. --diagrama\n"
             "      FICHERO dibuja el árbol (con --kr, los ejemplos marcados a trazos).\n") +
             kAyudaDiagrama,
    .opciones = {{"--kr"}, {"--im1"}, {.nombre = "-o", .conValor = true, .salida = true}, OpcionDiagrama(),
                 OpcionForzar()},
    .minimoFicheros = 1,
    .maximoFicheros = 1};

int Aceptor(const TArgumentos& argumentos) {
  if (argumentos.Tiene("--kr") && argumentos.Tiene("--im1"))
    return ErrorDeUso(kSintaxis, "--kr y --im1 no pueden ir juntas");
  if (!ComprobarDiagrama(argumentos.Valor("--diagrama"))) return kSalidaEntradaIncorrecta;
  TSesion sesion;
  if (!AbrirMuestraCli(sesion, argumentos.ficheros.front())) return kSalidaEntradaIncorrecta;

  const TLista& muestra = sesion.MuestraPositiva;
  const bool kr = argumentos.Tiene("--kr");
  // KR refuses such a sample before showing its acceptor: a user's "$" would pass for the end mark
  if (kr && UsaMarcaFinal(muestra)) return ErrorDeEntrada(MensajeMarcaFinalEnMuestra());
  const std::string titulo = kr ? kCaptionAceptorKR
                             : argumentos.Tiene("--im1") ? kCaptionAceptorIM1
                                                         : kCaptionAceptorKC;
  // KR shows the acceptor of the marked sample; the report's sample line stays unmarked
  const TAutomata aceptor(kr ? MarcarMuestra(muestra) : muestra);
  const auto informe = [&](const TSalidaLineas& salida) { EmitirInformeAceptor(titulo, muestra, aceptor, salida); };
  const auto rutaDiagrama = argumentos.Valor("--diagrama");
  TDiagrama diagrama;
  if (rutaDiagrama) {
    TFmostrarAceptorLogica ventana(aceptor, muestra);
    ventana.PonerCaption(titulo);
    diagrama = DiagramaDeVentana(ventana);
    if (!ComprobarTamanoDiagrama(diagrama, rutaDiagrama, argumentos.Tiene("--forzar"))) return kSalidaEntradaIncorrecta;
  }
  if (const int codigo = EmitirInforme(informe, argumentos.Valor("-o")); codigo != kSalidaResultado) return codigo;
  return EmitirDiagrama(diagrama, rutaDiagrama);
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Aceptor));

}  // namespace
