// ArchivoTexto: line breaks, character sets and the failures of reading and writing files.
#include "core/ArchivoTexto.h"
#include "core/EscribirArchivo.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <csignal>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

// While alive, writing a file beyond `bytes` fails with EFBIG as on a full disk (the signal
// that would end the process is ignored).
class TLimiteTamano {
 public:
  explicit TLimiteTamano(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_antes);
    m_senal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = m_antes;
    limite.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limite);
  }
  ~TLimiteTamano() {
    setrlimit(RLIMIT_FSIZE, &m_antes);
    std::signal(SIGXFSZ, m_senal);
  }

 private:
  rlimit m_antes{};
  void (*m_senal)(int) = nullptr;
};

TEST_F(ArchivoTextoEnDisco, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
  ASSERT_EQ(EscribirArchivoTexto(Ruta("viejo.pos"), {"a", "b"}), "");
  const TLista grande = {std::string(1 << 16, 'x')};
  std::string sobreViejo, nuevo;
  {
    TLimiteTamano limite(1000);
    sobreViejo = EscribirArchivoTexto(Ruta("viejo.pos"), grande);
    nuevo = EscribirArchivoTexto(Ruta("nuevo.pos"), grande);
  }
  EXPECT_EQ(sobreViejo, "No se puede escribir el archivo \"" + Ruta("viejo.pos") +
                            "\" (el archivo supera el tama\xF1o permitido); no se ha modificado el archivo");
  EXPECT_EQ(nuevo, "No se puede escribir el archivo \"" + Ruta("nuevo.pos") +
                       "\" (el archivo supera el tama\xF1o permitido)");
  EXPECT_EQ(Bytes("viejo.pos"), "a\r\nb\r\n");
  std::vector<std::string> quedan;
  for (const auto& entrada : fs::directory_iterator(carpeta)) quedan.push_back(entrada.path().filename());
  EXPECT_EQ(quedan, std::vector<std::string>{"viejo.pos"});
}

// The flushes a write makes, through the file layer's seam: each call noted as the file's or
// the folder's, and failed with the errno the test chose for that kind (0: it succeeds).
struct TFlushes {
  static inline std::vector<std::string> llamadas;
  static inline int falloArchivo = 0;
  static inline int falloCarpeta = 0;
  static int Fsync(int descriptor) {
    struct stat datos {};
    const bool carpeta = ::fstat(descriptor, &datos) == 0 && S_ISDIR(datos.st_mode);
    llamadas.push_back(carpeta ? "carpeta" : "archivo");
    const int fallo = carpeta ? falloCarpeta : falloArchivo;
    if (fallo == 0) return ::fsync(descriptor);
    errno = fallo;
    return -1;
  }
  TFlushes(int archivo, int carpeta) {
    llamadas.clear();
    falloArchivo = archivo;
    falloCarpeta = carpeta;
    FsyncDeEscritura() = Fsync;
  }
  ~TFlushes() { FsyncDeEscritura() = ::fsync; }
};

// The new file is flushed before it takes the target's name and its folder after: a failed
// file flush keeps the old file and leaves no temporary; a failed folder flush is reported
// over the file already replaced; a file system that cannot flush folders is no failure.
TEST_F(ArchivoTextoEnDisco, TheFileAndThenItsFolderAreFlushed) {
  const struct {
    const char* nombre;
    int falloArchivo, falloCarpeta;
    std::vector<std::string> llamadas;
    std::string error;  // after the file's name
    std::string queda;
  } casos[] = {
      {"both flushed", 0, 0, {"archivo", "carpeta"}, "", "b\r\n"},
      {"file not flushed", ENOSPC, 0, {"archivo"}, "\" (no queda espacio en el disco); no se ha modificado el archivo",
       "a\r\n"},
      {"folder not flushed", 0, EIO, {"archivo", "carpeta"}, "\"", "b\r\n"},
      {"folders not flushable", 0, EINVAL, {"archivo", "carpeta"}, "", "b\r\n"},
  };
  for (const auto& caso : casos) {
    ASSERT_EQ(EscribirArchivoTexto(Ruta("m.pos"), {"a"}), "");
    std::string error;
    std::vector<std::string> llamadas;
    {
      const TFlushes flushes(caso.falloArchivo, caso.falloCarpeta);
      error = EscribirArchivo(Ruta("m.pos"), "b\r\n");
      llamadas = TFlushes::llamadas;
    }
    EXPECT_EQ(llamadas, caso.llamadas) << caso.nombre;
    EXPECT_EQ(error, caso.error.empty() ? "" : "No se puede escribir el archivo \"" + Ruta("m.pos") + caso.error)
        << caso.nombre;
    EXPECT_EQ(Bytes("m.pos"), caso.queda) << caso.nombre;
    std::vector<std::string> quedan;
    for (const auto& entrada : fs::directory_iterator(carpeta)) quedan.push_back(entrada.path().filename());
    EXPECT_EQ(quedan, std::vector<std::string>{"m.pos"}) << caso.nombre;
  }
}

