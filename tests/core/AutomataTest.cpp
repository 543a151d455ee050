// The prefix-tree acceptor: states, finals, alphabet, memo lines and the grid.
#include "core/Automata.h"

#include <gtest/gtest.h>

namespace {

struct TCasoAceptor {
  const char* nombre;
  TLista muestra;
  TLista estados;
  TLista alfabeto;
};

TEST(Automata, StatesAndAlphabetInOrderOfFirstAppearance) {
  const TCasoAceptor casos[] = {
      {"repeated_line", {"ab", "ab"}, {"", "a", "ab"}, {"a", "b"}},
      {"not_sorted", {"b", "a"}, {"", "b", "a"}, {"b", "a"}},
      {"case_variants_once", {"aA", "aa"}, {"", "a", "aA"}, {"a"}},
      {"several", {"ba", "b", "bab", "c"}, {"", "b", "ba", "bab", "c"}, {"b", "a", "c"}},
      {"empty_example", {"", "a"}, {"", "a"}, {"a"}},
      {"empty_sample", {}, {""}, {}},
      {"accented_case", {"\xC1", "\xE1" "b"}, {"", "\xC1", "\xE1" "b"}, {"\xC1", "b"}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    const TAutomata aceptor(c.muestra, 'N');
    EXPECT_EQ(aceptor.Estados.Lista(), c.estados);
    EXPECT_EQ(aceptor.Alfabeto.Lista(), c.alfabeto);
    EXPECT_EQ(aceptor.Finales.Lista(), c.muestra);  // a copy, duplicates kept
    EXPECT_TRUE(aceptor.Bloques.empty());
  }
}

TEST(Automata, MemoLines) {
  const TAutomata aceptor({"ba", "b", "bab", "c"}, 'N');
  EXPECT_EQ(aceptor.MostrarConjunto('E'), "{ &, b, ba, bab, c }");
  EXPECT_EQ(aceptor.MostrarConjunto('A'), "{ b, a, c }");
  EXPECT_EQ(aceptor.MostrarConjunto('F'), "{ ba, b, bab, c }");
  EXPECT_FALSE(aceptor.MostrarConjunto('X').has_value());
  const TAutomata vacio({}, 'N');
  EXPECT_EQ(vacio.MostrarConjunto('A'), "{}");
  EXPECT_EQ(vacio.MostrarConjunto('F'), "{}");
  EXPECT_EQ(vacio.MostrarConjunto('E'), "{ & }");
}

TEST(Automata, GridOfTheAcceptor) {
  const TTablaTexto rejilla = TAutomata({"ab"}, 'N').RejillaAceptor();
  ASSERT_EQ(rejilla.Filas(), 4u);
  ASSERT_EQ(rejilla.Columnas(), 3u);
  const std::vector<TLista> esperada = {
      {"a", "a", "b"},  // the corner repeats the first symbol
      {"&", "a", "_"},
      {"a", "_", "ab"},
      {"ab", "_", "_"},
  };
  for (std::size_t f = 0; f < esperada.size(); ++f)
    for (std::size_t c = 0; c < esperada[f].size(); ++c)
      EXPECT_EQ(rejilla.Celda(f, c), esperada[f][c]) << "row " << f << " column " << c;
}

TEST(Automata, GridWithoutSymbols) {
  const TTablaTexto rejilla = TAutomata({""}, 'N').RejillaAceptor();
  ASSERT_EQ(rejilla.Filas(), 2u);
  ASSERT_EQ(rejilla.Columnas(), 1u);
  EXPECT_EQ(rejilla.Celda(0, 0), "");
  EXPECT_EQ(rejilla.Celda(1, 0), "&");
}

TEST(Automata, ResultWindowsWriteOnlyTheColumnHeaders) {
  TTablaTexto rejilla(3, 7);
  TAutomata({"ab"}, 'N').MostrarAlfabetoEnRejilla(rejilla);
  EXPECT_EQ(rejilla.Columnas(), 3u);
  EXPECT_EQ(rejilla.Filas(), 3u);
  EXPECT_EQ(rejilla.Celda(0, 2), "b");
}

TEST(Automata, MealyModeFollowsTheTokens) {
  const TLista tokens = {"S1A2", "/", "S2A1", "/", "*", "S1A2", "/", "S1A1", "/", "*", "$"};
  const TLista pares = {"S1A2", "S2A1", "S1A1", "$"};
  const TAutomata maquina({"S1A2S2A1$", "S1A2S1A1$"}, 'M', tokens, pares);
  EXPECT_EQ(maquina.Estados.Lista(),
            (TLista{"", "S1A2", "S1A2S2A1", "S1A2S1A1", "S1A2S2A1$", "S1A2S1A1$"}));
  EXPECT_EQ(maquina.Alfabeto.Lista(), pares);
  EXPECT_EQ(maquina.Finales.Lista(), (TLista{"S1A2S2A1$", "S1A2S1A1$"}));

  // "$" first: only the finals follow the empty prefix
  const TAutomata soloFinales({"x", "y", "x"}, 'M', {"$", "S1A1", "/"}, {"S1A1"});
  EXPECT_EQ(soloFinales.Estados.Lista(), (TLista{"", "x", "y"}));
}

}  // namespace
