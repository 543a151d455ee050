// RejillaAceptor: the transition grid of a prefix-tree acceptor, as the acceptor window
// and its report show it, and the symbols' header row that the result grids share.
#pragma once

#include <cstddef>
#include <functional>

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
// The grid one row at a time, for a report of any size: `fila` gets row 0 and is handed to
// `filaLista` with 0, then gets row r in its row 1 and is handed on with r, for every state.
void RejillaAceptorPorFilas(const TAutomata& automata, const std::function<void(const TTablaTexto&, std::size_t)>& filaLista);
