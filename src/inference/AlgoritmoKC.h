// AlgoritmoKC: k-contextual inference. Groups the states of the prefix-tree acceptor of a
// sample by their last k symbols; states shorter than k symbols stay alone.
#pragma once

#include <string>

#include "inference/ModoInferencia.h"

class TAutomata;
class TObservadorFusiones;

// Runs KC with parameter k >= 0 on `automata`, built from the unmarked sample in mode 'N'
// (or from the situation/action strings in mode 'M' for ModoMealy), Bloques not yet set.
// Postcondition: Bloques holds first the short states (fewer than k symbols, see
// UltimosSimbolos) as singletons in Estados order, then one block per distinct k-symbol
// suffix, the blocks in the order of their last extension and the states inside each block
// in Estados order. The short states are deleted from Estados; Finales and Alfabeto are
// unchanged. ModoVentana runs as ModoSilencioso here: showing the window is the caller's.
// `observador`, when given, hears each state that joins an existing block: the block's
// first state, the joining state and "sufijo w".
void AlgoritmoKC(TAutomata& automata, int k, int modo, TObservadorFusiones* observador = nullptr);

// "Autómata resultado KC   K=" followed by k.
std::string CaptionResultadoKC(int k);
