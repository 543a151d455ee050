// Argumentos: the option syntax that every order shares.
#include "cli/Argumentos.h"

#include <gtest/gtest.h>

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "prueba",
    .uso = "telar-cli prueba [-k K] [-e EJEMPLO]... [--kr] FICHERO",
    .ayuda = "",
    .opciones = {{"-k", true, false}, {"-e", true, true}, {"--kr", false, false}, {"--cota", true, false}},
    .minimoFicheros = 1,
    .maximoFicheros = 1};

TAnalisis Analizar(const std::vector<std::string>& argumentos) {
  testing::internal::CaptureStderr();
  auto analisis = AnalizarArgumentos(kSintaxis, argumentos);
  testing::internal::GetCapturedStderr();
  return analisis;
}

}  // namespace

TEST(Argumentos, ReadsValuesFlagsRepeatsAndFiles) {
  const auto a = Analizar({"-e", "ab", "m.pos", "--kr", "-k", "2", "-e", "-", "--cota=7"});
  ASSERT_FALSE(a.salida.has_value());
  EXPECT_EQ(a.argumentos.ficheros, std::vector<std::string>{"m.pos"});
  EXPECT_EQ(a.argumentos.Valor("-k"), "2");
  EXPECT_EQ(a.argumentos.Valor("--cota"), "7");
  EXPECT_EQ(a.argumentos.Valores("-e"), (std::vector<std::string>{"ab", "-"}));
  EXPECT_TRUE(a.argumentos.Tiene("--kr"));
  EXPECT_FALSE(a.argumentos.Tiene("-o"));
  EXPECT_EQ(a.argumentos.Valor("-o"), std::nullopt);
}

struct CasoMalUso {
  const char* nombre;
  std::vector<std::string> argumentos;
};

class MalUso : public testing::TestWithParam<CasoMalUso> {};

TEST_P(MalUso, EndsWithExitCodeTwo) {
  EXPECT_EQ(Analizar(GetParam().argumentos).salida, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Argumentos, MalUso,
    testing::Values(CasoMalUso{"desconocida", {"--im1", "m.pos"}},
                    CasoMalUso{"falta_valor", {"m.pos", "-k"}},
                    CasoMalUso{"repetida", {"-k", "1", "-k", "2", "m.pos"}},
                    CasoMalUso{"flag_con_valor", {"--kr=1", "m.pos"}},
                    CasoMalUso{"sin_fichero", {"-k", "1"}},
                    CasoMalUso{"dos_ficheros", {"a.pos", "b.pos"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Argumentos, HelpWinsAndDoubleDashEndsOptions) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(AnalizarArgumentos(kSintaxis, {"--nada", "--help"}).salida, 0);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Uso: telar-cli prueba"), std::string::npos);
  const auto a = Analizar({"--", "-k"});
  ASSERT_FALSE(a.salida.has_value());
  EXPECT_EQ(a.argumentos.ficheros, std::vector<std::string>{"-k"});
}

TEST(Argumentos, LeerEnteroTakesOnlyDigitsInRange) {
  EXPECT_EQ(LeerEntero("0", 0, 5), 0);
  EXPECT_EQ(LeerEntero("05", 0, 5), 5);
  EXPECT_EQ(LeerEntero("6", 0, 5), std::nullopt);
  EXPECT_EQ(LeerEntero("-1", 0, 5), std::nullopt);
  EXPECT_EQ(LeerEntero("1x", 0, 5), std::nullopt);
  EXPECT_EQ(LeerEntero("", 0, 5), std::nullopt);
  EXPECT_EQ(LeerEntero("99999999999999", 0, 5), std::nullopt);
}
