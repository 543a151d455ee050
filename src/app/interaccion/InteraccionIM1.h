// TInteraccionIM1: the windows of the IM1 command as the user sees them: the heuristic
// dialog TFelegirHeuristico and the bound dialog TFelegirCotaS, besides the acceptor and
// result windows it shares with KR and KC. Qt implements it with the forms; tests with a
// script; telar-cli with fixed answers.
#pragma once

#include "app/interaccion/Interaccion.h"
#include "app/interaccion/InteraccionKR.h"

class TFelegirHeuristicoLogica;
class TFelegirCotaSLogica;

class TInteraccionIM1 : public virtual TInteraccionKR {
 public:
  // The heuristic dialog, modal: dialogo.FormShow() when it appears; a click on a radio
  // button calls LevineClick, MicletClick or K_SufijosClick (only enabled buttons can be
  // clicked; "Otro" never can); the K field reports its text with PonerTextoK (or its value
  // with PonerValorK). "Aceptar" calls dialogo.BtnAceptarClick(*this), during which the
  // whole run happens, and then closes the dialog: return TRespuesta::Ok. "Cancelar" or the
  // close box: TRespuesta::Cancelar without calling it. "Ayuda" opens dialogo.TemaAyuda().
  virtual TRespuesta ElegirHeuristico(TFelegirHeuristicoLogica& dialogo) = 0;

  // The bound dialog, modal above the heuristic dialog: dialogo.FormShow() when it appears;
  // a click on an item of ListaCotas calls dialogo.Seleccionar(position). "Aceptar" calls
  // dialogo.BtnAceptarClick(*this), then closes it: TRespuesta::Ok. The close box:
  // TRespuesta::Cancelar without calling it.
  virtual TRespuesta ElegirCotaS(TFelegirCotaSLogica& dialogo) = 0;

  // The user's decimal separator, with which the result caption writes S.
  virtual char SeparadorDecimal() const { return ','; }
};
