// AlgoritmoKC: k-contextual inference. Groups the states of the prefix-tree acceptor of a
// sample by their last k symbols; states shorter than k symbols stay alone.
//
// Sources: S. Muggleton, "Inductive Acquisition of Expert Knowledge", Addison-Wesley, 1990
// (k-contextual languages); P. Garcia and E. Vidal, "Inference of k-testable languages in
// the strict sense and application to syntactic pattern recognition", IEEE Trans. PAMI
// 12(9), 920-925, 1990 (the closely related k-testable languages).
#pragma once

#include <string>

#include "inference/ModoInferencia.h"

class TAutomata;
class TObservadorFusiones;

// Runs KC with parameter k >= 0 on `automata`, built from the unmarked sample (or, for
// TModoInferencia::Mealy, from the situation/action strings as a Mealy acceptor), Bloques
// not yet set.
// Postcondition: Bloques holds first the short states (fewer than k symbols, see
// UltimosSimbolos) as singletons in Estados order, then one block per distinct k-symbol
// suffix, the blocks in the order of their last extension and the states inside each block
// in Estados order. The short states are deleted from Estados; Finales and Alfabeto are
// unchanged. Showing the result is the caller's.
// `observador`, when given, hears each state that joins an existing block: the block's
// first state, the joining state and "sufijo w".
void AlgoritmoKC(TAutomata& automata, int k, TModoInferencia modo, TObservadorFusiones* observador = nullptr);
