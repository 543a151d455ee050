// TFuncion: the transition table of the quotient automaton: its rows are keyed by the
// blocks of the automaton's partition and its columns are the symbols; cell (i, j) is the
// target block of row i by symbol j, shown as the block [-] when there is no transition
// (a mark apart from every block of states, so a state named "-" is a state like any
// other). It also decides whether a string is accepted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/IndiceHash.h"
#include "core/ListaIndexada.h"
#include "core/Lista.h"
#include "core/Utilidades.h"

class TAutomata;

class TFuncion {
 public:
  using TFila = std::vector<TLista>;

  // Builds the table over `automata`'s Bloques: one row per block, in order; the cell of a
  // block by a symbol is DestinoCociente. The table reads `automata` during its whole life:
  // it must outlive the table and stay unchanged (Bloques included) while it is used.
  explicit TFuncion(const TAutomata& automata);

  // Read access: row keys in row order, the symbols, and the cells (one per symbol).
  std::size_t NumeroDeFilas() const { return m_claves.size(); }
  const TLista& Bloque(std::size_t fila) const { return m_conjuntos[m_claves[fila]]; }
  // Requires fila < NumeroDeFilas() and columna < Alfabeto().size().
  const TLista& Celda(std::size_t fila, std::size_t columna) const { return m_conjuntos[m_filas[fila][columna]]; }
  // A copy of the cells of one row.
  TFila Fila(std::size_t fila) const;
  const TListaIndexada& Alfabeto() const { return m_alfabeto; }

  // The first state x of `bloque` (in its order) whose successor x·simbolo lies in a block
  // of the automaton's Bloques decides: a copy of the first such block. [-] if none has one.
  TLista DestinoCociente(const std::string& simbolo, const TLista& bloque) const;

  // A copy of the cell of `bloque`'s row under `simbolo`. Throws TErrorInterno when the
  // block is no row key ("ERROR INT0FUNC02") or the symbol is unknown ("ERROR INT0FUNC01").
  TLista Transicion(const TLista& bloque, std::string_view simbolo) const;
  // Index of the first row key exactly equal to `bloque`; throws TErrorInterno
  // ("ERROR INT0FUNC02") when there is none.
  std::size_t IndiceBloque(const TLista& bloque) const;
  // Index of `simbolo` in Alfabeto ignoring letter case; throws TErrorInterno
  // ("ERROR INT0FUNC01") when it is not a symbol.
  std::size_t IndiceSimbolo(std::string_view simbolo) const;

  // A copy of the first row key that has `estado` as a member (ignoring letter case);
  // an empty block if none has.
  TLista BloqueDeEstado(std::string_view estado) const;
  // True if some item of `bloque` is a final state of the automaton (ignoring letter case).
  bool ContieneFinal(const TLista& bloque) const;
  // Reads `cadena` one character (one symbol) at a time from the block of the empty prefix;
  // accepted when every character was read without meeting [-] and the last block holds a
  // final state. A table with no initial block accepts nothing. Throws TErrorInterno for a
  // character that is not a symbol (callers first test SobreAlfabeto).
  bool Acepta(std::string_view cadena) const;
  // The same over a string already cut into symbols (symbols of any width, as a Mealy
  // machine's pairs); a symbol that is none of the table's throws as above.
  bool AceptaSimbolos(const TLista& simbolos) const;

 private:
  using TId = std::uint32_t;  // a block of m_conjuntos

  // Blocks are kept once each (compared exactly); keys and cells are their ids.
  std::optional<TId> BuscarConjunto(const TLista& bloque) const;
  TId Internar(const TLista& bloque);
  void AnadirClave(TId id);
  std::size_t FilaDe(TId id) const;  // first row keyed by the block; throws if none
  TId CeldaDe(std::size_t fila, std::string_view simbolo) const;
  std::optional<std::size_t> FilaConEstado(std::string_view estado) const;
  std::optional<std::size_t> BloqueDestino(const std::string& simbolo, const TLista& bloque) const;

  const TAutomata* m_automata;
  TListaIndexada m_alfabeto;
  std::deque<TLista> m_conjuntos;          // distinct blocks; references stay valid as it grows
  TIndiceHash m_indiceConjuntos;           // exact hash of a block -> its id
  std::vector<std::size_t> m_filaDeConjunto;  // id -> first row it keys, or kSinFila
  std::vector<TId> m_claves;               // row -> id of its key
  std::vector<std::vector<TId>> m_filas;   // row -> ids of its cells
  TId m_sinTransicion;                     // id of the no-transition mark, no block of states
  TIndiceHash m_filaDeEstado;              // case-insensitive hash of a state -> (row, item)
  TIndiceHash m_estadoEnParticion;         // the same over the automaton's Bloques -> (block, item)
};
