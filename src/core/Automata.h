// TAutomata: the prefix-tree acceptor of a sample (its states are the prefixes themselves)
// and, once an inference algorithm has run, the partition of its states into blocks.
//
// What the accessors give after each algorithm (each runs once, on a fresh acceptor):
//  - built: Estados, Alfabeto and Finales as below; Bloques empty.
//  - KR (on the acceptor of the marked sample): Bloques is the partition of the unmarked
//    prefixes; Estados still holds every prefix, the marked ones included; Finales is the
//    unmarked sample again; "$" has left Alfabeto.
//  - KC: Bloques starts with the states shorter than k symbols, one block each; those
//    states have been deleted from Estados; Finales and Alfabeto are unchanged.
//  - IM1: Bloques is the merged partition of Estados; nothing else changes.
//  - SKR and SKC run KR and KC on a Mealy acceptor, with the same outcome.
//
// Storage. The acceptor is a prefix trie of symbol ids kept in flat arrays, whatever the
// symbols are: a state is an id (its rank in Estados as built), with its parent, symbol,
// the length of its name and a line whose first characters spell that name. A normal
// sample's symbols are its characters and the lines are the sample's; a Mealy sample's
// symbols are its pair tokens, interned as ids of the alphabet, and the lines are its
// sequences written out. Names are written only when asked for, so the acceptor of a long
// example takes memory linear in the example. Estados() and Bloques() give the names as text
// lists, built on first use; the algorithms and reports that must scale read the ids
// (IdsDeBloques, Nombre, Sucesor...) instead.
// Grids and set texts of an acceptor are drawn by results/RejillaAceptor and the windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/ListaIndexada.h"
#include "core/Lista.h"
#include "core/Utilidades.h"

// How the acceptor reads its sample; the value is the system's letter for it.
enum class TConstruccion : char {
  Normal = 'N',  // a positive sample, one symbol per character
  Mealy = 'M',   // situation/action sequences, one symbol per pair
};

// A state of the acceptor: its position in Estados as built (0 is the empty prefix).
using TIdEstado = std::uint32_t;
// A partition as state ids: blocks in order, each block's states in order.
using TBloquesIds = std::vector<std::vector<TIdEstado>>;

class TAutomata {
 public:
  static constexpr TIdEstado kSinEstado = ~TIdEstado{0};

  // Builds the acceptor of `muestra`. Normal: each line's characters are its symbols.
  // Mealy: the alphabet is a copy of `pares` and the states come from `tokens` (each pair
  // token, "" for the null pair, followed by "/"; "*" closing a sequence; "$" ending the
  // list, where each line of `muestra` that is no state yet becomes one); `muestra` fills
  // Finales. Every token but "", "/", "*" and "$" must be in `pares` (ignoring letter case;
  // std::invalid_argument otherwise). A line added at "$" that is no state followed by a
  // symbol is a state without parent. Any sample is valid: an empty one gives the single
  // state "" (the empty prefix), no symbols and no final states.
  explicit TAutomata(TLista muestra, TConstruccion modo = TConstruccion::Normal, const TLista& tokens = {},
                     const TLista& pares = {});

  // The states: the empty prefix first, then each prefix once (ignoring letter case) in
  // order of first appearance. After KC, without the states shorter than k symbols.
  // Built from the ids on first use (a long sample's names are big: prefer the ids).
  const TListaIndexada& Estados() const;
  // The final states: the sample's lines, in order, duplicates kept (after KR, the
  // unmarked sample).
  // Indexed on first use: LineasFinales gives the same list without the index.
  const TListaIndexada& Finales() const;
  const TLista& LineasFinales() const { return m_finalesPropias ? *m_finalesPropias : m_lineas; }
  // The state of each final line, in order; nullopt when some line is no state's name.
  std::optional<std::vector<TIdEstado>> IdsDeFinales() const;
  // The symbols, each once (ignoring letter case), in order of first appearance (after KR,
  // without the end marker).
  const TListaIndexada& Alfabeto() const { return m_alfabeto; }
  // Empty after construction; an inference algorithm puts its partition of Estados here.
  // Block i is the state "q"+i of the quotient automaton. Built from the ids on first use.
  const TParticion& Bloques() const;
  // The same partition as ids; null when it was given as texts that are not all state
  // names spelt as the states are (then only Bloques describes it).
  const TBloquesIds* IdsDeBloques() const { return m_bloquesIds ? &*m_bloquesIds : nullptr; }

  // Bloques := `bloques`, as given (IM1, a replayed trace, a hand-made partition; a list
  // that is no partition is kept as it is, for the windows to show).
  void PonerBloques(TParticion bloques);
  void PonerBloquesIds(TBloquesIds bloques);
  // The end of KR on the acceptor of the marked sample: Bloques := `bloques`, Finales :=
  // the unmarked `muestra`, and `marca` leaves Alfabeto.
  void ResultadoKR(TBloquesIds bloques, const TLista& muestra, const std::string& marca);
  // The end of KC: Bloques := `bloques`, Estados := `largos` (the states of at least k
  // symbols, in their order).
  void ResultadoKC(TBloquesIds bloques, std::vector<TIdEstado> largos);
  // The same ends with the partition and the states as texts (names of states).
  void ResultadoKR(TParticion bloques, const TLista& muestra, const std::string& marca);
  void ResultadoKC(TParticion bloques, const TLista& largos);

