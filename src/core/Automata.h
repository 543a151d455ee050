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
// Storage. A sample of single-character symbols is kept as a prefix trie in flat arrays:
// a state is an id (its rank in Estados as built), with its parent, symbol, depth and the
// sample line whose first characters spell its name. Names are written only when asked
// for, so the acceptor of a long example takes memory linear in the example. Estados()
// and Bloques() give the names as text lists, built on first use; the algorithms and
// reports that must scale read the ids (IdsDeBloques, Nombre, Sucesor...) instead.
// A Mealy acceptor, whose symbols are pair tokens, keeps its names as texts.
// Grids and set texts of an acceptor are drawn by results/RejillaAceptor and the windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
  // Mealy: the states come from `tokens` (each pair token followed by "/", "*" closing a
  // sequence, "$" ending the list) and the alphabet is a copy of `pares`; `muestra` then
  // only fills Finales. Any sample is valid: an empty one gives the single state "" (the
  // empty prefix), no symbols and no final states.
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
  std::size_t NumeroDeEstados() const { return EsTrie() ? m_padre.size() : m_nombres.size(); }
  // The state's name, as Estados writes it.
  std::string Nombre(TIdEstado estado) const;
  // Appends the name to `destino`.
  void AnadirNombre(TIdEstado estado, std::string& destino) const;
  // The name without a copy: valid while the automaton lives.
  std::string_view VistaNombre(TIdEstado estado) const;
  // The state whose name equals `nombre` ignoring letter case; nullopt if none.
  std::optional<TIdEstado> IdDe(std::string_view nombre) const;
  // True when the states are a character trie (a normal sample): Padre, Simbolo and
  // Sucesor describe every transition.
  bool EsTrie() const { return m_modo == TConstruccion::Normal; }
  // Trie only. The state's parent (kSinEstado for the empty prefix) and the index in
  // Alfabeto of the symbol that leads there from its parent (kSinSimbolo when that symbol
  // has left Alfabeto, as KR's end marker does).
  static constexpr std::size_t kSinSimbolo = ~std::size_t{0};
  TIdEstado Padre(TIdEstado estado) const { return m_padre[estado]; }
  std::size_t Simbolo(TIdEstado estado) const { return m_columnaDeSimbolo[m_simbolo[estado]]; }
  // Trie only. Number of symbols of the state's name.
  std::size_t Profundidad(TIdEstado estado) const { return m_profundidad[estado]; }
  // Trie only. The state whose name is this state's followed by symbol `simbolo` (ignoring
  // letter case); kSinEstado if none.
  TIdEstado Sucesor(TIdEstado estado, std::size_t simbolo) const;
  // Trie only. Calls f(simbolo, hijo) for every successor, in no particular order.
  // Successors by a symbol that has left Alfabeto are skipped.
  template <class F>
  void ParaCadaSucesor(TIdEstado estado, F f) const {
    for (TIdEstado h = m_primerHijo[estado]; h != kSinEstado; h = m_hermano[h])
      if (const std::size_t a = Simbolo(h); a != kSinSimbolo) f(a, h);
  }
  // Trie only. True when the name is exactly the parent's name followed by the symbol's
  // text (letter case included), as opposed to equal to it only ignoring case.
  bool SucesorExacto(TIdEstado estado) const { return m_exacto[estado] != 0; }
  // Final flags per state id: the state's name is a member of Finales (ignoring case).
  std::vector<bool> EstadosFinales() const;

 private:
  void ConstruirTrie();
  void ConstruirMealy(const TLista& tokens, const TLista& pares);
  void QuitarSimbolo(const std::string& marca);
  void PonerFinalesSinMarca(const TLista& muestra, const std::string& marca);

  TConstruccion m_modo;
  // Finales is m_lineas until KR gives the unmarked sample (and always for Mealy).
  std::optional<TLista> m_finalesPropias;
  mutable std::optional<TListaIndexada> m_finales;
  // The state that ends each final line, while known (the trie's own lines, or KR's
  // unmarked sample, each line one marker shorter); empty otherwise.
  std::vector<TIdEstado> m_estadoDeFinal;
  TListaIndexada m_alfabeto;

  // Trie arrays (normal samples), one entry per state id.
  TLista m_lineas;                        // the sample the names are read from
  std::vector<TIdEstado> m_padre;
  std::vector<TIdEstado> m_primerHijo;
  std::vector<TIdEstado> m_hermano;
  std::vector<std::uint32_t> m_linea;       // a line whose first characters spell the name
  std::vector<std::uint32_t> m_profundidad;
  std::vector<std::uint8_t> m_simbolo;       // the symbol as numbered while building
  std::vector<std::uint8_t> m_exacto;
  std::vector<std::uint16_t> m_simboloDeByte;  // lowercased byte -> symbol + 1, 0 if none
  std::vector<std::size_t> m_columnaDeSimbolo;  // symbol as built -> index in Alfabeto
  std::vector<std::size_t> m_simboloDeColumna;  // index in Alfabeto -> symbol as built
  // Mealy acceptors: the names as texts (ids are their positions).
  TListaIndexada m_nombres;

  std::optional<std::vector<TIdEstado>> m_largos;  // Estados after KC; all states otherwise
  mutable std::optional<TListaIndexada> m_estadosTexto;
  std::optional<TBloquesIds> m_bloquesIds;
  mutable std::optional<TParticion> m_bloquesTexto;
};
