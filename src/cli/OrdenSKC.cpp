// telar-cli skc FICHERO.sya [-k K [-o FICHERO]]: a Mealy machine by SKC.
#include "cli/Orden.h"
#include "cli/SalidaMealy.h"

namespace {

const TRegistroOrden registro(OrdenConSintaxis(SintaxisMealy(TAlgoritmoMealy::SKC), [](const TArgumentos& a) {
  return EjecutarOrdenMealy(TAlgoritmoMealy::SKC, a);
}));

}  // namespace
