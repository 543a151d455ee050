// telar-cli aceptor: the prefix acceptor report, on stdout or written as "Guardar" writes it.
#include <filesystem>

#include <gtest/gtest.h>

#include "EjecutarCli.h"

namespace fs = std::filesystem;

namespace {

// The report as stdout shows it: UTF-8, LF.
std::string ComoSalida(std::string bytes) {
  std::string r;
  for (char c : bytes) {
    if (c == '\r') continue;
    if (c == '\xF3') r += "\xC3\xB3";  // "ó", the only non-ASCII letter of these reports
    else r += c;
  }
  return r;
}

class AceptorCli : public testing::Test {
 protected:
  void SetUp() override {
    salida = fs::temp_directory_path() /
             ("telar-aceptor-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".aut");
    fs::remove(salida);
  }
  void TearDown() override { fs::remove(salida); }
  fs::path salida;
};

}  // namespace

TEST_F(AceptorCli, KrWritesTheMarkedAcceptorByteForByte) {
  const auto r = EjecutarCli({"aceptor", "--kr", Datos("muestras/ab.pos"), "-o", salida.string()});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_EQ(r.salida, "");
  const std::string esperado = LeerBytes(Datos("muestras/ab-kr.aut"));
  EXPECT_EQ(LeerBytes(salida), esperado);
  EXPECT_EQ(esperado.rfind("Aceptor de prefijos  (KR)\r\nMuestra: { ab, b }\r\nAlfabeto: { a, b, $ }\r\n", 0), 0u);
  EXPECT_NE(esperado.find("Funci\xF3n de Transici\xF3n: \r\n"), std::string::npos);
}

TEST_F(AceptorCli, WithoutOutputFileTheReportIsUtf8OnStdout) {
  const auto kc = EjecutarCli({"aceptor", Datos("muestras/ab.pos")});
  EXPECT_EQ(kc.codigo, 0);
  EXPECT_EQ(kc.salida, ComoSalida(LeerBytes(Datos("muestras/ab-kc.aut"))));
  const auto kr = EjecutarCli({"aceptor", "--kr", Datos("muestras/ab.pos")});
  EXPECT_EQ(kr.salida, ComoSalida(LeerBytes(Datos("muestras/ab-kr.aut"))));
}

TEST_F(AceptorCli, Im1IsThePlainAcceptorWithItsCaption) {
  const auto im1 = EjecutarCli({"aceptor", "--im1", Datos("muestras/ab.pos")});
  const auto kc = EjecutarCli({"aceptor", Datos("muestras/ab.pos")});
  EXPECT_EQ(im1.codigo, 0);
  EXPECT_EQ(im1.salida.substr(0, im1.salida.find('\n')), "Aceptor de prefijos  (IM1)");
  EXPECT_EQ(im1.salida.substr(im1.salida.find('\n')), kc.salida.substr(kc.salida.find('\n')));
}

TEST_F(AceptorCli, SampleLineShowsTheEmptyStringAsAmpersand) {
  const auto r = EjecutarCli({"aceptor", Datos("muestras/ejemplo.pos")});
  EXPECT_NE(r.salida.find("Muestra: { ab, &, ba }\n"), std::string::npos) << r.salida;
  EXPECT_NE(r.salida.find("Estados Finales: { ab, &, ba }\n"), std::string::npos);
}

struct CasoFallo {
  const char* nombre;
  std::vector<std::string> argumentos;
  const char* errores;
};

class AceptorFallos : public AceptorCli, public testing::WithParamInterface<CasoFallo> {};

TEST_P(AceptorFallos, WriteNothingAndExitWithTwo) {
  std::vector<std::string> argumentos = {"aceptor"};
  for (const auto& a : GetParam().argumentos)
    argumentos.push_back(a == "SALIDA" ? salida.string() : a[0] == '@' ? Datos(a.substr(1)) : a);
  const auto r = EjecutarCli(argumentos);
  EXPECT_EQ(r.codigo, 2);
  EXPECT_EQ(r.salida, "");
  EXPECT_NE(r.errores.find(GetParam().errores), std::string::npos) << r.errores;
  EXPECT_FALSE(fs::exists(salida));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, AceptorFallos,
    testing::Values(
        CasoFallo{"kr_e_im1", {"--kr", "--im1", "@muestras/ab.pos", "-o", "SALIDA"}, "--kr y --im1"},
        CasoFallo{"no_positiva", {"@muestras/MAYUS.NEG", "-o", "SALIDA"},
                  "El archivo especificado no tiene extensión correcta"},
        CasoFallo{"muestra_no_valida", {"@muestras/blanca.pos", "-o", "SALIDA"}, "Muestra No válida"},
        CasoFallo{"no_existe", {"@muestras/falta.pos", "-o", "SALIDA"}, "(no existe)"},
        CasoFallo{"falta_valor_de_o", {"@muestras/ab.pos", "-o"}, "falta el valor de la opción -o"},
        CasoFallo{"o_dos_veces", {"@muestras/ab.pos", "-o", "SALIDA", "-o", "SALIDA"}, "aparece dos veces"},
        CasoFallo{"kr_con_marca_en_la_muestra", {"--kr", "@kr/dolar.pos", "-o", "SALIDA"}, "\"$\""},
        CasoFallo{"opcion_ajena", {"--negativa", "@muestras/ab.pos"}, "opción desconocida"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(AceptorCli, UnwritableOutputIsReported) {
  const auto r = EjecutarCli({"aceptor", Datos("muestras/ab.pos"), "-o", (salida / "x.aut").string()});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_EQ(r.salida, "");
  EXPECT_NE(r.errores.find("No se puede escribir el archivo"), std::string::npos) << r.errores;
}
