// TFmostrarAutomataLogica: the automaton result window TFmostrarAutomata as data and
// handlers: the quotient automaton of an acceptor by its partition, its determinism test
// with the offer to convert, validation against a test file and the saved report.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/ventanas/GraficosLogica.h"
#include "app/pasos/Repeticion.h"
#include "core/Lista.h"
#include "core/SalidaLineas.h"
#include "core/TablaTexto.h"
#include "results/DatosResultado.h"

class TAutomata;
class TFuncion;
class TInteraccion;
class TInteraccionResultados;
class TSesion;

class TFmostrarAutomataLogica {
 public:
  // The texts of the notice TFavisos1 when the result is not deterministic.
  static constexpr const char* kAvisoNoDeterminista = "Aut\xF3mata NO determin\xEDstico";
  static constexpr const char* kPreguntaConvertir = "\xBF" "Desea convertir el aut\xF3mata?";
  // What the table's top-left cell shows in place of its text.
  static constexpr const char* kTextoEsquina = "  E/A  ";
  static constexpr const char* kTextoK = "Encontrada soluci\xF3n para K = ";

  // `automata` (the acceptor whose Bloques hold the result) and `sesion` (the positive
  // sample for the report and the chart, MuestraValidacion for "Validar") must outlive the
  // window's use; the automaton must stay unchanged from FormShow to FormClose.
  TFmostrarAutomataLogica(const TAutomata& automata, TSesion& sesion);
  virtual ~TFmostrarAutomataLogica();
  TFmostrarAutomataLogica(const TFmostrarAutomataLogica&) = delete;
  TFmostrarAutomataLogica& operator=(const TFmostrarAutomataLogica&) = delete;

  // The caption: " Autómata resultado" until a caller sets its own.
  const std::string& Caption() const { return m_caption; }
  void PonerCaption(std::string caption) { m_caption = std::move(caption); }

  // TextoK: hidden, with the text "Encontrada solución para K = ", until a search for k
  // calls MostrarTextoK(k), which appends k and shows it. FormClose hides it again.
  const std::string& TextoK() const { return m_textoK; }
  bool TextoKVisible() const { return m_textoKVisible; }
  void MostrarTextoK(int k);

  // Points the window at another automaton (the incremental window shows a new result
  // after every pass); read at the next FormShow.
  void PonerAutomata(const TAutomata& automata);
  const TAutomata& Automata() const { return *m_automata; }
  TSesion& Sesion() const { return m_sesion; }

  // Report only (the command-line tool): the next FormShow leaves the three state texts
  // empty, and EmitirInforme writes them from the automaton as it goes, so a result of
  // millions of states is never held as text.
  void SoloInforme() { m_textosEstados = false; }

  // On show: enables BotonValidar, plays "Result.wav", creates the window data (unless
  // PrepararDatos already did for this showing) and fills the memos and the table. The
  // validation function (quotient kind) is built the first time something validates.
  virtual void FormShow(TInteraccion& interaccion);
  // Creates the window data now, the long part of FormShow, so that the next FormShow only
  // shows it; touches nothing the user sees (a command runs it as long work).
  void PrepararDatos();
  // On activation: when some cell leads to more than one state, disables BotonValidar and
  // asks TFavisos1 "Autómata NO determinístico" / "¿Desea convertir el autómata?". "No"
  // ends there; any other answer converts the automaton and shows the deterministic window
  // (with this window's caption) modally above this one.
  virtual void OfrecerConversion(TInteraccionResultados& interaccion);
  // "Validar": chooses a test file (see ElegirMuestraValidacion) and, unless that was
  // cancelled or refused, runs EstadisticaValidacion. Does nothing while disabled.
  void BotonValidarClick(TInteraccionResultados& interaccion);
  // Counts MuestraValidacion with the quotient walk (long work), fills the chart and shows
  // it: true. A cancelled counting shows nothing and leaves the chart: false; "Validar" then
  // gives the session back its previous test sample.
  bool EstadisticaValidacion(TInteraccionResultados& interaccion);
  // "Guardar": builds the report (GuardarResultados) and saves it (see GuardarInforme).
  void BotonGuardarClick(TInteraccion& interaccion);
  // Empties the report list, appends the header lines, then GuardarFuncionTransicion.
  void GuardarResultados();
  // Appends the table's lines in format A to the report list.
  void GuardarFuncionTransicion();
  // The lines GuardarResultados would leave in the report list, handed to `salida` one at
  // a time, without keeping them.
  void EmitirInforme(const TSalidaLineas& salida) const;
  // On close: frees the validation function, the target lists, the final blocks and the
  // report list, and hides TextoK. The texts, the table and BloqueInicial stay.
  void FormClose();
  // The help topic of "Ayuda".
  virtual const char* TemaAyuda() const { return "IDH_Resultados"; }
  // "Paso a paso": enabled once the command has said how to repeat its run.
  void PonerRepeticion(TRepetir repetir) { m_repetir = std::move(repetir); }
  bool BotonPasoAPasoHabilitado() const { return static_cast<bool>(m_repetir); }
  // Repeats the run with a trace and opens the step window (see AbrirPasoAPaso).
  void BotonPasoAPasoClick(TInteraccion& interaccion);

