// TFelegirHeuristicoLogica: the heuristic dialog TFelegirHeuristico as data and handlers:
// the four heuristic choices with their enabled states, the K field with its bounds, and
// "Aceptar", which turns the choice into the Stren data, the bound dialog and the IM1 run.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/comandos/FlujoIM1.h"
#include "inference/AlgoritmoIM1.h"

class TAutomata;
class TInteraccionIM1;
class TSesion;

class TFelegirHeuristicoLogica {
 public:
  static constexpr const char* kCaption = " Heur\xEDstico";
  static constexpr const char* kLabel1 = "Seleccionar Heur\xEDstico:";
  static constexpr const char* kLabelK = "Valor del par\xE1metro K: ";
  static constexpr const char* kDebeSeleccionar = "Debe seleccionar un Heur\xEDstico";
  static constexpr const char* kTemaAyuda = "IDH_AlgIM1";

  // `automata` (AutomataActual, built from the positive sample) and `sesion` must outlive
  // the dialog; the run merges the automaton's states.
  TFelegirHeuristicoLogica(TAutomata& automata, TSesion& sesion);

  // The radio buttons (THeuristico's values, top to bottom): their caption ("Levine", "Miclet", "K_Sufijos", "Otro").
  static const char* Texto(THeuristico opcion);

  // Label1 and the four choices, all disabled in the form until HabilitarHeuristicos.
  void PonerHeuristicosHabilitados(bool habilitar) { m_heuristicosHabilitados = m_otroHabilitado = habilitar; }
  bool Label1Habilitado() const { return m_heuristicosHabilitados; }
  // OtroH stays disabled once the dialog has been shown.
  bool Habilitado(THeuristico opcion) const;

  // On show: no choice selected, OtroH disabled, LabelK and parametroK enabled, K = 0 with
  // the maximum LongitudMaxima of the positive sample and the minimum 0.
  void FormShow();

  // Clicks on the enabled radio buttons: each selects its choice; Levine and Miclet
  // disable LabelK and parametroK, K_Sufijos enables them. A click on a disabled button
  // does nothing (OtroH has no handler).
  void LevineClick();
  void MicletClick();
  void K_SufijosClick();
  // The selected choice; std::nullopt when none is.
  std::optional<THeuristico> Seleccion() const { return m_seleccion; }

  // The K field (parametroK) and its label.
  bool LabelKHabilitado() const { return m_kHabilitado; }
  bool ParametroKHabilitado() const { return m_kHabilitado; }
  int ValorK() const { return m_valorK; }
  int MinimoK() const { return 0; }
  int MaximoK() const { return m_maximoK; }
  // A value is brought to the nearer end of [MinimoK, MaximoK], except that with both ends
  // 0 the field sets no limit (below 0 it still reads 0).
  void PonerValorK(long valor);
  // The field's text: a whole number is taken as PonerValorK takes it; any other text reads
  // as the minimum, 0.
  void PonerTextoK(const std::string& texto);

  // "Aceptar": the selected heuristic runs with the flow's parameters (TFlujoIM1::Parametros,
  // K_Sufijos with the field's value). Levine: the bound dialog lists the candidate bounds
  // and the run starts from it. None: the error box "Debe seleccionar un Heurístico". The
  // dialog closes afterwards in every case. The Stren data of Levine and Miclet is computed
  // first, as long work (cancelled: nothing more happens); it is freed when the run ends, or
  // when the bound dialog closes without one.
  void BtnAceptarClick(TInteraccionIM1& interaccion);

  // The help topic of "Ayuda".
  const char* TemaAyuda() const { return kTemaAyuda; }

  // The parameters of the last run started from this dialog.
  const TParametrosIM1& Parametros() const { return m_parametros; }

 private:
  TSesion& m_sesion;
  TFlujoIM1 m_flujo;
  bool m_heuristicosHabilitados = false;
  bool m_otroHabilitado = false;
  std::optional<THeuristico> m_seleccion;
  bool m_kHabilitado = true;
  int m_valorK = 0;
  int m_maximoK = 0;
  TParametrosIM1 m_parametros;
};
