// AutomatasVentanas: the finite automaton each result window shows, with its caption and
// session, for the buttons of the automaton operations.
#pragma once

#include "app/comandos/OperacionesAutomata.h"

class TFmostrarAutomataLogica;
class TFmostrarAutomataDeterLogica;

// The quotient automaton of a result or incremental window (AutomataDeCociente), its
// states named as the window names them. Requires FormShow.
TAutomataVentana AutomataDeVentana(const TFmostrarAutomataLogica& ventana);
// The deterministic window's automaton (AutomataDeDeterminista). Requires FormShow.
TAutomataVentana AutomataDeVentana(const TFmostrarAutomataDeterLogica& ventana);
