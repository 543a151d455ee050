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
// Grids and set texts of an acceptor are drawn by results/RejillaAceptor and the windows.
#pragma once

#include <string>
#include <utility>

#include "core/ListaIndexada.h"
#include "core/Lista.h"
#include "core/Utilidades.h"

// How the acceptor reads its sample; the value is the system's letter for it.
enum class TConstruccion : char {
  Normal = 'N',  // a positive sample, one symbol per character
  Mealy = 'M',   // situation/action sequences, one symbol per pair
};

class TAutomata {
 public:
  // Builds the acceptor of `muestra`. Normal: each line's characters are its symbols.
  // Mealy: the states come from `tokens` (each pair token followed by "/", "*" closing a
  // sequence, "$" ending the list) and the alphabet is a copy of `pares`; `muestra` then
  // only fills Finales. Any sample is valid: an empty one gives the single state "" (the
  // empty prefix), no symbols and no final states.
  explicit TAutomata(const TLista& muestra, TConstruccion modo = TConstruccion::Normal,
                     const TLista& tokens = {}, const TLista& pares = {});

  // The states: the empty prefix first, then each prefix once (ignoring letter case) in
  // order of first appearance. After KC, without the states shorter than k symbols.
  const TListaIndexada& Estados() const { return m_estados; }
  // The final states: the sample's lines, in order, duplicates kept (after KR, the
  // unmarked sample).
  const TListaIndexada& Finales() const { return m_finales; }
  // The symbols, each once (ignoring letter case), in order of first appearance (after KR,
  // without the end marker).
  const TListaIndexada& Alfabeto() const { return m_alfabeto; }
  // Empty after construction; an inference algorithm puts its partition of Estados here.
  // Block i is the state "q"+i of the quotient automaton.
  const TParticion& Bloques() const { return m_bloques; }

  // Bloques := `bloques`, as given (IM1, a replayed trace, a hand-made partition; a list
  // that is no partition is kept as it is, for the windows to show).
  void PonerBloques(TParticion bloques) { m_bloques = std::move(bloques); }
  // The end of KR on the acceptor of the marked sample: Bloques := `bloques`, Finales :=
  // the unmarked `muestra`, and `marca` leaves Alfabeto.
  void ResultadoKR(TParticion bloques, const TLista& muestra, const std::string& marca);
  // The end of KC: Bloques := `bloques`, Estados := `largos` (the states of at least k
  // symbols, in their order).
  void ResultadoKC(TParticion bloques, const TLista& largos);

 private:
  // Fills Estados and Alfabeto from the sample (or the Mealy tokens and pairs).
  void ConstruirAceptor(const TLista& muestra, TConstruccion modo, const TLista& tokens, const TLista& pares);
  // Adds each symbol of `cadena` to Alfabeto and each non-empty prefix to Estados, unless present.
  void AnadirPrefijos(const std::string& cadena);

  TListaIndexada m_estados;
  TListaIndexada m_finales;
  TListaIndexada m_alfabeto;
  TParticion m_bloques;
};
