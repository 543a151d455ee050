// TFuncion: a transition table whose rows are keyed by blocks (sets of state names) and
// whose columns are the symbols; cell (i, j) is the target set of row key i by symbol j,
// the block [-] meaning no transition. It also decides whether a string is accepted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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

  // Read access: row keys in row order, the symbols, and the cells.
  std::size_t NumeroDeFilas() const { return m_bloques.size(); }
  const std::vector<TLista>& Bloques() const { return m_bloques; }
  const TLista& Bloque(std::size_t fila) const { return m_bloques[fila]; }
  const TListaIndexada& Alfabeto() const { return m_alfabeto; }
  const std::vector<TFila>& Transiciones() const { return m_transiciones; }
  // Requires fila < NumeroDeFilas() and columna < Transiciones()[fila].size().
  const TLista& Celda(std::size_t fila, std::size_t columna) const { return m_transiciones[fila][columna]; }

  // Appends a singleton row key per acceptor state, in state order.
  void CargarEstados();
  // Appends each block of the automaton's Bloques as a row key, in partition order.
  void CargarBloques();
  // Appends the automaton's alphabet to Alfabeto, in order.
  void CargarAlfabeto();
  // Appends one computed row per row key: FilaInversa (0), FilaAceptor (1), FilaCociente (2).
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
  // of the automaton's Bloques decides: a copy of that block. [-] if none has a successor.
  TLista DestinoCociente(const std::string& simbolo, const TLista& bloque) const;

  // A copy of the cell of `bloque`'s row under `simbolo`. Throws TErrorInterno when the
  // block is no row key, the symbol is unknown, or the row has no cell at that place.
  TLista Transicion(const TLista& bloque, std::string_view simbolo) const;
  // Index of the first row key exactly equal to `bloque`; throws TErrorInterno
  // ("ERROR INT0FUNC02") when there is none.
  std::size_t IndiceBloque(const TLista& bloque) const;
  // Index of `simbolo` in Alfabeto ignoring letter case; throws TErrorInterno
  // ("ERROR INT0FUNC01") when it is not a symbol.
  std::size_t IndiceSimbolo(std::string_view simbolo) const;

  // A new empty row.
  static TFila NuevaFila() { return {}; }
  // Appends `bloque` as a new row key with an empty row.
  void AnadirBloque(const TLista& bloque);
  // Inserts `destino` into `bloque`'s row at the symbol's position; later cells move one
  // place right. A position past the row's end appends, so cells inserted out of symbol
  // order stay in insertion order.
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
  // final state. A table with no initial block accepts nothing. Throws TErrorInterno for
  // a character that is not a symbol (callers first test SobreAlfabeto).
  bool Acepta(std::string_view cadena) const;

 private:
  struct THashBloque {
    std::size_t operator()(const TLista& bloque) const;
  };
  // Appends a row key (without its row) and indexes it.
  void AnadirClave(const TLista& bloque);
  void InsertarCelda(TLista destino, const TLista& bloque, std::string_view simbolo);
  // Index over the automaton's Bloques: lowercased state -> first block that holds it.
  const std::unordered_map<std::string, std::size_t>& IndiceDeParticion() const;

  const TAutomata* m_automata;
  std::vector<TLista> m_bloques;
  TListaIndexada m_alfabeto;
  std::vector<TFila> m_transiciones;

  // Row keys: hash of the exact block -> rows with that hash whose key differs from every
  // earlier one (the first equal key wins).
  std::unordered_multimap<std::size_t, std::size_t> m_filaDeBloque;
  // Lowercased state -> first row whose key holds it.
  std::unordered_map<std::string, std::size_t> m_filaDeEstado;
  // Built on first use.
  mutable std::unordered_map<std::string, std::size_t> m_bloqueDeEstadoEnParticion;
  mutable bool m_particionIndexada = false;
};
