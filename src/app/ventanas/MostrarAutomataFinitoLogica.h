// TFmostrarAutomataFinitoLogica: the window of any finite automaton (a minimal one, one
// opened from a file) as data and handlers: the result window's memos and table, its
// diagram with a tip per state, validation against a test file and the saved report.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/ventanas/GraficosLogica.h"
#include "app/comandos/OperacionesAutomata.h"
#include "automatas/AutomataFinito.h"
#include "core/Lista.h"
#include "core/TablaTexto.h"
#include "diagram/Diagrama.h"
#include "results/DatosResultado.h"

class TInteraccion;
class TInteraccionResultados;
class TSesion;

class TFmostrarAutomataFinitoLogica {
 public:
  // States are shown renamed "q"+n, as the grid numbers them (their names should be among
  // their prefixes when worth keeping). `automata` must have no λ-move (a minimal, determinized or λ-free automaton). `agrupa`,
  // when given, holds for each state the names of the states of the automaton it came from
  // that it groups (a minimal state's), shown in its tip. With `conMuestra` the report
  // names the session's positive sample. `sesion` must outlive the window.
  TFmostrarAutomataFinitoLogica(TAutomataFinito automata, TSesion& sesion, std::string caption,
                                std::vector<TLista> agrupa = {}, bool conMuestra = false);

  const std::string& Caption() const { return m_caption; }
  const TAutomataFinito& Automata() const { return m_automata; }
  // What the four operation buttons work on: this automaton, caption and session.
  TAutomataVentana AutomataVentana() const;

  // On show: plays "Result.wav".
  void FormShow(TInteraccion& interaccion);
  // "Validar": chooses a test file (ElegirMuestraValidacion) and, unless that was
  // cancelled or refused, counts it with the automaton and shows the chart.
  void BotonValidarClick(TInteraccionResultados& interaccion);
  // "Guardar": the report (the result window's format, EmitirInformeAutomata) to a file.
  void BotonGuardarClick(TInteraccion& interaccion);
  // The report lines "Guardar" writes.
  TLista Informe() const;
  // On close: nothing is kept but the data shown.
  void FormClose() {}
  // The help topic of "Ayuda": minimization for a minimal window, opening automata otherwise.
  const char* TemaAyuda() const { return m_agrupa.empty() ? "IDH_AbrirAutomata" : "IDH_Minimizar"; }

  // What the window shows.
  const std::string& Alfabeto() const { return m_datos.Alfabeto; }
  const std::string& Einicial() const { return m_datos.Einicial; }
  const std::string& Efinales() const { return m_datos.Efinales; }
  const std::string& Estados() const { return m_datos.Estados; }
  const TTablaTexto& Rejilla() const { return m_datos.Tabla; }
  TDiagrama Diagrama() const;
  // The tip of state `estado` in the diagram: "q1 = { a, aa }" and, for a minimal state,
  // a second line "Agrupa: q1, q4" naming the states it stands for.
  std::string PistaEstado(int estado) const;
  const TFgraficosLogica& Graficos() const { return m_graficos; }

  // The counts and details of validating `test`: an example is accepted when it is a
  // string over the alphabet that the automaton accepts.
  TCuentasValidacion CuentasValidacion(const TLista& test) const;
  TDetalleValidacion DetalleValidacion(const TLista& test) const;

 private:
  bool Acepta(const std::string& ejemplo) const;

  TAutomataFinito m_automata;
  TSesion& m_sesion;
  std::string m_caption;
  std::vector<TLista> m_agrupa;
  bool m_conMuestra;
  TDatosResultado m_datos;
  TFgraficosLogica m_graficos;
};