// Lines handed out one at a time are written in blocks: many lines cross many blocks and
// come back whole; a write that fails at the first block drops the rest and keeps nothing.
TEST_F(ArchivoTextoEnDisco, LinesWrittenAsTheyComeCrossBlocksAndFailWhole) {
  TLista lineas;
  for (int i = 0; i < 40000; ++i) lineas.push_back(std::string(static_cast<std::size_t>(i % 37), 'a' + i % 26));
  const auto producir = [&](const TSalidaLineas& salida) {
    for (const auto& linea : lineas) salida(linea);
  };
  ASSERT_EQ(EscribirLineasTexto(Ruta("m.pos"), producir), "");
  const auto lectura = LeerArchivoTexto(Ruta("m.pos"));
  ASSERT_TRUE(lectura.Correcta()) << lectura.error;
  EXPECT_EQ(lectura.lineas, lineas);
  EXPECT_EQ(Bytes("m.pos").substr(0, 9), "\r\nb\r\ncc\r\n");

  std::string error;
  {
    TLimiteTamano limite(1000);
    error = EscribirLineasTexto(Ruta("m.pos"), producir);
  }
  EXPECT_EQ(error, "No se puede escribir el archivo \"" + Ruta("m.pos") +
                       "\" (el archivo supera el tama\xF1o permitido); no se ha modificado el archivo");
  EXPECT_EQ(LeerArchivoTexto(Ruta("m.pos")).lineas, lineas);
}

TEST_F(ArchivoTextoEnDisco, ReplacingKeepsPermissionsLinksAndDevices) {
  ASSERT_EQ(EscribirArchivoTexto(Ruta("m.pos"), {"a"}), "");
  fs::permissions(Ruta("m.pos"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("m.pos", Ruta("enlace.pos"));
  ASSERT_EQ(EscribirArchivoTexto(Ruta("enlace.pos"), {"b"}), "");
  EXPECT_TRUE(fs::is_symlink(Ruta("enlace.pos")));
  EXPECT_EQ(Bytes("m.pos"), "b\r\n");
  EXPECT_EQ(fs::status(Ruta("m.pos")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // a file its user may not write is not replaced (the superuser may write any)
  fs::permissions(Ruta("m.pos"), fs::perms::owner_read);
  if (geteuid() != 0) {
    EXPECT_EQ(EscribirArchivoTexto(Ruta("m.pos"), {"c"}),
              "No se puede escribir el archivo \"" + Ruta("m.pos") + "\" (no hay permiso); no se ha modificado el archivo");
    EXPECT_EQ(Bytes("m.pos"), "b\r\n");
  }
  // a device is written where it is, never replaced by a file
  EXPECT_EQ(EscribirArchivoTexto("/dev/null", {"c"}), "");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// A set of files is replaced whole or not at all; a dangling link gets its target created
// and stays a link; the checks before a write name what would stop it.
TEST_F(ArchivoTextoEnDisco, ASetIsReplacedWholeAndLinksAreFollowedToTheEnd) {
  ASSERT_EQ(EscribirArchivoTexto(Ruta("m.pos"), {"viejo"}), "");
  fs::create_directories(carpeta / "m.tst");
  {
    TEscrituraConjunta conjunto;
    EXPECT_EQ(conjunto.Anadir(Ruta("m.pos"), {"nuevo"}), "");
    EXPECT_EQ(conjunto.Anadir(Ruta("m.neg"), {"n"}), "");
    EXPECT_EQ(conjunto.Anadir(Ruta("m.tst"), {"t"}),
              "No se puede escribir el archivo \"" + Ruta("m.tst") + "\" (es una carpeta)");
  }  // abandoned: nothing replaced, no temporary left
  std::vector<std::string> quedan;
  for (const auto& entrada : fs::directory_iterator(carpeta)) quedan.push_back(entrada.path().filename());
  std::sort(quedan.begin(), quedan.end());
  EXPECT_EQ(quedan, (std::vector<std::string>{"m.pos", "m.tst"}));
  EXPECT_EQ(Bytes("m.pos"), "viejo\r\n");
  {
    TEscrituraConjunta conjunto;
    EXPECT_EQ(conjunto.Anadir(Ruta("m.pos"), {"nuevo"}), "");
    EXPECT_EQ(conjunto.Anadir(Ruta("m.neg"), {"n"}), "");
    EXPECT_EQ(Bytes("m.pos"), "viejo\r\n");
    EXPECT_EQ(conjunto.Confirmar(), "");
  }
  EXPECT_EQ(Bytes("m.pos"), "nuevo\r\n");
  EXPECT_EQ(Bytes("m.neg"), "n\r\n");

  fs::create_directories(carpeta / "sub");
  fs::create_symlink("sub/destino.dot", Ruta("colgante.dot"));
  fs::create_symlink("colgante.dot", Ruta("doble.dot"));
  EXPECT_EQ(DestinoDeEscritura(Ruta("doble.dot")), carpeta / "sub/destino.dot");
  ASSERT_EQ(EscribirArchivo(Ruta("doble.dot"), "x"), "");
  EXPECT_TRUE(fs::is_symlink(Ruta("colgante.dot")));
  EXPECT_EQ(Bytes("sub/destino.dot"), "x");

  EXPECT_EQ(ComprobarEscritura(Ruta("m.pos")), "");
  EXPECT_EQ(ComprobarEscritura(Ruta("nuevo.pos")), "");
  EXPECT_EQ(ComprobarEscritura("/dev/null"), "");
  EXPECT_EQ(ComprobarEscritura(Ruta("no/x")), "No se puede escribir el archivo \"" + Ruta("no/x") + "\" (la carpeta no existe)");
  EXPECT_EQ(ComprobarEscritura(Ruta("m.pos/x")), "No se puede escribir el archivo \"" + Ruta("m.pos/x") + "\" (la ruta no es v\xE1lida)");
}

TEST(ArchivoTexto, PathsShowInTheCodePage) {
  EXPECT_EQ(RutaVisible("/tmp/ni\xC3\xB1o.pos"), "/tmp/ni\xF1o.pos");
  EXPECT_EQ(RutaVisible("/tmp/\xE4\xB8\xAD.pos"), "/tmp/?.pos");
  EXPECT_EQ(RutaVisible("/tmp/\xFF.pos"), "/tmp/?.pos");
}
