// TInteraccion: the destructor is defined here so the class's vtable lives in one place;
// long work runs inline by default.
#include "app/interaccion/Interaccion.h"

TInteraccion::~TInteraccion() = default;

TRespuesta TInteraccion::MensajeDetallado(const std::string& texto, const std::string&, TIcono icono,
                                          TBotones botones) {
  return Mensaje(texto, icono, botones);
}

bool TInteraccion::EjecutarConProgreso(const std::string& texto, const std::function<void()>& trabajo) {
  (void)texto;
  trabajo();
  return true;
}
