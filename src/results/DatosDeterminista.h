// DatosDeterminista: what the deterministic result window shows of a subset construction:
// its set texts, final subset-states and transition table.
#pragma once

#include <string>
#include <vector>

#include "core/TablaTexto.h"
#include "results/Determinizacion.h"

class TAutomata;

struct TDatosDeterminista {
  std::string Alfabeto;           // set text of the alphabet
  std::string Einicial;           // "[q" + initial block + "]"
  std::string Efinales;           // FormarCadena of the final rows; empty if none
  std::string Estados;            // FormarCadena of every row
  std::vector<int> FilasFinales;  // rows holding a final block, in row order
  // Row 0: the symbols from column 1 (the corner holds the first symbol's text); column 0:
  // the row's state name in row r+1; cell (r+1, c+1): the target's name, empty for none.
  TTablaTexto Tabla;
};

// The names of the given rows run together, with no separator: "[q0q1][q2]".
std::string FormarCadena(const TAutomataDeterminista& automata, const std::vector<int>& filas);

// Fills the window's data. `automata` (the acceptor with its partition) gives the
// alphabet's text and the table's header row; `bloqueInicial` and `bloquesFinales` are
// those of the quotient automaton the construction started from.
TDatosDeterminista CalcularDatosDeterminista(const TAutomata& automata,
                                             const TAutomataDeterminista& determinista,
                                             int bloqueInicial, const std::vector<int>& bloquesFinales);
