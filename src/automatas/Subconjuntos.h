// Subconjuntos: the subset construction on *sets* of states (canonical: {q1,q2} and
// {q2,q1} are one state), for the operations' own use. The result window's construction,
// which keeps the order of discovery, is results/Determinizacion and stays as it is.
//
// Method: Rabin and Scott's subset construction (Hopcroft, Motwani, Ullman, "Introduction
// to Automata Theory, Languages, and Computation", 3rd ed., §2.3.5, with λ-closures as in
// §2.5.5). Sets are discovered breadth-first from the λ-closure of the initial state,
// symbols in alphabet order; each set is a sorted vector found through a hash.
#pragma once

#include <vector>

#include "automatas/AutomataFinito.h"

struct TSubconjuntos {
  // Deterministic, partial: the empty set is no state. State r's name is its set of the
  // original names ("{q0,q2}"), its prefixes the union of theirs in set order, final when
  // the set holds a final state. State 0 is initial (no state at all when the original
  // has no initial state).
  TAutomataFinito automata;
  // conjuntos[r]: the original states of state r, ascending.
  std::vector<std::vector<int>> conjuntos;
};

// The deterministic automaton of `automata` accepting the same language. Requires
// nothing; a deterministic input gives an isomorphic copy restricted to the reachable
// states. Work: O(states of the result × symbols × size of a set) plus hashing.
TSubconjuntos Determinizar(const TAutomataFinito& automata);
