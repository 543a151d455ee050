// TInteraccionMealy: what the SKR and SKC commands show besides message boxes: the Mealy
// result window TFmostrarMealy, one per consistent k, and how the user closed it.
#pragma once

#include "app/interaccion/Cierre.h"
#include "app/interaccion/Interaccion.h"

class TFmostrarMealyLogica;

class TInteraccionMealy : public virtual TInteraccion {
 public:
  // Shows the window modally. An implementation calls ventana.FormShow(*this) when it
  // appears, forwards "Guardar" to ventana.BotonGuardarClick(*this) and, when it closes,
  // calls ventana.FormClose() and returns TCierre::SiguienteK for "Siguiente K" (only
  // while ventana.BotonSiguienteHabilitado()) or TCierre::Cancelar for "Cerrar" and the
  // close box. Caption, TextoK and the state of "Siguiente K" are set before the call.
  virtual TCierre MostrarMealy(TFmostrarMealyLogica& ventana) = 0;
};
