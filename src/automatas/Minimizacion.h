// Minimizacion: the minimal deterministic automaton of a language, keeping for each
// minimal state the states of the given automaton it groups.
//
// Method: Hopcroft's partition refinement ("An n log n algorithm for minimizing states in
// a finite automaton", 1971), in the formulation of Valmari and Lehtinen ("Efficient
// minimization of DFAs with partial transition functions", STACS 2008), which works on a
// partial automaton directly in O(m log n) (m transitions, n states). A non-deterministic
// input is first determinized on sets (Subconjuntos); unreachable states are dropped.
#pragma once

#include <vector>

#include "automatas/AutomataFinito.h"

enum class TModoMinimo {
  Parcial,   // without a dead state: states from which no final state is reachable are dropped
  Completo,  // complete: one dead state is kept (or added) when some transition is missing
};

struct TMinimizacion {
  // Deterministic and minimal for its mode. States are numbered breadth-first from the
  // initial state (0), symbols in alphabet order, named "q"+n; a state's prefixes are
  // the union of the prefixes of the states it groups, in their order. The empty language
  // gives one non-final initial state in Completo mode, and no state at all in Parcial.
  TAutomataFinito automata;
  // grupos[n]: the states of the given automaton that minimal state n stands for,
  // ascending (for a non-deterministic input, every member of the sets it groups). The
  // dead state added in Completo mode groups the given states that cannot reach a final
  // state, possibly none.
  std::vector<std::vector<int>> grupos;
};

// The minimal deterministic automaton with L(result) = L(automata).
TMinimizacion Minimizar(const TAutomataFinito& automata, TModoMinimo modo = TModoMinimo::Parcial);

// The reachable states of `automata` ("estados accesibles") and, of those, the ones from
// which a final state is reachable (co-accessible). Each as a flag per state.
std::vector<bool> EstadosAccesibles(const TAutomataFinito& automata);
std::vector<bool> EstadosCoaccesibles(const TAutomataFinito& automata);
