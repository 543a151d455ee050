// TInteraccion: the destructor is defined here so the class's vtable lives in one place.
#include "app/Interaccion.h"

TInteraccion::~TInteraccion() = default;
