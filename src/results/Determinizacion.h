// Determinizacion: the subset construction that turns a non-deterministic quotient
// automaton into a deterministic one whose states are ordered lists of block numbers.
#pragma once

#include <string>
#include <vector>

#include "core/Lista.h"

// Targets of the quotient automaton: [block][symbol] -> target block numbers, in the order
// in which the block's members produce them. An empty list is no transition.
using TTablaDestinos = std::vector<std::vector<std::vector<int>>>;

// A state of the deterministic automaton: block numbers without repetition, in the order
// the construction added them. [1, 2] and [2, 1] are different states.
using TEstadoSubconjunto = std::vector<int>;

// The deterministic automaton: row r has the subset-state `Estados[r]` as its key and, for
// symbol c of `Alfabeto`, the row of its target in `Transiciones[r][c]` (-1: no transition;
// no dead state is added). Row 0 is the initial subset-state; rows follow breadth-first
// discovery order, targets of one row entering in alphabet order.
struct TAutomataDeterminista {
  TLista Alfabeto;
  std::vector<TEstadoSubconjunto> Estados;
  std::vector<std::vector<int>> Transiciones;

  // Row r's key as a state name, e.g. "[q0q3]" (empty text for an empty list).
  std::string NombreFila(int fila) const;
};

// Subset construction from `destinos` (one row per block, one entry per symbol of
// `alfabeto`) starting at the singleton {bloqueInicial}. The target of a subset-state is
// the union, member by member in the state's order, of the members' target lists, each
// number kept at its first appearance. Every non-empty target is a row. Subset-states are
// found by a hash of the exact ordered list, so the work is linear in the size of the result.
TAutomataDeterminista ConstruirDeterminista(const TTablaDestinos& destinos, int bloqueInicial,
                                            const TLista& alfabeto);

// Rows of `automata` whose key holds one of `bloquesFinales` (whole numbers compared), in
// row order, each once.
std::vector<int> FilasFinales(const TAutomataDeterminista& automata,
                              const std::vector<int>& bloquesFinales);