  // What the window shows (valid after FormShow).
  const std::string& Alfabeto() const { return m_datos.Alfabeto; }
  const std::string& Einicial() const { return m_datos.Einicial; }
  const std::string& Efinales() const { return m_datos.Efinales; }
  const std::string& Estados() const { return m_datos.Estados; }
  const TTablaTexto& Rejilla() const { return m_datos.Tabla; }
  bool BotonValidarHabilitado() const { return m_botonValidar; }
  // The print button is never enabled.
  bool BotonImprimirHabilitado() const { return false; }
  // Window data read by the conversion and the validation.
  const TTablaDestinos& TablaDestinos() const { return m_datos.TablaDestinos; }
  const std::vector<int>& BloquesFinales() const { return m_datos.BloquesFinales; }
  int BloqueInicial() const { return m_datos.BloqueInicial; }
  const TDatosResultado& Datos() const { return m_datos; }
  // True when no cell of the table leads to more than one state.
  bool EsDeterminista() const { return m_datos.EsDeterminista(); }
  // The validation function (quotient kind) while the window is shown; null otherwise.
  const TFuncion* FuncionValidacion() const;
  // The report list as the last GuardarResultados left it.
  const TLista& Informe() const { return m_informe; }
  // The chart as the last validation filled it.
  const TFgraficosLogica& Graficos() const { return m_graficos; }

  // The counts of validating `test` against the result's language: an example is accepted
  // when it is over the alphabet and the validation function accepts it, or, for a
  // non-deterministic result, when its deterministic equivalent does. Requires FormShow.
  TCuentasValidacion CuentasValidacion(const TLista& test) const;
  // The strings of `test` by outcome and the examples of the session's negative sample
  // that the automaton accepts, decided as CuentasValidacion decides them.
  TDetalleValidacion DetalleValidacion(const TLista& test) const;

 protected:
  // The examples for the report's "Ejemplos añadidos: " line; null (no line) here.
  virtual const TLista* EjemplosAnadidos() const { return nullptr; }
  void PonerBotonValidar(bool habilitado) { m_botonValidar = habilitado; }

 private:
  const TAutomata* m_automata;
  TSesion& m_sesion;
  std::string m_caption = " Aut\xF3mata resultado";
  std::string m_textoK = kTextoK;
  bool m_textoKVisible = false;
  bool m_botonValidar = true;
  TDatosResultado m_datos;
  bool m_textosEstados = true;
  bool m_datosPreparados = false;  // by PrepararDatos, for the next FormShow
  bool m_mostrada = false;
  // built on first use between FormShow and FormClose
  mutable std::unique_ptr<TFuncion> m_funcion;
  TLista m_informe;
  TFgraficosLogica m_graficos;
  TRepetir m_repetir;
};
