// Validation counts, the hit percentage and the chart's data.
#include "app/ventanas/GraficosLogica.h"

#include <gtest/gtest.h>

namespace {

TEST(Validacion, PercentageRoundsHalvesToEven) {
  struct Caso {
    int aceptados, total, porcentaje;
  } casos[] = {{1, 8, 12}, {3, 8, 38}, {5, 8, 62}, {7, 8, 88}, {1, 3, 33}, {2, 3, 67},
               {1, 2, 50}, {0, 5, 0},  {5, 5, 100}, {1, 200, 0}, {3, 200, 2}, {0, 0, 0}};
  for (const auto& c : casos)
    EXPECT_EQ(PorcentajeAciertos(c.aceptados, c.total), c.porcentaje) << c.aceptados << "/" << c.total;
}

TEST(Validacion, CountsEveryLineAsOneExample) {
  const TLista test = {"ab", "", "&", "b", "ab"};
  const TCuentasValidacion cuentas =
      ContarValidacion(test, 7, [](const std::string& e) { return e == "ab" || e.empty(); });
  EXPECT_EQ(cuentas.entrenamiento, 7);
  EXPECT_EQ(cuentas.total, 5);
  EXPECT_EQ(cuentas.aceptados, 3);
  EXPECT_EQ(cuentas.rechazados, 2);
}

TEST(Validacion, ChartHoldsTheFourValuesInOrder) {
  TFgraficosLogica graficos;
  EXPECT_EQ(graficos.Caption(), " Resultado validaci\xF3n");
  EXPECT_EQ(graficos.Titulo(), "Resultado Validaci\xF3n");
  EXPECT_EQ(graficos.TituloEje(), "N\xBA total de ejemplos");
  graficos.MostrarCuentas({2, 8, 3, 5});
  const auto& s = graficos.Series();
  EXPECT_EQ(s[0].titulo, "Muestra Entrenamiento");
  EXPECT_EQ(s[0].valor, 2);
  EXPECT_EQ(s[1].titulo, "Muestra Test");
  EXPECT_EQ(s[1].valor, 8);
  EXPECT_EQ(s[2].titulo, "Ejemplos Aceptados");
  EXPECT_EQ(s[2].valor, 3);
  EXPECT_TRUE(s[2].marcasVisibles);
  EXPECT_EQ(s[3].titulo, "Ejemplos Rechazados");
  EXPECT_EQ(s[3].valor, 5);
  EXPECT_EQ(s[3].desplazamiento, 100);
  EXPECT_EQ(graficos.Aciertos(), "Aciertos: 38%      ");
  graficos.MostrarCuentas({2, 0, 0, 0});
  EXPECT_EQ(graficos.Aciertos(), "Aciertos: 0%      ");
}

}  // namespace
