// DiagramaDeAutomata: the graph description of every automaton the windows show. This is
// the one place that reads the automaton types for drawing.
#pragma once

#include <vector>

#include "diagram/Diagrama.h"

class TAutomata;
class TMaquinaMealy;
struct TAutomataDeterminista;
struct TDatosResultado;

// The prefix-tree acceptor: one state per prefix named as its grid row ("&" for the empty
// prefix), initial "&", final the sample's examples, an edge s -> s·a for every symbol a
// with s·a a state. With `marcaKR` the states ending in KR's end mark "$" are marked.
TDiagrama DiagramaAceptor(const TAutomata& aceptor, bool marcaKR);

// The quotient automaton of `automata` by its Bloques as the result window computed it in
// `datos`: state n is "q"+n, grouping block n's members.
TDiagrama DiagramaCociente(const TAutomata& automata, const TDatosResultado& datos);

// The subset construction of a result: row r is state r, named as its row ("[q0q3]"),
// grouping the members of its blocks; row 0 initial; `filasFinales` final.
TDiagrama DiagramaDeterminista(const TAutomata& automata, const TAutomataDeterminista& determinista,
                               const std::vector<int>& filasFinales);

// A Mealy machine: state n is "q"+n; edges are labelled with the pairs as the grid's
// header shows them ("S1 / A1"); its symbols are the pairs (paresSA), of any width.
TDiagrama DiagramaMealy(const TMaquinaMealy& maquina);
