// ComandosKR: plain KR and KC, the searches against a negative sample and the tool buttons.
#include "app/ComandosKR.h"

#include "app/ComandoIncremental.h"
#include "app/ElegirParametroLogica.h"
#include "app/ErrorInternoEnCaja.h"
#include "app/InteraccionKR.h"
#include "app/MostrarAceptorLogica.h"
#include "app/MostrarAutomataLogica.h"
#include "app/Muestra.h"
#include "app/Sesion.h"
#include "core/Automata.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/BusquedaK.h"

TCierre MostrarVentanaResultado(const TAutomata& automata, const std::string& caption, TSesion& sesion,
                                TInteraccionResultados& interaccion, std::optional<int> textoK, TRepetir repetir) {
  TFmostrarAutomataLogica ventana(automata, sesion);
  ventana.PonerCaption(caption);
  if (textoK) ventana.MostrarTextoK(*textoK);
  ventana.PonerRepeticion(std::move(repetir));
  return interaccion.MostrarResultado(ventana);
}

void AlgoritmoKR(TAutomata& automata, int k, int modo, const TLista& muestra, TSesion& sesion,
                 TInteraccionResultados& interaccion) {
  AlgoritmoKR(automata, k, modo, muestra);
  if (modo == ModoVentana)
    MostrarVentanaResultado(automata, CaptionResultadoKR(k), sesion, interaccion, std::nullopt,
                            [&muestra, k] { return RepetirKR(muestra, k); });
}

void AlgoritmoKC(TAutomata& automata, int k, int modo, TSesion& sesion, TInteraccionResultados& interaccion) {
  AlgoritmoKC(automata, k, modo);
  if (modo == ModoVentana)
    MostrarVentanaResultado(automata, CaptionResultadoKC(k), sesion, interaccion, std::nullopt,
                            [&sesion, k] { return RepetirKC(sesion.MuestraPositiva, k); });
}

namespace {

// KR cannot tell a user's "$" from its own end marker.
bool RechazaMarcaFinal(const TSesion& sesion, TInteraccion& interaccion) {
  if (!UsaMarcaFinal(sesion.MuestraPositiva)) return false;
  interaccion.Mensaje(MensajeMarcaFinalEnMuestra(), TIcono::Error, TBotones::Ok);
  return true;
}

// Plain KR (letra 'R') or KC ('C').
void ComandoNormal(char letra, TSesion& sesion, TInteraccionKR& interaccion) {
  if (letra == 'R' && RechazaMarcaFinal(sesion, interaccion)) return;
  ConErrorInternoEnCaja(interaccion, [&] {
    const TLista& positiva = sesion.MuestraPositiva;
    TAutomata automata(letra == 'R' ? MarcarMuestra(positiva) : positiva, 'N');
    TFelegirParametroLogica dialogo(positiva);
    if (interaccion.ElegirParametro(dialogo) != TRespuesta::Ok) return;
    {
      TFmostrarAceptorLogica aceptor(automata, positiva);
      aceptor.PonerCaption(letra == 'R' ? kCaptionAceptorKR : kCaptionAceptorKC);
      interaccion.MostrarAceptor(aceptor);
    }
    const int k = dialogo.ParametroK();
    if (letra == 'R')
      AlgoritmoKR(automata, k, ModoVentana, positiva, sesion, interaccion);
    else
      AlgoritmoKC(automata, k, ModoVentana, sesion, interaccion);
  });
}

void ComandoNegativo(char letra, TSesion& sesion, TInteraccionKR& interaccion) {
  if (sesion.MuestraNegativa.empty()) {
    interaccion.Mensaje(kNoExisteMuestraNegativa, TIcono::Error, TBotones::Ok);
    return;
  }
  if (letra == 'R' && RechazaMarcaFinal(sesion, interaccion)) return;
  ConErrorInternoEnCaja(interaccion, [&] {
    const int cota = static_cast<int>(LongitudMaxima(sesion.MuestraPositiva));
    const auto solucion = BuscarKNegativo(letra, sesion.MuestraPositiva, sesion.MuestraNegativa, cota);
    if (!solucion) {
      interaccion.Mensaje(MensajeSinSolucion(cota), TIcono::Informacion, TBotones::Ok);
      return;
    }
    const TLista& positiva = sesion.MuestraPositiva;
    const int k = solucion->k;
    MostrarVentanaResultado(*solucion->automata, CaptionResultadoNegativo(letra, k), sesion, interaccion, k,
                            [letra, &positiva, k] { return letra == 'R' ? RepetirKR(positiva, k) : RepetirKC(positiva, k); });
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

void OpcionKRnormalClick(TSesion& sesion, TInteraccionKR& interaccion) { ComandoNormal('R', sesion, interaccion); }
void OpcionKCnormalClick(TSesion& sesion, TInteraccionKR& interaccion) { ComandoNormal('C', sesion, interaccion); }

void OpcionKRejemplosnegativosClick(TSesion& sesion, TInteraccionKR& interaccion) {
  ComandoNegativo('R', sesion, interaccion);
}
void OpcionKCejemplosnegativosClick(TSesion& sesion, TInteraccionKR& interaccion) {
  ComandoNegativo('C', sesion, interaccion);
}

void BotonKRClick(TSesion& sesion, TInteraccionKR& interaccion) {
  BotonAlgoritmo(sesion, interaccion, sesion.VarianteKR(), TVarianteKR::TipoKR_N, TVarianteKR::TipoKR_I,
                 OpcionKRnormalClick, OpcionKRincrementalClick, OpcionKRejemplosnegativosClick);
}

void BotonKCClick(TSesion& sesion, TInteraccionKR& interaccion) {
  BotonAlgoritmo(sesion, interaccion, sesion.VarianteKC(), TVarianteKC::TipoKC_N, TVarianteKC::TipoKC_I,
                 OpcionKCnormalClick, OpcionKCincrementalClick, OpcionKCejemplosnegativosClick);
}
