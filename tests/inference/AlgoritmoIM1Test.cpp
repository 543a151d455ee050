// IM1: the order of block moves, the same partition as the literal list procedure, runs
// with the library's heuristics on the worked samples, and the result captions.
#include "inference/AlgoritmoIM1.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

#include "FuncionReferencia.h"
#include "core/Automata.h"
#include "core/Utilidades.h"

namespace {

using TPares = std::set<std::pair<std::size_t, std::size_t>>;

TParticion FusionarAprobando(const TLista& estados, const TPares& aprobados) {
  return FusionarPares(estados, [&](std::size_t i, std::size_t j) { return aprobados.count({i, j}) > 0; });
}

// The pair loop as the text-list procedure states it, one block lookup per state.
TParticion FusionarComoListas(const TLista& estados, const TPares& aprobados) {
  TParticion bloques = ParticionUnitaria(estados);
  const auto quitar = [&](const std::string& estado) {
    for (auto it = bloques.begin(); it != bloques.end(); ++it)
      if (EsMiembro(estado, *it)) { bloques.erase(it); return; }
  };
  for (std::size_t i = 0; i + 1 < estados.size(); ++i)
    for (std::size_t j = i + 1; j < estados.size(); ++j) {
      if (!aprobados.count({i, j})) continue;
      const auto b1 = BloqueQueContiene(estados[i], bloques);
      const auto b2 = BloqueQueContiene(estados[j], bloques);
      quitar(estados[i]);
      if (b1 == b2) {
        bloques.push_back(b1);
      } else {
        quitar(estados[j]);
        TLista b = b1;
        b.insert(b.end(), b2.begin(), b2.end());
        bloques.push_back(b);
      }
    }
  return bloques;
}

}  // namespace

TEST(FusionarPares, BlockMovesFollowTheApprovedPairs) {
  const TLista estados{"", "a", "b", "c"};  // the acceptor of a, b, c
  const struct {
    const char* nombre;
    TPares aprobados;
    TParticion esperada;
  } filas[] = {
      {"NoPairLeavesTheAcceptor", {}, {{""}, {"a"}, {"b"}, {"c"}}},
      {"OnePairAppendsItsBlock", {{1, 2}}, {{""}, {"c"}, {"a", "b"}}},
      {"LaterApprovalJoinsWholeBlocks", {{0, 1}, {1, 2}}, {{"c"}, {"", "a", "b"}}},
      {"PairAlreadyTogetherMovesToTheEnd", {{1, 2}, {1, 3}, {2, 3}}, {{""}, {"a", "b", "c"}}},
      {"TwoMergesKeepTheirOrder", {{0, 1}, {2, 3}}, {{"", "a"}, {"b", "c"}}},
      {"SecondBlockGoesAfterTheFirst", {{2, 3}, {0, 2}}, {{"a"}, {"", "b", "c"}}},
      {"EveryPairGivesOneBlockInStateOrder",
       {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}, {{"", "a", "b", "c"}}},
  };
  for (const auto& f : filas) {
    EXPECT_EQ(FusionarAprobando(estados, f.aprobados), f.esperada) << f.nombre;
    EXPECT_EQ(FusionarComoListas(estados, f.aprobados), f.esperada) << f.nombre;
  }
}

TEST(FusionarPares, MovingATogetherBlockRenumbersTheOthers) {
  // (0, 2) and (0, 3) join &, b, c; (1, 4) appends {a, d} after them; (2, 3) finds b and c
  // together and moves their block behind {a, d}, so the initial state becomes q1
  const TLista estados{"", "a", "b", "c", "d"};
  const TPares aprobados{{0, 2}, {0, 3}, {1, 4}, {2, 3}};
  const TParticion esperada{{"a", "d"}, {"", "b", "c"}};
  EXPECT_EQ(FusionarAprobando(estados, aprobados), esperada);
  EXPECT_EQ(FusionarComoListas(estados, aprobados), esperada);
  const TParticion sinMover{{"", "b", "c"}, {"a", "d"}};
  EXPECT_EQ(FusionarAprobando(estados, {{0, 2}, {0, 3}, {1, 4}}), sinMover);
}

TEST(FusionarPares, SameBlocksAsTheListProcedureOnRandomApprovals) {
  std::mt19937 azar(4101);
  for (int ronda = 0; ronda < 200; ++ronda) {
    TLista estados{""};
    const std::size_t n = 1 + azar() % 14;
    while (estados.size() < n) estados.push_back("s" + std::to_string(estados.size()));
    const unsigned porcentaje = azar() % 101;
    TPares aprobados;
    for (std::size_t i = 0; i + 1 < n; ++i)
      for (std::size_t j = i + 1; j < n; ++j)
        if (azar() % 100 < porcentaje) aprobados.insert({i, j});
    const auto particion = FusionarAprobando(estados, aprobados);
    ASSERT_EQ(particion, FusionarComoListas(estados, aprobados)) << ronda;
    std::size_t cubiertos = 0;
    for (const auto& bloque : particion) cubiertos += bloque.size();
    ASSERT_EQ(cubiertos, n);  // every state in exactly one block
  }
}

TEST(AlgoritmoIM1, LibraryHeuristicsOnTheWorkedSample) {
  TAutomata automata({"a", "ab", "abb"});
  const auto datos = CalcularDatosStren(automata, 3);
  ASSERT_EQ(*datos->Cotas, (TLista{"1", "2"}));
  const struct {
    const char* nombre;
    TParametrosIM1 parametros;
    TParticion esperada;
  } filas[] = {
      {"LevineS2", {THeuristico::Levine, 3, std::string("2")}, {{""}, {"abb"}, {"a", "ab"}}},
      {"LevineS1", {THeuristico::Levine, 3, std::string("1")}, {{""}, {"a", "ab", "abb"}}},
      {"Miclet", {THeuristico::Miclet, 3, ObtenerCotaMenor(*datos->Cotas)}, {{""}, {"a", "ab", "abb"}}},
      {"KSufijosK0", {THeuristico::K_Sufijos, 0, {}}, {{""}, {"a", "ab", "abb"}}},
      {"KSufijosK1", {THeuristico::K_Sufijos, 1, {}}, {{""}, {"abb"}, {"a", "ab"}}},
      {"KSufijosK2", {THeuristico::K_Sufijos, 2, {}}, {{""}, {"a"}, {"ab"}, {"abb"}}},
      {"OtroMergesNothing", {THeuristico::OtroH, 0, {}}, {{""}, {"a"}, {"ab"}, {"abb"}}},
  };
  for (const auto& f : filas) {
    AlgoritmoIM1(automata, f.parametros, datos->Tabla.get());
    EXPECT_EQ(automata.Bloques(), f.esperada) << f.nombre;
  }
}

TEST(AlgoritmoIM1, LevineJoinsStatesWithOneSharedTailMicletDoesNot) {
  TAutomata automata({"ab", "ac", "bb", "bd"});  // &, a, ab, ac, b, bb, bd
  const auto datos = CalcularDatosStren(automata, 2);
  AlgoritmoIM1(automata, {THeuristico::Levine, 2, std::string("1")}, datos->Tabla.get());
  EXPECT_EQ(automata.Bloques(), (TParticion{{""}, {"a", "b"}, {"ab", "ac", "bb", "bd"}}));
  AlgoritmoIM1(automata, {THeuristico::Miclet, 2, 1.0}, datos->Tabla.get());
  EXPECT_EQ(automata.Bloques(), (TParticion{{""}, {"a"}, {"b"}, {"ab", "ac", "bb", "bd"}}));
}
