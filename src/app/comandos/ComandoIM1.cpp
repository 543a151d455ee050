// ComandoIM1: the IM1 command and run.
#include "app/comandos/ComandoIM1.h"

#include <optional>

#include "app/comandos/ComandosKR.h"
#include "app/ventanas/ElegirHeuristicoLogica.h"
#include "app/comandos/ErrorInternoEnCaja.h"
#include "app/interaccion/InteraccionIM1.h"
#include "app/sesion/Sesion.h"
#include "app/interaccion/TextosProgreso.h"
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
    std::optional<TAutomata> automata;
    if (!interaccion.EjecutarConProgreso(kProgresoAceptor, [&] { automata.emplace(sesion.MuestraPositiva); })) return;
    TFelegirHeuristicoLogica dialogo(*automata, sesion);
    HabilitarHeuristicos(dialogo, true);
    interaccion.ElegirHeuristico(dialogo);
  });
}

void HabilitarHeuristicos(TFelegirHeuristicoLogica& dialogo, bool habilitar) {
  dialogo.PonerHeuristicosHabilitados(habilitar);
}
