// TEditorMuestraSA: the rules of the situation/action editor TFnuevaMuestraSA: the pair
// field read back as 11 characters, the pairs of the sequence being typed, the whole
// sample being built and the sequence counter. The Qt dialog holds one and shows its state.
#pragma once

#include <string>

#include "core/Lista.h"

class TInteraccion;

// What the pair field reads back when empty: "S", four blanks, "/A", four blanks.
inline constexpr const char* kParSAVacio = "S    /A    ";
// The error box of a pair without its first situation digit or first action digit.
inline constexpr const char* kErrorEnElPar = "Error en el Par";

class TEditorMuestraSA {
 public:
  // FormShow: empties the sample (MuestraTxt) and the open sequence (ListSitAcc), sets the
  // counter to "1", disables "Añadir Secuencia " and clears the pair field.
  void FormShow();

  // The text the pair field reads back: position 1 "S", positions 2-5 the situation's
  // digits or blanks, position 6 "/", position 7 "A", positions 8-11 the action's digits
  // or blanks.
  void PonerParSA(const std::string& texto) { m_parSA = texto; }
  const std::string& ParSA() const { return m_parSA; }

  // " Añadir Par": first enables "Añadir Secuencia ", whatever follows. The pair is taken
  // when positions 2 and 8 are not blanks (a shorter text counts its missing positions as
  // blanks) and the text without blanks is a pair line (EsLineaDePar: what the mask's
  // digit positions guarantee): its blanks are removed ("S12  /A3   " gives "S12/A3") and it is appended to
  // ListSitAcc and MuestraTxt; the field keeps its text. Otherwise the error box "Error en
  // el Par" (error icon, OK) is shown through `interaccion` and the field is cleared.
  // Returns true when the pair was taken.
  bool BotonInsertarParClick(TInteraccion& interaccion);

  // "Añadir Secuencia ": appends an empty line to MuestraTxt (closing the sequence), empties
  // ListSitAcc, adds one to the counter, clears the field and disables the button again.
  void BotonNuevaSecuenciaClick();

  // "Cancelar": empties ListSitAcc and sets the counter to "1"; the caller ignores the sample.
  void BotonCancelarClick();

  // The whole sample: pair lines and the empty lines that close sequences. What "Aceptar"
  // hands to the main window.
  const TLista& MuestraTxt() const { return m_muestraTxt; }
  // The pairs of the sequence being typed.
  const TLista& ListSitAcc() const { return m_listSitAcc; }
  // The number of the sequence being typed, in decimal.
  std::string SucesionNum() const { return std::to_string(m_sucesion); }
  bool NuevaSecuenciaHabilitada() const { return m_nuevaSecuenciaHabilitada; }

 private:
  TLista m_muestraTxt;
  TLista m_listSitAcc;
  std::string m_parSA = kParSAVacio;
  long long m_sucesion = 1;
  bool m_nuevaSecuenciaHabilitada = false;
};
