// PasoAPaso: the steps replayed from a trace end in the result's partition, one block fewer
// each, and every cause reads as its sentence.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "app/PasoAPaso.h"
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

TEST(PasoAPaso, CausesReadAsSentencesFromTheirData) {
  const auto causa = [](TReglaFusion regla) {
    TCausaFusion c;
    c.Regla = regla;
    return c;
  };
  TCausaFusion sucesor = causa(TReglaFusion::Sucesor);
  sucesor.Simbolo = "b";
  sucesor.Origen1 = "a";
  sucesor.Origen2 = "aa";
  TCausaFusion predecesor = causa(TReglaFusion::Predecesor);
  predecesor.Simbolo = " ";  // a blank symbol is quoted like any other
  predecesor.Sufijo = "&";
  predecesor.Origen1 = "b ";
  predecesor.Origen2 = "ab ";
  TCausaFusion sufijo = causa(TReglaFusion::Sufijo);
  sufijo.Sufijo = "b";
  TCausaFusion levine = causa(TReglaFusion::Levine);
  levine.Fuerza = "2";
  levine.Cota = "1";
  TCausaFusion ksufijos = causa(TReglaFusion::KSufijos);
  ksufijos.K = 1;
  // the blocks before the merge: q2 = { a, aa }, q3 = { ab }, q5 = { aab }; others unknown
  const auto bloque = [](const std::string& estado) -> std::string {
    if (estado == "a" || estado == "aa") return "q2 = { a, aa }";
    if (estado == "ab") return "q3 = { ab }";
    if (estado == "aab") return "q5 = { aab }";
    return "";
  };
  const struct {
    const char* nombre;
    TFusionTrazada fusion;
    std::string frase;
  } casos[] = {
      {"final", {"b$", "ab$", "", causa(TReglaFusion::Final)}, "b$ y ab$: b$ y ab$ son ejemplos de la muestra"},
      {"forward rule names the block of both predecessors",
       {"ab", "aab", "", sucesor},
       "q3 = { ab } y q5 = { aab }: ab y aab son los sucesores por 'b' de a y aa, que ya est\xE1n en un mismo "
       "bloque, q2 = { a, aa }, y deben unirse"},
      {"backward rule by a blank",
       {"b", "ab", "", predecesor},
       "b y q3 = { ab }: b y ab llevan por ' ' a b  y ab  y terminan en el mismo sufijo '&' (k = 2): deben unirse"},
      {"KC suffix", {"ab", "aab", "", sufijo}, "q3 = { ab } y q5 = { aab }: ab y aab terminan en el mismo sufijo 'b' (k = 2)"},
      {"Levine", {"a", "ab", "", levine}, "q2 = { a, aa } y q3 = { ab }: la fuerza de a y ab (2) alcanza la cota 1"},
      {"k-tails", {"a", "ab", "", ksufijos}, "q2 = { a, aa } y q3 = { ab }: a y ab tienen las mismas k-colas (k = 1)"},
      {"text only", {"a", "ab", "", CausaDeTexto("otra cosa")}, "q2 = { a, aa } y q3 = { ab }: otra cosa"},
  };
  for (const auto& caso : casos) EXPECT_EQ(FraseDeCausa(caso.fusion, 2, bloque), caso.frase) << caso.nombre;
  EXPECT_EQ(TextoBloque(2, {"", "a"}), "q2 = { &, a }");
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
