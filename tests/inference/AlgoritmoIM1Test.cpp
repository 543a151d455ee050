// IM1: the order of block moves, the same partition as the literal list procedure, runs
// with the library's heuristics on the worked samples, and the result captions.
#include "inference/AlgoritmoIM1.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

#include "FuncionReferencia.h"
#include "Referencia.h"
#include "app/Muestra.h"
#include "core/Automata.h"
#include "core/Utilidades.h"
#include "inference/ObservadorFusiones.h"
#include "inference/ParesDecisivos.h"

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

// The shortcuts of the pair loop against the loop itself, blocks, block order and the
// merges heard (with their causes) alike: an equivalence given by random classes, random
// approvals asked only among a random superset of candidates, and approvals by a random
// graph of classes reduced to the pairs that decide them.
TEST(FusionarPares, ShortcutsForClassesAndCandidatesMatchTheLoop) {
  std::mt19937 azar(1401);
  const auto causa = [](std::size_t i, std::size_t j) { return CausaDeTexto(std::to_string(i) + "-" + std::to_string(j)); };
  for (int ronda = 0; ronda < 200; ++ronda) {
    SCOPED_TRACE(ronda);
    TLista estados{""};
    const std::size_t n = 1 + azar() % 30;
    while (estados.size() < n) estados.push_back("s" + std::to_string(estados.size()));

    std::vector<int> clases(n);
    const unsigned distintas = 1 + azar() % 8;
    for (auto& c : clases) c = static_cast<int>(azar() % distintas) * 7 - 10;
    TTrazaFusiones lazo, atajo;
    EXPECT_EQ(FusionarPorClases(estados, clases, &atajo, causa),
              FusionarPares(estados, [&](std::size_t i, std::size_t j) { return clases[i] == clases[j]; }, &lazo,
                            causa));
    EXPECT_EQ(atajo.Pasos, lazo.Pasos);

    TPares aprobados;
    std::vector<std::pair<std::size_t, std::size_t>> candidatos;
    for (std::size_t i = 0; i + 1 < n; ++i)
      for (std::size_t j = i + 1; j < n; ++j) {
        const unsigned dado = azar() % 4;
        if (dado == 0) aprobados.insert({i, j});
        if (dado <= 1) candidatos.emplace_back(i, j);
      }
    const auto aprueba = [&](std::size_t i, std::size_t j) { return aprobados.count({i, j}) > 0; };
    TTrazaFusiones lazo2, atajo2;
    EXPECT_EQ(FusionarParesCandidatos(estados, candidatos, aprueba, &atajo2, causa),
              FusionarPares(estados, aprueba, &lazo2, causa));
    EXPECT_EQ(atajo2.Pasos, lazo2.Pasos);

    // approvals by a random symmetric graph of classes, some classes their own neighbours
    const int numero = 1 + static_cast<int>(azar() % 7);
    for (auto& c : clases) c = static_cast<int>(azar() % static_cast<unsigned>(numero));
    std::set<std::pair<int, int>> grafo;
    const unsigned densidad = azar() % 101;
    for (int c = 0; c < numero; ++c)
      for (int d = c; d < numero; ++d)
        if (azar() % 100 < densidad) grafo.insert({c, d}), grafo.insert({d, c});
    const auto porGrafo = [&](std::size_t i, std::size_t j) { return grafo.count({clases[i], clases[j]}) > 0; };
    const auto decisivos = ParesDecisivos(clases, [&](int c, TVecindad& vecindad) {
      for (int d = 0; d < numero; ++d)
        if (grafo.count({c, d})) vecindad.clases.push_back(d);
    });
    TTrazaFusiones lazo3, atajo3;
    EXPECT_EQ(FusionarParesCandidatos(estados, decisivos, porGrafo, &atajo3, causa),
              FusionarPares(estados, porGrafo, &lazo3, causa));
    EXPECT_EQ(atajo3.Pasos, lazo3.Pasos);
    EXPECT_LE(decisivos.size(), 2 * n);
    // the same pairs when each class that is its own neighbour leaves out, at random, the
    // neighbours it may leave out and names its neighbour with the largest last state
    std::vector<std::size_t> primero(static_cast<std::size_t>(numero), n), ultimo(static_cast<std::size_t>(numero), 0);
    for (std::size_t s = 0; s < n; ++s) {
      const auto c = static_cast<std::size_t>(clases[s]);
      primero[c] = std::min(primero[c], s);
      ultimo[c] = s;
    }
    const auto vecina = [&](int c, int d) { return grafo.count({c, d}) > 0 && primero[static_cast<std::size_t>(d)] < n; };
    const auto abreviados = ParesDecisivos(clases, [&](int c, TVecindad& vecindad) {
      for (int d = 0; d < numero; ++d) {
        if (!vecina(c, d)) continue;
        bool antes = false;
        for (int e = 0; e < numero; ++e)
          antes = antes || (vecina(e, c) && vecina(e, d) && primero[static_cast<std::size_t>(e)] < primero[static_cast<std::size_t>(c)]);
        if (d != c && (vecindad.mayorOtra < 0 || ultimo[static_cast<std::size_t>(d)] > ultimo[static_cast<std::size_t>(vecindad.mayorOtra)]))
          vecindad.mayorOtra = d;
        if (vecina(c, c) && d != c && antes && azar() % 2) continue;
        vecindad.clases.push_back(d);
      }
    });
    EXPECT_EQ(abreviados, decisivos);
  }
}

