// TFmostrarMealyLogica: the Mealy result window TFmostrarMealy as data and handlers: the
// five set lines, the transition grid, the red TextoK, the state of "Siguiente K" and the
// report that "Guardar" writes.
#pragma once

#include <optional>
#include <string>

#include "app/pasos/Repeticion.h"
#include "core/Lista.h"
#include "core/TablaTexto.h"

class TInteraccion;
class TMaquinaMealy;

class TFmostrarMealyLogica {
 public:
  // The design text of TextoK; the search appends k.
  static constexpr const char* kTextoK = "Encontrada soluci\xF3n para K = ";
  // The text painted over the grid's corner cell.
  static constexpr const char* kTextoEsquina = "  E/SA  ";

  // A window for `maquina`, which must outlive it and stay unchanged while it is shown.
  explicit TFmostrarMealyLogica(const TMaquinaMealy& maquina);
  TFmostrarMealyLogica(const TFmostrarMealyLogica&) = delete;
  TFmostrarMealyLogica& operator=(const TFmostrarMealyLogica&) = delete;

  // The caption: " Máquina Mealy" until the search sets its own.
  const std::string& Caption() const { return m_caption; }
  void PonerCaption(std::string caption) { m_caption = std::move(caption); }
  // TextoK: "Encontrada solución para K = ", then k once MostrarTextoK(k) has run.
  const std::string& TextoK() const { return m_textoK; }
  void MostrarTextoK(int k);
  // "Siguiente K": enabled unless the search disables it at its last k.
  bool BotonSiguienteHabilitado() const { return m_botonSiguiente; }
  void PonerBotonSiguiente(bool habilitado) { m_botonSiguiente = habilitado; }
  // "Imprimir" is never enabled: the window does not print.
  bool BotonImprimirHabilitado() const { return false; }
  // The help topic of "Ayuda", for SKR and SKC results alike.
  const char* TemaAyuda() const { return "IDH_AlgSKR"; }
  // "Paso a paso": enabled once the search has said how to repeat the run of this k.
  void PonerRepeticion(TRepetir repetir) { m_repetir = std::move(repetir); }
  bool BotonPasoAPasoHabilitado() const { return static_cast<bool>(m_repetir); }
  // Repeats the run with a trace and opens the step window (see AbrirPasoAPaso).
  void BotonPasoAPasoClick(TInteraccion& interaccion);

  // On show: plays "Result.wav", creates the report list and fills the lines of the memos
  // Situaciones, Acciones, Einicial, Efinales and Estados and the grid Rejilla.
  void FormShow(TInteraccion& interaccion);
  // What the grid paints over cell (columna, fila) after drawing it: "  E/SA  " for the
  // corner, nothing for any other cell.
  static std::optional<std::string> RejillaDrawCell(int columna, int fila);
  // "Guardar": builds the report (GuardarResultados) and saves it (see GuardarInforme).
  void BotonGuardarClick(TInteraccion& interaccion);
  // Empties the report list, appends the header lines, then GuardarFuncionTransicion.
  // Requires FormShow.
  void GuardarResultados();
  // Appends the grid's lines in the Mealy layout to the report list.
  void GuardarFuncionTransicion();
  // On close: frees the window data (the report list). The texts and the grid stay.
  void FormClose();

  // What the window shows (valid after FormShow).
  const std::string& Situaciones() const { return m_situaciones; }
  const std::string& Acciones() const { return m_acciones; }
  const std::string& Einicial() const { return m_einicial; }
  const std::string& Efinales() const { return m_efinales; }
  const std::string& Estados() const { return m_estados; }
  const TTablaTexto& Rejilla() const { return m_rejilla; }
  // The report list as the last GuardarResultados left it (empty before and after FormClose).
  const TLista& Informe() const { return m_informe; }
  // The machine the window shows.
  const TMaquinaMealy& Maquina() const { return m_maquina; }

 private:
  const TMaquinaMealy& m_maquina;
  std::string m_caption = " M\xE1quina Mealy";
  std::string m_textoK = kTextoK;
  bool m_botonSiguiente = true;
  std::string m_situaciones;
  std::string m_acciones;
  std::string m_einicial;
  std::string m_efinales;
  std::string m_estados;
  TTablaTexto m_rejilla;
  TLista m_informe;
  TRepetir m_repetir;
};
