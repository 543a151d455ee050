// TAutomata: the prefix-tree acceptor of a sample (its states are the prefixes themselves)
// and, once an inference algorithm has run, the partition of its states into blocks.
#pragma once

#include <optional>
#include <string>

#include "core/ListaIndexada.h"
#include "core/Lista.h"
#include "core/TablaTexto.h"
#include "core/Utilidades.h"

class TAutomata {
 public:
  // Builds the acceptor of `muestra`. modo 'N': positive sample, one symbol per character.
  // modo 'M': situation/action sequences; the states come from `tokens` (each pair token
  // followed by "/", "*" closing a sequence, "$" ending the list) and the alphabet is a
  // copy of `pares`; `muestra` then only fills Finales. Any sample is valid: an empty
  // one gives the single state "" (the empty prefix), no symbols and no final states.
  TAutomata(const TLista& muestra, char modo, const TLista& tokens = {}, const TLista& pares = {});

  // The states: the empty prefix first, then each prefix once (ignoring letter case) in
  // order of first appearance.
  TListaIndexada Estados;
  // The final states: the sample's lines, in order, duplicates kept.
  TListaIndexada Finales;
  // The symbols, each once (ignoring letter case), in order of first appearance.
  TListaIndexada Alfabeto;
  // Empty after construction; an inference algorithm puts its partition of Estados here.
  // Block i is the state "q"+i of the quotient automaton.
  TParticion Bloques;

  // Fills Estados and Alfabeto from the sample (or the Mealy tokens and pairs).
  void ConstruirAceptor(const TLista& muestra, char modo, const TLista& tokens = {},
                        const TLista& pares = {});
  // Adds each symbol of `cadena` to Alfabeto and each non-empty prefix to Estados, unless present.
  void AnadirPrefijos(const std::string& cadena);
  // Appends `texto` to `lista` unless it is already a member (ignoring letter case).
  static void AnadirSiNoEsta(const std::string& texto, TListaIndexada& lista);

  // The memo line: the set text of Alfabeto ('A'), Estados ('E') or Finales ('F');
  // nullopt (the memo is left alone) for any other selector. An empty set gives "{}".
  std::optional<std::string> MostrarConjunto(char selector) const;

  // Column count becomes symbols + 1 (at least one row); row 0 gets the symbols from
  // column 1 on, and the corner gets the first symbol's text (empty without symbols).
  void MostrarAlfabetoEnRejilla(TTablaTexto& rejilla) const;
  // Row count becomes states + 1 (at least one column); column 0 gets the states from row 1
  // on, the empty prefix written "&".
  void MostrarEstadosEnRejilla(TTablaTexto& rejilla) const;
  // Cell (row r, column c) gets state r followed by symbol c if that text is a state,
  // else "_". Call after the two operations above.
  void MostrarTransicionesEnRejilla(TTablaTexto& rejilla) const;
  // The three operations above on a new table: the acceptor's transition grid.
  TTablaTexto RejillaAceptor() const;
};
