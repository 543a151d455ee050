// TFmostrarAutomataDeterLogica: the deterministic result window TFmostrarAutomataDeter as
// data and handlers: the subset construction of a non-deterministic result, its
// validation against a test file and its saved report.
#pragma once

#include <string>
#include <vector>

#include "app/ventanas/GraficosLogica.h"
#include "core/Lista.h"
#include "core/SalidaLineas.h"
#include "core/TablaTexto.h"
#include "results/DatosDeterminista.h"
#include "results/Determinizacion.h"

class TAutomata;
class TFmostrarAutomataLogica;
class TInteraccion;
class TInteraccionResultados;
class TSesion;

class TFmostrarAutomataDeterLogica {
 public:
  // The conversion: builds FuncionDeterminista by the subset construction from the result
  // window's TablaDestinos and BloqueInicial (after its FormShow). The result window's
  // automaton and session must outlive this window.
  explicit TFmostrarAutomataDeterLogica(const TFmostrarAutomataLogica& resultado);
  TFmostrarAutomataDeterLogica(const TFmostrarAutomataDeterLogica&) = delete;
  TFmostrarAutomataDeterLogica& operator=(const TFmostrarAutomataDeterLogica&) = delete;

  // The caption: "Autómata Determinístico Resultado" until the caller sets its own.
  const std::string& Caption() const { return m_caption; }
  void PonerCaption(std::string caption) { m_caption = std::move(caption); }

  // On show: creates the report list, plays "Result.wav", marks the final subset-states
  // and fills the memos and the table.
  void FormShow(TInteraccion& interaccion);
  // "Validar": chooses a test file (see ElegirMuestraValidacion) and, unless that was
  // cancelled or refused, runs EstadisticaValidacion.
  void BotonValidarClick(TInteraccionResultados& interaccion);
  // Counts MuestraValidacion with the deterministic walk (long work), fills the chart and shows
  // it: true. A cancelled counting shows nothing and leaves the chart: false; "Validar" then
  // gives the session back its previous test sample.
  bool EstadisticaValidacion(TInteraccionResultados& interaccion);
  // "Guardar": builds the report (GuardarResultados) and saves it (see GuardarInforme).
  void BotonGuardarClick(TInteraccion& interaccion);
  // Empties the report list, appends the header lines, then GuardarFuncionTransicion.
  void GuardarResultados();
  // Appends the table's lines in format B to the report list.
  void GuardarFuncionTransicion();
  // The lines GuardarResultados would leave in the report list, handed to `salida` one at
  // a time, without keeping them.
  void EmitirInforme(const TSalidaLineas& salida) const;
  // On close: frees the final subset-states and the report list.
  void FormClose();
  const char* TemaAyuda() const { return "IDH_Resultados"; }

  // What the window shows (valid after FormShow). The table's corner shows
  // TFmostrarAutomataLogica::kTextoEsquina, as in the result window.
  const std::string& Alfabeto() const { return m_datos.Alfabeto; }
  const std::string& Einicial() const { return m_datos.Einicial; }
  const std::string& Efinales() const { return m_datos.Efinales; }
  const std::string& Estados() const { return m_datos.Estados; }
  const TTablaTexto& Rejilla() const { return m_datos.Tabla; }
  bool BotonValidarHabilitado() const { return true; }
  bool BotonImprimirHabilitado() const { return false; }
  const TAutomataDeterminista& FuncionDeterminista() const { return m_determinista; }
  const std::vector<int>& FilasFinales() const { return m_datos.FilasFinales; }
  const TLista& Informe() const { return m_informe; }
  const TFgraficosLogica& Graficos() const { return m_graficos; }
  // The acceptor with the partition the conversion started from.
  const TAutomata& Automata() const { return m_automata; }
  TSesion& Sesion() const { return m_sesion; }

  // The counts of validating `test` with the deterministic walk: an example is accepted
  // when it is over the alphabet and its walk from the initial subset-state ends in one
  // that holds a final block. Available from construction.
  TCuentasValidacion CuentasValidacion(const TLista& test) const;
  // The strings of `test` by outcome and the examples of the session's negative sample
  // that the automaton accepts, decided as CuentasValidacion decides them.
  TDetalleValidacion DetalleValidacion(const TLista& test) const;

 private:
  const TAutomata& m_automata;
  TSesion& m_sesion;
  int m_bloqueInicial;
  std::vector<int> m_bloquesFinales;
  std::string m_caption = "Aut\xF3mata Determin\xEDstico Resultado";
  TAutomataDeterminista m_determinista;
  TDatosDeterminista m_datos;
  TLista m_informe;
  TFgraficosLogica m_graficos;
};
