// TFexpresionLogica: the window of "Expresión regular": the expression of an automaton's
// language, or why there is none (the empty language, an expression past the cap).
#pragma once

#include <string>

#include "automatas/ExpresionRegular.h"

class TAutomataFinito;

class TFexpresionLogica {
 public:
  // The expression of `automata` (ExpresionRegular, capped at `limite` characters); the
  // caption is "Expresión regular - " + the window's caption without surrounding blanks.
  TFexpresionLogica(const TAutomataFinito& automata, const std::string& caption,
                    std::size_t limite = kLimiteExpresion);

  const std::string& Caption() const { return m_caption; }
  // The expression (Windows-1252); empty when there is none.
  const std::string& Texto() const { return m_expresion.texto; }
  bool HayExpresion() const { return !m_expresion.vacio && !m_expresion.truncada; }
  bool Truncada() const { return m_expresion.truncada; }
  // The sentence shown instead of (or, for a capped one, besides) the expression; empty
  // for a well-formed expression.
  const std::string& Mensaje() const { return m_expresion.mensaje; }

 private:
  std::string m_caption;
  TExpresionDeAutomata m_expresion;
};
