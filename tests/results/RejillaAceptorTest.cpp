// The acceptor's grid and the symbol header row of result grids.
#include "results/RejillaAceptor.h"

#include <vector>

#include <gtest/gtest.h>

#include "core/Automata.h"

namespace {

TEST(Automata, GridOfTheAcceptor) {
  const TTablaTexto rejilla = RejillaAceptor(TAutomata({"ab"}));
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
  const TTablaTexto rejilla = RejillaAceptor(TAutomata({""}));
  ASSERT_EQ(rejilla.Filas(), 2u);
  ASSERT_EQ(rejilla.Columnas(), 1u);
  EXPECT_EQ(rejilla.Celda(0, 0), "");
  EXPECT_EQ(rejilla.Celda(1, 0), "&");
}

TEST(Automata, ResultWindowsWriteOnlyTheColumnHeaders) {
  TTablaTexto rejilla(3, 7);
  MostrarAlfabetoEnRejilla(TAutomata({"ab"}), rejilla);
  EXPECT_EQ(rejilla.Columnas(), 3u);
  EXPECT_EQ(rejilla.Filas(), 3u);
  EXPECT_EQ(rejilla.Celda(0, 2), "b");
}

}  // namespace
