// ArchivoTexto: line breaks, character sets and the failures of reading and writing files.
#include "core/ArchivoTexto.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

struct CasoLineas {
  const char* nombre;
  std::string bytes;
  TLista lineas;
};

class PartirEnLineasCasos : public testing::TestWithParam<CasoLineas> {};

TEST_P(PartirEnLineasCasos, EveryKindOfLineBreakEndsALine) {
  EXPECT_EQ(PartirEnLineas(GetParam().bytes), GetParam().lineas);
}

INSTANTIATE_TEST_SUITE_P(
    ArchivoTexto, PartirEnLineasCasos,
    testing::Values(CasoLineas{"vacio", "", {}},
                    CasoLineas{"sin_salto_final", "a\r\nb", {"a", "b"}},
                    CasoLineas{"salto_final_no_anade", "a\r\nb\r\n", {"a", "b"}},
                    CasoLineas{"linea_en_blanco_final", "a\r\n\r\n", {"a", ""}},
                    CasoLineas{"solo_cr", "a\rb\r", {"a", "b"}},
                    CasoLineas{"solo_lf", "a\nb\n", {"a", "b"}},
                    CasoLineas{"mezclados", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                    CasoLineas{"lf_cr_son_dos", "a\n\rb", {"a", "", "b"}},
                    CasoLineas{"cr_cr", "a\r\r", {"a", ""}},
                    CasoLineas{"solo_un_salto", "\n", {""}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ArchivoTexto, Windows1252BytesStayAsTheyAre) {
  // "ñ" and "é" as single bytes are not valid UTF-8: the file is taken as Windows-1252
  const auto lectura = DecodificarTexto("\xF1" "a\r\n\xE9\x80\r\n", "m.pos");
  ASSERT_TRUE(lectura.Correcta()) << lectura.error;
  EXPECT_EQ(lectura.lineas, (TLista{"\xF1" "a", "\xE9\x80"}));
}

TEST(ArchivoTexto, Utf8FilesAreDecodedAndTheirMarkDropped) {
  const auto lectura = DecodificarTexto("\xEF\xBB\xBF\xC3\xB1" "a\n\xE2\x82\xAC\n&\n", "m.pos");
  ASSERT_TRUE(lectura.Correcta()) << lectura.error;
  EXPECT_EQ(lectura.lineas, (TLista{"\xF1" "a", "\x80", "&"}));
  const auto soloMarca = DecodificarTexto("\xEF\xBB\xBF" "ab\n", "m.pos");
  EXPECT_EQ(soloMarca.lineas, TLista{"ab"});
}

TEST(ArchivoTexto, CharacterOutsideTheCodePageNamesFileLineAndColumn) {
  const auto lectura = DecodificarTexto("ab\n\xC3\xB1x\xE4\xB8\xAD\n", "m.pos");
  EXPECT_FALSE(lectura.Correcta());
  EXPECT_TRUE(lectura.lineas.empty());
  EXPECT_EQ(lectura.error,
            "El archivo \"m.pos\", l\xEDnea 2, columna 3: el car\xE1" "cter U+4E2D no se puede "
            "representar en Windows-1252");
}

TEST(ArchivoTexto, NulByteMarksABinaryFile) {
  const auto lectura = DecodificarTexto(std::string("ab\r\n\x01\x02\0\xFF\r\n", 8), "m.pos");
  EXPECT_FALSE(lectura.Correcta());
  EXPECT_EQ(lectura.error,
            "El archivo \"m.pos\" no es un archivo de texto: la l\xEDnea 2 contiene un car\xE1"
            "cter nulo");
}

class ArchivoTextoEnDisco : public testing::Test {
 protected:
  void SetUp() override {
    carpeta = fs::temp_directory_path() /
              ("telar-archivo-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
  }
  void TearDown() override { fs::remove_all(carpeta); }
  std::string Ruta(const std::string& nombre) { return (carpeta / nombre).string(); }
  std::string Bytes(const std::string& nombre) {
    std::ifstream f(carpeta / nombre, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  fs::path carpeta;
};

TEST_F(ArchivoTextoEnDisco, WritesWindows1252WithCrLfAndReadsItBack) {
  const TLista lineas = {"ab", "", "\xF1\x80", std::string(1 << 20, 'x')};
  ASSERT_EQ(EscribirArchivoTexto(Ruta("m.pos"), lineas), "");
  const std::string bytes = Bytes("m.pos");
  EXPECT_EQ(bytes.substr(0, 10), "ab\r\n\r\n\xF1\x80\r\n");
  EXPECT_EQ(bytes.size(), 10 + (1u << 20) + 2);
  const auto lectura = LeerArchivoTexto(Ruta("m.pos"));
  ASSERT_TRUE(lectura.Correcta()) << lectura.error;
  EXPECT_EQ(lectura.lineas, lineas);
  ASSERT_EQ(EscribirArchivoTexto(Ruta("m.pos"), {}), "");
  EXPECT_EQ(Bytes("m.pos"), "");
}

TEST_F(ArchivoTextoEnDisco, MissingFileOrFolderCannotBeRead) {
  const auto falta = LeerArchivoTexto(Ruta("falta.pos"));
  EXPECT_EQ(falta.error, "No se puede leer el archivo \"" + Ruta("falta.pos") + "\" (no existe)");
  const auto carpetaLeida = LeerArchivoTexto(carpeta.string());
  EXPECT_FALSE(carpetaLeida.Correcta());
  EXPECT_NE(carpetaLeida.error.find("No se puede leer el archivo"), std::string::npos);
}

TEST_F(ArchivoTextoEnDisco, UnwritablePlacesGiveAMessage) {
  const std::string ruta = Ruta("no/existe.pos");
  EXPECT_EQ(EscribirArchivoTexto(ruta, {"a"}), "No se puede escribir el archivo \"" + ruta + "\" (la carpeta no existe)");
  EXPECT_NE(EscribirArchivoTexto(carpeta.string(), {"a"}), "");
}

TEST(ArchivoTexto, PathsShowInTheCodePage) {
  EXPECT_EQ(RutaVisible("/tmp/ni\xC3\xB1o.pos"), "/tmp/ni\xF1o.pos");
  EXPECT_EQ(RutaVisible("/tmp/\xE4\xB8\xAD.pos"), "/tmp/?.pos");
  EXPECT_EQ(RutaVisible("/tmp/\xFF.pos"), "/tmp/?.pos");
}
