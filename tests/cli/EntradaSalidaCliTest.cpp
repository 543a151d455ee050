// telar-cli at the edges of its input and output: a full disk or a file-size limit, an
// output that names an input, a full stdout, exhausted memory, samples read from stdin.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "EjecutarCli.h"

namespace fs = std::filesystem;

namespace {

class EntradaSalidaCli : public testing::Test {
 protected:
  void SetUp() override {
    carpeta = fs::temp_directory_path() /
              ("telar-es-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
  }
  void TearDown() override { fs::remove_all(carpeta); }

  std::string Ruta(const std::string& nombre) const { return (carpeta / nombre).string(); }
  std::string Escribir(const std::string& nombre, const std::string& bytes) const {
    std::ofstream(carpeta / nombre, std::ios::binary) << bytes;
    return Ruta(nombre);
  }
  std::vector<std::string> Contenido() const {
    std::vector<std::string> nombres;
    for (const auto& entrada : fs::directory_iterator(carpeta)) nombres.push_back(entrada.path().filename());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
  }

  fs::path carpeta;
};

bool Contiene(const std::string& texto, const std::string& parte) { return texto.find(parte) != std::string::npos; }

}  // namespace

TEST_F(EntradaSalidaCli, AWriteBeyondTheFileSizeLimitKeepsTheOldReport) {
  // 40 examples a, aa, ...: the acceptor's report is far longer than the 512 bytes allowed
  std::string muestra;
  for (int n = 1; n <= 40; ++n) muestra += std::string(n, 'a') + "\n";
  const std::string pos = Escribir("s.pos", muestra);
  const std::string informe = Escribir("s.aut", "informe anterior\r\n");
  const auto r = EjecutarCli({"aceptor", pos, "-o", informe}, {.antes = "ulimit -f 1; "});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_TRUE(Contiene(r.errores, "s.aut\" (el archivo supera el tamaño permitido); no se ha modificado el archivo"))
      << r.errores;
  EXPECT_EQ(LeerBytes(informe), "informe anterior\r\n");
  EXPECT_EQ(Contenido(), (std::vector<std::string>{"s.aut", "s.pos"}));
}

TEST_F(EntradaSalidaCli, TheReportNeverReplacesAnInput) {
  const std::string pos = Escribir("s.pos", "ab\nb\n");
  const std::string neg = Escribir("n.neg", "a\n");
  const std::string tst = Escribir("t.tst", "ab\n");
  const std::string sya = Escribir("m.sya", "S1/A1 S2/A2\n");
  fs::create_directories(carpeta / "sub");
  fs::create_hard_link(pos, carpeta / "enlace.pos");
  const std::vector<std::vector<std::string>> llamadas = {
      {"kr", "-k", "0", pos, "-o", pos},
      {"kc", "-k", "0", pos, "-o", Ruta("sub/../s.pos")},
      {"im1", "--heuristico", "ksufijos", pos, "-o", Ruta("enlace.pos")},
      {"kr", "-k", "0", pos, "--validar", tst, "-o", tst},
      {"kc", "--negativa", neg, pos, "-o", neg},
      {"aceptor", pos, "-o", pos},
      {"skr", sya, "-k", "0", "-o", sya},
  };
  for (const auto& llamada : llamadas) {
    const auto r = EjecutarCli(llamada);
    EXPECT_EQ(r.codigo, 2) << llamada[0];
    EXPECT_TRUE(Contiene(r.errores, "-o no puede escribir sobre el fichero de entrada")) << r.errores;
  }
  EXPECT_EQ(LeerBytes(pos), "ab\nb\n");
  EXPECT_EQ(LeerBytes(neg), "a\n");
  EXPECT_EQ(LeerBytes(tst), "ab\n");
  EXPECT_EQ(LeerBytes(sya), "S1/A1 S2/A2\n");
  // another file of the same folder is written as before
  EXPECT_EQ(EjecutarCli({"kr", "-k", "0", pos, "-o", Ruta("r.aut")}).codigo, 0);
  EXPECT_TRUE(fs::exists(Ruta("r.aut")));
}

TEST(Cli, AFullStdoutIsAnError) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "sin /dev/full";
  const std::vector<std::vector<std::string>> llamadas = {
      {"muestra", Datos("muestras/ejemplo.pos")},
      {"kr", "-k", "0", Datos("kr/ab-b.pos"), "--validar", Datos("kr/prueba.tst")},
      {"skc", Datos("muestras/ejemplo.sya")},
      {"--help"},
  };
  for (const auto& llamada : llamadas) {
    const auto r = EjecutarCli(llamada, {.salida = "/dev/full"});
    EXPECT_EQ(r.codigo, 2) << llamada[0];
    EXPECT_TRUE(Contiene(r.errores, "no se puede escribir la salida (no queda espacio en el disco)")) << r.errores;
  }
}

