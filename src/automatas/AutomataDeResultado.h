// AutomataDeResultado: the automata the result windows show, as TAutomataFinito: the
// quotient of the automaton window and the subset construction of the deterministic one.
#pragma once

#include <vector>

#include "automatas/AutomataFinito.h"

class TAutomata;
struct TDatosResultado;
struct TAutomataDeterminista;

// The quotient automaton of `automata` by its Bloques, as `datos` (CalcularDatosResultado
// of the same automaton) computed it: state n is "q"+n with block n's members as its
// prefixes ("&" for the empty one), initial datos.BloqueInicial, finals
// datos.BloquesFinales, one transition per target of TablaDestinos (so it may be
// non-deterministic). The alphabet is the acceptor's.
TAutomataFinito AutomataDeCociente(const TAutomata& automata, const TDatosResultado& datos);

// The deterministic window's automaton: row r is state r named as its row ("[q0q3]"),
// with the members of its blocks as prefixes; row 0 initial; `filasFinales` final.
TAutomataFinito AutomataDeDeterminista(const TAutomata& automata, const TAutomataDeterminista& determinista,
                                       const std::vector<int>& filasFinales);
