// The merge traces of KR, KC and IM1: the same effective merges, in the same order and with
// the same causes, as the step-by-step oracle, and a replay that builds the result.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "Referencia.h"
#include "core/Automata.h"
#include "inference/AlgoritmoIM1.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/ObservadorFusiones.h"

void PrintTo(const TFusionTrazada& f, std::ostream* os) { *os << f.Primero << "|" << f.Segundo << "|" << f.Causa; }

namespace {

using TConjuntos = std::set<std::set<std::string>>;

std::string Nombre(const std::string& enTraza) { return enTraza == kPalabraVaciaTraza ? "" : enTraza; }

// Replays a trace over the singletons of `estados`: each step must join two different blocks.
TConjuntos Reproducir(const TLista& estados, const std::vector<TFusionTrazada>& pasos) {
  std::map<std::string, int> bloqueDe;
  for (std::size_t i = 0; i < estados.size(); ++i) bloqueDe[estados[i]] = static_cast<int>(i);
  for (const auto& paso : pasos) {
    const int b1 = bloqueDe.at(Nombre(paso.Primero));
    const int b2 = bloqueDe.at(Nombre(paso.Segundo));
    EXPECT_NE(b1, b2) << paso.Primero << " " << paso.Segundo << " " << paso.Causa;
    for (auto& [estado, bloque] : bloqueDe)
      if (bloque == b2) bloque = b1;
  }
  std::map<int, std::set<std::string>> bloques;
  for (const auto& [estado, bloque] : bloqueDe) bloques[bloque].insert(estado);
  TConjuntos conjuntos;
  for (auto& [bloque, miembros] : bloques) conjuntos.insert(miembros);
  return conjuntos;
}

TConjuntos Conjuntos(const TParticion& bloques) {
  TConjuntos conjuntos;
  for (const auto& b : bloques) conjuntos.insert(std::set<std::string>(b.begin(), b.end()));
  return conjuntos;
}

// KR's result lacks the block of the marked examples: drop it from a replay.
TConjuntos SinBloqueMarcado(TConjuntos conjuntos) {
  std::erase_if(conjuntos, [](const std::set<std::string>& b) {
    return std::any_of(b.begin(), b.end(), [](const std::string& e) { return e.ends_with(kMarcaFinal); });
  });
  return conjuntos;
}

// Runs KR and KC on fresh acceptors from `nuevo(marcado)` with a trace and checks the trace
// against the oracle's and the replay against the result.
template <typename FNuevo>
void CompararTrazas(const FNuevo& nuevo, int k, TModoInferencia modo, const TLista& muestra) {
  {
    TAutomata a = nuevo(true);
    const TLista estados = a.Estados().Lista();
    TAutomata r = nuevo(true);
    TTrazaFusiones traza;
    std::vector<TFusionTrazada> esperada;
    AlgoritmoKR(a, k, modo, muestra, &traza);
    referencia::KR(r, k, modo, muestra, &esperada);
    EXPECT_EQ(traza.Pasos, esperada);
    EXPECT_EQ(SinBloqueMarcado(Reproducir(estados, traza.Pasos)), Conjuntos(a.Bloques()));
  }
  {
    TAutomata a = nuevo(false);
    const TLista estados = a.Estados().Lista();
    TAutomata r = nuevo(false);
    TTrazaFusiones traza;
    std::vector<TFusionTrazada> esperada;
    AlgoritmoKC(a, k, modo, &traza);
    referencia::KC(r, k, modo, &esperada);
    EXPECT_EQ(traza.Pasos, esperada);
    EXPECT_EQ(Reproducir(estados, traza.Pasos), Conjuntos(a.Bloques()));
  }
}

}  // namespace

