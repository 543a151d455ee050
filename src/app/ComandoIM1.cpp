// ComandoIM1: the IM1 command and run.
#include "app/ComandoIM1.h"

#include "app/ComandosKR.h"
#include "app/ElegirHeuristicoLogica.h"
#include "app/ErrorInternoEnCaja.h"
#include "app/InteraccionIM1.h"
#include "app/MostrarAceptorLogica.h"
#include "app/Sesion.h"
#include "core/Automata.h"

void BotonIM1Click(TSesion& sesion, TInteraccionIM1& interaccion) {
  if (sesion.MuestraPositiva.empty()) {
    interaccion.Mensaje(kNoExisteMuestra, TIcono::Error, TBotones::Ok);
    return;
  }
  interaccion.ReproducirSonido(kSonidoAlgoritmo);
  OpcionIM1Click(sesion, interaccion);
}

void OpcionIM1Click(TSesion& sesion, TInteraccionIM1& interaccion) {
  ConErrorInternoEnCaja(interaccion, [&] {
    TAutomata automata(sesion.MuestraPositiva, 'N');
    TFelegirHeuristicoLogica dialogo(automata, sesion);
    HabilitarHeuristicos(dialogo, true);
    interaccion.ElegirHeuristico(dialogo);
  });
}

void HabilitarHeuristicos(TFelegirHeuristicoLogica& dialogo, bool habilitar) {
  dialogo.PonerHeuristicosHabilitados(habilitar);
}

void EjecutarIM1(TAutomata& automata, TSesion& sesion, const TParametrosIM1& parametros,
                 std::unique_ptr<TDatosStren> datos, TInteraccionIM1& interaccion) {
  {
    TFmostrarAceptorLogica aceptor(automata, sesion.MuestraPositiva);
    aceptor.PonerCaption(kCaptionAceptorIM1);
    interaccion.MostrarAceptor(aceptor);
  }
  const TTablaStren* tabla = datos ? datos->Tabla.get() : nullptr;
  AlgoritmoIM1(automata, parametros, tabla);
  MostrarVentanaResultado(automata, CaptionResultadoIM1(parametros, interaccion.SeparadorDecimal()), sesion,
                          interaccion, std::nullopt,
                          [&sesion, &parametros, tabla] { return RepetirIM1(sesion.MuestraPositiva, parametros, tabla); });
}
