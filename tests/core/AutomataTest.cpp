// The prefix-tree acceptor: states, finals, alphabet, memo lines and the grid.
#include "core/Automata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <new>

#include <unistd.h>

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
    const TAutomata aceptor(c.muestra);
    EXPECT_EQ(aceptor.Estados().Lista(), c.estados);
    EXPECT_EQ(aceptor.Alfabeto().Lista(), c.alfabeto);
    EXPECT_EQ(aceptor.Finales().Lista(), c.muestra);  // a copy, duplicates kept
    EXPECT_TRUE(aceptor.Bloques().empty());
  }
}

TEST(Automata, MemoLines) {
  const TAutomata aceptor({"ba", "b", "bab", "c"});
  EXPECT_EQ(ConjuntoATexto(aceptor.Estados()), "{ &, b, ba, bab, c }");
  EXPECT_EQ(ConjuntoATexto(aceptor.Alfabeto()), "{ b, a, c }");
  EXPECT_EQ(ConjuntoATexto(aceptor.Finales()), "{ ba, b, bab, c }");
  const TAutomata vacio(TLista{});
  EXPECT_EQ(ConjuntoATexto(vacio.Alfabeto()), "{}");
  EXPECT_EQ(ConjuntoATexto(vacio.Finales()), "{}");
  EXPECT_EQ(ConjuntoATexto(vacio.Estados()), "{ & }");
}

TEST(Automata, MealyModeFollowsTheTokens) {
  const TLista tokens = {"S1A2", "/", "S2A1", "/", "*", "S1A2", "/", "S1A1", "/", "*", "$"};
  const TLista pares = {"S1A2", "S2A1", "S1A1", "$"};
  const TAutomata maquina({"S1A2S2A1$", "S1A2S1A1$"}, TConstruccion::Mealy, tokens, pares);
  EXPECT_EQ(maquina.Estados().Lista(),
            (TLista{"", "S1A2", "S1A2S2A1", "S1A2S1A1", "S1A2S2A1$", "S1A2S1A1$"}));
  EXPECT_EQ(maquina.Alfabeto().Lista(), pares);
  EXPECT_EQ(maquina.Finales().Lista(), (TLista{"S1A2S2A1$", "S1A2S1A1$"}));

  // "$" first: only the finals follow the empty prefix
  const TAutomata soloFinales({"x", "y", "x"}, TConstruccion::Mealy, {"$", "S1A1", "/"}, {"S1A1"});
  EXPECT_EQ(soloFinales.Estados().Lista(), (TLista{"", "x", "y"}));
}

}  // namespace

// The names of a long line's states take the square of its length: more than the machine's
// memory is refused at once as memory run out, before any name is made (IM1 asks for them).
TEST(Automata, NamesThatCannotFitInTheMemoryAreRefusedAtOnce) {
  const double memoria = static_cast<double>(::sysconf(_SC_PHYS_PAGES)) * static_cast<double>(::sysconf(_SC_PAGE_SIZE));
  ASSERT_GT(memoria, 0);
  const auto largo = static_cast<std::size_t>(std::sqrt(2 * memoria)) + 1000;
  const TAutomata automata(TLista{std::string(largo, 'a')});
  EXPECT_EQ(automata.NumeroDeEstados(), largo + 1);
  EXPECT_THROW(automata.Estados(), std::bad_alloc);
  // a line whose names fit is named as before
  const TAutomata corto(TLista{"abc"});
  EXPECT_EQ(corto.Estados().Lista(), (TLista{"", "a", "ab", "abc"}));
}