TEST(TrazaFusiones, KRAndKCFollowTheOracleOnRandomSamples) {
  std::mt19937 azar(20261208);
  for (int vuelta = 0; vuelta < 200; ++vuelta) {
    const TLista muestra =
        referencia::MuestraAleatoria(azar, vuelta % 10 == 9 ? 30 : 1 + vuelta % 12, 1 + vuelta % 6, 1 + vuelta % 3);
    const auto nuevo = [&](bool marcado) { return TAutomata(marcado ? MarcarMuestra(muestra) : muestra); };
    for (int k = 0; k <= 3; ++k) {
      SCOPED_TRACE("vuelta " + std::to_string(vuelta) + " k=" + std::to_string(k));
      CompararTrazas(nuevo, k, TModoInferencia::Silencioso, muestra);
    }
  }
}

TEST(TrazaFusiones, PairSymbolTracesFollowTheOracle) {
  std::mt19937 azar(13);
  const TLista pares{"S1A1", "S2A11", "S12A11", "S1A12"};
  for (int vuelta = 0; vuelta < 60; ++vuelta) {
    std::uniform_int_distribution<std::size_t> par(0, pares.size() - 1);
    std::vector<std::vector<std::string>> secuencias(1 + vuelta / 2 % 5);
    for (auto& s : secuencias)
      for (int n = 1 + static_cast<int>(azar() % 4); n > 0; --n) s.push_back(pares[par(azar)]);
    const auto mealy = referencia::Mealy(secuencias);
    for (int k = 0; k <= 2; ++k) {
      SCOPED_TRACE("vuelta " + std::to_string(vuelta) + " k=" + std::to_string(k));
      CompararTrazas([&](bool marcado) { return mealy.Construir(marcado); }, k, TModoInferencia::Mealy, mealy.cadenas);
    }
  }
}

// The causes as written, on a sample small enough to follow by hand.
TEST(TrazaFusiones, CausesNameTheRuleTheSymbolAndTheSuffix) {
  TAutomata kr(MarcarMuestra({"b", "ab"}));
  TTrazaFusiones traza;
  AlgoritmoKR(kr, 0, TModoInferencia::Silencioso, {"b", "ab"}, &traza);
  const std::vector<TFusionTrazada> esperada{
      {"b$", "ab$", "final"}, {"b", "ab", "predecesor $ &"}, {"&", "a", "predecesor b &"}};
  EXPECT_EQ(traza.Pasos, esperada);

  TAutomata kc({"ab", "bb"});
  traza.Pasos.clear();
  AlgoritmoKC(kc, 1, TModoInferencia::Silencioso, &traza);
  const std::vector<TFusionTrazada> esperadaKC{{"ab", "b", "sufijo b"}, {"ab", "bb", "sufijo b"}};
  EXPECT_EQ(traza.Pasos, esperadaKC);
}

// IM1: every heuristic's trace replays to its result, one step per block fewer.
TEST(TrazaFusiones, IM1TracesBuildTheResult) {
  std::mt19937 azar(5);
  for (int vuelta = 0; vuelta < 60; ++vuelta) {
    const TLista muestra = referencia::MuestraAleatoria(azar, 1 + vuelta % 8, 1 + vuelta % 5, 1 + vuelta % 3, false);
    TAutomata automata(muestra);
    const auto datos = CalcularDatosStren(automata, 5);
    for (const TParametrosIM1& parametros : {TParametrosIM1{THeuristico::Levine, 2, ObtenerCotaMenor(*datos->Cotas)},
                                            TParametrosIM1{THeuristico::Miclet, 2, ObtenerCotaMenor(*datos->Cotas)},
                                            TParametrosIM1{THeuristico::K_Sufijos, 1 + vuelta % 2, {}}}) {
      SCOPED_TRACE("vuelta " + std::to_string(vuelta) + " " + static_cast<char>(parametros.Heuristico));
      TTrazaFusiones traza;
      AlgoritmoIM1(automata, parametros, datos->Tabla.get(), &traza);
      EXPECT_EQ(Reproducir(automata.Estados().Lista(), traza.Pasos), Conjuntos(automata.Bloques()));
      EXPECT_EQ(traza.Pasos.size() + automata.Bloques().size(), automata.Estados().size());
      for (const auto& paso : traza.Pasos) EXPECT_FALSE(paso.Causa.empty());
    }
  }
}
