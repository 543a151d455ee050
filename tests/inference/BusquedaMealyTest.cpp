// SKR and SKC without windows: reading and refusing samples, the consistency test, and
// the search step for each k on the two-sequence sample and on seeded random samples.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "app/comandos/ComandosMealy.h"
#include "app/muestras/LecturaMealy.h"
#include "core/Texto.h"
#include "inference/mealy/BusquedaMealy.h"

namespace {

const TLista kEjemplo = {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""};

struct TBusquedaDe {
  TLista cadenas;
  TLecturaMealy lectura;
  std::unique_ptr<TBusquedaMealy> busqueda;

  TBusquedaDe(TAlgoritmoMealy algoritmo, const TLista& muestra)
      : lectura(LeerModeloMealy(algoritmo, muestra, cadenas)) {
    if (lectura.modelo) busqueda = std::make_unique<TBusquedaMealy>(algoritmo, *lectura.modelo, cadenas);
  }
};

TEST(BusquedaMealy, SkrOnTheTwoSequenceSample) {
  TBusquedaDe b(TAlgoritmoMealy::SKR, kEjemplo);
  ASSERT_TRUE(b.busqueda);
  EXPECT_EQ(b.busqueda->Maximo(), 2);
  EXPECT_EQ(b.busqueda->Grupos(), (std::vector<TLista>{{"S2A2", "S2A3"}}));
  EXPECT_EQ(CaptionResultadoMealy(b.busqueda->Algoritmo(), 0), "M\xE1quina Mealy Resultado SKR  K= 0");

  const TPasoMealy k0 = b.busqueda->Paso(0);
  ASSERT_TRUE(k0.Consistente());
  EXPECT_EQ(k0.automata->Bloques(), (TParticion{{""}, {"S1A1"}, {"S1A1S2A2", "S1A1S2A3"}}));
  EXPECT_EQ(k0.maquina->Alfabeto(), (TLista{"S1A1", "S2A2", "S2A3"}));
  EXPECT_EQ(k0.maquina->DestinosMealy(1, "S2A2"), "q2");
  EXPECT_EQ(k0.maquina->DestinosMealy(1, "S2A3"), "q2");

  for (int k : {1, 2}) {
    const TPasoMealy paso = b.busqueda->Paso(k);
    EXPECT_FALSE(paso.Consistente()) << k;
    EXPECT_EQ(paso.automata->Bloques(), (TParticion{{""}, {"S1A1"}, {"S1A1S2A2"}, {"S1A1S2A3"}})) << k;
  }
}

TEST(BusquedaMealy, SkcOnTheTwoSequenceSample) {
  TBusquedaDe b(TAlgoritmoMealy::SKC, kEjemplo);
  ASSERT_TRUE(b.busqueda);
  EXPECT_EQ(b.lectura.modelo->Pares(), (TLista{"S1A1", "S2A2", "S2A3"}));  // no "$" for SKC
  EXPECT_EQ(CaptionResultadoMealy(b.busqueda->Algoritmo(), 0), "M\xE1quina Mealy Resultado SKC  K= 0");

  const TPasoMealy k0 = b.busqueda->Paso(0);
  ASSERT_TRUE(k0.Consistente());
  ASSERT_EQ(k0.automata->Bloques().size(), 1u);
  EXPECT_EQ(k0.maquina->TextoEstadoInicial(), "q0");
  EXPECT_EQ(k0.maquina->TextoEstadosFinales(), "  q0");
  for (const char* par : {"S1A1", "S2A2", "S2A3"}) EXPECT_EQ(k0.maquina->DestinosMealy(0, par), "q0");

  for (int k : {1, 2}) {
    const TPasoMealy paso = b.busqueda->Paso(k);
    EXPECT_FALSE(paso.Consistente()) << k;
    EXPECT_EQ(paso.automata->Bloques(), (TParticion{{""}, {"S1A1"}, {"S1A1S2A2"}, {"S1A1S2A3"}})) << k;
  }
}

// k counts pair symbols, whatever their number of digits: S2/A11 and S12/A11 end in the
// same four characters, yet their last pairs differ, so k = 1 keeps them apart.
TEST(BusquedaMealy, KCountsPairSymbolsOfAnyLength) {
  const struct {
    TAlgoritmoMealy algoritmo;
    TLista muestra;
    TParticion bloques;
  } casos[] = {
      {TAlgoritmoMealy::SKC,
       {"S1/A1", "S2/A11", "S3/A1", "", "S5/A1", "S12/A11", "S4/A1", ""},
       {{""}, {"S1A1"}, {"S1A1S2A11"}, {"S1A1S2A11S3A1"}, {"S5A1"}, {"S5A1S12A11"}, {"S5A1S12A11S4A1"}}},
      {TAlgoritmoMealy::SKR,
       {"S2/A11", "S3/A1", "", "S12/A11", "S3/A1", ""},
       {{""}, {"S2A11"}, {"S12A11"}, {"S2A11S3A1", "S12A11S3A1"}}},
  };
  for (const auto& caso : casos) {
    TBusquedaDe b(caso.algoritmo, caso.muestra);
    ASSERT_TRUE(b.busqueda);
    const TPasoMealy k1 = b.busqueda->Paso(1);
    EXPECT_EQ(k1.automata->Bloques(), caso.bloques) << NombreAlgoritmoMealy(caso.algoritmo);
    EXPECT_TRUE(k1.Consistente()) << NombreAlgoritmoMealy(caso.algoritmo);
  }
}

TEST(BusquedaMealy, MessagesOfTheSearch) {
  EXPECT_EQ(MensajeSinSolucionMealy(1), "No se encontr\xF3 soluci\xF3n para K= 1");
  EXPECT_EQ(std::string(kMuestraNoValida), "Muestra No v\xE1lida");
}

TEST(BusquedaMealy, RefusedSamplesLeaveOrChangeTheSequencesAsStated) {
  TLista cadenas = {"earlier"};
  TLecturaMealy mala = LeerModeloMealy(TAlgoritmoMealy::SKR, {"S1/A1", "S1", ""}, cadenas);
  EXPECT_FALSE(mala.modelo);
  EXPECT_NE(mala.error.find("l\xEDnea 2"), std::string::npos) << mala.error;
  EXPECT_EQ(cadenas, (TLista{"earlier"}));

  TLecturaMealy abierta = LeerModeloMealy(TAlgoritmoMealy::SKC, {"S1/A1", "S2/A2"}, cadenas);
  EXPECT_FALSE(abierta.modelo);
  EXPECT_EQ(abierta.error, "Muestra No v\xE1lida");
  EXPECT_TRUE(cadenas.empty());
}

TEST(BusquedaMealy, WithoutConflictGroupsEveryKIsConsistent) {
  TBusquedaDe b(TAlgoritmoMealy::SKR, {"S1/A1", "S2/A2", "", "S2/A2", "S1/A1", ""});
  ASSERT_TRUE(b.busqueda);
  EXPECT_TRUE(b.busqueda->Grupos().empty());
  for (int k = 0; k <= b.busqueda->Maximo(); ++k) EXPECT_TRUE(b.busqueda->Paso(k).Consistente()) << k;
}

TEST(BusquedaMealy, UpperBoundCountsNullPairs) {
  TBusquedaDe b(TAlgoritmoMealy::SKR, {"S0/A0", "S1/A1", ""});
  ASSERT_TRUE(b.busqueda);
  EXPECT_EQ(b.busqueda->Maximo(), 2);
  EXPECT_TRUE(b.busqueda->Paso(2).Consistente());
}

TEST(BusquedaMealy, DestinosDeGrupoCountsEachTargetOnce) {
  TBusquedaDe b(TAlgoritmoMealy::SKC, {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", "", "S3/A3", "S2/A2", ""});
  const TPasoMealy paso = b.busqueda->Paso(1);
  const TFuncion& f = *paso.funcion;
  // From the block of S1A1, S2A2 and S2A3 go to two blocks; from the initial block neither
  // pair has a transition.
  const TLista bloqueS1 = f.BloqueDeEstado("S1A1");
  EXPECT_EQ(DestinosDeGrupo({"S2A2", "S2A3"}, bloqueS1, f).size(), 2u);
  EXPECT_TRUE(DestinosDeGrupo({"S2A2", "S2A3"}, f.BloqueDeEstado(""), f).empty());
  // Only one of the two pairs leaves the block of S3A3: that passes.
  EXPECT_EQ(DestinosDeGrupo({"S2A2", "S2A3"}, f.BloqueDeEstado("S3A3"), f).size(), 1u);
  EXPECT_FALSE(ConsistenciaMealy({{"S2A2", "S2A3"}}, f));
  EXPECT_TRUE(ConsistenciaMealy({}, f));
}

// Seeded random samples: every k of both searches gives a partition of the acceptor's
// sequence prefixes, and each consistent machine reads every sequence from its initial
// state, one target per step, to a final state.
TEST(BusquedaMealy, RandomSamplesGivePartitionsAndMachinesThatReadTheirSequences) {
  std::mt19937 azar(7);
  for (int ronda = 0; ronda < 12; ++ronda) {
    TLista muestra;
    std::uniform_int_distribution<int> largo(1, 5), d(1, 3);
    const int secuencias = 1 + ronda % 6;
    for (int s = 0; s < secuencias; ++s) {
      const int n = largo(azar);
      for (int i = 0; i < n; ++i) muestra.push_back("S" + std::to_string(d(azar)) + "/A" + std::to_string(d(azar)));
      muestra.push_back("");
    }
    for (TAlgoritmoMealy algoritmo : {TAlgoritmoMealy::SKR, TAlgoritmoMealy::SKC}) {
      TBusquedaDe b(algoritmo, muestra);
      ASSERT_TRUE(b.busqueda);
      for (int k = 0; k <= b.busqueda->Maximo(); ++k) {
        const TPasoMealy paso = b.busqueda->Paso(k);
        std::set<std::string> vistos;
        for (const auto& bloque : paso.automata->Bloques())
          for (const auto& estado : bloque) {
            EXPECT_TRUE(vistos.insert(AMinusculas(estado)).second) << "state twice: " << estado;
            EXPECT_EQ(estado.find('$'), std::string::npos);
          }
        if (!paso.Consistente()) continue;
        const TMaquinaMealy& m = *paso.maquina;
        for (const auto& cadena : b.cadenas) {
          std::size_t actual = std::stoul(m.TextoEstadoInicial().substr(1));
          for (std::size_t i = 0; i < cadena.size(); i += 4) {
            const std::string destino = m.DestinosMealy(actual, cadena.substr(i, 4));
            ASSERT_EQ(destino.rfind('q'), 0u) << "k=" << k << " " << cadena << " at " << i;
            actual = std::stoul(destino.substr(1));
          }
          EXPECT_NE(m.TextoEstadosFinales().find("  q" + std::to_string(actual)), std::string::npos);
        }
      }
    }
  }
}

}  // namespace
