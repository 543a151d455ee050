// TFmostrarMealyLogica: everything the Mealy result window TFmostrarMealy shows, as data,
// and its handlers: the five set lines, the transition grid, the red TextoK, the state of
// "Siguiente K" and the report that "Guardar" writes.
#pragma once

#include <optional>
#include <string>

#include "app/Interaccion.h"
#include "core/Lista.h"
#include "core/TablaTexto.h"

class TMaquinaMealy;

class TFmostrarMealyLogica {
 public:
  // The window's design caption, replaced by the caller.
  static constexpr const char* kCaptionDiseno = " M\xE1quina Mealy";
  // The design text of TextoK; the caller appends k.
  static constexpr const char* kTextoKDiseno = "Encontrada soluci\xF3n para K = ";
  // The text painted over the grid's corner cell.
  static constexpr const char* kEsquina = "  E/SA  ";
  // Help topic of the window's "Ayuda" button, for SKR and SKC results alike.
  static constexpr const char* kTemaAyuda = "IDH_AlgSKR";
  // The sound the window plays when it opens.
  static constexpr const char* kSonidoResultado = "Result.wav";

  // A window for `maquina`, which must outlive it. Caption and TextoK hold their design
  // texts and "Siguiente K" is enabled until the caller says otherwise.
  explicit TFmostrarMealyLogica(const TMaquinaMealy& maquina);

  // What the caller sets before showing the window.
  std::string Caption = kCaptionDiseno;
  std::string TextoK = kTextoKDiseno;
  bool BotonSiguienteHabilitado = true;
  // "Imprimir" is never enabled: the window does not print.
  static constexpr bool kBotonImprimirHabilitado = false;

  // What FormShow fills: the lines of the memos Situaciones, Acciones, Einicial, Efinales
  // and Estados, and the grid Rejilla (headers "S2 / A3", rows " q0"...).
  std::string Situaciones;
  std::string Acciones;
  std::string Einicial;
  std::string Efinales;
  std::string Estados;
  TTablaTexto Rejilla;

  // Plays "Result.wav", creates the report list and fills the five lines and the grid.
  void FormShow(TInteraccion& interaccion);
  // The text the grid paints over cell (columna, fila) after drawing it: "  E/SA  " for
  // the corner, nothing for any other cell.
  static std::optional<std::string> RejillaDrawCell(int columna, int fila);

  // Empties the report list and appends the report's header lines, then the table lines.
  // Requires FormShow first.
  void GuardarResultados();
  // Appends the table lines of Rejilla to the report list.
  void GuardarFuncionTransicion();
  // The report list as the last GuardarResultados left it (empty before, and after FormClose).
  const TLista& Informe() const { return m_informe; }
  // "Guardar": builds the report and runs the save flow shared by every result window.
  void BotonGuardarClick(TInteraccion& interaccion);
  // Frees the window data (the report list).
  void FormClose();

 private:
  const TMaquinaMealy& m_maquina;
  TLista m_informe;
};
