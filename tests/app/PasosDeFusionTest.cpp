// PasoAPaso: the steps replayed from a trace end in the result's partition, one block fewer
// each, and every cause reads as its sentence.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "app/pasos/PasosDeFusion.h"
#include "core/Automata.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/ModoInferencia.h"

namespace {

std::set<std::set<std::string>> Conjuntos(const TParticion& bloques) {
  std::set<std::set<std::string>> conjuntos;
  for (const auto& b : bloques) conjuntos.insert(std::set<std::string>(b.begin(), b.end()));
  return conjuntos;
}

TLista Muestra(std::mt19937& azar) {
  std::uniform_int_distribution<int> largo(0, 5), letra(0, 1), cuantos(1, 8);
  TLista muestra;
  for (int n = cuantos(azar); n > 0; --n) {
    std::string e;
    for (int l = largo(azar); l > 0; --l) e += static_cast<char>('a' + letra(azar));
    if (std::find(muestra.begin(), muestra.end(), e) == muestra.end()) muestra.push_back(e);
  }
  return muestra;
}

}  // namespace

TEST(PasoAPaso, StepsEndInTheResultOneBlockFewerEach) {
  std::mt19937 azar(42);
  for (int vuelta = 0; vuelta < 80; ++vuelta) {
    const TLista muestra = Muestra(azar);
    const int k = vuelta % 3;
    SCOPED_TRACE("vuelta " + std::to_string(vuelta));
    for (const bool kr : {true, false}) {
      TAutomata automata(kr ? MarcarMuestra(muestra) : muestra);
      const TLista estados = automata.Estados().Lista();
      TTrazaFusiones traza;
      if (kr)
        AlgoritmoKR(automata, k, TModoInferencia::Silencioso, muestra, &traza);
      else
        AlgoritmoKC(automata, k, TModoInferencia::Silencioso, &traza);
      const auto pasos = PasosDeTraza(estados, traza.Pasos, k);
      ASSERT_EQ(pasos.size(), traza.Pasos.size() + 1);
      for (std::size_t i = 0; i < pasos.size(); ++i)
        EXPECT_EQ(pasos[i].Particion.size(), estados.size() - i);
      TParticion ultima = pasos.back().Particion;
      // KR's result leaves out the block of the marked examples
      std::erase_if(ultima, [](const TLista& b) { return b.front().ends_with(kMarcaFinal); });
      EXPECT_EQ(Conjuntos(ultima), Conjuntos(automata.Bloques()));
    }
  }
}

TEST(PasoAPaso, CausesReadAsSentences) {
  const struct {
    TFusionTrazada fusion;
    std::string frase;
  } casos[] = {
      {{"b$", "ab$", "final"}, "b$ y ab$ son ejemplos de la muestra"},
      {{"b", "ab", "sucesor a"}, "los sucesores por 'a' de un mismo bloque deben unirse"},
      {{"a", "ba", "predecesor b ab"}, "predecesores por 'b' con el mismo sufijo 'ab' (k = 2)"},
      {{"ab", "bb", "sufijo b"}, "ab y bb terminan en el mismo sufijo 'b' (k = 2)"},
      {{"a", "ab", "levine 2 1"}, "la fuerza de a y ab (2) alcanza la cota 1 (Levine)"},
      {{"a", "ab", "k-sufijos 1"}, "a y ab tienen las mismas k-colas (k = 1)"},
      {{"a", "ab", "otra cosa"}, "otra cosa"},
  };
  for (const auto& caso : casos) EXPECT_EQ(FraseDeCausa(caso.fusion, 2), caso.frase);
}

TEST(PasoAPaso, UnknownOrJoinedStatesLeaveThePartition) {
  const auto pasos = PasosDeTraza({"", "a", "b"}, {{"a", "b", "final"}, {"b", "a", "final"}, {"x", "a", "final"}}, 0);
  ASSERT_EQ(pasos.size(), 4u);
  EXPECT_EQ(pasos[1].Particion, (TParticion{{""}, {"a", "b"}}));
  EXPECT_EQ(pasos[2].Particion, pasos[1].Particion);
  EXPECT_EQ(pasos[3].Particion, pasos[1].Particion);
  TAutomata aceptor({"a", "b"});
  EXPECT_EQ(CocienteDePaso(aceptor, pasos[1]).Bloques(), pasos[1].Particion);
}
