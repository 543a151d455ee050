// The Stren table of the Levine and Miclet heuristics: for every state its tails (the
// sample continuations that follow it) and, for every pair of states, how many tails
// they share; the candidate bounds drawn from it; and the two heuristics that read it.
//
// Sources: B. Levine, "The use of tree derivatives and a sample support parameter for
// inferring tree systems", IEEE Trans. PAMI 4(1), 25-34, 1982, and "Derivatives of tree
// sets with applications to grammatical inference", IEEE Trans. PAMI 3(3), 285-293, 1981
// (tail sets and their strength); L. Miclet, "Regular inference with a tail-clustering
// method", IEEE Trans. Systems, Man and Cybernetics SMC-10(11), 737-743, 1980.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Lista.h"
#include "inference/heurist/Variante.h"

// The table that CalcularFuncionStren builds. Only this library reads it; callers keep
// it, hand it back to the other operations, and free it after the run.
class TTablaStren {
 public:
  // Number of states the table was built for (the length of Estados).
  int NumeroEstados() const { return static_cast<int>(m_grupo.size()); }
  // |T(i)|: how many distinct tails state i has; 0 for an index outside the table.
  int NumeroColas(int i) const;
  // stren(i, j) = |T(i) n T(j)|, the number of tails the two states share (symmetric);
  // 0 for an index outside the table.
  int Fuerza(int i, int j) const;
  // The distinct strengths greater than 0 over every pair of distinct indexes, ascending.
  std::vector<int> FuerzasPositivas() const;
  // Every pair of indexes i < j with a strength greater than 0, in ascending order.
  std::vector<std::pair<std::size_t, std::size_t>> ParesConFuerza() const;

 private:
  friend std::unique_ptr<TTablaStren> CalcularFuncionStren(const TLista&, const TLista&, int);
  static std::uint64_t Clave(int g1, int g2);

  // States whose texts differ only in letter case are one state for membership: they
  // share a group, and tails and strengths are kept per group.
  std::vector<int> m_grupo;                          // state index -> group
  std::vector<int> m_colas;                          // group -> number of tails
  std::unordered_map<std::uint64_t, int> m_fuerzas;  // (smaller group, larger group) -> strength > 0
};

// Builds the table for the states `Estados` (prefixes; the index of a state is its
// position) and the sample strings `Finales`. T(u) holds every w with |w| <= longitudMaxima
// such that u.w is a sample string; texts are compared without regard to letter case.
// Cost: linear in the total length of the sample (each string is cut once at every
// position, prefixes found through a hash index) plus one step per (pair of states, shared tail).
std::unique_ptr<TTablaStren> CalcularFuncionStren(const TLista& Estados, const TLista& Finales,
                                                  int longitudMaxima);

// The candidate bounds for S: the distinct strengths greater than 0, as decimal texts,
// in ascending numeric order. Empty when no two states share a tail.
std::unique_ptr<TLista> CalcularCotasStren(const TTablaStren& tabla);

// The numerically smallest item of `cotas` that reads as a number (as a real), or 1 when
// none does, a bound that no pair reaches when every strength is 0.
TVariante ObtenerCotaMenor(const TLista& cotas);

// Levine: true when stren(i, j) >= S. An S that reads as no number approves nothing.
bool Levine(int i, int j, TVariante S, const TTablaStren& tabla);

// Miclet: true when stren(i, j) >= S and the tail set of one of the two states contains
// the other's. An S that reads as no number approves nothing.
bool Miclet(int i, int j, TVariante S, const TTablaStren& tabla);
