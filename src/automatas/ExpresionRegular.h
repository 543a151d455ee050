// ExpresionRegular: regular expressions in the course's notation, read into an automaton
// and written from one.
//
// Notation: a symbol is one character other than the operators; "&" is the empty string;
// "|" and "+" are union (so "+" is never the postfix "one or more": "a+" is an error,
// write "aa*"); juxtaposition is concatenation; postfix "*" (any number) and "?" (at most
// once); parentheses group; blanks are ignored. Precedence: postfix, then
// concatenation, then union. "()" is the empty string too.
//
// Reading: recursive descent to a tree, then Thompson's construction (Thompson, "Regular
// expression search algorithm", CACM 1968) into an automaton with λ-moves.
// Writing: state elimination (Brzozowski and McCluskey, "Signal flow graph techniques for
// sequential circuit state diagrams", 1963; Hopcroft, Motwani, Ullman §3.2.2) on the
// minimal partial automaton, eliminating states in a fixed order (fewest in·out edges
// first), with the simplifications that keep textbook results readable: & r = r & = r,
// & | r r* = r*, (r*)* = r*, (&)* = &, equal terms of a union once, a starred single
// symbol or parenthesis without new parentheses (a*, (ab)*), and the union sorted by
// length then text when it is built.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "automatas/AutomataFinito.h"
#include "core/Lista.h"

struct TLecturaExpresion {
  std::optional<TAutomataFinito> automata;  // set when the expression is well formed
  std::size_t posicion = 0;  // when not: 1-based position of the character at fault
  std::string error;         // when not: the Spanish message, naming the position
};

// Reads `texto` (Windows-1252). The automaton's alphabet is `alfabeto` (may be empty)
// followed by the expression's symbols that it lacks, in order of first appearance; it
// has λ-moves, one initial state and one final state. Errors: an empty expression, an
// operator with a missing operand, an unclosed or unopened parenthesis, a postfix
// operator with nothing before it.
TLecturaExpresion LeerExpresion(std::string_view texto, const TLista& alfabeto = {});

struct TExpresionDeAutomata {
  bool vacio = false;      // the language is empty (no expression in this notation)
  bool truncada = false;   // the expression grew past `limite` characters
  std::string texto;       // the expression (empty when vacio or truncada)
  std::string mensaje;     // when vacio or truncada: the Spanish sentence to show
};

// Default cap on the length of a written expression.
constexpr std::size_t kLimiteExpresion = 100000;

// A regular expression of L(automata) in the notation above ("|" for union, "&" for the
// empty string). When an intermediate expression grows past `limite` characters the work
// stops and `truncada` is set (the expression of an automaton can be exponential in
// its size). Symbols of more than one character are written as they are.
TExpresionDeAutomata ExpresionRegular(const TAutomataFinito& automata, std::size_t limite = kLimiteExpresion);
