// AlgoritmoKR: k-reversible inference. Merges the states of the prefix-tree acceptor of a
// sample whose examples end in the marker "$" until the partition is deterministic and
// deterministic backwards with a look-ahead of k symbols.
//
// Source: D. Angluin, "Inference of reversible languages", Journal of the ACM 29(3),
// 741-765, 1982 (the k-reversible languages and the merging algorithm ZR/k-RI).
#pragma once

#include <string>

#include "core/Lista.h"
#include "inference/ModoInferencia.h"

class TAutomata;
class TObservadorFusiones;

// The end marker that KR puts after every example.
inline const std::string kMarcaFinal = "$";

// Every example of `muestra` followed by "$", in order, duplicates kept.
TLista MarcarMuestra(const TLista& muestra);

// True when some example of `muestra` holds the character "$": KR would then mix the
// user's symbol with its own end marker, so the KR commands refuse such a sample.
bool UsaMarcaFinal(const TLista& muestra);

// Runs KR with parameter k >= 0 on `automata`.
// Precondition: `automata` was built from MarcarMuestra(muestra) (or, for
// TModoInferencia::Mealy, from the marked situation/action strings as a Mealy acceptor, its
// alphabet holding "$"), and its Bloques are not yet set.
// Postcondition: Bloques holds the partition of the unmarked prefixes, the blocks in the
// order in which they were last formed and each block's states in merge order; Finales
// holds `muestra`; "$" is no longer in Alfabeto; Estados is unchanged. An empty `muestra`
// gives the single block of the empty prefix. k symbols are k characters, or k pair
// symbols in TModoInferencia::Mealy (UltimosSimbolos). Showing the result is the caller's.
// Throws TErrorInterno ("ERROR INT0KR10"/"ERROR INT0KR11") if a successor cell were found
// not to hold exactly one state, and "ERROR INT0KR12" if an example of `automata`'s Finales
// were no state; the construction rules both out.
// `observador`, when given, hears each effective merge: the pair as queued and its cause,
// "final", "sucesor a" or "predecesor a w" (w the pair's common k-suffix).
void AlgoritmoKR(TAutomata& automata, int k, TModoInferencia modo, const TLista& muestra,
                 TObservadorFusiones* observador = nullptr);
