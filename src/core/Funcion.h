// TFuncion: a transition table whose rows are keyed by blocks (sets of state names) and
// whose columns are the symbols; cell (i, j) is the target set of row key i by symbol j,
// shown as the block [-] when there is no transition. It also decides whether a string is
// accepted. The table's own rows mark no transition apart from every block of states, so a
// state named "-" is a state like any other; rows built by hand take [-] as the mark.
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

// Construction kinds.
constexpr int FuncionInversa = 0;   // rows: singleton per acceptor state; cells: predecessors
constexpr int FuncionAceptor = 1;   // rows: singleton per acceptor state; cells: {s·a} or [-]
constexpr int FuncionCociente = 2;  // rows: the automaton's Bloques; cells: quotient targets
constexpr int FuncionVacia = 3;     // no rows, no symbols: the caller fills it (any other kind too)

class TFuncion {
 public:
  using TFila = std::vector<TLista>;

  // Builds a table of the given kind over `automata`, which the table reads during its whole
  // life: it must outlive the table and stay unchanged (Bloques included) while it is used.
  TFuncion(const TAutomata& automata, int tipo);

  // Read access: row keys in row order, the symbols, and the cells. Rows of a complete table
  // have one cell per symbol; rows being built by their caller may have fewer.
  std::size_t NumeroDeFilas() const { return m_claves.size(); }
  const TLista& Bloque(std::size_t fila) const { return m_conjuntos[m_claves[fila]]; }
  std::size_t CeldasEnFila(std::size_t fila) const { return m_filas[fila].size(); }
  // Requires fila < NumeroDeFilas() and columna < CeldasEnFila(fila).
  const TLista& Celda(std::size_t fila, std::size_t columna) const { return m_conjuntos[m_filas[fila][columna]]; }
  // A copy of the cells of one row.
  TFila Fila(std::size_t fila) const;
  const TListaIndexada& Alfabeto() const { return m_alfabeto; }

  // Appends a singleton row key (with an empty row) per acceptor state, in state order.
  void CargarEstados();
  // Appends each block of the automaton's Bloques as a row key (with an empty row), in order.
  void CargarBloques();
  // Appends the automaton's alphabet to Alfabeto, in order.
  void CargarAlfabeto();
  // Computes the row of every row key added since the last call whose row is still empty:
  // FilaInversa (0), FilaAceptor (1) or FilaCociente (2) of the key (of its first state for
  // 0 and 1; an empty key then throws TErrorInterno). Any other kind does nothing.
  void CargarTransiciones(int tipo);

  // For each symbol in order: {estado·a} if that text is an acceptor state, else [-].
  TFila FilaAceptor(const std::string& estado) const;
  // For each symbol in order: Predecesores(estado, a).
  TFila FilaInversa(const std::string& estado) const;
  // Every acceptor state t, in state order, with t·simbolo a state and exactly equal to
  // `estado`; [-] if there is none.
  TLista Predecesores(const std::string& estado, const std::string& simbolo) const;
  // For each symbol in order: DestinoCociente(a, bloque).
  TFila FilaCociente(const TLista& bloque) const;
  // The first state x of `bloque` (in its order) whose successor x·simbolo lies in a block
  // of the automaton's Bloques decides: a copy of the first such block. [-] if none has one.
  TLista DestinoCociente(const std::string& simbolo, const TLista& bloque) const;

  // A copy of the cell of `bloque`'s row under `simbolo`. Throws TErrorInterno when the
  // block is no row key, the symbol is unknown ("ERROR INT0FUNC01"), or the row has no
  // cell at that place ("ERROR INT0FUNC03").
  TLista Transicion(const TLista& bloque, std::string_view simbolo) const;
  // Index of the first row key exactly equal to `bloque`; throws TErrorInterno
  // ("ERROR INT0FUNC02") when there is none.
  std::size_t IndiceBloque(const TLista& bloque) const;
  // Index of `simbolo` in Alfabeto ignoring letter case; throws TErrorInterno
  // ("ERROR INT0FUNC01") when it is not a symbol.
  std::size_t IndiceSimbolo(std::string_view simbolo) const;

  // A new empty row.
  static TFila NuevaFila() { return {}; }
  // Appends a copy of `bloque` as a new row key with an empty row.
  void AnadirBloque(const TLista& bloque);
  // Inserts a copy of `destino` into `bloque`'s row at the symbol's position; later cells
  // move one place right. A position past the row's end appends, so cells inserted out of
  // symbol order stay in insertion order.
  void PonerTransicion(const TLista& destino, const TLista& bloque, std::string_view simbolo);
  // Inserts Transicion(otro, simbolo) into `bloque`'s row at the symbol's position.
  void CopiarTransicion(const TLista& bloque, const TLista& otro, std::string_view simbolo);
  // Inserts Unir(Transicion(otro1, simbolo), Transicion(otro2, simbolo)) likewise.
  void UnirTransiciones(const TLista& bloque, const TLista& otro1, const TLista& otro2,
                        std::string_view simbolo);

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

 private:
  using TId = std::uint32_t;  // a block of m_conjuntos

  // Blocks are kept once each (compared exactly); keys and cells are their ids.
  std::optional<TId> BuscarConjunto(const TLista& bloque) const;
  TId Internar(const TLista& bloque);
  TId InternarUnitario(std::string_view estado);
  TId UnitarioDeEstado(const std::string& estado, std::optional<std::size_t> indice);
  void AnadirClave(TId id);
  std::size_t FilaDe(TId id) const;  // first row keyed by the block; throws if none
  TId CeldaDe(std::size_t fila, std::string_view simbolo) const;
  TId InternarDestino(const TLista& destino);  // [-] is the mark of no transition
  void InsertarCelda(TId destino, const TLista& bloque, std::string_view simbolo);
  std::optional<std::size_t> FilaConEstado(std::string_view estado) const;

  // The computations shared by the public row operations and the table's own rows.
  bool SucesorEnAceptor(const std::string& estado, const std::string& simbolo, std::string& destino) const;
  std::size_t ContarPredecesores(const std::string& estado, const std::string& simbolo,
                                 std::string& anterior) const;
  std::optional<std::size_t> BloqueDestino(const std::string& simbolo, const TLista& bloque) const;

  const TAutomata* m_automata;
  TListaIndexada m_alfabeto;
  std::deque<TLista> m_conjuntos;          // distinct blocks; references stay valid as it grows
  TIndiceHash m_indiceConjuntos;           // exact hash of a block -> its id
  std::vector<std::size_t> m_filaDeConjunto;  // id -> first row it keys, or kSinFila
  std::vector<TId> m_claves;               // row -> id of its key
  std::vector<std::vector<TId>> m_filas;   // row -> ids of its cells
  std::size_t m_filasCargadas = 0;         // rows already seen by CargarTransiciones
  TId m_sinTransicion;                     // id of the no-transition mark, no block of states
  TIndiceHash m_filaDeEstado;              // case-insensitive hash of a state -> (row, item)
  std::vector<TId> m_idDeEstado;           // acceptor state -> id of its singleton

  // Over the automaton's Bloques, built on first use: state -> (first block, item), and the
  // id each block got in this table.
  mutable TIndiceHash m_estadoEnParticion;
  mutable bool m_particionIndexada = false;
  std::vector<std::optional<TId>> m_idDeBloqueDeParticion;
};
