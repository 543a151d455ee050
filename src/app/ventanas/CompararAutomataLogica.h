// CompararAutomataLogica: the two windows of "Comparar...": the dialog TFelegirComparacion
// that takes the other automaton (a regular expression or a file) and the window TFcomparar
// with the verdict and, when they differ, the witness to trace on both diagrams.
#pragma once

#include <optional>
#include <string>

#include "automatas/AutomataFinito.h"
#include "automatas/Comparacion.h"
#include "core/Lista.h"
#include "diagram/Diagrama.h"

class TInteraccion;

// The name a window's caption gives its automaton in a verdict: the caption without its
// surrounding blanks, "A" when nothing is left.
std::string NombreDeVentana(const std::string& caption);

class TFelegirComparacionLogica {
 public:
  static constexpr const char* kCaption = "Comparar con otro aut\xF3mata";
  static constexpr const char* kEtiqueta = "Expresi\xF3n regular (o un archivo .json o .jff):";
  static constexpr const char* kFaltaExpresion = "Escriba una expresi\xF3n regular o elija un archivo";

  // `alfabeto`: the window's, which an expression's symbols are matched to first.
  explicit TFelegirComparacionLogica(TLista alfabeto) : m_alfabeto(std::move(alfabeto)) {}

  // The expression typed (Windows-1252).
  const std::string& TextoExpresion() const { return m_texto; }
  void PonerTextoExpresion(std::string texto) { m_texto = std::move(texto); }

  // "Aceptar": reads the expression. Blank: the error box kFaltaExpresion; malformed: the
  // error box with the reader's message (naming the position); false either way, the dialog
  // stays. Read: true, Automata() and Nombre() (the expression without surrounding blanks).
  bool BtnAceptarClick(TInteraccion& interaccion);
  // "Archivo...": the open dialog (DialogoAutomata). Cancel: false. A file that cannot be
  // read: its message in an error box, false. Read: true, Automata() and Nombre() (the file's
  // name without folders).
  bool BotonArchivoClick(TInteraccion& interaccion);

  const std::optional<TAutomataFinito>& Automata() const { return m_automata; }
  const std::string& Nombre() const { return m_nombre; }

 private:
  TLista m_alfabeto;
  std::string m_texto;
  std::optional<TAutomataFinito> m_automata;
  std::string m_nombre;
};

class TFcompararLogica {
 public:
  static constexpr const char* kCaption = "Comparaci\xF3n de aut\xF3matas";

  // Compares `a` with `b` (CompararAutomatas); the names are the verdict's.
  TFcompararLogica(const TAutomataFinito& a, std::string nombreA, const TAutomataFinito& b, std::string nombreB);

  const TComparacion& Comparacion() const { return m_comparacion; }
  // LineasComparacion's lines: "Equivalentes", or "No equivalentes", "Testigo: x",
  // "Aceptada por: ...", "Rechazada por: ...".
  const TLista& Lineas() const { return m_lineas; }
  bool HayTestigo() const { return !m_comparacion.equivalentes; }
  // The sentence under the verdict: "A y B aceptan el mismo lenguaje." when equivalent,
  // "La cadena más corta que los distingue, recorrida en los dos diagramas:" otherwise.
  std::string Explicacion() const;
  // The witness as the trace field takes it: its symbols run together ("" for the empty one).
  std::string CadenaTestigo() const;
  const std::string& NombreA() const { return m_nombreA; }
  const std::string& NombreB() const { return m_nombreB; }
  // Each side's diagram: the automaton as given, or its minimal automaton when it has
  // λ-moves (an expression's construction), which the trace does not follow.
  const TDiagrama& DiagramaA() const { return m_diagramaA; }
  const TDiagrama& DiagramaB() const { return m_diagramaB; }

 private:
  std::string m_nombreA;
  std::string m_nombreB;
  TComparacion m_comparacion;
  TLista m_lineas;
  TDiagrama m_diagramaA;
  TDiagrama m_diagramaB;
};
