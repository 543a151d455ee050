// ComandosKR: plain KR and KC, the searches against a negative sample and the tool buttons.
#include "app/comandos/ComandosKR.h"

#include "app/comandos/ComandoIncremental.h"
#include "app/ventanas/ElegirParametroLogica.h"
#include "app/comandos/ErrorInternoEnCaja.h"
#include "app/interaccion/InteraccionKR.h"
#include "app/ventanas/MostrarAceptorLogica.h"
#include "app/ventanas/MostrarAutomataLogica.h"
#include "app/muestras/Muestra.h"
#include "app/sesion/Sesion.h"
#include "app/interaccion/TextosProgreso.h"
#include "core/Automata.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/BusquedaK.h"

std::string CaptionResultadoKR(int k) { return "Aut\xF3mata resultado KR   K=" + std::to_string(k); }

std::string CaptionResultadoKC(int k) { return "Aut\xF3mata resultado KC   K=" + std::to_string(k); }

std::string CaptionResultadoNegativo(TAlgoritmoK algoritmo, int k) {
  return std::string("Aut\xF3mata resultado K") + static_cast<char>(algoritmo) + " NEGATIVO   K=" + std::to_string(k);
}

std::string MensajeSinSolucion(int cota) {
  return "No se encontr\xF3 soluci\xF3n para el rango de K = [0.." + std::to_string(cota) + "]";
}

std::string MensajeMarcaFinalEnMuestra() {
  return "La muestra contiene el car\xE1" "cter \"$\", que KR reserva como marca de fin de ejemplo";
}

std::string MensajeMarcaFinalEnEjemplo() {
  return "El ejemplo contiene el car\xE1" "cter \"$\", que KR reserva como marca de fin de ejemplo";
}

TCierre MostrarVentanaResultado(const TAutomata& automata, const std::string& caption, TSesion& sesion,
                                TInteraccionResultados& interaccion, std::optional<int> textoK, TRepetir repetir) {
  TFmostrarAutomataLogica ventana(automata, sesion);
  ventana.PonerCaption(caption);
  if (textoK) ventana.MostrarTextoK(*textoK);
  ventana.PonerRepeticion(std::move(repetir));
  if (!interaccion.EjecutarConProgreso(kProgresoResultado, [&] { ventana.PrepararDatos(); })) return TCierre::Cancelar;
  return interaccion.MostrarResultado(ventana);
}

