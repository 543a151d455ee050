// DiagramaAutomataFinito: the graph description of a TAutomataFinito (a minimal automaton,
// one read from a file or an expression), drawn and exported like the result windows'.
#pragma once

#include "diagram/Diagrama.h"

class TAutomataFinito;

// State n is automata's state n with its name and prefixes; one edge per pair of states
// with every symbol between them in alphabet order; a λ-move is the empty symbol (the
// .jff writer writes it <read/>), labelled "&".
TDiagrama DiagramaDeAutomataFinito(const TAutomataFinito& automata);
