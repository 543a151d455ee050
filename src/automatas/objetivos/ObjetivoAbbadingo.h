// ObjetivoAbbadingo: random targets and samples as the Abbadingo One competition built them
// (Lang, Pearlmutter and Price, "Results of the Abbadingo One DFA learning competition and
// a new evidence-driven state merging algorithm", ICGI 1998): a random digraph of 5n/4
// states with two out-edges each over {a, b}, a random start state, each state final with
// probability 1/2, minimized, and kept only when its depth (the longest of the shortest
// paths from the start state) is 2·log2(n) − 2; training and test strings drawn uniformly,
// without repetition, from all the strings of length 0..2·log2(n)+3.
#pragma once

#include <cstddef>
#include <cstdint>

#include "automatas/AutomataFinito.h"
#include "core/Lista.h"

// round(2·log2(n)) − 2 and round(2·log2(n)) + 3 for n >= 2.
int ProfundidadAbbadingo(int n);
int LongitudAbbadingo(int n);

// The depth of a deterministic automaton: the greatest breadth-first distance from the
// initial state to a reachable state; -1 with no initial state.
int Profundidad(const TAutomataFinito& automata);

// A target of nominal size n >= 2 (complete, minimal, over {a, b}).
TAutomataFinito ObjetivoAbbadingo(int n, std::uint64_t semilla);

// The competition's strings: `entrenamiento` training strings labelled by `objetivo`
// (positives and negatives) and `test` further strings, distinct from them and each other,
// uniform over the strings of `objetivo`'s alphabet of length 0..longitud. Fewer when
// there are fewer strings.
struct TMuestrasProtocolo {
  TLista positiva;
  TLista negativa;
  TLista test;
};
TMuestrasProtocolo MuestrasAbbadingo(const TAutomataFinito& objetivo, std::size_t entrenamiento, std::size_t test,
                                     int longitud, std::uint64_t semilla);
