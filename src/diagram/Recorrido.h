// Recorrido: a string read on a diagram symbol by symbol, keeping the set of current states
// after each symbol, so a window can step through it forwards and backwards.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Lista.h"
#include "diagram/Diagrama.h"

struct TPasoRecorrido {
  std::vector<int> estados;  // the current states, ascending; empty when the walk is stuck
  std::vector<int> aristas;  // the edges taken to get here, ascending (none at the start)
};

struct TRecorrido {
  // The string cut into the diagram's symbols: at each place the longest symbol of the
  // alphabet that it begins with (ignoring letter case); where none begins, the piece up to
  // the next place where one does (or the end) is an unknown symbol.
  TLista simbolos;
  // pasos[i]: after reading i symbols. The walk stops at an unknown symbol (not read) or when
  // no state is left (that empty step is the last), so it may hold fewer than simbolos + 1.
  std::vector<TPasoRecorrido> pasos;
  std::optional<std::size_t> desconocido;  // position of a symbol not in the alphabet

  // Every symbol was read and the last step holds a final state.
  bool Aceptada(const TDiagrama& diagrama) const;
  // The last step: the symbols read (pasos.size() - 1).
  std::size_t UltimoPaso() const { return pasos.empty() ? 0 : pasos.size() - 1; }
};

// `cadena` cut into symbols of `alfabeto` as TRecorrido::simbolos says.
TLista CortarEnSimbolos(std::string_view cadena, const TLista& alfabeto);

// Reads `cadena` (Windows-1252) from the initial state, every current state at once (a
// deterministic diagram keeps at most one). Symbols are compared ignoring letter case.
// Without an initial state the first step is already empty.
TRecorrido Recorrer(const TDiagrama& diagrama, std::string_view cadena);

// "Aceptada" or "Rechazada", the verdict shown at the end of the walk.
const char* Veredicto(const TRecorrido& recorrido, const TDiagrama& diagrama);
