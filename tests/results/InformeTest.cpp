// Report lines: table formats and the prefix acceptor's report.
#include "results/Informe.h"

#include <gtest/gtest.h>

#include "core/Automata.h"

namespace {

TTablaTexto Tabla(const std::vector<TLista>& filas) {
  TTablaTexto t(filas.size(), filas.empty() ? 0 : filas[0].size());
  for (std::size_t f = 0; f < filas.size(); ++f)
    for (std::size_t c = 0; c < filas[f].size(); ++c) t.PonerCelda(f, c, filas[f][c]);
  return t;
}

TEST(Informe, TableFormats) {
  const TTablaTexto t = Tabla({{"a", "a", "b"}, {"q0", "", "_"}});
  EXPECT_EQ(LineasDeTabla(t, TFormatoTabla::A), (TLista{" E/A   a  b", "  q0   -  _"}));
  EXPECT_EQ(LineasDeTabla(t, TFormatoTabla::B), (TLista{" E/A          a    b", "    q0    -    _"}));
  // an empty corner still gets the empty-cell mark
  const TTablaTexto sinSimbolos = Tabla({{""}, {"&"}});
  EXPECT_EQ(LineasDeTabla(sinSimbolos, TFormatoTabla::A), (TLista{" E/A  -", "  &"}));
  EXPECT_EQ(LineasDeTabla(sinSimbolos, TFormatoTabla::B), (TLista{" E/A      -", "    &"}));
  EXPECT_EQ(LineasDeTabla(Tabla({{"x", "[q1]"}, {"[q0]", "[q1]"}}), TFormatoTabla::B)[1], "    [q0]    [q1]");
}

TEST(Informe, PrefixAcceptorReport) {
  const TAutomata aceptor({"ab", "b", ""});
  const TLista esperado = {
      "Aceptor de prefijos  (KC)",
      "Muestra: { ab, b, & }",
      "Alfabeto: { a, b }",
      "Estado Inicial: { & }",
      "Estados Finales: { ab, b, & }",
      "Conjunto de Estados: { &, a, ab, b }",
      "Funci\xF3n de Transici\xF3n: ",
      " E/A   a  b",
      "  &  a  b",
      "  a  _  ab",
      "  ab  _  _",
      "  b  _  _",
  };
  EXPECT_EQ(InformeAceptor("Aceptor de prefijos  (KC)", {"ab", "b", ""}, aceptor), esperado);
}

TEST(Informe, MarkedAcceptorShowsTheUnmarkedSample) {
  const TAutomata marcado({"a$"});
  const TLista informe = InformeAceptor("Aceptor de prefijos  (KR)", {"a"}, marcado);
  EXPECT_EQ(informe[1], "Muestra: { a }");
  EXPECT_EQ(informe[2], "Alfabeto: { a, $ }");
  EXPECT_EQ(informe[4], "Estados Finales: { a$ }");
}

}  // namespace
