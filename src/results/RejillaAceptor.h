// RejillaAceptor: the transition grid of a prefix-tree acceptor, as the acceptor window
// and its report show it, and the symbols' header row that the result grids share.
#pragma once

#include "core/TablaTexto.h"

class TAutomata;

// Column count becomes symbols + 1 (at least one row); row 0 gets the symbols from
// column 1 on, and the corner gets the first symbol's text (empty without symbols).
void MostrarAlfabetoEnRejilla(const TAutomata& automata, TTablaTexto& rejilla);
// Row count becomes states + 1 (at least one column); column 0 gets the states from row 1
// on, the empty prefix written "&".
void MostrarEstadosEnRejilla(const TAutomata& automata, TTablaTexto& rejilla);
// Cell (row r, column c) gets state r followed by symbol c if that text is a state,
// else "_". Call after the two operations above.
void MostrarTransicionesEnRejilla(const TAutomata& automata, TTablaTexto& rejilla);
// The three operations above on a new table: the acceptor's transition grid.
TTablaTexto RejillaAceptor(const TAutomata& automata);
