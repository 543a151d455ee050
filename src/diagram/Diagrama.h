// TDiagrama: an automaton as a graph to draw: its states as the grid names them, the
// prefixes each one groups, the initial and final states, and one edge per pair of states
// with every symbol between them. Texts are Windows-1252, as in the rest of the core.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/Lista.h"

struct TEstadoDiagrama {
  std::string nombre;  // as the grid writes it, without blanks: "q0", "[q0q3]", "ab" or "&"
  TLista prefijos;     // the acceptor states it groups, the empty prefix written "&"
  bool final = false;
  bool marcado = false;  // a marked example of KR's acceptor (its name ends in the end mark)
};

struct TTransicionDiagrama {
  int origen = 0;   // index into TDiagrama::estados
  int destino = 0;  // index into TDiagrama::estados
  TLista simbolos;  // the symbols that lead from origen to destino, in alphabet order
  std::string etiqueta;  // the symbols as the grid's header shows them, joined by ", "
};

struct TDiagrama {
  std::vector<TEstadoDiagrama> estados;
  int inicial = -1;  // index of the initial state; -1 when no state is initial
  // One edge per (origen, destino) pair: by origin in state order, then by the first
  // symbol that leads there.
  std::vector<TTransicionDiagrama> transiciones;
  TLista alfabeto;       // every symbol, in order
  bool paresSA = false;  // the symbols are situation/action pairs (a Mealy machine)

  std::size_t NumeroDeTransiciones() const;  // symbol-labelled transitions, not edges
};
