// The heuristics library on the worked samples, against the definitions computed by
// brute force on random samples, and with lists rebuilt in place between runs.
#include "inference/heurist/Heurist.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/IndiceHash.h"
#include "core/Texto.h"

namespace {

using TPares = std::set<std::pair<int, int>>;

// Prefixes of the sample, the empty one first, each once (case-insensitively), in order of appearance.
TLista Prefijos(const TLista& muestra) {
  TLista estados{""};
  for (const auto& f : muestra)
    for (std::size_t n = 1; n <= f.size(); ++n) {
      const auto prefijo = f.substr(0, n);
      bool esta = false;
      for (const auto& e : estados) esta = esta || IgualesSinMayusculas(e, prefijo);
      if (!esta) estados.push_back(prefijo);
    }
  return estados;
}

TPares Aprobados(int n, const std::function<bool(int, int)>& heuristico) {
  TPares pares;
  for (int i = 0; i + 1 < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (heuristico(i, j)) pares.insert({i, j});
  return pares;
}

// T(u) restricted to tails of at most k symbols, straight from the definition (lowered texts).
std::set<std::string> Colas(const std::string& u, const TLista& finales, int k) {
  std::set<std::string> colas;
  for (const auto& f : finales)
    if (f.size() >= u.size() && IgualesSinMayusculas(f.substr(0, u.size()), u) &&
        static_cast<int>(f.size() - u.size()) <= k)
      colas.insert(AMinusculas(f.substr(u.size())));
  return colas;
}

const TLista kMuestraA{"a", "ab", "abb"};          // states &, a, ab, abb
const TLista kMuestraB{"ab", "ac", "bb", "bd"};    // states &, a, ab, ac, b, bb, bd

}  // namespace

TEST(Stren, WorkedSampleTailsStrengthsAndBounds) {
  const auto estados = Prefijos(kMuestraA);
  ASSERT_EQ(estados, (TLista{"", "a", "ab", "abb"}));
  const auto tabla = CalcularFuncionStren(estados, kMuestraA, 3);
  EXPECT_EQ(tabla->NumeroColas(0), 3);  // a, ab, abb
  EXPECT_EQ(tabla->NumeroColas(1), 3);  // &, b, bb
  EXPECT_EQ(tabla->NumeroColas(2), 2);  // &, b
  EXPECT_EQ(tabla->NumeroColas(3), 1);  // &
  const struct { int i, j, fuerza; } filas[] = {
      {0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {1, 2, 2}, {1, 3, 1}, {2, 3, 1}, {2, 1, 2}};
  for (const auto& f : filas) EXPECT_EQ(tabla->Fuerza(f.i, f.j), f.fuerza) << f.i << "," << f.j;
  const auto cotas = CalcularCotasStren(*tabla);
  EXPECT_EQ(*cotas, (TLista{"1", "2"}));
  EXPECT_EQ(ObtenerCotaMenor(*cotas), TVariante(1.0));
}

TEST(Stren, HeuristicsOnTheWorkedSamples) {
  const struct {
    const char* nombre;
    TLista muestra;
    bool miclet;
    TVariante S;
    TPares esperados;
  } filas[] = {
      {"LevineS2", kMuestraA, false, std::string("2"), {{1, 2}}},
      {"LevineS1", kMuestraA, false, std::string("1"), {{1, 2}, {1, 3}, {2, 3}}},
      {"LevineS1Real", kMuestraA, false, 1.0, {{1, 2}, {1, 3}, {2, 3}}},
      {"LevineS3", kMuestraA, false, std::string("3"), {}},
      {"MicletS1", kMuestraA, true, 1.0, {{1, 2}, {1, 3}, {2, 3}}},
      // a and b share the tail b; ab, ac, bb, bd share the empty tail
      {"LevineSecondSample", kMuestraB, false, std::string("1"),
       {{1, 4}, {2, 3}, {2, 5}, {2, 6}, {3, 5}, {3, 6}, {5, 6}}},
      // {b, c} and {b, d}: neither contains the other
      {"MicletSecondSample", kMuestraB, true, 1.0, {{2, 3}, {2, 5}, {2, 6}, {3, 5}, {3, 6}, {5, 6}}},
      {"NotANumberApprovesNothing", kMuestraA, false, std::string("dos"), {}},
  };
  for (const auto& f : filas) {
    const auto estados = Prefijos(f.muestra);
    const auto tabla = CalcularFuncionStren(estados, f.muestra, 3);
    const auto pares = Aprobados(static_cast<int>(estados.size()), [&](int i, int j) {
      return f.miclet ? Miclet(i, j, f.S, *tabla) : Levine(i, j, f.S, *tabla);
    });
    EXPECT_EQ(pares, f.esperados) << f.nombre;
  }
}

TEST(Stren, SmallestBoundComparesNumbers) {
  const struct {
    const char* nombre;
    TLista cotas;
    double menor;
  } filas[] = {
      {"NumbersNotTexts", {"2", "10", "9"}, 2},
      {"NoCandidateGivesOne", {}, 1},
      {"DecimalComma", {"2", "0,5"}, 0.5},
      {"SkipsWhatIsNoNumber", {"x", "3"}, 3},
  };
  for (const auto& f : filas) EXPECT_EQ(ObtenerCotaMenor(f.cotas), TVariante(f.menor)) << f.nombre;
}

TEST(Stren, NoSharedTailGivesNoBoundAndNoLevineMerge) {
  const TLista muestra{"a", "b"};  // & {a, b}; a {&}; b {&}: a and b share the empty tail
  const TLista sola{"abc"};       // every state has one tail, all different
  const auto tabla = CalcularFuncionStren(Prefijos(sola), sola, 3);
  EXPECT_TRUE(CalcularCotasStren(*tabla)->empty());
  const auto menor = ObtenerCotaMenor(*CalcularCotasStren(*tabla));
  EXPECT_EQ(menor, TVariante(1.0));
  EXPECT_TRUE(Aprobados(4, [&](int i, int j) { return Levine(i, j, menor, *tabla); }).empty());
  const auto otra = CalcularFuncionStren(Prefijos(muestra), muestra, 1);
  EXPECT_EQ(otra->Fuerza(1, 2), 1);
}

TEST(Stren, LetterCaseDoesNotSeparateStatesOrTails) {
  // states given in capitals, sample in small letters, a repeated string in other case
  const TLista estados{"", "A", "AB", "ABB"};
  const TLista finales{"a", "ab", "abb", "AB"};
  const auto tabla = CalcularFuncionStren(estados, finales, 3);
  EXPECT_EQ(tabla->Fuerza(1, 2), 2);
  EXPECT_EQ(tabla->NumeroColas(2), 2);
  EXPECT_TRUE(KSufijos("A", "ab", 1, finales));
  EXPECT_FALSE(KSufijos("A", "ABB", 1, finales));
}

TEST(Stren, LengthBoundDropsLongerTails) {
  const auto tabla = CalcularFuncionStren(Prefijos(kMuestraA), kMuestraA, 1);
  EXPECT_EQ(tabla->NumeroColas(0), 1);  // only "a"
  EXPECT_EQ(tabla->NumeroColas(1), 2);  // &, b
  EXPECT_EQ(tabla->Fuerza(1, 2), 2);
}

TEST(KSufijos, WorkedSample) {
  const auto estados = Prefijos(kMuestraA);
  const struct {
    int K;
    TPares esperados;
  } filas[] = {{0, {{1, 2}, {1, 3}, {2, 3}}}, {1, {{1, 2}}}, {2, {}}, {3, {}}};
  for (const auto& f : filas) {
    const auto pares = Aprobados(4, [&](int i, int j) {
      return KSufijos(estados[static_cast<std::size_t>(i)], estados[static_cast<std::size_t>(j)], f.K, kMuestraA);
    });
    EXPECT_EQ(pares, f.esperados) << "K=" << f.K;
  }
}

TEST(KSufijos, ListRebuiltInPlaceIsNotReadThroughTheOldIndex) {
  TLista finales{"a"};
  EXPECT_FALSE(KSufijos("", "a", 0, finales));  // {} against {&}
  finales[0] = "";                               // same object, same size, other content
  EXPECT_FALSE(KSufijos("", "a", 0, finales));  // {&} against {}
  finales = {"ab", "b"};
  EXPECT_TRUE(KSufijos("a", "", 1, finales));   // {b} = {b}
  EXPECT_FALSE(KSufijos("a", "b", 1, finales));
  // a new run starts from the empty prefix, whatever the last run asked
  finales = {"ab", "c"};
  EXPECT_FALSE(KSufijos("", "a", 1, finales));  // {c} against {b}
  EXPECT_FALSE(KSufijos("a", "c", 0, finales));  // {} against {&}
  EXPECT_TRUE(KSufijos("b", "d", 1, finales));  // neither continues: {} = {}
}

// The heuristics' hash tables and the core's indexes hash a text alike, whether the call is
// inlined or goes through the one out-of-line definition the program links.
TEST(Heurist, HashTablesShareTheCoreCaseInsensitiveHash) {
  std::size_t (*volatile delNucleo)(std::string_view) = &HashSinMayusculas;
  const THashSinMayusculas hash;
  for (const std::string texto : {"", "a", "aBc", "S12A11", "\xC0\xE9\xD1z"}) {
    EXPECT_EQ(hash(texto), delNucleo(texto)) << texto;
    EXPECT_EQ(hash(texto), hash(AMinusculas(texto))) << texto;
  }
}

TEST(Heurist, AgreeWithTheDefinitionsOnRandomSamples) {
  std::mt19937 azar(20240607);
  for (int ronda = 0; ronda < 40; ++ronda) {
    TLista muestra;
    const int cuantas = 1 + static_cast<int>(azar() % 12);
    for (int n = 0; n < cuantas; ++n) {
      std::string cadena;
      const int largo = static_cast<int>(azar() % 6);
      for (int c = 0; c < largo; ++c) cadena += "abA"[azar() % 3];
      muestra.push_back(cadena);
    }
    const auto estados = Prefijos(muestra);
    const int n = static_cast<int>(estados.size());
    const int L = static_cast<int>(azar() % 6);
    const auto tabla = CalcularFuncionStren(estados, muestra, L);
    std::set<int> fuerzas;
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j) {
        const auto ti = Colas(estados[static_cast<std::size_t>(i)], muestra, L);
        const auto tj = Colas(estados[static_cast<std::size_t>(j)], muestra, L);
        int comunes = 0;
        for (const auto& w : ti) comunes += static_cast<int>(tj.count(w));
        ASSERT_EQ(tabla->Fuerza(i, j), comunes) << ronda;
        if (comunes > 0) fuerzas.insert(comunes);
        const bool contiene = comunes == static_cast<int>(ti.size()) || comunes == static_cast<int>(tj.size());
        for (double S : {1.0, 2.0}) {
          ASSERT_EQ(Levine(i, j, S, *tabla), comunes >= S);
          ASSERT_EQ(Miclet(i, j, S, *tabla), comunes >= S && contiene);
        }
        const int K = static_cast<int>(azar() % 4);
        ASSERT_EQ(KSufijos(estados[static_cast<std::size_t>(i)], estados[static_cast<std::size_t>(j)], K, muestra),
                  Colas(estados[static_cast<std::size_t>(i)], muestra, K) ==
                      Colas(estados[static_cast<std::size_t>(j)], muestra, K))
            << ronda;
      }
    TLista esperadas;
    for (int f : fuerzas) esperadas.push_back(std::to_string(f));
    EXPECT_EQ(*CalcularCotasStren(*tabla), esperadas);

    // classes: equal tail sets, numbered by first state; their neighbours and strengths
    std::vector<int> primero;
    for (int i = 0; i < n; ++i) {
      const int c = tabla->Clase(i);
      if (c == static_cast<int>(primero.size())) primero.push_back(i);
      ASSERT_LT(c, static_cast<int>(primero.size())) << ronda;
      ASSERT_EQ(Colas(estados[static_cast<std::size_t>(i)], muestra, L),
                Colas(estados[static_cast<std::size_t>(primero[static_cast<std::size_t>(c)])], muestra, L));
      ASSERT_EQ(tabla->ColasDeClase(c), tabla->NumeroColas(i));
    }
    ASSERT_EQ(tabla->NumeroClases(), static_cast<int>(primero.size()));
    TFuerzasDeClase vecinas(*tabla);
    for (int c = 0; c < tabla->NumeroClases(); ++c) {
      TPares todas, siguientes;
      for (int d = 0; d < tabla->NumeroClases(); ++d) {
        const int fuerza = tabla->Fuerza(primero[static_cast<std::size_t>(c)], primero[static_cast<std::size_t>(d)]);
        if (d != c && fuerza > 0) todas.insert({d, fuerza});
        if (d > c && fuerza > 0) siguientes.insert({d, fuerza});
      }
      const auto& de = vecinas.De(c);
      EXPECT_EQ(TPares(de.begin(), de.end()), todas) << ronda;
      const auto& despues = vecinas.Siguientes(c);
      EXPECT_EQ(TPares(despues.begin(), despues.end()), siguientes) << ronda;
    }
  }
}
