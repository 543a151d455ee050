// MuestraCaracteristica: samples from which an inference algorithm provably returns the
// target, and the k-reversibility test that says when KR can be given one.
#pragma once

#include <optional>
#include <string>

#include "automatas/AutomataFinito.h"
#include "core/Lista.h"

struct TMuestraCaracteristica {
  TLista positiva;  // sample strings (Windows-1252, the empty string empty), length-lexicographic
  TLista negativa;
};

// RPNI's characteristic sample of L(objetivo) (de la Higuera, "Grammatical Inference",
// 2010, §12.3): on the minimal automaton, the shortest prefixes Sp (the length-
// lexicographically first string reaching each state) and the kernel N = {λ} ∪ {ua : u in
// Sp, ua a prefix of L}; positives: each x of N completed by the shortest string to a
// final state; negatives and positives: for each u in Sp and v in N reaching another
// state, uw and vw for the shortest w that tells the two states apart. Empty for the empty
// language.
TMuestraCaracteristica CaracteristicaRPNI(const TAutomataFinito& objetivo);

// Whether L(objetivo) is k-reversible (Angluin, "Inference of reversible languages", 1982):
// for all u1, u2 and v with |v| = k, when u1v and u2v have a common tail in L they have the
// same tails. Tested on the minimal automaton: no two distinct states reached by the same
// string of k symbols from any two states may share an accepted continuation.
bool EsKReversible(const TAutomataFinito& objetivo, int k);
// The least k <= cota for which it is; nullopt when none.
std::optional<int> MenorKReversible(const TAutomataFinito& objetivo, int cota);

// A positive sample from which KR with parameter k returns L(objetivo), for a k-reversible
// target: Angluin's characteristic sample over pairs (state, last k symbols read). For each
// such pair p reached first (length-lexicographically) by u(p): u(p)·v(q) and
// u(p)·a·v(δ(q, a)) for every symbol a, v(q) the shortest string from q to a final state.
// Every prefix that ends in the same k symbols at the same state is then merged by KR,
// and every transition of the target is in the result. Empty for the empty language.
TLista CaracteristicaKR(const TAutomataFinito& objetivo, int k);
