// DiagramasVentanas: the diagram of the automaton each window shows, read from the
// window's own data so the drawing and the grid never disagree.
#pragma once

#include "diagram/Diagrama.h"

class TFmostrarAceptorLogica;
class TFmostrarAutomataLogica;
class TFmostrarAutomataDeterLogica;
class TFmostrarMealyLogica;

// The acceptor; with KR's caption its marked examples are drawn as such.
TDiagrama DiagramaDeVentana(const TFmostrarAceptorLogica& ventana);
// The quotient automaton of a result or incremental window. Requires FormShow.
TDiagrama DiagramaDeVentana(const TFmostrarAutomataLogica& ventana);
// The deterministic automaton. Requires FormShow.
TDiagrama DiagramaDeVentana(const TFmostrarAutomataDeterLogica& ventana);
// The Mealy machine.
TDiagrama DiagramaDeVentana(const TFmostrarMealyLogica& ventana);
