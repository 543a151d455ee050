// Subset construction: the worked example, ordered subset-states, final rows, and seeded
// random quotient automata checked against a direct walk over sets of blocks.
#include "results/Determinizacion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "CocienteAleatorio.h"
#include "core/Automata.h"
#include "core/ErrorInterno.h"
#include "core/Utilidades.h"
#include "results/Aceptacion.h"
#include "results/DatosDeterminista.h"
#include "results/DatosResultado.h"
#include "results/Informe.h"

namespace {

TEST(Determinizacion, SameBlocksInAnotherOrderAreAnotherState) {
  // q0 -a-> q1, q2; q1 -b-> q2; q2 -b-> q1; q2 final.
  const TTablaDestinos destinos = {{{1, 2}, {}}, {{}, {2}}, {{}, {1}}};
  const TAutomataDeterminista d = ConstruirDeterminista(destinos, 0, {"a", "b"});
  ASSERT_EQ(d.Estados, (std::vector<TEstadoSubconjunto>{{0}, {1, 2}, {2, 1}}));
  EXPECT_EQ(d.Transiciones, (std::vector<std::vector<int>>{{1, -1}, {-1, 2}, {-1, 1}}));
  EXPECT_EQ(FormarCadena(d, {0, 1, 2}), "[q0][q1q2][q2q1]");
  EXPECT_EQ(FilasFinales(d, {2}), (std::vector<int>{1, 2}));
  EXPECT_EQ(FormarCadena(d, FilasFinales(d, {2})), "[q1q2][q2q1]");
}

TEST(Determinizacion, RowsInBreadthFirstDiscoveryOrder) {
  // q0 -a-> q1, -b-> q2; q1 -a-> q3; q2 -a-> q4: rows q0, q1, q2, q3, q4.
  const TTablaDestinos destinos = {{{1}, {2}}, {{3}, {}}, {{4}, {}}, {{}, {}}, {{}, {}}};
  const TAutomataDeterminista d = ConstruirDeterminista(destinos, 0, {"a", "b"});
  EXPECT_EQ(d.Estados, (std::vector<TEstadoSubconjunto>{{0}, {1}, {2}, {3}, {4}}));
}

TEST(Determinizacion, InitialBlockOtherThanZero) {
  const TTablaDestinos destinos = {{{0}}, {{0, 1}}};
  const TAutomataDeterminista d = ConstruirDeterminista(destinos, 1, {"a"});
  EXPECT_EQ(d.Estados, (std::vector<TEstadoSubconjunto>{{1}, {0, 1}}));
  EXPECT_EQ(d.NombreFila(1), "[q0q1]");
}

TEST(Determinizacion, FinalBlocksCompareWholeNumbers) {
  TTablaDestinos destinos(13, std::vector<std::vector<int>>(1));
  destinos[0][0] = {12};
  destinos[12][0] = {1, 2};
  const TAutomataDeterminista d = ConstruirDeterminista(destinos, 0, {"a"});
  ASSERT_EQ(d.Estados, (std::vector<TEstadoSubconjunto>{{0}, {12}, {1, 2}}));
  EXPECT_EQ(FilasFinales(d, {12}), (std::vector<int>{1}));
  EXPECT_EQ(FilasFinales(d, {1}), (std::vector<int>{2}));
  EXPECT_EQ(d.NombreFila(1), "[q12]");
}

TEST(Determinizacion, AcceptorWalk) {
  const TTablaDestinos destinos = {{{1, 2}, {}}, {{}, {2}}, {{}, {1}}};
  const TAutomataDeterminista d = ConstruirDeterminista(destinos, 0, {"a", "b"});
  const TAceptadorDeterminista aceptador(d, FilasFinales(d, {2}));
  struct Caso {
    const char* ejemplo;
    bool aceptado;
  } casos[] = {{"a", true}, {"ab", true}, {"abbb", true}, {"", false}, {"b", false},
               {"aa", false}, {"A", false}, {"ac", false}, {"&", false}};
  for (const auto& caso : casos) EXPECT_EQ(aceptador.Acepta(caso.ejemplo), caso.aceptado) << caso.ejemplo;
}

TEST(Determinizacion, WindowDataAndReportOfANonDeterministicResult) {
  TAutomata automata(TLista{"aa", "ba"});
  automata.PonerBloques({{""}, {"a", "b"}, {"aa"}, {"ba"}});
  const TDatosResultado resultado = CalcularDatosResultado(automata);
  const TAutomataDeterminista d =
      ConstruirDeterminista(resultado.TablaDestinos, resultado.BloqueInicial, automata.Alfabeto());
  const TDatosDeterminista datos =
      CalcularDatosDeterminista(automata, d, resultado.BloqueInicial, resultado.BloquesFinales);
  EXPECT_EQ(datos.Einicial, "[q0]");
  EXPECT_EQ(datos.Estados, "[q0][q1][q2q3]");
  EXPECT_EQ(datos.Efinales, "[q2q3]");
  const TLista informe =
      LineasDeInforme(CabeceraInformeDeterminista("Aut\xF3mata resultado KR   K=0", {"aa", "ba"}, datos),
                      datos.Tabla, TFormatoTabla::B);
  EXPECT_EQ(informe, (TLista{"Aut\xF3mata resultado KR   K=0", "Muestra: { aa, ba }", "Alfabeto: { a, b }",
                             "Estado Inicial: {[q0]}", "Estados Finales: {[q2q3]}",
                             "Conjunto de Estados: {[q0][q1][q2q3]}", "Funci\xF3n de Transici\xF3n: ",
                             " E/A          a    b", "    [q0]    [q1]    [q1]", "    [q1]    [q2q3]    -",
                             "    [q2q3]    -    -"}));
}

TEST(Determinizacion, NoFinalRowGivesEmptyBraces) {
  TAutomata automata(TLista{"ab"});
  automata.PonerBloques({{""}, {"a", "ab"}});
  const TDatosResultado resultado = CalcularDatosResultado(automata);
  const TAutomataDeterminista d = ConstruirDeterminista(resultado.TablaDestinos, 0, automata.Alfabeto());
  const TDatosDeterminista datos = CalcularDatosDeterminista(automata, d, 0, {});
  EXPECT_EQ(CabeceraInformeDeterminista("T", {"ab"}, datos)[4], "Estados Finales: {}");
}

// --- seeded random quotient automata -------------------------------------------------

// Acceptance by the non-deterministic quotient automaton, following every target.
bool AceptaPorConjuntos(const TDatosResultado& datos, const TLista& alfabeto, const std::string& w) {
  std::set<int> actual = {datos.BloqueInicial};
  for (char c : w) {
    const auto columna = IndiceDe(std::string(1, c), alfabeto);
    if (!columna) return false;
    std::set<int> siguiente;
    for (int b : actual)
      for (int d : datos.TablaDestinos[static_cast<std::size_t>(b)][*columna]) siguiente.insert(d);
    actual = std::move(siguiente);
    if (actual.empty()) return false;
  }
  for (int b : actual)
    if (std::count(datos.BloquesFinales.begin(), datos.BloquesFinales.end(), b)) return true;
  return false;
}

void TodasLasCadenas(const std::string& letras, std::size_t n, std::string& actual, TLista& salida) {
  salida.push_back(actual);
  if (actual.size() == n) return;
  for (char c : letras) {
    actual.push_back(c);
    TodasLasCadenas(letras, n, actual, salida);
    actual.pop_back();
  }
}

TEST(Determinizacion, RandomQuotientsKeepTheirLanguageAndBecomeDeterministic) {
  std::mt19937 azar(20240611);
  TLista cadenas;
  std::string actual;
  TodasLasCadenas("abcd", 5, actual, cadenas);  // d is no symbol: always rejected
  for (int prueba = 0; prueba < 120; ++prueba) {
    SCOPED_TRACE(prueba);
    const TAutomata automata = CocienteAleatorio(azar);
    const TDatosResultado datos = CalcularDatosResultado(automata);
    const TAutomataDeterminista d =
        ConstruirDeterminista(datos.TablaDestinos, datos.BloqueInicial, automata.Alfabeto());

    // deterministic: one target row at most per cell, every key distinct and non-empty
    std::set<TEstadoSubconjunto> claves(d.Estados.begin(), d.Estados.end());
    EXPECT_EQ(claves.size(), d.Estados.size());
    for (std::size_t r = 0; r < d.Estados.size(); ++r) {
      EXPECT_FALSE(d.Estados[r].empty());
      ASSERT_EQ(d.Transiciones[r].size(), automata.Alfabeto().size());
      for (int destino : d.Transiciones[r]) EXPECT_LT(destino, static_cast<int>(d.Estados.size()));
    }

    const TAceptadorDeterminista aceptador(d, FilasFinales(d, datos.BloquesFinales));
    for (const auto& w : cadenas)
      ASSERT_EQ(aceptador.Acepta(w), AceptaPorConjuntos(datos, automata.Alfabeto(), w)) << w;
    // every training example is accepted by the quotient, hence by its determinization
    for (const auto& w : automata.Finales()) EXPECT_TRUE(aceptador.Acepta(w)) << w;
  }
}

}  // namespace

namespace {

TEST(Aceptacion, CharacterFoundOnlyInsideALongerSymbolIsAnInternalFault) {
  TAutomataDeterminista d;
  d.Alfabeto = {"ab", "c"};
  d.Estados = {{0}};
  d.Transiciones = {{-1, 0}};
  const TAceptadorDeterminista aceptador(d, {0});
  EXPECT_TRUE(aceptador.Acepta("cc"));
  EXPECT_FALSE(aceptador.Acepta("x"));  // outside the alphabet: rejected, no fault
  EXPECT_THROW(aceptador.Acepta("ca"), TErrorInterno);
}

}  // namespace