namespace {

// KR cannot tell a user's "$" from its own end marker.
bool RechazaMarcaFinal(const TSesion& sesion, TInteraccion& interaccion) {
  if (!UsaMarcaFinal(sesion.MuestraPositiva)) return false;
  interaccion.Mensaje(MensajeMarcaFinalEnMuestra(), TIcono::Error, TBotones::Ok);
  return true;
}

// Plain KR or KC.
void ComandoNormal(TAlgoritmoK algoritmo, TSesion& sesion, TInteraccionKR& interaccion) {
  if (algoritmo == TAlgoritmoK::KR && RechazaMarcaFinal(sesion, interaccion)) return;
  ConErrorInternoEnCaja(interaccion, [&] {
    const TLista& positiva = sesion.MuestraPositiva;
    const bool kr = algoritmo == TAlgoritmoK::KR;
    std::optional<TAutomata> aceptor;
    if (!interaccion.EjecutarConProgreso(kProgresoAceptor,
                                         [&] { aceptor.emplace(kr ? MarcarMuestra(positiva) : positiva); }))
      return;
    TAutomata& automata = *aceptor;
    TFelegirParametroLogica dialogo(positiva);
    if (interaccion.ElegirParametro(dialogo) != TRespuesta::Ok) return;
    {
      TFmostrarAceptorLogica ventana(automata, positiva);
      ventana.PonerCaption(kr ? kCaptionAceptorKR : kCaptionAceptorKC);
      if (!interaccion.EjecutarConProgreso(kProgresoVentanaAceptor, [&] { ventana.PrepararDatos(); })) return;
      interaccion.MostrarAceptor(ventana);
    }
    const int k = dialogo.ParametroK();
    const bool hecho = interaccion.EjecutarConProgreso(TextoProgresoAlgoritmo(kr ? "KR" : "KC"), [&] {
      if (kr)
        AlgoritmoKR(automata, k, TModoInferencia::Silencioso, positiva);
      else
        AlgoritmoKC(automata, k, TModoInferencia::Silencioso);
    });
    if (!hecho) return;
    MostrarVentanaResultado(automata, kr ? CaptionResultadoKR(k) : CaptionResultadoKC(k), sesion, interaccion,
                            std::nullopt, [&positiva, k, kr] { return kr ? RepetirKR(positiva, k) : RepetirKC(positiva, k); });
  });
}

void ComandoNegativo(TAlgoritmoK algoritmo, TSesion& sesion, TInteraccionKR& interaccion) {
  if (sesion.MuestraNegativa.empty()) {
    interaccion.Mensaje(kNoExisteMuestraNegativa, TIcono::Error, TBotones::Ok);
    return;
  }
  if (algoritmo == TAlgoritmoK::KR && RechazaMarcaFinal(sesion, interaccion)) return;
  ConErrorInternoEnCaja(interaccion, [&] {
    const int cota = static_cast<int>(LongitudMaxima(sesion.MuestraPositiva));
    std::optional<TSolucionK> solucion;
    if (!interaccion.EjecutarConProgreso(kProgresoBusquedaK, [&] {
          solucion = BuscarKNegativo(algoritmo, sesion.MuestraPositiva, sesion.MuestraNegativa, cota);
        }))
      return;
    if (!solucion) {
      interaccion.Mensaje(MensajeSinSolucion(cota), TIcono::Informacion, TBotones::Ok);
      return;
    }
    const TLista& positiva = sesion.MuestraPositiva;
    const int k = solucion->k;
    MostrarVentanaResultado(*solucion->automata, CaptionResultadoNegativo(algoritmo, k), sesion, interaccion, k,
                            [algoritmo, &positiva, k] {
                              return algoritmo == TAlgoritmoK::KR ? RepetirKR(positiva, k) : RepetirKC(positiva, k);
                            });
  });
}

// A tool button: the sample test, the sound, then the checked variant.
template <typename TVariante>
void BotonAlgoritmo(TSesion& sesion, TInteraccionKR& interaccion, TVariante variante, TVariante normal,
                    TVariante incremental, void (*comandoNormal)(TSesion&, TInteraccionKR&),
                    void (*comandoIncremental)(TSesion&, TInteraccionKR&),
                    void (*comandoNegativo)(TSesion&, TInteraccionKR&)) {
  if (sesion.MuestraPositiva.empty()) {
    interaccion.Mensaje(kNoExisteMuestra, TIcono::Error, TBotones::Ok);
    return;
  }
  interaccion.ReproducirSonido(kSonidoAlgoritmo);
  if (variante == normal)
    comandoNormal(sesion, interaccion);
  else if (variante == incremental)
    comandoIncremental(sesion, interaccion);
  else
    comandoNegativo(sesion, interaccion);
}

}  // namespace

void OpcionKRnormalClick(TSesion& sesion, TInteraccionKR& interaccion) { ComandoNormal(TAlgoritmoK::KR, sesion, interaccion); }
void OpcionKCnormalClick(TSesion& sesion, TInteraccionKR& interaccion) { ComandoNormal(TAlgoritmoK::KC, sesion, interaccion); }

void OpcionKRejemplosnegativosClick(TSesion& sesion, TInteraccionKR& interaccion) {
  ComandoNegativo(TAlgoritmoK::KR, sesion, interaccion);
}
void OpcionKCejemplosnegativosClick(TSesion& sesion, TInteraccionKR& interaccion) {
  ComandoNegativo(TAlgoritmoK::KC, sesion, interaccion);
}

void BotonKRClick(TSesion& sesion, TInteraccionKR& interaccion) {
  BotonAlgoritmo(sesion, interaccion, sesion.VarianteKR(), TVarianteKR::TipoKR_N, TVarianteKR::TipoKR_I,
                 OpcionKRnormalClick, OpcionKRincrementalClick, OpcionKRejemplosnegativosClick);
}

void BotonKCClick(TSesion& sesion, TInteraccionKR& interaccion) {
  BotonAlgoritmo(sesion, interaccion, sesion.VarianteKC(), TVarianteKC::TipoKC_N, TVarianteKC::TipoKC_I,
                 OpcionKCnormalClick, OpcionKCincrementalClick, OpcionKCejemplosnegativosClick);
}
