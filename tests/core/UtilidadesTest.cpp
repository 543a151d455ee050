// Text-set helpers: set texts, union, lookups and the small text functions.
#include "core/Utilidades.h"

#include <gtest/gtest.h>

#include "../inference/FuncionReferencia.h"

namespace {

struct TCasoTexto {
  const char* nombre;
  TLista lista;
  std::string conjunto;  // ConjuntoATexto
  std::string lista_;    // ListaATexto
};

TEST(Utilidades, SetListAndStateNameTexts) {
  const TCasoTexto casos[] = {
      {"empty", {}, "{}", ""},
      {"only_empty_item", {""}, "{ & }", ""},
      {"empty_first", {"", "a"}, "{ &, a }", " , a"},
      {"empty_last", {"a", ""}, "{ a, & }", "a , "},
      {"one", {"x"}, "{ x }", "x"},
      {"three_with_repeat", {"x", "y", "x"}, "{ x, y, x }", "x , y , x"},
      {"state_numbers", {"0", "3"}, "{ 0, 3 }", "0 , 3"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    EXPECT_EQ(ConjuntoATexto(c.lista), c.conjunto);
    EXPECT_EQ(ListaATexto(c.lista), c.lista_);
  }
  EXPECT_EQ(ListaConBlancos({"a", "b"}), "a b ");
  EXPECT_EQ(ListaConBlancos({}), "");
}

TEST(Utilidades, UnionExtendsTheFirstListIgnoringCase) {
  TLista primera = {"a", "b"};
  const TLista resultado = Unir(primera, {"B", "c", "c"});
  EXPECT_EQ(resultado, (TLista{"a", "b", "c"}));
  EXPECT_EQ(primera, (TLista{"a", "b", "c"}));
  // the first list's own repeats stay; accented capitals are found as their small letters
  TLista conRepetidos = {"\xE1", "\xE1"};
  EXPECT_EQ(Unir(conRepetidos, {"\xC1", "n"}), (TLista{"\xE1", "\xE1", "n"}));
}

TEST(Utilidades, MembershipIgnoresCaseAndFindsTheFirst) {
  const TLista lista = {"ab", "\xD1o", "AB"};
  EXPECT_EQ(IndiceDe("aB", lista), 0u);
  EXPECT_EQ(IndiceDe("\xF1O", lista), 1u);  // Ñ and ñ
  EXPECT_FALSE(IndiceDe("a", lista).has_value());
  EXPECT_TRUE(EsMiembro("", {"x", ""}));
  EXPECT_FALSE(EsMiembro("", {}));
}

TEST(Utilidades, BlocksAndPartitions) {
  const TParticion particion = {{"a", "b"}, {"c", "B"}, {"d"}};
  EXPECT_EQ(BloqueQueContiene("B", particion), (TLista{"a", "b"}));  // first block, whole
  EXPECT_EQ(BloqueQueContiene("d", particion), (TLista{"d"}));
  const TLista ninguno = BloqueQueContiene("z", particion);
  EXPECT_EQ(ninguno, (TLista{"-"}));
  EXPECT_TRUE(EsSinTransicion(ninguno));
  EXPECT_FALSE(EsSinTransicion({"-", "-"}));
  EXPECT_FALSE(EsSinTransicion({"x"}));
  EXPECT_FALSE(EsSinTransicion({}));
  EXPECT_EQ(BloqueQueContiene("a", {}), (TLista{"-"}));

  EXPECT_EQ(ParticionUnitaria({"", "a", "a"}), (TParticion{{""}, {"a"}, {"a"}}));
}

TEST(Utilidades, SmallTextFunctions) {
  EXPECT_EQ(Sufijo("abc", 5), "abc");
  EXPECT_EQ(Sufijo("abc", 2), "bc");
  EXPECT_EQ(Sufijo("abc", 0), "");
  EXPECT_EQ(Sufijo("", 3), "");
  EXPECT_EQ(QuitarBlancos(" S1 / A2 "), "S1/A2");
  EXPECT_EQ(QuitarBlancosYBarras(" S1 / A2 "), "S1A2");
  EXPECT_TRUE(EstaEnAlguno("1A", {"S0", "S1A2"}));
  EXPECT_FALSE(EstaEnAlguno("s1", {"S1A2"}));  // substrings are exact
  EXPECT_TRUE(EstaEnAlguno("", {"x"}));
  EXPECT_FALSE(EstaEnAlguno("", {}));
}

TEST(Utilidades, OverAlphabet) {
  EXPECT_TRUE(SobreAlfabeto("", {}));
  EXPECT_TRUE(SobreAlfabeto("", {"a"}));
  EXPECT_FALSE(SobreAlfabeto("aX", {"a", "b"}));
  EXPECT_FALSE(SobreAlfabeto("A", {"a"}));  // character test is exact
  EXPECT_TRUE(SobreAlfabeto("1A2", {"S1A2"}));  // any character of any symbol
  EXPECT_TRUE(SobreAlfabeto("\xF1\xF1", {"\xF1"}));
}

TEST(Utilidades, SplitAtA) {
  struct {
    const char* texto;
    const char* inicio;
    const char* resto;
  } casos[] = {
      {"S0A1", "xS0", "yA1"}, {"A1", "x", "yA1"}, {"S0A1A2", "xS0", "yA1A2"},
      {"S0", "xS0", "y"},      // without "A" all goes to the first text
      {"", "x", "y"},          {"S0a1", "xS0a1", "y"},  // only a capital "A" splits
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    std::string inicio = "x", resto = "y";  // appended to, not cleared
    PartirEnA(c.texto, inicio, resto);
    EXPECT_EQ(inicio, c.inicio);
    EXPECT_EQ(resto, c.resto);
  }
}

}  // namespace
