// Umuestra: loading, checking, measuring and showing samples.
#include "app/muestras/Muestra.h"

#include <gtest/gtest.h>

struct CasoCarga {
  const char* nombre;
  TLista lineas;
  TLista esperada;
};

class CargarMuestraCasos : public testing::TestWithParam<CasoCarga> {};

TEST_P(CargarMuestraCasos, LowercasesAndTurnsAmpersandIntoTheEmptyString) {
  TLista destino = {"vieja"};
  CargarMuestra(destino, GetParam().lineas);
  EXPECT_EQ(destino, GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(
    Muestra, CargarMuestraCasos,
    testing::Values(
        CasoCarga{"ejemplo", {"ab", "&", "BA"}, {"ab", "", "ba"}},
        CasoCarga{"acentos", {"\xC1\xD1\x8A\x9F"}, {"\xE1\xF1\x9A\xFF"}},
        CasoCarga{"solo_ampersand_exacto", {"&&", "A&", " &"}, {"&&", "a&", " &"}},
        CasoCarga{"duplicados_se_guardan", {"a", "A", "a"}, {"a", "a", "a"}},
        CasoCarga{"vacia", {}, {}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Muestra, CargarMuestraSAUppercasesAndKeepsBlankLines) {
  TLista destino = {"X"};
  CargarMuestraSA(destino, {"s1/a2", "", "s\xF1/a0"});
  EXPECT_EQ(destino, (TLista{"S1/A2", "", "S\xD1/A0"}));
}

TEST(Muestra, LoadingIntoItselfIsSafe) {
  TLista muestra = {"AB", "&"};
  CargarMuestra(muestra, muestra);
  EXPECT_EQ(muestra, (TLista{"ab", ""}));
}

TEST(Muestra, ValidNeedsLinesAndNoBlankOne) {
  EXPECT_TRUE(MuestraValida({"a"}));
  EXPECT_TRUE(MuestraValida({"&", "a"}));
  EXPECT_FALSE(MuestraValida({}));
  EXPECT_FALSE(MuestraValida({"a", ""}));
  EXPECT_FALSE(MuestraValida({""}));
}

TEST(Muestra, LongitudMaximaCountsCharactersOfTheLongest) {
  EXPECT_EQ(LongitudMaxima({}), 0u);
  EXPECT_EQ(LongitudMaxima({""}), 0u);
  EXPECT_EQ(LongitudMaxima({"ab", "\xF1\xF1\xF1", "a"}), 3u);
}

TEST(Muestra, ViewerWritesTheEmptyStringAsAmpersand) {
  TLista memo = {"anterior"};
  MostrarValoresMuestra({"", "a", "B\xC9"}, memo);
  EXPECT_EQ(memo, (TLista{"&", "a", "b\xE9"}));
  MostrarValoresMuestra({}, memo);
  EXPECT_TRUE(memo.empty());
  MostrarValoresMuestraSA({"s1/a1", "", "s2/a2"}, memo);
  EXPECT_EQ(memo, (TLista{"S1/A1", "", "S2/A2"}));
}
