// DatosResultado: what the automaton result window shows of a quotient automaton (an
// acceptor and its partition Bloques): state texts, final and initial blocks, target
// lists and the transition table, block n being the state "q"+n.
#pragma once

#include <string>
#include <vector>

#include "core/Lista.h"
#include "core/SalidaLineas.h"
#include "core/TablaTexto.h"
#include "results/Determinizacion.h"

class TAutomata;

struct TDatosResultado {
  // False when the three state texts below were left empty (see CalcularDatosResultado).
  bool ConTextos = true;
  std::string Alfabeto;  // set text of the alphabet
  std::string Einicial;  // "q"+n+" = "+set text of the initial block; empty if no block holds ""
  std::string Efinales;  // "  q"+n+" = "+set text for every final block, in block order
  std::string Estados;   // the same for every block
  // [block][symbol] -> target block numbers, in the order the block's members lead there.
  TTablaDestinos TablaDestinos;
  std::vector<int> BloquesFinales;  // final block numbers, ascending
  int BloqueInicial = -1;           // the block holding the empty prefix; -1 if none does
  // Row 0: the symbols from column 1 (the corner holds the first symbol's text); column 0:
  // " q"+n in row n+1; cell (n+1, c+1): every target name followed by one blank, "q2 ".
  TTablaTexto Tabla;

  // True when no target list holds more than one block.
  bool EsDeterminista() const;
  // TablaDestinos[n][c] as decimal texts.
  TLista TextosDestino(int bloque, int simbolo) const;
};

// Computes everything above from `automata`. A block is final when one of its members is a
// final state; the target list of block B by symbol a holds, for each member m of B in
// order, every block that has m·a as a member (ascending, each number once). Membership
// ignores letter case and goes through the acceptor's trie (or a hash index of the
// states), so the work is linear in the number of states times symbols. Without
// `conTextos` the texts Einicial, Efinales and Estados stay empty: they hold every state's
// name, which a report then writes piece by piece (EmitirTextoEstados).
TDatosResultado CalcularDatosResultado(const TAutomata& automata, bool conTextos = true);

// The three state texts of `datos`, each as one line after its header: datos' own texts
// when it has them, else written piece by piece from the partition of `automata` (then
// required: the automaton `datos` was computed from).
void EmitirTextosEstados(const TAutomata* automata, const TDatosResultado& datos, const std::string& cabeceraInicial,
                         const std::string& cabeceraFinales, const std::string& cabeceraEstados,
                         const TSalidaLineas& salida);
