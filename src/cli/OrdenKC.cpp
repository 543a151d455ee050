// telar-cli kc: KC inference, plain, against a negative sample or incremental.
#include "cli/Orden.h"
#include "cli/OrdenKRKC.h"

namespace {

const TRegistroOrden registro(OrdenConSintaxis(SintaxisKRKC(TAlgoritmoK::KC),
                                               [](const TArgumentos& a) { return EjecutarKRKC(TAlgoritmoK::KC, a); }));

}  // namespace
