// telar-cli skr FICHERO.sya [-k K [-o FICHERO]]: a Mealy machine by SKR.
#include "cli/Orden.h"
#include "cli/SalidaMealy.h"

namespace {

const TRegistroOrden registro(OrdenConSintaxis(SintaxisMealy(TAlgoritmoMealy::SKR), [](const TArgumentos& a) {
  return EjecutarOrdenMealy(TAlgoritmoMealy::SKR, a);
}));

}  // namespace
