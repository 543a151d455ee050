// ComandoIncremental: the pass loop of incremental inference. The window is shown again
// after every pass; each accepted change is a complete new run on the working sample.
#include "app/comandos/ComandoIncremental.h"

#include "app/comandos/ComandosKR.h"
#include "app/ventanas/ElegirParametroLogica.h"
#include "app/comandos/ErrorInternoEnCaja.h"
#include "app/interaccion/InteraccionKR.h"
#include "app/ventanas/MostrarAutomata1Logica.h"
#include "app/muestras/Muestra.h"
#include "app/pasos/Repeticion.h"
#include "app/sesion/Sesion.h"
#include "app/interaccion/TextosProgreso.h"
#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/Utilidades.h"
#include "inference/AlgoritmoKR.h"
#include "inference/Incremental.h"

std::string CaptionResultadoIncremental(TAlgoritmoK algoritmo, int k) {
  return std::string("Aut\xF3mata resultado  K") + static_cast<char>(algoritmo) + " INCREMENTAL   K=" + std::to_string(k);
}

bool PasoIncremental(TAlgoritmoK algoritmo, int k, TFmostrarAutomata1Logica& ventana, std::unique_ptr<TAutomata>& automata,
                     TLista& muestraAmpliada, TInteraccionKR& interaccion) {
  const std::string& ejemplo = ventana.NuevoEjemplo();
  const bool marca = algoritmo == TAlgoritmoK::KR && UsaMarcaFinal({ejemplo});
  if (marca || CadenaVaciaDentro(ejemplo)) {
    interaccion.Mensaje(marca ? MensajeMarcaFinalEnEjemplo() : MensajeCadenaVaciaDentro(0, ""), TIcono::Error,
                        TBotones::Ok);
    ventana.OlvidarEjemploRechazado();
    return false;
  }
  // A cancelled pass leaves the window as it was before the click.
  bool rechazado = false;
  if (!interaccion.EjecutarConProgreso(kProgresoEjemplo, [&] {
        const TFuncion cociente(*automata);
        rechazado = !CadenaAceptada(ejemplo, cociente, automata->Alfabeto());
      }))
    return true;
  const std::string textoAnterior = ventana.Texto();
  ventana.PonerTexto(kReconocido);
  TRespuesta respuesta = TRespuesta::Si;
  if (!SobreAlfabeto(ejemplo, automata->Alfabeto()))
    respuesta = interaccion.Avisos(kAvisoNuevoCaracter, kPreguntaAmpliarAlfabeto);
  if (respuesta == TRespuesta::No) ventana.PonerTexto(kSinCambioDeAlfabeto);
  if (respuesta != TRespuesta::Si || !rechazado) return true;
  TLista ampliada = muestraAmpliada;
  std::unique_ptr<TAutomata> nuevo;
  const bool kr = algoritmo == TAlgoritmoK::KR;
  if (!interaccion.EjecutarConProgreso(TextoProgresoAlgoritmo(kr ? "KR" : "KC"), [&] {
        nuevo = kr ? AnadirEjemploKR(k, ejemplo, ampliada) : AnadirEjemploKC(k, ejemplo, ampliada);
      })) {
    ventana.PonerTexto(textoAnterior);
    return true;
  }
  ventana.PonerTexto(kAplicadoIncremental);
  muestraAmpliada = std::move(ampliada);
  automata = std::move(nuevo);
  ventana.PonerAutomata(*automata);
  return true;
}

namespace {

// The window's data for its next showing, as long work; false when the user cancelled.
bool PrepararVentana(TFmostrarAutomata1Logica& ventana, TInteraccionKR& interaccion) {
  return interaccion.EjecutarConProgreso(kProgresoResultado, [&] { ventana.PrepararDatos(); });
}

}  // namespace

namespace {

void ComandoIncremental(TAlgoritmoK algoritmo, TSesion& sesion, TInteraccionKR& interaccion) {
  if (algoritmo == TAlgoritmoK::KR && UsaMarcaFinal(sesion.MuestraPositiva)) {
    interaccion.Mensaje(MensajeMarcaFinalEnMuestra(), TIcono::Error, TBotones::Ok);
    return;
  }
  ConErrorInternoEnCaja(interaccion, [&] {
    TFelegirParametroLogica dialogo(sesion.MuestraPositiva);
    if (interaccion.ElegirParametro(dialogo) != TRespuesta::Ok) return;
    const int k = dialogo.ParametroK();
    std::unique_ptr<TAutomata> automata;
    if (!interaccion.EjecutarConProgreso(TextoProgresoAlgoritmo(algoritmo == TAlgoritmoK::KR ? "KR" : "KC"),
                                         [&] { automata = InferenciaInicial(k, algoritmo, sesion.MuestraPositiva); }))
      return;
    TFmostrarAutomata1Logica ventana(*automata, sesion);
    ventana.ReiniciarEjemplo();
    ventana.PonerCaption(CaptionResultadoIncremental(algoritmo, k));
    TLista muestraAmpliada = sesion.MuestraPositiva;
    ventana.PonerRepeticion([algoritmo, k, &muestraAmpliada] {
      return algoritmo == TAlgoritmoK::KR ? RepetirKR(muestraAmpliada, k) : RepetirKC(muestraAmpliada, k);
    });
    while (PrepararVentana(ventana, interaccion) && interaccion.MostrarIncremental(ventana) == TCierre::Reintentar)
      PasoIncremental(algoritmo, k, ventana, automata, muestraAmpliada, interaccion);
  });
}

}  // namespace

void OpcionKRincrementalClick(TSesion& sesion, TInteraccionKR& interaccion) {
  ComandoIncremental(TAlgoritmoK::KR, sesion, interaccion);
}

void OpcionKCincrementalClick(TSesion& sesion, TInteraccionKR& interaccion) {
  ComandoIncremental(TAlgoritmoK::KC, sesion, interaccion);
}
