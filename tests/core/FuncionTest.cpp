// The quotient transition table and acceptance; the list tables that the step-by-step
// reference builds by hand.
#include "core/Funcion.h"

#include <functional>

#include <gtest/gtest.h>

#include "core/Automata.h"
#include "core/ErrorInterno.h"
#include "../inference/FuncionReferencia.h"

namespace {

const TLista kNo = {"-"};

using referencia::TTabla;

template <class Tabla>
std::vector<TLista> Claves(const Tabla& f) {
  std::vector<TLista> r;
  for (std::size_t i = 0; i < f.NumeroDeFilas(); ++i) r.push_back(f.Bloque(i));
  return r;
}

template <class Tabla>
std::vector<TFuncion::TFila> Filas(const Tabla& f) {
  std::vector<TFuncion::TFila> r;
  for (std::size_t i = 0; i < f.NumeroDeFilas(); ++i) r.push_back(f.Fila(i));
  return r;
}

std::string CodigoDe(const std::function<void()>& operacion) {
  try {
    operacion();
  } catch (const TErrorInterno& e) {
    return e.Codigo();
  }
  return "no error";
}

TEST(Funcion, ForwardTableOfTheAcceptor) {
  const TAutomata aceptor({"ab", "b"});
  const TTabla f(aceptor, TTabla::TTipo::Aceptor);
  EXPECT_EQ(Claves(f), (std::vector<TLista>{{""}, {"a"}, {"ab"}, {"b"}}));
  EXPECT_EQ(Filas(f), (std::vector<TFuncion::TFila>{
                                  {{"a"}, {"b"}}, {kNo, {"ab"}}, {kNo, kNo}, {kNo, kNo}}));
}

TEST(Funcion, ReverseTableOfTheAcceptor) {
  const TAutomata aceptor({"ab", "b"});
  const TTabla f(aceptor, TTabla::TTipo::Inversa);
  EXPECT_EQ(Filas(f), (std::vector<TFuncion::TFila>{
                                  {kNo, kNo}, {{""}, kNo}, {kNo, {"a"}}, {kNo, {""}}}));
}

TEST(Funcion, Acceptance) {
  struct {
    const char* nombre;
    TLista muestra;
    const char* cadena;
    bool aceptada;
  } casos[] = {
      {"empty_string_in_sample", {"", "a"}, "", true},
      {"empty_string_not_in_sample", {"a"}, "", false},
      {"stops_at_no_transition", {"ab", "b"}, "ba", false},
      {"prefix_not_final", {"ab", "b"}, "a", false},
      {"example", {"ab", "b"}, "ab", true},
      {"case_of_symbols_ignored", {"ab", "b"}, "AB", true},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    TAutomata aceptor(c.muestra);
    aceptor.PonerBloques(ParticionUnitaria(aceptor.Estados()));
    EXPECT_EQ(TFuncion(aceptor).Acepta(c.cadena), c.aceptada);
  }
}

TEST(Funcion, UnknownSymbolIsAnInternalError) {
  TAutomata aceptor({"ab"});
  aceptor.PonerBloques(ParticionUnitaria(aceptor.Estados()));
  const TFuncion f(aceptor);
  EXPECT_EQ(CodigoDe([&] { f.IndiceSimbolo("c"); }), "ERROR INT0FUNC01");
  EXPECT_EQ(CodigoDe([&] { f.Acepta("ac"); }), "ERROR INT0FUNC01");
  EXPECT_EQ(CodigoDe([&] { f.IndiceBloque({"x"}); }), "ERROR INT0FUNC02");
  EXPECT_FALSE(CadenaAceptada("ac", f, aceptor.Alfabeto()));  // guarded: no table lookup
  EXPECT_TRUE(CadenaAceptada("ab", f, aceptor.Alfabeto()));
}

TEST(Funcion, BlockOfState) {
  TAutomata aceptor({"ab", "b"});
  aceptor.PonerBloques({{"", "b"}, {"a", "AB"}, {"ab"}});
  const TFuncion f(aceptor);
  EXPECT_EQ(f.BloqueDeEstado("ab"), (TLista{"a", "AB"}));  // first key, ignoring case
  EXPECT_EQ(f.BloqueDeEstado("zz"), TLista{});           // empty, never [-]
  EXPECT_EQ(f.IndiceBloque({"ab"}), 2u);                  // keys compare exactly
  EXPECT_TRUE(f.ContieneFinal({"x", "AB"}));
  EXPECT_FALSE(f.ContieneFinal({"", "a"}));
}

// The partition of a merge in progress may hold a state in two blocks: its successor then
// goes to the first row holding it, exactly or ignoring case, whatever the blocks' order.
TEST(Funcion, AStateInTwoBlocksBelongsToTheFirstRowHoldingIt) {
  const struct {
    const char* nombre;
    TParticion bloques;
    TLista desdeVacio;  // the target of the empty prefix's block by "a"
    TLista desdeA;      // the target of a's first block by "b"
  } casos[] = {
      {"earlier block", {{"", "a"}, {"a", "b"}, {"ab"}}, {"", "a"}, {"a", "b"}},
      {"later blocks", {{""}, {"b"}, {"A", "ab"}, {"a"}, {"ab"}}, {"A", "ab"}, {"A", "ab"}},
      {"same block twice", {{"", "a", "a"}, {"ab", "b"}}, {"", "a", "a"}, {"ab", "b"}},
  };
  for (const auto& caso : casos) {
    TAutomata a({"ab", "b"});  // states: "", a, ab, b
    a.PonerBloques(caso.bloques);
    const TFuncion f(a);
    const TLista vacio = f.BloqueDeEstado("");
    EXPECT_EQ(f.Transicion(vacio, "a"), caso.desdeVacio) << caso.nombre;
    EXPECT_EQ(f.Transicion(f.BloqueDeEstado("a"), "b"), caso.desdeA) << caso.nombre;
    EXPECT_EQ(f.BloqueDeEstado("a"), caso.desdeVacio) << caso.nombre;
    EXPECT_TRUE(f.Acepta("ab")) << caso.nombre;
  }
}

TEST(Funcion, QuotientTargetIsDecidedByTheFirstMemberWithASuccessor) {
  TAutomata aceptor({"aa", "ba", "bb"});  // states: "", a, aa, b, ba, bb
  aceptor.PonerBloques({{"", "aa"}, {"a", "b"}, {"ba"}, {"bb"}});
  const TFuncion f(aceptor);
  EXPECT_EQ(f.DestinoCociente("a", {"a", "b"}), (TLista{"", "aa"}));  // from a alone
  EXPECT_EQ(f.DestinoCociente("b", {"a", "b"}), (TLista{"bb"}));      // a has no b: b decides
  EXPECT_EQ(f.DestinoCociente("a", {"bb"}), kNo);
  EXPECT_EQ(f.Fila(0), (TFuncion::TFila{{"a", "b"}, {"a", "b"}}));
  EXPECT_TRUE(f.Acepta("aaaa"));
  EXPECT_TRUE(f.Acepta("bb"));
  EXPECT_FALSE(f.Acepta("bab"));
}

TEST(Funcion, EmptyTableRowsAreBuiltByInsertion) {
  const TAutomata aceptor({"abc"});
  TTabla f(aceptor, TTabla::TTipo::Vacia);
  EXPECT_EQ(f.NumeroDeFilas(), 0u);
  EXPECT_FALSE(f.Acepta(""));  // no initial state: nothing accepted

  const TLista p = {"0"}, q = {"1"}, r = {"2"};
  f.AnadirBloque(p);
  f.PonerTransicion(q, p, "a");
  f.PonerTransicion(r, p, "b");
  f.PonerTransicion(kNo, p, "c");
  EXPECT_EQ(f.Fila(0), (TFuncion::TFila{q, r, kNo}));
  f.PonerTransicion(p, p, "a");  // insert, never overwrite
  EXPECT_EQ(f.Fila(0), (TFuncion::TFila{p, q, r, kNo}));

  // out of symbol order: cells stay in insertion order
  f.AnadirBloque(q);
  f.PonerTransicion(r, q, "c");
  f.PonerTransicion(p, q, "b");
  EXPECT_EQ(f.Fila(1), (TFuncion::TFila{r, p}));

  EXPECT_EQ(CodigoDe([&] { f.Transicion(q, "c"); }), "ERROR INT0FUNC03");  // row too short
  EXPECT_EQ(CodigoDe([&] { f.PonerTransicion(p, {"9"}, "a"); }), "ERROR INT0FUNC02");
}

TEST(Funcion, RepeatedKeysFindTheFirstRow) {
  TAutomata aceptor({"a"});
  aceptor.PonerBloques({{"x"}, {"y", "X"}, {"x"}});
  const TFuncion f(aceptor);
  EXPECT_EQ(f.IndiceBloque({"x"}), 0u);
  EXPECT_EQ(f.IndiceBloque({"y", "X"}), 1u);
  EXPECT_EQ(f.BloqueDeEstado("X"), (TLista{"x"}));
}

}  // namespace
