// What the automaton result window shows of a quotient automaton, and its report.
#include "results/DatosResultado.h"

#include <gtest/gtest.h>

#include "../inference/FuncionReferencia.h"

#include "core/Automata.h"
#include "core/Utilidades.h"
#include "results/Informe.h"

namespace {

TAutomata Cociente(const TLista& muestra, TParticion bloques) {
  TAutomata automata(muestra);
  automata.PonerBloques(std::move(bloques));
  return automata;
}

TEST(DatosResultado, EveryStateAloneShowsThePrefixTree) {
  TAutomata automata(TLista{"ab", "b"});
  automata.PonerBloques(ParticionUnitaria(automata.Estados()));
  const TDatosResultado datos = CalcularDatosResultado(automata);

  EXPECT_EQ(datos.Alfabeto, "{ a, b }");
  EXPECT_EQ(datos.Einicial, "q0 = { & }");
  EXPECT_EQ(datos.Efinales, "  q2 = { ab }  q3 = { b }");
  EXPECT_EQ(datos.Estados, "  q0 = { & }  q1 = { a }  q2 = { ab }  q3 = { b }");
  EXPECT_EQ(datos.BloqueInicial, 0);
  EXPECT_EQ(datos.BloquesFinales, (std::vector<int>{2, 3}));
  EXPECT_TRUE(datos.EsDeterminista());

  ASSERT_EQ(datos.Tabla.Filas(), 5u);
  ASSERT_EQ(datos.Tabla.Columnas(), 3u);
  EXPECT_EQ(datos.Tabla.Celda(0, 1), "a");
  EXPECT_EQ(datos.Tabla.Celda(0, 2), "b");
  EXPECT_EQ(datos.Tabla.Celda(1, 0), " q0");
  EXPECT_EQ(datos.Tabla.Celda(4, 0), " q3");
  EXPECT_EQ(datos.Tabla.Celda(1, 1), "q1 ");
  EXPECT_EQ(datos.Tabla.Celda(1, 2), "q3 ");
  EXPECT_EQ(datos.Tabla.Celda(2, 1), "");
  EXPECT_EQ(datos.Tabla.Celda(2, 2), "q2 ");
  EXPECT_EQ(datos.TextosDestino(0, 1), (TLista{"3"}));

  EXPECT_EQ(LineasDeTabla(datos.Tabla, TFormatoTabla::A),
            (TLista{" E/A   a  b", "   q0  q1   q3 ", "   q1   -  q2 ", "   q2   -   -", "   q3   -   -"}));
}

TEST(DatosResultado, InitialBlockNeedNotBeTheFirst) {
  // KR with k = 0 on [ab, b]: {ab, b} first, the initial block second.
  const TDatosResultado datos = CalcularDatosResultado(Cociente({"ab", "b"}, {{"ab", "b"}, {"a", ""}}));
  EXPECT_EQ(datos.BloqueInicial, 1);
  EXPECT_EQ(datos.Einicial, "q1 = { a, & }");
  EXPECT_EQ(datos.Efinales, "  q0 = { ab, b }");
  EXPECT_EQ(datos.Tabla.Celda(2, 1), "q1 ");
  EXPECT_EQ(datos.Tabla.Celda(2, 2), "q0 ");
  EXPECT_TRUE(datos.EsDeterminista());
}

TEST(DatosResultado, TargetsFollowTheOrderOfTheMembersThatLeadThere) {
  // q1 = {b, a}: b·a = ba lies in q3, a·a = aa in q2; the cell lists q3 first.
  const TDatosResultado datos =
      CalcularDatosResultado(Cociente({"aa", "ba"}, {{""}, {"b", "a"}, {"aa"}, {"ba"}}));
  EXPECT_EQ(datos.Tabla.Celda(2, 1), "q3 q2 ");
  EXPECT_EQ(datos.TablaDestinos[1][0], (std::vector<int>{3, 2}));
  EXPECT_FALSE(datos.EsDeterminista());
}

TEST(DatosResultado, EdgeCases) {
  struct Caso {
    const char* nombre;
    TLista muestra;
    TParticion bloques;
    std::size_t columnas;
    std::string efinales;
    bool determinista;
  };
  const Caso casos[] = {
      {"only the empty string", {""}, {{""}}, 1, "  q0 = { & }", true},
      {"no final block", {"ab"}, {{""}, {"a"}}, 3, "", true},
      {"letter case ignored in membership", {"ab"}, {{""}, {"A"}, {"AB"}}, 3, "  q2 = { AB }", true},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const TDatosResultado datos = CalcularDatosResultado(Cociente(caso.muestra, caso.bloques));
    EXPECT_EQ(datos.Tabla.Columnas(), caso.columnas);
    EXPECT_EQ(datos.Tabla.Filas(), caso.bloques.size() + 1);
    EXPECT_EQ(datos.Efinales, caso.efinales);
    EXPECT_EQ(datos.EsDeterminista(), caso.determinista);
  }
  // the case row: "A" then "AB" are found for a and ab
  const TDatosResultado datos = CalcularDatosResultado(Cociente({"ab"}, {{""}, {"A"}, {"AB"}}));
  EXPECT_EQ(datos.Tabla.Celda(1, 1), "q1 ");
  EXPECT_EQ(datos.Tabla.Celda(2, 2), "q2 ");
}

TEST(DatosResultado, ReportHeaderVariants) {
  TAutomata automata(TLista{"ab", "b"});
  automata.PonerBloques(ParticionUnitaria(automata.Estados()));
  const TDatosResultado datos = CalcularDatosResultado(automata);
  const TLista cabecera = CabeceraInformeResultado("T", {"ab", "b"}, nullptr, datos);
  EXPECT_EQ(cabecera, (TLista{"T", "Muestra: { ab, b }", "Alfabeto: { a, b }", "Estado Inicial: q0 = { & }",
                              "Estados Finales:   q2 = { ab }  q3 = { b }",
                              "Conjunto de Estados:   q0 = { & }  q1 = { a }  q2 = { ab }  q3 = { b }",
                              "Funci\xF3n de Transici\xF3n: "}));
  const TLista ejemplos = {"aab", ""};
  const TLista incremental = CabeceraInformeResultado("T", {"ab", "b"}, &ejemplos, datos);
  ASSERT_EQ(incremental.size(), cabecera.size() + 1);
  EXPECT_EQ(incremental[2], "Ejemplos a\xF1" "adidos: { aab, & }");
  EXPECT_EQ(incremental[3], cabecera[2]);
}

}  // namespace
