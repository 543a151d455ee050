// Comparacion: whether two automata accept the same language (or one language is included
// in the other), and if not, the shortest string that tells them apart.
//
// Method: breadth-first search on the product of the two automata determinized on sets
// (Subconjuntos), both completed by an implicit dead state (Hopcroft, Motwani, Ullman,
// §4.4; Moore's "Gedanken-experiments", 1956, for the shortest distinguishing string).
// Symbols are taken in the order of the union of the two alphabets (a's, then b's new
// ones); since BFS visits strings by length and, within a length, in that order, the
// first product pair where the two sides disagree gives the length-lexicographically
// first witness. Work: O(pairs reached × symbols).
#pragma once

#include <string>

#include "automatas/AutomataFinito.h"
#include "core/Lista.h"

struct TComparacion {
  bool equivalentes = true;  // for inclusion: L(a) ⊆ L(b)
  // When not: the witness, as symbol texts (empty: the empty string), and which side
  // accepts it (the other rejects it). For inclusion the witness is always in a, not b.
  TLista testigo;
  bool aceptaA = false;
  // The witness as text: the symbols run together, "&" for the empty string.
  std::string TextoTestigo() const;
};

// L(a) = L(b)? Symbols are matched by their texts, ignoring letter case; a symbol only
// one side knows is a symbol the other rejects.
TComparacion CompararAutomatas(const TAutomataFinito& a, const TAutomataFinito& b);
// L(a) ⊆ L(b)? The witness, if any, is the length-lexicographically first string of
// L(a) \ L(b).
TComparacion IncluidoEn(const TAutomataFinito& a, const TAutomataFinito& b);
