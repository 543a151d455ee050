// telar-cli kr: KR inference, plain, against a negative sample or incremental.
#include "cli/Orden.h"
#include "cli/OrdenKRKC.h"

namespace {

const TRegistroOrden registro(OrdenConSintaxis(SintaxisKRKC(TAlgoritmoK::KR),
                                               [](const TArgumentos& a) { return EjecutarKRKC(TAlgoritmoK::KR, a); }));

}  // namespace
