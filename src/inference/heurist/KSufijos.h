// The k-suffixes (k-tails) heuristic: two states merge when the same sample strings of at
// most K more symbols continue them.
//
// Source: A. W. Biermann and J. A. Feldman, "On the synthesis of finite-state machines from
// samples of their behavior", IEEE Trans. Computers C-21(6), 592-597, 1972 (k-tails).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/IndiceHash.h"
#include "core/Lista.h"

// The sets T_K(u) = { w : |w| <= K and u.w is in Finales } of one sample and one K, for
// every text u, as class numbers: equal sets share a class. CalcularTablaKSufijos builds
// it; whoever runs the heuristic keeps it for the run, as with the Stren table.
class TTablaKSufijos {
 public:
  // True when T_K(p) = T_K(q), texts compared without regard to letter case.
  bool Iguales(std::string_view p, std::string_view q) const { return Clase(p) == Clase(q); }
  // The class of T_K(u); 0, the empty set's, for a text no string continues within K. The
  // heuristic is the equivalence of equal classes, which lets IM1 group states by class.
  int Clase(std::string_view u) const;

 private:
  friend std::unique_ptr<TTablaKSufijos> CalcularTablaKSufijos(const TLista&, int);

  std::vector<std::pair<std::string, int>> m_clases;  // prefix and the class of its set
  TIndiceHash m_indice;                               // case-insensitive hash -> m_clases
};

// Cost: linear in the total length of the sample times K (each distinct string is cut at
// its last K+1 positions); each question afterwards is two hash lookups.
std::unique_ptr<TTablaKSufijos> CalcularTablaKSufijos(const TLista& Finales, int K);

// True when T_K(p) = T_K(q). Two empty sets are equal, so with K = 0 every two non-final
// states agree, and so do every two final ones. `tabla` is CalcularTablaKSufijos(Finales, K).
bool KSufijos(const std::string& p, const std::string& q, const TTablaKSufijos& tabla);
// The same question on its own: builds the table of (Finales, K) for it.
bool KSufijos(const std::string& p, const std::string& q, int K, const TLista& Finales);
