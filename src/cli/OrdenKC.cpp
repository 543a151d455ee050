// telar-cli kc: KC inference, plain, against a negative sample or incremental.
#include "cli/Orden.h"
#include "cli/OrdenKRKC.h"

namespace {

const TRegistroOrden registro(OrdenConSintaxis(SintaxisKRKC('C'),
                                               [](const TArgumentos& a) { return EjecutarKRKC('C', a); }));

}  // namespace
