// The search for k against a negative sample: its answer is the first k whose oracle result
// rejects every negative example, also when a negative example repeats a positive one.
#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "Referencia.h"
#include "app/muestras/Muestra.h"
#include "core/Automata.h"
#include "core/Texto.h"
#include "inference/AlgoritmoKR.h"
#include "inference/BusquedaK.h"

namespace {

// The first k in 0..cota whose step-by-step KR or KC result rejects all of `negativa`.
std::optional<int> PrimerKReferencia(TAlgoritmoK algoritmo, const TLista& positiva, const TLista& negativa,
                                     int cota) {
  for (int k = 0; k <= cota; ++k) {
    TAutomata a(algoritmo == TAlgoritmoK::KR ? MarcarMuestra(positiva) : positiva);
    if (algoritmo == TAlgoritmoK::KR)
      referencia::KR(a, k, TModoInferencia::Silencioso, positiva);
    else
      referencia::KC(a, k, TModoInferencia::Silencioso);
    if (RechazaTodos(a, negativa)) return k;
  }
  return std::nullopt;
}

// Negative samples that hold a positive example as it is (no k can reject it), or in upper
// case (which the result's alphabet may still reject), or neither.
TEST(BusquedaK, RandomSamplesFindTheOraclesFirstKAndNoneWhenANegativeIsPositive) {
  std::mt19937 azar(1414);
  int sinSolucion = 0, conSolucion = 0;
  for (int vuelta = 0; vuelta < 120; ++vuelta) {
    const TLista positiva = referencia::MuestraAleatoria(azar, 2 + vuelta % 6, 1 + vuelta % 5, 1 + vuelta % 3);
    TLista negativa = referencia::MuestraAleatoria(azar, 1 + vuelta % 4, 1 + vuelta % 6, 1 + vuelta % 3, false);
    const std::string& repetido = positiva[static_cast<std::size_t>(vuelta) % positiva.size()];
    if (vuelta % 3 == 0) negativa.insert(negativa.begin() + vuelta % 2, repetido);
    if (vuelta % 3 == 1) negativa.push_back(AMayusculas(repetido));
    const int cota = static_cast<int>(LongitudMaxima(positiva));
    for (const TAlgoritmoK algoritmo : {TAlgoritmoK::KR, TAlgoritmoK::KC}) {
      SCOPED_TRACE("vuelta " + std::to_string(vuelta) + " " + static_cast<char>(algoritmo));
      const auto esperado = PrimerKReferencia(algoritmo, positiva, negativa, cota);
      const auto solucion = BuscarKNegativo(algoritmo, positiva, negativa, cota);
      ASSERT_EQ(solucion.has_value(), esperado.has_value());
      if (vuelta % 3 == 0) {
        EXPECT_FALSE(solucion.has_value());
      }
      if (solucion) {
        EXPECT_EQ(solucion->k, *esperado);
        ++conSolucion;
      } else {
        ++sinSolucion;
      }
    }
  }
  EXPECT_GT(conSolucion, 40);
  EXPECT_GT(sinSolucion, 80);
}

// One example of 3,000 characters, also negative: the search answers without the 3,001 runs
// of the acceptor it would otherwise need.
TEST(BusquedaK, ALongNegativeExampleThatIsPositiveEndsTheSearchAtOnce) {
  std::mt19937 azar(7);
  std::string ejemplo;
  for (int i = 0; i < 3000; ++i) ejemplo += static_cast<char>('a' + azar() % 2);
  const TLista positiva{"ab", ejemplo};
  for (const TAlgoritmoK algoritmo : {TAlgoritmoK::KR, TAlgoritmoK::KC}) {
    EXPECT_FALSE(BuscarKNegativo(algoritmo, positiva, {"zz", positiva[0]}, 3000)) << static_cast<char>(algoritmo);
  }
}

}  // namespace