// A run against the pair loop asking the heuristic every pair (the plain definition of the
// method), on random samples: k suffixes for K = 0..3; Levine with every candidate bound,
// Miclet with the smallest and both with bounds of 0, -1, 0.5, 2.5 and no number, over the
// table of the longest example, one of shorter tails (where a state may have none) and one
// of only some of the states.
TEST(AlgoritmoIM1, RunsMatchThePairLoopOnRandomSamples) {
  std::mt19937 azar(1402);
  for (int ronda = 0; ronda < 60; ++ronda) {
    SCOPED_TRACE(ronda);
    const TLista muestra = referencia::MuestraAleatoria(azar, 1 + ronda % 9 + ronda / 20 * 8, 1 + ronda % 6,
                                                        1 + ronda % 3);
    const TAutomata aceptor(muestra, TConstruccion::Normal);
    const int largo = static_cast<int>(LongitudMaxima(muestra));
    const int colas = ronda % 2 ? largo : static_cast<int>(azar() % (largo + 1));
    const auto datos = CalcularDatosStren(aceptor, colas);
    if (ronda % 5 == 4) {  // a table of only the first states: the others count as having no tails
      const TLista& todos = aceptor.Estados();
      datos->Tabla = CalcularFuncionStren(TLista(todos.begin(), todos.begin() + static_cast<std::ptrdiff_t>(todos.size() / 2)),
                                          aceptor.Finales(), colas);
      datos->Cotas = CalcularCotasStren(*datos->Tabla);
    }
    std::vector<TParametrosIM1> corridas;
    for (int k = 0; k <= 3; ++k) corridas.push_back({THeuristico::K_Sufijos, k, {}});
    for (const auto& cota : *datos->Cotas) corridas.push_back({THeuristico::Levine, largo, cota});
    corridas.push_back({THeuristico::Miclet, largo, ObtenerCotaMenor(*datos->Cotas)});
    for (const char* cota : {"0", "-1", "0,5", "2,5", "x"}) {
      corridas.push_back({THeuristico::Levine, largo, std::string(cota)});
      corridas.push_back({THeuristico::Miclet, largo, std::string(cota)});
    }
    for (const auto& parametros : corridas) {
      SCOPED_TRACE(TextoCausa(CausaIM1(parametros, 0, 0, datos->Tabla.get())));
      TAutomata automata = aceptor;
      const auto sufijos = CalcularTablaKSufijos(aceptor.Finales(), parametros.K);
      TTrazaFusiones traza, trazaLazo;
      AlgoritmoIM1(automata, parametros, datos->Tabla.get(), &traza);
      const TLista& estados = aceptor.Estados();
      const auto lazo = FusionarPares(
          estados,
          [&](std::size_t i, std::size_t j) {
            return PreguntarHeuristico(parametros, estados[i], estados[j], i, j, datos->Tabla.get(), sufijos.get());
          },
          &trazaLazo, [&](std::size_t i, std::size_t j) { return CausaIM1(parametros, i, j, datos->Tabla.get()); });
      EXPECT_EQ(automata.Bloques(), lazo);
      EXPECT_EQ(traza.Pasos, trazaLazo.Pasos);
    }
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