  // The ids of Estados, in order, after KC; null when Estados holds every state (id order).
  const std::vector<TIdEstado>* IdsDeEstados() const { return m_largos ? &*m_largos : nullptr; }

  // ---- States by id (every state of the acceptor as built, whatever KC left in Estados).
  std::size_t NumeroDeEstados() const { return m_padre.size(); }
  // The state's name, as Estados writes it.
  std::string Nombre(TIdEstado estado) const;
  // Appends the name to `destino`.
  void AnadirNombre(TIdEstado estado, std::string& destino) const;
  // The name without a copy: valid while the automaton lives.
  std::string_view VistaNombre(TIdEstado estado) const;
  // The state whose name equals `nombre` ignoring letter case; nullopt if none.
  std::optional<TIdEstado> IdDe(std::string_view nombre) const;
  // The state's parent (kSinEstado for the empty prefix, and for a Mealy final line that is
  // no state followed by a symbol) and the index in Alfabeto of the symbol that leads there
  // from its parent (kSinSimbolo when there is no parent or that symbol has left Alfabeto,
  // as KR's end marker does).
  static constexpr std::size_t kSinSimbolo = ~std::size_t{0};
  TIdEstado Padre(TIdEstado estado) const { return m_padre[estado]; }
  std::size_t Simbolo(TIdEstado estado) const {
    return m_simbolo[estado] == kSinSimboloPropio ? kSinSimbolo : m_columnaDeSimbolo[m_simbolo[estado]];
  }
  // The state whose name is this state's followed by symbol `simbolo` (ignoring letter
  // case); kSinEstado if none.
  TIdEstado Sucesor(TIdEstado estado, std::size_t simbolo) const;
  // Calls f(simbolo, hijo) for every successor, in no particular order. Successors by a
  // symbol that has left Alfabeto are skipped.
  template <class F>
  void ParaCadaSucesor(TIdEstado estado, F f) const {
    for (TIdEstado h = m_primerHijo[estado]; h != kSinEstado; h = m_hermano[h])
      if (const std::size_t a = Simbolo(h); a != kSinSimbolo) f(a, h);
  }
  // True when the name is exactly the parent's name followed by the symbol's text (letter
  // case included), as opposed to equal to it only ignoring case.
  bool SucesorExacto(TIdEstado estado) const { return m_exacto[estado] != 0; }
  // Lines whose first characters spell every state's name (each name is a prefix of one).
  const TLista& LineasDeNombres() const { return m_lineas; }
  // Final flags per state id: the state's name is a member of Finales (ignoring case).
  std::vector<bool> EstadosFinales() const;

 private:
  static constexpr std::uint32_t kSinSimboloPropio = ~std::uint32_t{0};

  void ConstruirTrie();
  void ConstruirMealy(const TLista& tokens, const TLista& pares);
  void AnadirFinalesMealy();
  TIdEstado NuevoEstado(TIdEstado padre, std::uint32_t linea, std::uint32_t largo, std::uint32_t simbolo,
                        bool exacto);
  // The child of `estado` by the symbol as built; kSinEstado if none.
  TIdEstado Hijo(TIdEstado estado, std::uint32_t simbolo) const;
  // IdDe over symbols that may be longer than one character: the walk down the trie that
  // spells the whole name, trying each child whose symbol begins the rest.
  std::optional<TIdEstado> BuscarPorSimbolos(std::string_view nombre) const;
  void QuitarSimbolo(const std::string& marca);
  void PonerFinalesSinMarca(const TLista& muestra, const std::string& marca);

  // Finales is m_lineas until KR gives the unmarked sample (and always for Mealy).
  std::optional<TLista> m_finalesPropias;
  mutable std::optional<TListaIndexada> m_finales;
  // The state that ends each final line, while known (the trie's own lines, or KR's
  // unmarked sample, each line one marker shorter); empty otherwise.
  std::vector<TIdEstado> m_estadoDeFinal;
  TListaIndexada m_alfabeto;

  // The trie, one entry per state id.
  TLista m_lineas;                        // the lines the names are read from
  std::vector<TIdEstado> m_padre;
  std::vector<TIdEstado> m_primerHijo;
  std::vector<TIdEstado> m_hermano;
  std::vector<std::uint32_t> m_linea;       // a line whose first characters spell the name
  std::vector<std::uint32_t> m_largo;       // characters of the name
  std::vector<std::uint32_t> m_simbolo;     // the symbol as numbered while building
  std::vector<std::uint8_t> m_exacto;
  TLista m_simbolos;                         // symbol as built -> its text
  // One-character symbols (normal samples): lowercased byte -> symbol + 1, 0 if none;
  // empty when the symbols are tokens.
  std::vector<std::uint16_t> m_simboloDeByte;
  std::vector<std::size_t> m_columnaDeSimbolo;  // symbol as built -> index in Alfabeto
  std::vector<std::size_t> m_simboloDeColumna;  // index in Alfabeto -> symbol as built
  // Mealy: the states without parent (but the empty prefix), by lowercased name.
  std::unordered_map<std::string, TIdEstado> m_sinPadre;

  std::optional<std::vector<TIdEstado>> m_largos;  // Estados after KC; all states otherwise
  mutable std::optional<TListaIndexada> m_estadosTexto;
  std::optional<TBloquesIds> m_bloquesIds;
  mutable std::optional<TParticion> m_bloquesTexto;
};
