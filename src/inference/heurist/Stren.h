// The Stren table of the Levine and Miclet heuristics: for every state its tails (the
// sample continuations that follow it), from which every pair of states' shared tails
// are counted; the candidate bounds drawn from it; and the two heuristics that read it.
//
// Sources: B. Levine, "The use of tree derivatives and a sample support parameter for
// inferring tree systems", IEEE Trans. PAMI 4(1), 25-34, 1982, and "Derivatives of tree
// sets with applications to grammatical inference", IEEE Trans. PAMI 3(3), 285-293, 1981
// (tail sets and their strength); L. Miclet, "Regular inference with a tail-clustering
// method", IEEE Trans. Systems, Man and Cybernetics SMC-10(11), 737-743, 1980.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "core/Lista.h"
#include "inference/heurist/Variante.h"

// The table that CalcularFuncionStren builds. Only this library reads it; callers keep
// it, hand it back to the other operations, and free it after the run.
class TTablaStren {
 public:
  // Number of states the table was built for (the length of Estados).
  int NumeroEstados() const { return static_cast<int>(m_clase.size()); }
  // |T(i)|: how many distinct tails state i has; 0 for an index outside the table.
  int NumeroColas(int i) const;
  // stren(i, j) = |T(i) n T(j)|, the number of tails the two states share (symmetric);
  // 0 for an index outside the table.
  int Fuerza(int i, int j) const;
  // The distinct strengths greater than 0 over every pair of distinct indexes, ascending.
  const std::vector<int>& FuerzasPositivas() const { return m_fuerzasPositivas; }

  // States with equal tail sets form one class; every strength, and so every answer of
  // Levine and Miclet, depends only on the classes of the two states. Classes are numbered
  // 0, 1, ... in the order of their first state.
  int NumeroClases() const { return static_cast<int>(m_tamano.size()); }
  // The class of state i (0 <= i < NumeroEstados()).
  int Clase(int i) const { return m_clase[static_cast<std::size_t>(i)]; }
  // |T| of the states of class c.
  int ColasDeClase(int c) const { return m_tamano[static_cast<std::size_t>(c)]; }
  // The tails of class c as numbers (0 <= number < NumeroColasDistintas()), ascending.
  std::span<const int> ColasDe(int c) const;
  // The classes having tail number t, ascending (so the first is the one with the earliest state).
  std::span<const int> ClasesCon(int t) const;
  int NumeroColasDistintas() const { return static_cast<int>(m_inicioClases.size()) - 1; }

 private:
  friend std::unique_ptr<TTablaStren> CalcularFuncionStren(const TLista&, const TLista&, int);
  int FuerzaEntreClases(int c1, int c2) const;

  std::vector<int> m_clase;             // state index -> class
  std::vector<int> m_tamano;            // class -> number of tails
  std::vector<std::size_t> m_inicioColas;  // class c's tails: m_colas[m_inicioColas[c] .. m_inicioColas[c+1])
  std::vector<int> m_colas;                // tail numbers, ascending within each class
  std::vector<std::size_t> m_inicioClases;  // tail t's classes: m_clases[m_inicioClases[t] .. m_inicioClases[t+1])
  std::vector<int> m_clases;                // class numbers, ascending within each tail
  std::vector<int> m_fuerzasPositivas;
};

// The other classes that share a tail with one class, with the strength of each pair. Each
// question costs the sum, over the class's tails, of how many classes have that tail.
class TFuerzasDeClase {
 public:
  explicit TFuerzasDeClase(const TTablaStren& tabla);
  // (other class, strength >= 1) for every class other than `clase` that shares a tail with
  // it, in no set order; valid until the next question.
  const std::vector<std::pair<int, int>>& De(int clase) { return Contar(clase, false); }
  // The same, only for the classes numbered above `clase` (each pair of classes once over all).
  const std::vector<std::pair<int, int>>& Siguientes(int clase) { return Contar(clase, true); }

 private:
  const std::vector<std::pair<int, int>>& Contar(int clase, bool soloSiguientes);

  const TTablaStren& m_tabla;
  std::vector<int> m_cuenta;  // per class, zero between questions
  std::vector<std::pair<int, int>> m_vecinas;
};

// Builds the table for the states `Estados` (prefixes; the index of a state is its
// position) and the sample strings `Finales`. T(u) holds every w with |w| <= longitudMaxima
// such that u.w is a sample string; texts are compared without regard to letter case.
// Cost: linear in the total length of the sample (each string is cut once at every
// position, prefixes found through a hash index) plus, for the candidate bounds, one step
// per (pair of classes, shared tail).
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
// Levine's answer from the pair's strength, with S read as a real.
bool LevineSegunFuerza(double S, int fuerza);

// Miclet: true when stren(i, j) >= S and the tail set of one of the two states contains
// the other's. An S that reads as no number approves nothing.
bool Miclet(int i, int j, TVariante S, const TTablaStren& tabla);
// Miclet's answer from the pair's strength and the sizes of the two tail sets.
bool MicletSegunFuerza(double S, int fuerza, int colas1, int colas2);
