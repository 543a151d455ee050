// UalgoritmoIM1: IM1 inference, the merging of prefix-tree acceptor states approved pair by
// pair by a heuristic of the heuristics library.
//
// Sources: the heuristics' own (Levine and Miclet in heurist/Stren.h, k-tails in
// heurist/KSufijos.h); the prefix-tree acceptor and merging of its states as in D. Angluin,
// "Inference of reversible languages", Journal of the ACM 29(3), 741-765, 1982.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Automata.h"
#include "core/Lista.h"
#include "core/Utilidades.h"
#include "inference/ObservadorFusiones.h"
#include "inference/heurist/Heurist.h"

// The heuristic of a run, as the heuristic dialog's radio buttons list them; the value is
// the heuristic's code letter. OtroH, the dialog's "Otro", names none: a run with it
// merges nothing.
enum class THeuristico : char { Levine = 'L', Miclet = 'M', K_Sufijos = 'S', OtroH = 0 };

// The parameters of a run: the heuristic, K, and the bound S (for Levine the text of the
// bound the user picked, for Miclet the value ObtenerCotaMenor returned; unused by K_Sufijos).
struct TParametrosIM1 {
  THeuristico Heuristico = THeuristico::OtroH;
  int K = 0;
  TVariante S;
};

// The Stren data of a Levine or Miclet run: the table and its candidate bounds. Whoever
// runs IM1 hands them over and they are freed when the run ends, on every path.
struct TDatosStren {
  std::unique_ptr<TTablaStren> Tabla;
  std::unique_ptr<TLista> Cotas;
};

// CalcularFuncionStren(Estados, Finales, longitudMaxima) and CalcularCotasStren of it.
std::unique_ptr<TDatosStren> CalcularDatosStren(const TAutomata& automata, int longitudMaxima);

// Asks the run's heuristic about the states p = Estados[i] and q = Estados[j]:
// Levine(i, j, S, tabla), Miclet(i, j, S, tabla), K_Sufijos: KSufijos(p, q, sufijos), the
// table of (Finales, K); OtroH (or a heuristic without its table) answers false.
bool PreguntarHeuristico(const TParametrosIM1& parametros, const std::string& p, const std::string& q,
                         std::size_t i, std::size_t j, const TTablaStren* tabla, const TTablaKSufijos* sufijos);

// The pair loop: starting from one singleton block per state, for i from 0 to n-2 and j from
// i+1 to n-1, each pair `aprueba(i, j)` approves merges the block of Estados[j] into that of
// Estados[i]: the two blocks are removed and B1 followed by B2 is appended; when both
// states are already in one block, that block moves to the end. Returns the partition.
// Requires states that differ other than in letter case (as in every TAutomata). Each
// approved pair costs near-constant time (union-find over state indexes, blocks as linked
// lists, positions as the time of the last move), so the loop is quadratic in states only
// through the n(n-1)/2 questions.
// `observador`, when given, hears each approved pair that joins two different blocks, with
// `causa(i, j)` as its cause.
TParticion FusionarPares(const TLista& Estados, const std::function<bool(std::size_t, std::size_t)>& aprueba,
                         TObservadorFusiones* observador = nullptr,
                         const std::function<TCausaFusion(std::size_t, std::size_t)>& causa = {});

// FusionarPares for an approval that is an equivalence, aprueba(i, j) = clases[i] ==
// clases[j], without asking any pair: each class is one block of its states in index
// order; the blocks of one state come first, in index order, then the others in the order
// of their second-to-last state (their last pair is the last approved). `observador`
// hears the joining pairs, (first state of the class, each other one), in pair order.
TParticion FusionarPorClases(const TLista& Estados, const std::vector<int>& clases,
                             TObservadorFusiones* observador = nullptr,
                             const std::function<TCausaFusion(std::size_t, std::size_t)>& causa = {});

// FusionarPares when `aprueba` is known to refuse every pair outside `candidatos` (pairs
// i < j, in the loop's order), or when every approved pair left out would find its two
// states together and is not the last approved pair of their final block (the pairs of
// ParesDecisivos): only the candidates are asked.
TParticion FusionarParesCandidatos(const TLista& Estados,
                                   const std::vector<std::pair<std::size_t, std::size_t>>& candidatos,
                                   const std::function<bool(std::size_t, std::size_t)>& aprueba,
                                   TObservadorFusiones* observador = nullptr,
                                   const std::function<TCausaFusion(std::size_t, std::size_t)>& causa = {});

// The cause of an approved pair (i, j) in a trace: Levine or Miclet with the pair's strength
// in the Stren table and the bound S (written "levine F S", "miclet F S"), or k-sufijos with
// K ("k-sufijos K").
TCausaFusion CausaIM1(const TParametrosIM1& parametros, std::size_t i, std::size_t j, const TTablaStren* tabla);

// Steps 3 and 4 of a run: automata.Bloques := the partition of FusionarPares with the
// run's heuristic (PreguntarHeuristico). `tabla` is the Stren table of a Levine or Miclet run;
// a K_Sufijos run builds its k-suffixes table here, once.
// `observador`, when given, hears each effective merge with CausaIM1 as its cause.
// k suffixes is an equivalence (FusionarPorClases over the classes of its table); Levine and Miclet
// answer alike for states with equal tail sets, so they ask only the pairs ParesDecisivos finds
// over the table's classes (FusionarParesCandidatos).
void AlgoritmoIM1(TAutomata& automata, const TParametrosIM1& parametros, const TTablaStren* tabla,
                  TObservadorFusiones* observador = nullptr);
