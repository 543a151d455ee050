// The Mealy machine built from a merged Mealy-mode acceptor: its sets, texts and grid,
// on partitions given by hand so that the machine is checked apart from KR and KC.
#include <gtest/gtest.h>

#include "core/Automata.h"
#include "core/Funcion.h"
#include "inference/mealy/AutomataMealy.h"
#include "inference/mealy/MaquinaMealy.h"

namespace {

// A model, its sequence strings and the acceptor built from them, partitioned by hand
// (without final states when `conFinales` is false).
struct TMontaje {
  TAutomataMealy modelo;
  TLista cadenas;
  std::unique_ptr<TAutomata> automata;

  TMontaje(const TLista& muestra, TParticion bloques, bool conFinales = true) {
    modelo.LeerMuestra(muestra, cadenas);
    automata = std::make_unique<TAutomata>(conFinales ? cadenas : TLista{}, TConstruccion::Mealy, modelo.Tokens(),
                                           modelo.Pares());
    automata->PonerBloques(std::move(bloques));
  }
};

TEST(MaquinaMealy, TwoSequenceExampleWithTheSkrPartitionForKZero) {
  TMontaje m({"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""}, {{""}, {"S1A1"}, {"S1A1S2A2", "S1A1S2A3"}});
  const TFuncion cociente(*m.automata);
  const TMaquinaMealy maquina(*m.automata, m.modelo, cociente);

  EXPECT_EQ(maquina.Situaciones(), (TLista{"S1", "S2"}));
  EXPECT_EQ(maquina.Acciones(), (TLista{"A1", "A2", "A3"}));
  EXPECT_EQ(maquina.EstadoInicial(), (TLista{""}));
  EXPECT_EQ(maquina.Alfabeto(), (TLista{"S1A1", "S2A2", "S2A3"}));
  EXPECT_EQ(maquina.Finales(), (TLista{"S1A1S2A2", "S1A1S2A3"}));
  EXPECT_EQ(maquina.TextoEstadoInicial(), "q0");
  EXPECT_EQ(maquina.TextoEstadosFinales(), "  q2");
  EXPECT_EQ(maquina.TextoEstados(), "  q0  q1  q2");

  const TTablaTexto rejilla = maquina.RejillaMealy();
  ASSERT_EQ(rejilla.Filas(), 4u);
  ASSERT_EQ(rejilla.Columnas(), 4u);
  const std::vector<std::vector<std::string>> esperada = {
      {"S1 / A1", "S1 / A1", "S2 / A2", "S2 / A3"},
      {" q0", "q1", "", ""},
      {" q1", "", "q2", "q2"},
      {" q2", "", "", ""}};
  for (std::size_t f = 0; f < esperada.size(); ++f)
    for (std::size_t c = 0; c < esperada[f].size(); ++c)
      EXPECT_EQ(rejilla.Celda(f, c), esperada[f][c]) << "row " << f << " column " << c;
}

TEST(MaquinaMealy, GridDoesNotDependOnTheOrderOfItsThreeRoutines) {
  TMontaje m({"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""}, {{""}, {"S1A1"}, {"S1A1S2A2", "S1A1S2A3"}});
  const TFuncion cociente(*m.automata);
  const TMaquinaMealy maquina(*m.automata, m.modelo, cociente);
  TTablaTexto otra;
  maquina.MostrarEstadosMealy(otra);
  maquina.MostrarParesEnRejilla(otra);
  maquina.MostrarTransicionesMealy(otra);
  EXPECT_EQ(otra, maquina.RejillaMealy());
}

TEST(MaquinaMealy, InitialStateNotFirstAndNoFinalBlock) {
  // Blocks in another order: the initial block is q1; with no final states nothing is final.
  TMontaje m({"S1/A1", ""}, {{"S1A1"}, {""}}, false);
  const TFuncion cociente(*m.automata);
  const TMaquinaMealy maquina(*m.automata, m.modelo, cociente);
  EXPECT_EQ(maquina.TextoEstadoInicial(), "q1");
  EXPECT_EQ(maquina.TextoEstadosFinales(), "");
  EXPECT_EQ(maquina.DestinosMealy(1, "S1A1"), "q0");
  EXPECT_EQ(maquina.DestinosMealy(0, "S1A1"), "");
}

TEST(MaquinaMealy, EmptySequenceMakesTheInitialBlockFinal) {
  TMontaje m({"S0/A0", "", "S1/A1", ""}, {{""}, {"S1A1"}});
  const TFuncion cociente(*m.automata);
  const TMaquinaMealy maquina(*m.automata, m.modelo, cociente);
  EXPECT_EQ(maquina.TextoEstadosFinales(), "  q0  q1");
}

TEST(MaquinaMealy, PairOnlyAfterTheLastSequenceIsAnEmptyColumn) {
  TMontaje m({"S1/A1", "", "S2/A2"}, {{""}, {"S1A1"}});
  const TFuncion cociente(*m.automata);
  const TMaquinaMealy maquina(*m.automata, m.modelo, cociente);
  const TTablaTexto rejilla = maquina.RejillaMealy();
  ASSERT_EQ(rejilla.Columnas(), 3u);
  EXPECT_EQ(rejilla.Celda(0, 2), "S2 / A2");
  EXPECT_EQ(rejilla.Celda(1, 2), "");
  EXPECT_EQ(rejilla.Celda(2, 2), "");
  EXPECT_EQ(maquina.Situaciones(), (TLista{"S1", "S2"}));
}

TEST(MaquinaMealy, TenOrMoreBlocksKeepTheirNamesApart) {
  // One sequence of twelve pairs, every state alone: q1 leads to q2, q10 to q11, q11 to q12.
  TLista muestra;
  TParticion bloques = {{""}};
  std::string prefijo;
  for (int i = 1; i <= 12; ++i) {
    const std::string n = std::to_string((i - 1) % 9 + 1);  // 1..9, 1, 2, 3: never the null pair
    muestra.push_back("S" + n + "/A" + n);
    prefijo += "S" + n + "A" + n;
    bloques.push_back({prefijo});
  }
  muestra.push_back("");
  TMontaje m(muestra, bloques);
  const TFuncion cociente(*m.automata);
  const TMaquinaMealy maquina(*m.automata, m.modelo, cociente);
  EXPECT_EQ(maquina.DestinosMealy(1, "S2A2"), "q2");
  EXPECT_EQ(maquina.DestinosMealy(10, "S2A2"), "q11");
  EXPECT_EQ(maquina.DestinosMealy(11, "S3A3"), "q12");
  EXPECT_EQ(maquina.DestinosMealy(1, "S3A3"), "");
  EXPECT_EQ(maquina.TextoEstadosFinales(), "  q12");
  const TTablaTexto rejilla = maquina.RejillaMealy();
  EXPECT_EQ(rejilla.Celda(13, 0), " q12");
}

TEST(MaquinaMealy, CellNamesEachTargetOnceInMemberOrder) {
  // A block whose members go to two different blocks names both, first member first.
  TMontaje m({"S1/A1", "S2/A2", "", "S3/A3", "S2/A2", ""},
             {{"S3A3", "S1A1"}, {""}, {"S3A3S2A2"}, {"S1A1S2A2"}});
  const TFuncion cociente(*m.automata);
  const TMaquinaMealy maquina(*m.automata, m.modelo, cociente);
  EXPECT_EQ(maquina.DestinosMealy(0, "S2A2"), "q2q3");
  EXPECT_EQ(maquina.DestinosMealy(1, "S1A1"), "q0");
  EXPECT_EQ(maquina.DestinosMealy(1, "S3A3"), "q0");
}

}  // namespace
