// telar-cli convertir: Abbadingo files to our sample files and back, byte for byte.
#include <filesystem>

#include <gtest/gtest.h>

#include "../CarpetaTemporal.h"
#include "EjecutarCli.h"

namespace fs = std::filesystem;

namespace {

class ConvertirCli : public testing::Test, protected TCarpetaTemporal {
 protected:
  ConvertirCli() : TCarpetaTemporal("telar-convertir") {}
};

}  // namespace

TEST_F(ConvertirCli, AbbadingoToSamplesAndBackGivesTheSameFile) {
  const std::string abbadingo = "5 3\r\n1 2 0 2\r\n1 0\r\n0 1 1\r\n-1 3 2 2 0\r\n-1 1 0\r\n";
  const auto ida = EjecutarCli({"convertir", Escribir("muestra.abbadingo", abbadingo), Ruta("m.pos")});
  ASSERT_EQ(ida.codigo, 0) << ida.errores;
  EXPECT_EQ(ida.salida, Ruta("m.pos") + "\n" + Ruta("m.neg") + "\n" + Ruta("m.tst") + "\n");
  EXPECT_EQ(LeerBytes(Ruta("m.pos")), "ac\r\n&\r\n");
  EXPECT_EQ(LeerBytes(Ruta("m.neg")), "b\r\n");
  EXPECT_EQ(LeerBytes(Ruta("m.tst")), "cca\r\na\r\n");

  const auto vuelta = EjecutarCli({"convertir", Ruta("m.neg"), Ruta("vuelta.abbadingo")});
  ASSERT_EQ(vuelta.codigo, 0) << vuelta.errores;
  EXPECT_EQ(LeerBytes(Ruta("vuelta.abbadingo")), abbadingo);

  // and our files -> Abbadingo -> our files, from a sample with upper case and LF lines
  Escribir("s.pos", "BA\nzz\n");
  ASSERT_EQ(EjecutarCli({"convertir", Ruta("s.pos"), Ruta("s.txt")}).codigo, 0);
  ASSERT_EQ(EjecutarCli({"convertir", Ruta("s.txt"), Ruta("t.pos")}).codigo, 0);
  EXPECT_EQ(LeerBytes(Ruta("t.pos")), "ba\r\nzz\r\n");
  EXPECT_FALSE(fs::exists(Ruta("t.neg")));
}

TEST_F(ConvertirCli, RefusalsNameTheirCauseAndWriteNothing) {
  struct Caso {
    std::vector<std::string> argumentos;
    const char* errores;
  };
  const std::string mala = Escribir("mala.abbadingo", "1 30\n1 1 0\n");
  const std::string noEntero = Escribir("letras.abbadingo", "1 2\n1 1 a\n");
  const std::string conEnie = Escribir("enie.pos", "a\xC3\xB1o\n");
  const Caso casos[] = {
      {{"convertir", mala, Ruta("x.pos")}, "línea 1: un alfabeto de 30 símbolos"},
      {{"convertir", noEntero, Ruta("x.neg")}, "línea 2: el símbolo \"a\" no es un número entero"},
      {{"convertir", conEnie, Ruta("x.abbadingo")}, "El ejemplo \"año\" de la muestra positiva"},
      {{"convertir", Ruta("falta.pos"), Ruta("x.abbadingo")}, "falta.pos"},
      {{"convertir", Ruta("a.pos"), Ruta("b.neg")}, "uno de los ficheros debe ser una muestra"},
      {{"convertir", mala, Ruta("x.sya")}, "situación/acción"},
      {{"convertir", mala}, "telar-cli convertir ENTRADA SALIDA"},
  };
  for (const auto& caso : casos) {
    const auto r = EjecutarCli(caso.argumentos);
    EXPECT_EQ(r.codigo, 2) << caso.errores;
    EXPECT_NE(r.errores.find(caso.errores), std::string::npos) << r.errores;
  }
  EXPECT_FALSE(fs::exists(Ruta("x.pos")));
  EXPECT_FALSE(fs::exists(Ruta("x.neg")));
  EXPECT_FALSE(fs::exists(Ruta("x.abbadingo")));
}
