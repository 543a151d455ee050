// TMaquinaMealy: one result of SKR or SKC seen as a Mealy machine: the quotient of the
// Mealy-mode acceptor by its partition, whose transitions read a situation and answer an
// action (a pair symbol), and the texts and grid that the Mealy result window shows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/Automata.h"
#include "core/IndiceParticion.h"
#include "core/Lista.h"
#include "core/ListaIndexada.h"
#include "core/TablaTexto.h"

class TAutomataMealy;
class TFuncion;

class TMaquinaMealy {
 public:
  // Builds the machine from the merged acceptor `automata`, the sample model `modelo` and
  // the quotient function `cociente` built from `automata`. The machine refers to the
  // acceptor's blocks without copying them: it must be destroyed before `automata`.
  TMaquinaMealy(const TAutomata& automata, const TAutomataMealy& modelo, const TFuncion& cociente);

  // The sequence strings (the acceptor's final states after merging).
  const TLista& Finales() const { return m_finales.Lista(); }
  // The situations of the model, in order.
  const TLista& Situaciones() const { return m_situaciones; }
  // Every action of every situation, each once: situations in order, then their actions.
  const TLista& Acciones() const { return m_acciones.Lista(); }
  // A copy of the block that holds the empty prefix.
  const TLista& EstadoInicial() const { return m_estadoInicial; }
  // The pair symbols (the acceptor's alphabet after merging, without "$").
  const TLista& Alfabeto() const { return m_alfabeto; }
  // The acceptor's blocks, in partition order: block n is the state "q"+n.
  const TParticion& Bloques() const { return *m_bloques; }

  // "q"+n for the first block equal (exactly) to EstadoInicial; empty if none is.
  std::string TextoEstadoInicial() const;
  // "  q"+n (two blanks first) for each block that holds a final state, in block order.
  std::string TextoEstadosFinales() const;
  // "  q"+n for every block, in order.
  std::string TextoEstados() const;
  // The cell of block `bloque` (its position) and `simbolo`: for each member m of the
  // block, in order, the name "q"+j of the block holding m followed by the symbol, each
  // name once, without separator; empty when there is no transition.
  std::string DestinosMealy(std::size_t bloque, const std::string& simbolo) const;

  // Cell (n+1, c+1) := DestinosMealy(n, symbol c) for every block n and symbol c.
  void MostrarTransicionesMealy(TTablaTexto& rejilla) const;
  // Column count := symbols + 1; header of column c+1 := situation + " / " + action of
  // symbol c ("S2 / A3"); the corner gets the text of column 1's header.
  void MostrarParesEnRejilla(TTablaTexto& rejilla) const;
  // Row count := blocks + 1; header of row n+1 := " q"+n.
  void MostrarEstadosMealy(TTablaTexto& rejilla) const;
  // The three operations above, in the window's order, on a new table.
  TTablaTexto RejillaMealy() const;

 private:
  TListaIndexada m_finales;
  TLista m_situaciones;
  TListaIndexada m_acciones;
  TLista m_estadoInicial;
  TLista m_alfabeto;
  const TParticion* m_bloques;
  // Each state name to the positions of the blocks that hold it, ascending.
  TIndiceParticion m_bloqueDeEstado;
};
