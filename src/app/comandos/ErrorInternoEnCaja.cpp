// ErrorInternoEnCaja: the one place where commands turn internal faults and exhausted
// memory into an error box.
#include "app/comandos/ErrorInternoEnCaja.h"

#include <new>
#include <stdexcept>

#include "app/interaccion/Interaccion.h"
#include "core/ErrorInterno.h"

void ConErrorInternoEnCaja(TInteraccion& interaccion, const std::function<void()>& comando) {
  try {
    comando();
  } catch (const TErrorInterno& error) {
    interaccion.Mensaje(error.Codigo(), TIcono::Error, TBotones::Ok);
  } catch (const std::bad_alloc&) {
    interaccion.Mensaje(kMemoriaInsuficiente, TIcono::Error, TBotones::Ok);
  } catch (const std::length_error&) {  // a container asked for more than it can ever hold
    interaccion.Mensaje(kMemoriaInsuficiente, TIcono::Error, TBotones::Ok);
  }
}
