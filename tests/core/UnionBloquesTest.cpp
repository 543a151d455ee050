// TUnionBloques against a list of blocks kept naively: random joins, moves and nested
// trials undone or kept, with both places a joined block may take.
#include "core/UnionBloques.h"

#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

using TLista = std::vector<std::vector<TUnionBloques::TElemento>>;

// The partition as a list of blocks, as the merging engines once kept it.
struct TReferencia {
  TLista bloques;

  explicit TReferencia(std::size_t n) {
    for (TUnionBloques::TElemento s = 0; s < n; ++s) bloques.push_back({s});
  }
  std::size_t De(TUnionBloques::TElemento s) const {
    for (std::size_t b = 0; b < bloques.size(); ++b)
      if (std::find(bloques[b].begin(), bloques[b].end(), s) != bloques[b].end()) return b;
    return bloques.size();
  }
  bool Unir(TUnionBloques::TElemento p, TUnionBloques::TElemento q, TUnionBloques::TLugar lugar) {
    const std::size_t b1 = De(p), b2 = De(q);
    if (b1 == b2) return false;
    auto unido = bloques[b1];
    unido.insert(unido.end(), bloques[b2].begin(), bloques[b2].end());
    if (lugar == TUnionBloques::TLugar::DelPrimero) {
      bloques[b1] = std::move(unido);
      bloques.erase(bloques.begin() + static_cast<std::ptrdiff_t>(b2));
    } else {
      bloques.erase(bloques.begin() + static_cast<std::ptrdiff_t>(std::max(b1, b2)));
      bloques.erase(bloques.begin() + static_cast<std::ptrdiff_t>(std::min(b1, b2)));
      bloques.push_back(std::move(unido));
    }
    return true;
  }
  void MoverAlFinal(TUnionBloques::TElemento s) {
    const std::size_t b = De(s);
    auto bloque = bloques[b];
    bloques.erase(bloques.begin() + static_cast<std::ptrdiff_t>(b));
    bloques.push_back(std::move(bloque));
  }
};

void Comparar(TUnionBloques& particion, const TReferencia& referencia, int paso) {
  ASSERT_EQ(particion.Bloques(), referencia.bloques) << "paso " << paso;
  ASSERT_EQ(particion.NumeroDeBloques(), referencia.bloques.size()) << "paso " << paso;
  for (const auto& bloque : referencia.bloques) {
    const auto raiz = particion.Raiz(bloque.front());
    ASSERT_EQ(particion.Tamano(raiz), bloque.size()) << "paso " << paso;
    for (const auto s : bloque) ASSERT_EQ(particion.Raiz(s), raiz) << "paso " << paso;
  }
}

TEST(UnionBloques, IgualQueUnaListaDeBloquesConPruebasDeshechas) {
  std::mt19937 azar(20261209);
  for (int ronda = 0; ronda < 300; ++ronda) {
    const std::size_t n = 1 + azar() % 24;
    TUnionBloques particion(n);
    TReferencia referencia(n);
    // open trials: the mark and the reference as it was when the trial opened
    std::vector<std::pair<std::size_t, TLista>> pruebas;
    for (int paso = 0; paso < 60; ++paso) {
      const auto p = static_cast<TUnionBloques::TElemento>(azar() % n);
      const auto q = static_cast<TUnionBloques::TElemento>(azar() % n);
      switch (azar() % 8) {
        case 0:
          pruebas.emplace_back(particion.Marca(), referencia.bloques);
          break;
        case 1:
          if (!pruebas.empty()) {
            particion.Deshacer(pruebas.back().first);
            referencia.bloques = pruebas.back().second;
            pruebas.pop_back();
          }
          break;
        case 2:
          if (!pruebas.empty()) {
            particion.Conservar(pruebas.back().first);
            pruebas.pop_back();
          }
          break;
        case 3:
          particion.MoverAlFinal(p);
          referencia.MoverAlFinal(p);
          break;
        default: {
          const auto lugar = azar() % 2 ? TUnionBloques::TLugar::AlFinal : TUnionBloques::TLugar::DelPrimero;
          const bool unidos = referencia.Unir(p, q, lugar);
          const auto raiz = particion.Unir(p, q, lugar);
          ASSERT_EQ(raiz != TUnionBloques::kNinguno, unidos) << "paso " << paso;
          if (unidos) {
            ASSERT_EQ(particion.Raiz(p), raiz);
          }
        }
      }
      Comparar(particion, referencia, paso);
    }
    while (!pruebas.empty()) {
      particion.Deshacer(pruebas.back().first);
      referencia.bloques = pruebas.back().second;
      pruebas.pop_back();
      Comparar(particion, referencia, -1);
    }
  }
}

}  // namespace
