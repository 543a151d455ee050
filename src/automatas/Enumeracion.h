// Enumeracion: the strings an automaton accepts, in length-lexicographic order (by length,
// then symbol by symbol in alphabet order), and how many there are of each length.
//
// Method: on the deterministic automaton (Subconjuntos), the table puede[l][q] = "a final
// state is reachable from q in exactly l symbols" prunes a depth-first walk in symbol
// order, so every prefix walked leads to an output: the work is linear in the output
// (times the length) once the table is built. Counts are the usual dynamic programme
// over the same table. (Sipser, "Introduction to the Theory of Computation", §1; the
// pruning is that of Mäkinen's enumeration of regular languages, 1997.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "automatas/AutomataFinito.h"

// Hands every accepted string of at most `longitudMaxima` symbols, in order, to `visitar`
// until it returns false; returns false when it did. Nothing is held but the current
// string, so the caller may stream an unbounded answer.
bool RecorrerCadenas(const TAutomataFinito& automata, std::size_t longitudMaxima,
                     const std::function<bool(const TCadenaSimbolos&)>& visitar);

// The first `n` accepted strings (fewer when the language has fewer).
std::vector<TCadenaSimbolos> PrimerasCadenas(const TAutomataFinito& automata, std::size_t n);

// Every accepted string of at most `longitud` symbols, in order. The caller bounds
// `longitud`: the answer can hold |alphabet|^longitud strings.
std::vector<TCadenaSimbolos> CadenasHasta(const TAutomataFinito& automata, std::size_t longitud);

struct TCuentaLongitud {
  std::uint64_t cadenas = 0;  // accepted strings of this length
  bool desborda = false;      // more than fits in 64 bits: `cadenas` is then the maximum
};
// Entry l (0..longitud): the number of accepted strings of exactly l symbols.
std::vector<TCuentaLongitud> CuentasPorLongitud(const TAutomataFinito& automata, std::size_t longitud);

// True when L(automata) is finite (no cycle through a state that is both reachable and
// co-reachable).
bool LenguajeFinito(const TAutomataFinito& automata);
