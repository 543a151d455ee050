// Recorrido: a string read on a diagram symbol by symbol, keeping the set of current states
// after each symbol, so a window can step through it forwards and backwards.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Lista.h"
#include "diagram/Diagrama.h"

struct TPasoRecorrido {
  std::vector<int> estados;  // the current states, ascending; empty when the walk is stuck
  std::vector<int> aristas;  // the edges taken to get here, ascending (none at the start)
  TLista acciones;           // a Mealy machine: the actions produced by this step, in order
};

struct TRecorrido {
  // The string cut into what is read at each step: the diagram's symbols, at each place the
  // longest symbol of the alphabet that it begins with (ignoring letter case), where none
  // begins the piece up to the next place where one does (an unknown symbol); for a Mealy
  // machine written with blanks or "/", its words: situations ("S1") or pairs ("S1/A1").
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

// The text that writes the empty string, as sample files write it.
inline constexpr std::string_view kCadenaVaciaRecorrido = "&";

// `cadena` cut into symbols of `alfabeto` as TRecorrido::simbolos says.
TLista CortarEnSimbolos(std::string_view cadena, const TLista& alfabeto);

// Reads `cadena` (Windows-1252) from the initial state, every current state at once (a
// deterministic diagram keeps at most one). Symbols are compared ignoring letter case.
// `cadena` exactly "&" is the empty string. Without an initial state the first step is
// already empty. On a Mealy machine a situation follows every pair that has it, and each
// step lists the actions of the pairs it followed.
TRecorrido Recorrer(const TDiagrama& diagrama, std::string_view cadena);

// "Aceptada" or "Rechazada", the verdict shown at the end of the walk.
const char* Veredicto(const TRecorrido& recorrido, const TDiagrama& diagrama);

// Why the walk rejects, in a sentence (Windows-1252), empty when it accepts: the symbol
// outside the alphabet ("x no está en el alfabeto"), the states where it got stuck and the
// symbol they have no transition with ("q0 no tiene transición con a", "q1 q2 no tienen
// transición con a"), the states it ended in that are not final ("q1 no es final", "q1 q2
// no son finales"), or that the diagram has no initial state.
std::string MotivoRechazo(const TRecorrido& recorrido, const TDiagrama& diagrama);
