// telar-cli muestra, and the argument handling every order shares.
#include <gtest/gtest.h>

#include "EjecutarCli.h"

struct CasoMuestra {
  const char* nombre;
  const char* fichero;
  int codigo;
  const char* salida;
  const char* errores;  // a part of stderr; "" for an empty stderr
};

class MuestraCli : public testing::TestWithParam<CasoMuestra> {};

TEST_P(MuestraCli, ShowsTheSampleAsTheViewerDoes) {
  const auto& caso = GetParam();
  const auto r = EjecutarCli({"muestra", Datos(std::string("muestras/") + caso.fichero)});
  EXPECT_EQ(r.codigo, caso.codigo);
  EXPECT_EQ(r.salida, caso.salida);
  if (*caso.errores == '\0')
    EXPECT_EQ(r.errores, "");
  else
    EXPECT_NE(r.errores.find(caso.errores), std::string::npos) << r.errores;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, MuestraCli,
    testing::Values(
        CasoMuestra{"positiva", "ejemplo.pos", 0, "ab\n&\nba\n", ""},
        CasoMuestra{"utf8", "utf8.pos", 0, "ñu\nárbol\n€\n", ""},
        CasoMuestra{"windows1252_solo_cr", "cp1252.pos", 0, "ñu\nárbol\n€\n", ""},
        CasoMuestra{"saltos_mezclados", "mezcla.tst", 0, "a\nb\nc\nd\n", ""},
        CasoMuestra{"extension_en_mayusculas", "MAYUS.NEG", 0, "x\nyz\n", ""},
        CasoMuestra{"sa_en_mayusculas", "ejemplo.sya", 0, "S0 / A1\nS1/A0\n\nS0/A0\n", ""},
        CasoMuestra{"sa_vacia", "vacia.sya", 0, "", ""},
        CasoMuestra{"linea_en_blanco", "blanca.pos", 2, "", "Muestra No válida\n"},
        CasoMuestra{"extension_incorrecta", "ejemplo.txt", 2, "",
                    "El archivo especificado no tiene extensión correcta"},
        CasoMuestra{"binario", "binario.pos", 2, "", "línea 2 contiene un carácter nulo"},
        CasoMuestra{"fuera_de_windows1252", "chino.pos", 2, "", "línea 2, columna 2"},
        CasoMuestra{"no_existe", "falta.pos", 2, "", "falta.pos\" (no existe)"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The system's message on its own line, then why: the file and its blank line, or that it
// is empty or holds only a byte-order mark.
TEST(Cli, InvalidSampleMessageIsExactlyTheSystemsAndItsReasonFollows) {
  const auto r = EjecutarCli({"muestra", Datos("muestras/blanca.pos")});
  EXPECT_EQ(r.errores, "Muestra No válida\nEl archivo \"" + Datos("muestras/blanca.pos") +
                           "\", línea 2: en blanco (la cadena vacía se escribe \"&\")\n");
  const auto carpeta = std::filesystem::temp_directory_path() / ("telar-motivos-" + std::to_string(::getpid()));
  std::filesystem::create_directories(carpeta);
  const struct {
    const char* bytes;
    const char* motivo;
  } casos[] = {{"", "\" está vacío\n"}, {"\xEF\xBB\xBF", "\" solo contiene la marca de orden de bytes (BOM) de UTF-8\n"}};
  for (const auto& caso : casos) {
    const std::string ruta = (carpeta / "m.pos").string();
    std::ofstream(ruta, std::ios::binary) << caso.bytes;
    const auto v = EjecutarCli({"muestra", ruta});
    EXPECT_EQ(v.codigo, 2);
    EXPECT_EQ(v.errores, "Muestra No válida\nEl archivo \"" + ruta + caso.motivo);
  }
  std::filesystem::remove_all(carpeta);
}

struct CasoUso {
  const char* nombre;
  std::vector<std::string> argumentos;
  const char* errores;
};

class UsoCli : public testing::TestWithParam<CasoUso> {};

TEST_P(UsoCli, MisuseGivesUsageAndExitCodeTwo) {
  const auto r = EjecutarCli(GetParam().argumentos);
  EXPECT_EQ(r.codigo, 2);
  EXPECT_EQ(r.salida, "");
  EXPECT_NE(r.errores.find(GetParam().errores), std::string::npos) << r.errores;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, UsoCli,
    testing::Values(
        CasoUso{"sin_orden", {}, "Uso: telar-cli"},
        CasoUso{"orden_desconocida", {"nada"}, "orden desconocida \"nada\""},
        CasoUso{"opcion_desconocida", {"muestra", "--kr", "a.pos"}, "opción desconocida \"--kr\""},
        CasoUso{"sin_fichero", {"muestra"}, "falta el fichero"},
        CasoUso{"dos_ficheros", {"muestra", "a.pos", "b.pos"}, "sobra el argumento \"b.pos\""},
        CasoUso{"opcion_de_otra_orden", {"muestra", "-o", "x.txt", "a.pos"}, "opción desconocida \"-o\""}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Cli, HelpIsSpanishAndSucceeds) {
  const auto general = EjecutarCli({"--help"});
  EXPECT_EQ(general.codigo, 0);
  EXPECT_NE(general.salida.find("Órdenes:"), std::string::npos);
  EXPECT_NE(general.salida.find("muestra FICHERO"), std::string::npos);
  const auto orden = EjecutarCli({"muestra", "--help"});
  EXPECT_EQ(orden.codigo, 0);
  EXPECT_NE(orden.salida.find("Uso: telar-cli muestra FICHERO"), std::string::npos);
  EXPECT_EQ(orden.errores, "");
}

TEST(Cli, DoubleDashLetsAFileStartWithADash) {
  const auto r = EjecutarCli({"muestra", "--", "-raro.pos"});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_NE(r.errores.find("\"-raro.pos\" (no existe)"), std::string::npos) << r.errores;
}