TEST_F(EntradaSalidaCli, RunningOutOfMemoryIsAMessageWithTheSamplesSize) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer cannot run under a virtual memory limit";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "AddressSanitizer cannot run under a virtual memory limit";
#endif
#endif
  // one example of 64 MB cannot be held in 256 MB of address space with its copies
  const std::string pos = Escribir("grande.pos", std::string(64 << 20, 'a') + "\n");
  const auto r = EjecutarCli({"aceptor", pos}, {.antes = "ulimit -v 262144; "});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_EQ(r.salida, "");
  EXPECT_TRUE(Contiene(r.errores, "telar-cli aceptor: memoria insuficiente (muestra \"" + pos + "\": ")) << r.errores;
}

TEST_F(EntradaSalidaCli, DashReadsTheSampleFromStdin) {
  struct Caso {
    std::vector<std::string> conDash;
    std::string entrada;
    std::vector<std::string> conFichero;  // the same call naming the file
  };
  const std::vector<Caso> casos = {
      {{"muestra", "-"}, Datos("muestras/ejemplo.pos"), {"muestra", Datos("muestras/ejemplo.pos")}},
      {{"muestra", "--tipo", "sya", "-"}, Datos("muestras/ejemplo.sya"), {"muestra", Datos("muestras/ejemplo.sya")}},
      {{"muestra", "--tipo", "neg", "-"}, Datos("muestras/MAYUS.NEG"), {"muestra", Datos("muestras/MAYUS.NEG")}},
      {{"aceptor", "--kr", "-"}, Datos("muestras/ab.pos"), {"aceptor", "--kr", Datos("muestras/ab.pos")}},
      {{"kc", "-k", "1", "-", "--validar", Datos("kr/prueba.tst")},
       Datos("kr/ab-b.pos"),
       {"kc", "-k", "1", Datos("kr/ab-b.pos"), "--validar", Datos("kr/prueba.tst")}},
      {{"skr", "-"}, Datos("muestras/ejemplo.sya"), {"skr", Datos("muestras/ejemplo.sya")}},
  };
  for (const auto& caso : casos) {
    const auto leida = EjecutarCli(caso.conDash, {.entrada = caso.entrada});
    const auto esperada = EjecutarCli(caso.conFichero);
    EXPECT_EQ(leida.codigo, esperada.codigo) << caso.conDash[0] << leida.errores;
    EXPECT_EQ(leida.salida, esperada.salida) << caso.conDash[0];
    EXPECT_NE(leida.salida, "");
  }
  const auto blanca = EjecutarCli({"muestra", "-"}, {.entrada = Escribir("b.pos", "a\n\nb\n")});
  EXPECT_EQ(blanca.codigo, 2);
  EXPECT_EQ(blanca.errores,
            "Muestra No válida\nEl archivo \"(entrada estándar)\", línea 2: en blanco (la cadena vacía se escribe \"&\")\n");
}

TEST(Cli, StdinAndDevicesAreRefusedWhereTheyCannotBeSamples) {
  struct Caso {
    std::vector<std::string> argumentos;
    const char* errores;
  };
  const std::vector<Caso> casos = {
      {{"muestra", "--tipo", "aut", "-"}, "tipo desconocido \"aut\""},
      {{"muestra", "--tipo", "pos", Datos("muestras/ejemplo.pos")}, "--tipo solo vale con el fichero \"-\""},
      {{"kr", "--negativa", "-", Datos("kr/ab-b.pos")}, "no el valor de --negativa"},
      {{"kr", "-k", "0", Datos("kr/ab-b.pos"), "--validar", "-"}, "no el valor de --validar"},
      // a device is taken as named, not as "/dev/null.pos", and has no sample extension
      {{"kr", "-k", "0", "/dev/null"}, "El archivo especificado no tiene extensión correcta"},
  };
  for (const auto& caso : casos) {
    const auto r = EjecutarCli(caso.argumentos);
    EXPECT_EQ(r.codigo, 2) << caso.errores;
    EXPECT_TRUE(Contiene(r.errores, caso.errores)) << r.errores;
    EXPECT_FALSE(Contiene(r.errores, "/dev/null.pos")) << r.errores;
  }
}
