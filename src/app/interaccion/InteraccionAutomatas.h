// TInteraccionAutomatas: the windows of the automaton operations as the user sees them:
// a finite automaton's window (a minimal one, one opened from a file), the choice of what
// to compare with, the comparison's verdict, the regular expression and the accepted
// strings. Qt implements it with the forms, tests with a script; the defaults show
// nothing, for implementations without windows (telar-cli).
#pragma once

#include "app/interaccion/Interaccion.h"
#include "app/objetivos/InteraccionObjetivo.h"

class TFcadenasLogica;
class TFcompararLogica;
class TFelegirComparacionLogica;
class TFexpresionLogica;
class TFmostrarAutomataFinitoLogica;

// It also shows the target's dialogs (TInteraccionObjetivo), which the result windows'
// "Validar con etiquetas" and the main window's "&Objetivo" menu use.
class TInteraccionAutomatas : public virtual TInteraccionObjetivo {
 public:
  // The automaton window TFmostrarAutomataFinito, modal above the window that opened it:
  // ventana.FormShow(*this) when it appears, its buttons to the handlers (BotonValidarClick,
  // BotonGuardarClick, and the four operations through OperacionAutomataClick with
  // ventana.AutomataVentana()), ventana.FormClose() when it closes.
  virtual void MostrarAutomataFinito(TFmostrarAutomataFinitoLogica& ventana) { (void)ventana; }
  // The dialog TFelegirComparacion, modal: a regular expression typed, or "Archivo...".
  // "Archivo..." calls dialogo.BotonArchivoClick(*this) and "Aceptar"
  // dialogo.BtnAceptarClick(*this); when either returns true the dialog closes with
  // TRespuesta::Ok. "Cancelar" or the close box: TRespuesta::Cancelar.
  virtual TRespuesta ElegirComparacion(TFelegirComparacionLogica& dialogo) {
    (void)dialogo;
    return TRespuesta::Cancelar;
  }
  // The comparison window TFcomparar, modal: the verdict's lines and, with a witness, both
  // automata's diagrams side by side with the witness traced on each.
  virtual void MostrarComparacion(const TFcompararLogica& ventana) { (void)ventana; }
  // The expression window TFexpresion, modal: the expression in a selectable read-only box
  // with "Copiar", or the sentence saying why there is none.
  virtual void MostrarExpresion(const TFexpresionLogica& ventana) { (void)ventana; }
  // The strings window TFcadenas, modal: its number field calls ventana.PonerNumero(n),
  // and the list and the counts are read back from `ventana`.
  virtual void MostrarCadenas(TFcadenasLogica& ventana) { (void)ventana; }
};
