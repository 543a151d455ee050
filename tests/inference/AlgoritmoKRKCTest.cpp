// KR and KC: the worked samples, the agreement with the step-by-step oracle on random
// samples (block order and order inside blocks included), and the properties of results.
#include <algorithm>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "Referencia.h"
#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/Utilidades.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"

namespace {

TAutomata KR(const TLista& muestra, int k, TModoInferencia modo = TModoInferencia::Silencioso) {
  TAutomata a(MarcarMuestra(muestra));
  AlgoritmoKR(a, k, modo, muestra);
  return a;
}

TAutomata KC(const TLista& muestra, int k, TModoInferencia modo = TModoInferencia::Silencioso) {
  TAutomata a(muestra);
  AlgoritmoKC(a, k, modo);
  return a;
}

TAutomata KRReferencia(const TLista& muestra, int k) {
  TAutomata a(MarcarMuestra(muestra));
  referencia::KR(a, k, TModoInferencia::Silencioso, muestra);
  return a;
}

TAutomata KCReferencia(const TLista& muestra, int k) {
  TAutomata a(muestra);
  referencia::KC(a, k, TModoInferencia::Silencioso);
  return a;
}

// Every state of `estados` lies in exactly one block.
void EsParticion(const TParticion& bloques, const TLista& estados) {
  std::multiset<std::string> vistos;
  for (const auto& b : bloques) {
    EXPECT_FALSE(b.empty());
    vistos.insert(b.begin(), b.end());
  }
  EXPECT_EQ(vistos, std::multiset<std::string>(estados.begin(), estados.end()));
}

// No block reaches two different blocks by one symbol.
bool EsDeterminista(const TAutomata& a) {
  for (const auto& b : a.Bloques())
    for (const auto& simbolo : a.Alfabeto()) {
      std::set<std::size_t> destinos;
      for (const auto& estado : b)
        for (std::size_t n = 0; n < a.Bloques().size(); ++n)
          if (EsMiembro(estado + simbolo, a.Bloques()[n])) destinos.insert(n);
      if (destinos.size() > 1) return false;
    }
  return true;
}

struct CasoEjemplo {
  const char* nombre;
  char algoritmo;
  TLista muestra;
  int k;
  TParticion bloques;
};

class EjemplosKRKC : public testing::TestWithParam<CasoEjemplo> {};

TEST_P(EjemplosKRKC, BlocksInTheirOrder) {
  const auto& caso = GetParam();
  const TAutomata a = caso.algoritmo == 'R' ? KR(caso.muestra, caso.k) : KC(caso.muestra, caso.k);
  EXPECT_EQ(a.Bloques(), caso.bloques);
  const TAutomata r = caso.algoritmo == 'R' ? KRReferencia(caso.muestra, caso.k)
                                            : KCReferencia(caso.muestra, caso.k);
  EXPECT_EQ(r.Bloques(), caso.bloques) << "the step-by-step oracle disagrees with the example";
}

INSTANTIATE_TEST_SUITE_P(
    Algoritmos, EjemplosKRKC,
    testing::Values(
        // q0 = {ab, b} final, q1 = {a, &} initial
        CasoEjemplo{"kr_ab_b_k0", 'R', {"ab", "b"}, 0, {{"ab", "b"}, {"a", ""}}},
        CasoEjemplo{"kr_ab_b_k1", 'R', {"ab", "b"}, 1, {{""}, {"a"}, {"ab", "b"}}},
        CasoEjemplo{"kr_aa_ba_k0", 'R', {"aa", "ba"}, 0, {{""}, {"aa", "ba"}, {"a", "b"}}},
        CasoEjemplo{"kr_aa_ba_k1", 'R', {"aa", "ba"}, 1, {{""}, {"a"}, {"b"}, {"aa", "ba"}}},
        CasoEjemplo{"kr_a_aa_k0", 'R', {"a", "aa"}, 0, {{"", "a", "aa"}}},
        CasoEjemplo{"kr_un_ejemplo", 'R', {"abc"}, 0, {{""}, {"a"}, {"ab"}, {"abc"}}},
        CasoEjemplo{"kr_repetido", 'R', {"ab", "ab"}, 0, {{""}, {"a"}, {"ab"}}},
        CasoEjemplo{"kr_vacio_es_final", 'R', {"", "a"}, 0, {{"", "a"}}},
        CasoEjemplo{"kr_k_grande_solo_hacia_delante", 'R', {"ab", "b"}, 2, {{""}, {"a"}, {"ab"}, {"b"}}},
        CasoEjemplo{"kr_muestra_vacia", 'R', {}, 0, {{""}}},
        CasoEjemplo{"kc_ab_bb_aab_k1", 'C', {"ab", "bb", "aab"}, 1, {{""}, {"a", "aa"}, {"ab", "b", "bb", "aab"}}},
        CasoEjemplo{"kc_aa_ba_k1", 'C', {"aa", "ba"}, 1, {{""}, {"b"}, {"a", "aa", "ba"}}},
        CasoEjemplo{"kc_ab_b_k1", 'C', {"ab", "b"}, 1, {{""}, {"a"}, {"ab", "b"}}},
        CasoEjemplo{"kc_k0_un_bloque", 'C', {"ab", "b"}, 0, {{"", "a", "ab", "b"}}},
        CasoEjemplo{"kc_k_mayor_que_todo", 'C', {"ab", "b"}, 3, {{""}, {"a"}, {"ab"}, {"b"}}},
        CasoEjemplo{"kc_muestra_vacia_k1", 'C', {}, 1, {{""}}},
        CasoEjemplo{"kc_muestra_vacia_k0", 'C', {}, 0, {{""}}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(AlgoritmoKR, MarkerIsGoneAndTheUnmarkedSampleIsBack) {
  const TLista muestra{"ab", "b", ""};
  const TAutomata a = KR(muestra, 0);
  EXPECT_EQ(a.Alfabeto().Lista(), (TLista{"a", "b"}));
  EXPECT_EQ(a.Finales().Lista(), muestra);
  EXPECT_EQ(a.Estados().Lista(), (TLista{"", "a", "ab", "ab$", "b", "b$", "$"}))
      << "KR leaves the marked prefixes in Estados";
  for (const auto& b : a.Bloques())
    for (const auto& s : b) EXPECT_EQ(s.find('$'), std::string::npos) << s;
}

TEST(AlgoritmoKR, MarkingAndTheGuardAgainstTheMarkerInASample) {
  EXPECT_EQ(MarcarMuestra({"ab", "", "ab"}), (TLista{"ab$", "$", "ab$"}));
  EXPECT_FALSE(UsaMarcaFinal({"ab", "", "b"}));
  EXPECT_TRUE(UsaMarcaFinal({"ab", "a$b"}));
}

TEST(AlgoritmoKR, KCDropsShortStatesFromEstados) {
  const TAutomata a = KC({"ab", "b"}, 3);
  EXPECT_TRUE(a.Estados().empty());
  const TAutomata b = KC({"abc", "b"}, 2);
  EXPECT_EQ(b.Estados().Lista(), (TLista{"ab", "abc"}));
}

// The situation/action sample of two sequences S1/A1 S2/A2 and S1/A1 S2/A3, merged with
// four characters per symbol.
TEST(AlgoritmoKR, MealyModeCountsFourCharactersPerSymbol) {
  const auto mealy = referencia::Mealy({{"S1A1", "S2A2"}, {"S1A1", "S2A3"}});
  struct Caso {
    char algoritmo;
    int k;
    TParticion bloques;
  };
  const std::vector<Caso> casos{
      {'R', 0, {{""}, {"S1A1"}, {"S1A1S2A2", "S1A1S2A3"}}},
      {'R', 1, {{""}, {"S1A1"}, {"S1A1S2A2"}, {"S1A1S2A3"}}},
      {'R', 2, {{""}, {"S1A1"}, {"S1A1S2A2"}, {"S1A1S2A3"}}},
      {'C', 0, {{"", "S1A1", "S1A1S2A2", "S1A1S2A3"}}},
      {'C', 1, {{""}, {"S1A1"}, {"S1A1S2A2"}, {"S1A1S2A3"}}},
      {'C', 2, {{""}, {"S1A1"}, {"S1A1S2A2"}, {"S1A1S2A3"}}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(std::string(1, caso.algoritmo) + " k=" + std::to_string(caso.k));
    TAutomata a = mealy.Construir(caso.algoritmo == 'R');
    if (caso.algoritmo == 'R') {
      AlgoritmoKR(a, caso.k, TModoInferencia::Mealy, mealy.cadenas);
      EXPECT_EQ(a.Alfabeto().Lista(), (TLista{"S1A1", "S2A2", "S2A3"}));
      EXPECT_EQ(a.Finales().Lista(), mealy.cadenas);
    } else {
      AlgoritmoKC(a, caso.k, TModoInferencia::Mealy);
    }
    EXPECT_EQ(a.Bloques(), caso.bloques);
  }
}

// Random samples: the indexed algorithms give exactly the oracle's partition, which covers
// the states once and accepts every training example; KC's result is deterministic.
TEST(AlgoritmoKR, RandomSamplesMatchTheStepByStepOracle) {
  std::mt19937 azar(20240611);
  for (int vuelta = 0; vuelta < 300; ++vuelta) {
    const int letras = 1 + vuelta % 3;
    const int cuantos = vuelta % 10 == 9 ? 40 : 1 + vuelta % 12;
    const TLista muestra = referencia::MuestraAleatoria(azar, cuantos, 1 + vuelta % 7, letras);
    for (int k = 0; k <= 3; ++k) {
      SCOPED_TRACE("vuelta " + std::to_string(vuelta) + " k=" + std::to_string(k));
      TAutomata kr = KR(muestra, k);
      EXPECT_EQ(kr.Bloques(), KRReferencia(muestra, k).Bloques());
      TLista sinMarca;
      for (const auto& e : kr.Estados())
        if (e.find('$') == std::string::npos) sinMarca.push_back(e);
      EsParticion(kr.Bloques(), sinMarca);

      TAutomata kc = KC(muestra, k);
      const TAutomata kcRef = KCReferencia(muestra, k);
      EXPECT_EQ(kc.Bloques(), kcRef.Bloques());
      EXPECT_EQ(kc.Estados().Lista(), kcRef.Estados().Lista());
      EsParticion(kc.Bloques(), TAutomata(muestra).Estados());
      EXPECT_TRUE(EsDeterminista(kc));

      const TFuncion fkr(kr);
      const TFuncion fkc(kc);
      for (const auto& ejemplo : muestra) {
        EXPECT_TRUE(CadenaAceptada(ejemplo, fkr, kr.Alfabeto())) << ejemplo;
        EXPECT_TRUE(CadenaAceptada(ejemplo, fkc, kc.Alfabeto())) << ejemplo;
      }
    }
  }
}

// Renaming a symbol to "-", the text the tables show for no transition, changes nothing
// but the names: the same blocks, and the quotient accepts the same strings.
TEST(AlgoritmoKR, RenamingASymbolToADashChangesOnlyNames) {
  const auto renombrar = [](std::string texto, char simbolo) {
    std::replace(texto.begin(), texto.end(), simbolo, '-');
    return texto;
  };
  const auto renombrarLista = [&](TLista lista, char simbolo) {
    for (auto& item : lista) item = renombrar(item, simbolo);
    return lista;
  };
  std::mt19937 azar(20261208);
  for (int vuelta = 0; vuelta < 120; ++vuelta) {
    const int letras = 1 + vuelta % 3;
    const char simbolo = static_cast<char>('a' + vuelta / 3 % letras);
    const TLista muestra = referencia::MuestraAleatoria(azar, 1 + vuelta % 9, 1 + vuelta % 5, letras);
    const TLista renombrada = renombrarLista(muestra, simbolo);
    TLista pruebas = referencia::MuestraAleatoria(azar, 30, 6, letras);
    pruebas.insert(pruebas.end(), muestra.begin(), muestra.end());
    for (int k = 0; k <= 2; ++k) {
      SCOPED_TRACE("vuelta " + std::to_string(vuelta) + " k=" + std::to_string(k));
      for (const char algoritmo : {'R', 'C'}) {
        const TAutomata original = algoritmo == 'R' ? KR(muestra, k) : KC(muestra, k);
        const TAutomata otra = algoritmo == 'R' ? KR(renombrada, k) : KC(renombrada, k);
        TParticion esperados;
        for (const auto& bloque : original.Bloques()) esperados.push_back(renombrarLista(bloque, simbolo));
        ASSERT_EQ(otra.Bloques(), esperados) << algoritmo;
        const TFuncion f(original);
        const TFuncion g(otra);
        for (const auto& cadena : pruebas)
          ASSERT_EQ(CadenaAceptada(renombrar(cadena, simbolo), g, otra.Alfabeto()),
                    CadenaAceptada(cadena, f, original.Alfabeto()))
              << algoritmo << " " << cadena;
      }
    }
  }
}

// Random situation/action samples: the oracle counts k pair symbols; with one-digit pairs
// (four characters each) that is counting 4k characters, as in single-character mode.
TEST(AlgoritmoKR, RandomMealySamplesMatchTheOracle) {
  std::mt19937 azar(7);
  const TLista unDigito{"S1A1", "S1A2", "S2A1", "S3A3"};
  const TLista variosDigitos{"S1A1", "S2A11", "S12A11", "S1A12", "S12A1"};
  for (int vuelta = 0; vuelta < 120; ++vuelta) {
    const bool cortos = vuelta % 2 == 0;
    const TLista& pares = cortos ? unDigito : variosDigitos;
    std::uniform_int_distribution<std::size_t> par(0, pares.size() - 1);
    std::vector<std::vector<std::string>> secuencias(1 + vuelta / 2 % 5);
    for (auto& s : secuencias)
      for (int n = 1 + static_cast<int>(azar() % 4); n > 0; --n) s.push_back(pares[par(azar)]);
    const auto mealy = referencia::Mealy(secuencias);
    for (int k = 0; k <= 2; ++k) {
      SCOPED_TRACE("vuelta " + std::to_string(vuelta) + " k=" + std::to_string(k));
      TAutomata rapido = mealy.Construir(true);
      TAutomata lento = mealy.Construir(true);
      AlgoritmoKR(rapido, k, TModoInferencia::Mealy, mealy.cadenas);
      referencia::KR(lento, k, TModoInferencia::Mealy, mealy.cadenas);
      EXPECT_EQ(rapido.Bloques(), lento.Bloques());
      TAutomata kc = mealy.Construir(false);
      TAutomata kcRef = mealy.Construir(false);
      AlgoritmoKC(kc, k, TModoInferencia::Mealy);
      referencia::KC(kcRef, k, TModoInferencia::Mealy);
      EXPECT_EQ(kc.Bloques(), kcRef.Bloques());
      if (!cortos) continue;
      TAutomata porCaracteres = mealy.Construir(true);
      AlgoritmoKR(porCaracteres, 4 * k, TModoInferencia::Silencioso, mealy.cadenas);
      EXPECT_EQ(rapido.Bloques(), porCaracteres.Bloques());
      porCaracteres = mealy.Construir(false);
      AlgoritmoKC(porCaracteres, 4 * k, TModoInferencia::Silencioso);
      EXPECT_EQ(kc.Bloques(), porCaracteres.Bloques());
    }
  }
}

// Names in mixed letter case never come from a sample (samples are lowercased), but KR
// and KC must then still merge as the text-list form does.
TEST(AlgoritmoKR, NamesInMixedCaseFollowTheTextListForm) {
  for (const TLista& muestra : {TLista{"aB", "b", "Ab"}, TLista{"Ab", "ab"}, TLista{"xAb", "Ab", "b", "aB"}}) {
    for (int k = 0; k <= 2; ++k) {
      EXPECT_EQ(KR(muestra, k).Bloques(), KRReferencia(muestra, k).Bloques()) << muestra[0] << " k=" << k;
      TAutomata a(muestra);
      TAutomata r(muestra);
      AlgoritmoKC(a, k, TModoInferencia::Silencioso);
      referencia::KCListas(r, k, TModoInferencia::Silencioso);
      EXPECT_EQ(a.Bloques(), r.Bloques()) << muestra[0] << " k=" << k;
    }
  }
}

}  // namespace
