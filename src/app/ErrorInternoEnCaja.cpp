// ErrorInternoEnCaja: the one place where commands turn internal faults into an error box.
#include "app/ErrorInternoEnCaja.h"

#include "app/Interaccion.h"
#include "core/ErrorInterno.h"

void ConErrorInternoEnCaja(TInteraccion& interaccion, const std::function<void()>& comando) {
  try {
    comando();
  } catch (const TErrorInterno& error) {
    interaccion.Mensaje(error.Codigo(), TIcono::Error, TBotones::Ok);
  }
}
