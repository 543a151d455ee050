// The pairs that decide IM1's pair loop for an approval given by a graph of classes.
//
// Method. The loop's step i asks (i, j) for every j > i and joins the block of each
// approved j to that of i. Approvals never depend on earlier merges, so the blocks in the
// end are the connected parts of the approval graph; what the pairs' order fixes is which
// approved pairs join two blocks (and so the order of members and the merges heard) and the
// last approved pair of each block (its place in the partition). Both follow from the
// classes:
//  - For a class D, the states of D above i are, when step i begins, either all still
//    alone or all in one block: the first earlier step k whose class is a neighbour of D
//    approved every state of D above k. So a step needs, per neighbouring class D, every
//    state of D above i when D has not been reached yet, and otherwise only the first.
//  - After the step of c0, the first state of class C, every state of every neighbouring
//    class is in c0's block. A later state i of C is then already in it, unless C is not
//    its own neighbour and every neighbour lies above i: then i is still alone and its
//    step joins it to the first neighbour, and nothing else.
//  - The last approved pair of a block is, over its states i, the largest (i, largest
//    neighbour of i) with the neighbour above i.
// So the classes are visited in the order of their first states, each once, with a
// union-find over states to tell which of the few candidates still joins.
#include "inference/ParesDecisivos.h"

#include <algorithm>
#include <numeric>
#include <span>

#include "core/UnionBloques.h"

namespace {

constexpr std::size_t kNinguno = static_cast<std::size_t>(-1);

// The blocks as the loop forms them: only which states are together matters here.
class TUnion {
 public:
  explicit TUnion(std::size_t n) : m_bloques(n) {}
  std::size_t Raiz(std::size_t s) { return m_bloques.Raiz(static_cast<TUnionBloques::TElemento>(s)); }
  // Whether the two were apart.
  bool Unir(std::size_t a, std::size_t b) {
    return m_bloques.Unir(static_cast<TUnionBloques::TElemento>(a), static_cast<TUnionBloques::TElemento>(b)) !=
           TUnionBloques::kNinguno;
  }

 private:
  TUnionBloques m_bloques;
};

}  // namespace

std::vector<std::pair<std::size_t, std::size_t>> ParesDecisivos(const std::vector<int>& clases,
                                                                const TVecinasDeClase& vecinas) {
  const std::size_t n = clases.size();
  std::size_t numero = 0;
  for (int c : clases) numero = std::max(numero, static_cast<std::size_t>(c) + 1);
  // the states of each class, ascending, and the classes in the order of their first state
  std::vector<std::size_t> inicio(numero + 1, 0);
  for (int c : clases) ++inicio[static_cast<std::size_t>(c) + 1];
  std::partial_sum(inicio.begin(), inicio.end(), inicio.begin());
  std::vector<std::size_t> estados(n);
  std::vector<std::size_t> lleno(inicio.begin(), inicio.end() - 1);
  std::vector<int> orden;
  for (std::size_t s = 0; s < n; ++s) {
    const auto c = static_cast<std::size_t>(clases[s]);
    if (lleno[c] == inicio[c]) orden.push_back(clases[s]);
    estados[lleno[c]++] = s;
  }
  const auto miembros = [&](int c) -> std::span<const std::size_t> {
    if (c < 0 || static_cast<std::size_t>(c) >= numero) return {};
    const auto k = static_cast<std::size_t>(c);
    return {estados.data() + inicio[k], inicio[k + 1] - inicio[k]};
  };

  TUnion bloques(n);
  std::vector<char> alcanzada(numero, 0);
  std::vector<std::size_t> mayorVecino(n, kNinguno);
  std::vector<std::pair<std::size_t, std::size_t>> pares;
  TVecindad vecindad;
  std::vector<std::size_t> candidatos;
  for (int C : orden) {
    vecindad.clases.clear();
    vecindad.mayorOtra = -1;
    vecinas(C, vecindad);
    const auto propios = miembros(C);
    const std::size_t c0 = propios.front();
    bool vecinaDeSi = false;
    std::size_t menorOtro = kNinguno;  // the first and last states of the other neighbouring classes
    std::size_t mayorOtro = 0;
    bool hayOtro = false;
    if (const auto suyos = miembros(vecindad.mayorOtra); !suyos.empty()) {
      hayOtro = true;
      mayorOtro = suyos.back();
    }
    candidatos.clear();
    for (int D : vecindad.clases) {
      const auto suyos = miembros(D);
      if (suyos.empty()) continue;
      if (D == C) {
        vecinaDeSi = true;
      } else {
        hayOtro = true;
        menorOtro = std::min(menorOtro, suyos.front());
        mayorOtro = std::max(mayorOtro, suyos.back());
      }
      const auto encima = std::upper_bound(suyos.begin(), suyos.end(), c0);
      if (encima == suyos.end()) continue;
      if (!alcanzada[static_cast<std::size_t>(D)]) candidatos.insert(candidatos.end(), encima, suyos.end());
      else if (bloques.Raiz(*encima) != bloques.Raiz(c0)) candidatos.push_back(*encima);  // else never joins now
    }
    if (!vecinaDeSi && !hayOtro) continue;
    for (int D : vecindad.clases)
      if (!miembros(D).empty()) alcanzada[static_cast<std::size_t>(D)] = 1;
    std::sort(candidatos.begin(), candidatos.end());
    for (std::size_t j : candidatos)
      if (bloques.Unir(c0, j)) pares.emplace_back(c0, j);
    if (!vecinaDeSi)
      for (std::size_t k = 1; k < propios.size() && propios[k] < menorOtro; ++k) {
        bloques.Unir(propios[k], menorOtro);
        pares.emplace_back(propios[k], menorOtro);
      }
    for (std::size_t k = 0; k < propios.size(); ++k) {
      std::size_t mayor = hayOtro ? mayorOtro : kNinguno;
      if (vecinaDeSi && propios.size() > 1) {
        const std::size_t otroPropio = k + 1 < propios.size() ? propios.back() : propios[propios.size() - 2];
        mayor = mayor == kNinguno ? otroPropio : std::max(mayor, otroPropio);
      }
      if (mayor != kNinguno && mayor > propios[k]) mayorVecino[propios[k]] = mayor;
    }
  }

  // each block's last approved pair: states ascending, so the last one seen per block
  std::vector<std::size_t> ultimo(n, kNinguno);
  for (std::size_t i = 0; i < n; ++i)
    if (mayorVecino[i] != kNinguno) ultimo[bloques.Raiz(i)] = i;
  for (std::size_t r = 0; r < n; ++r)
    if (ultimo[r] != kNinguno) pares.emplace_back(ultimo[r], mayorVecino[ultimo[r]]);
  std::sort(pares.begin(), pares.end());
  pares.erase(std::unique(pares.begin(), pares.end()), pares.end());
  return pares;
}
