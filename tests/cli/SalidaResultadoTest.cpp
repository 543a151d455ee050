// The result orders' shared output: the report on stdout or in a file, the deterministic
// report on request, and the five validation lines.
#include "cli/SalidaResultado.h"

#include <gtest/gtest.h>

#include "../inference/FuncionReferencia.h"

#include <filesystem>
#include <fstream>

#include "EjecutarCli.h"
#include "core/Automata.h"
#include "core/Texto.h"
#include "core/Utilidades.h"

namespace fs = std::filesystem;

namespace {

struct TSalida {
  int codigo;
  std::string salida;
  std::string errores;
};

TSalida Ejecutar(const TAutomata& automata, const TLista& muestra, const std::string& caption,
                 const TLista* ejemplos, const TOpcionesSalida& opciones) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int codigo = SalidaResultado(automata, muestra, caption, ejemplos, opciones);
  std::string salida = testing::internal::GetCapturedStdout();
  return {codigo, salida, testing::internal::GetCapturedStderr()};
}

// The report as the terminal shows it: UTF-8, LF.
std::string ComoTerminal(const std::string& cp1252CrLf) {
  std::string sinCr;
  for (char c : cp1252CrLf)
    if (c != '\r') sinCr += c;
  return Cp1252AUtf8(sinCr);
}

class SalidaResultadoCli : public testing::Test {
 protected:
  void SetUp() override {
    carpeta = fs::temp_directory_path() /
              ("telar-salida-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    unitaria.PonerBloques(ParticionUnitaria(unitaria.Estados()));
    noDeterminista.PonerBloques({{""}, {"a", "b"}, {"aa"}, {"ba"}});
  }
  void TearDown() override { fs::remove_all(carpeta); }
  std::string Fichero(const std::string& nombre, const std::string& bytes) {
    std::ofstream(carpeta / nombre, std::ios::binary) << bytes;
    return (carpeta / nombre).string();
  }

  fs::path carpeta;
  TAutomata unitaria{TLista{"ab", "b"}};
  TAutomata noDeterminista{TLista{"aa", "ba"}};
  const std::string kr0 = "Aut\xF3mata resultado KR   K=0";
};

TEST_F(SalidaResultadoCli, ReportOnStdoutOrByteForByteInTheFile) {
  const std::string golden = LeerBytes(Datos("resultados/ab-b-unitaria.aut"));
  const auto pantalla = Ejecutar(unitaria, {"ab", "b"}, " Aut\xF3mata resultado", nullptr, {});
  EXPECT_EQ(pantalla.codigo, 0);
  EXPECT_EQ(pantalla.salida, ComoTerminal(golden));

  TOpcionesSalida opciones;
  opciones.fichero = (carpeta / "r.aut").string();
  const auto fichero = Ejecutar(unitaria, {"ab", "b"}, " Aut\xF3mata resultado", nullptr, opciones);
  EXPECT_EQ(fichero.codigo, 0);
  EXPECT_EQ(fichero.salida, "");
  EXPECT_EQ(LeerBytes(carpeta / "r.aut"), golden);
}

TEST_F(SalidaResultadoCli, DeterministicReportOnlyWhenNeeded) {
  TOpcionesSalida opciones;
  opciones.determinista = true;
  opciones.fichero = (carpeta / "d.aut").string();
  EXPECT_EQ(Ejecutar(noDeterminista, {"aa", "ba"}, kr0, nullptr, opciones).codigo, 0);
  EXPECT_EQ(LeerBytes(carpeta / "d.aut"), LeerBytes(Datos("resultados/aa-ba-determinista.aut")));
  // a deterministic result keeps the result window's report
  EXPECT_EQ(Ejecutar(unitaria, {"ab", "b"}, " Aut\xF3mata resultado", nullptr, opciones).codigo, 0);
  EXPECT_EQ(LeerBytes(carpeta / "d.aut"), LeerBytes(Datos("resultados/ab-b-unitaria.aut")));
}

TEST_F(SalidaResultadoCli, ValidationLinesFollowTheReport) {
  struct Caso {
    const char* nombre;
    bool determinista;
    const char* test;
    const char* lineas;
  } casos[] = {
      {"quotient walk", false, "aa\nba\nb\nbb\n&\n",
       "Muestra Entrenamiento: 2\nMuestra Test: 5\nEjemplos Aceptados: 2\nEjemplos Rechazados: 3\nAciertos: 40%\n"},
      {"deterministic walk", true, "aa\r\nba\r\nba\r\nb\r\nbb\r\na\r\nab\r\n\r\n",
       "Muestra Entrenamiento: 2\nMuestra Test: 8\nEjemplos Aceptados: 3\nEjemplos Rechazados: 5\nAciertos: 38%\n"},
      {"no lines", true, "",
       "Muestra Entrenamiento: 2\nMuestra Test: 0\nEjemplos Aceptados: 0\nEjemplos Rechazados: 0\nAciertos: 0%\n"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    TOpcionesSalida opciones;
    opciones.determinista = caso.determinista;
    opciones.validar = Fichero("t.tst", caso.test);
    opciones.fichero = (carpeta / "v.aut").string();
    const auto r = Ejecutar(noDeterminista, {"aa", "ba"}, kr0, nullptr, opciones);
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida, caso.lineas);
    opciones.fichero.reset();
    const auto pantalla = Ejecutar(noDeterminista, {"aa", "ba"}, kr0, nullptr, opciones);
    EXPECT_EQ(pantalla.salida.substr(pantalla.salida.size() - std::string(caso.lineas).size()), caso.lineas);
  }
}

TEST_F(SalidaResultadoCli, IncrementalReportListsTheExamplesOnce) {
  const TLista ejemplos = {"aab", "", "AAB", "ba"};
  const auto r = Ejecutar(unitaria, {"ab", "b"}, "Aut\xF3mata resultado  KR INCREMENTAL   K=0", &ejemplos, {});
  EXPECT_EQ(r.codigo, 0);
  EXPECT_EQ(r.errores, "");
  EXPECT_EQ(r.salida.substr(0, r.salida.find("Alfabeto")),
            "Autómata resultado  KR INCREMENTAL   K=0\nMuestra: { ab, b }\nEjemplos añadidos: { aab, ba }\n");
}

TEST_F(SalidaResultadoCli, BadInputPrintsNothingAndExitsTwo) {
  struct Caso {
    const char* nombre;
    std::string validar;
    std::string fichero;
    const char* error;
  } casos[] = {
      {"test file of another kind", Fichero("t.pos", "a\n"), "", "El archivo especificado no tiene extensión correcta"},
      {"missing test file", (carpeta / "falta.tst").string(), "", "falta.tst"},
      {"unwritable output", "", (carpeta / "no" / "r.aut").string(), "r.aut"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    TOpcionesSalida opciones;
    if (!caso.validar.empty()) opciones.validar = caso.validar;
    if (!caso.fichero.empty()) opciones.fichero = caso.fichero;
    const auto r = Ejecutar(unitaria, {"ab", "b"}, "T", nullptr, opciones);
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.salida, "");
    EXPECT_NE(r.errores.find(caso.error), std::string::npos) << r.errores;
  }
}

// Through telar-cli itself: KR with k = 2 on [ab, b] leaves every state alone, the
// example of the result window.
TEST_F(SalidaResultadoCli, KrOrderWritesTheResultWindowReport) {
  const std::string golden = LeerBytes(Datos("resultados/ab-b-kr2.aut"));
  const fs::path destino = carpeta / "kr2.aut";
  const auto r = EjecutarCli({"kr", "-k", "2", Datos("kr/ab-b.pos"), "--determinista", "-o", destino.string(),
                              "--validar", Fichero("t.tst", "ab\r\nb\r\naab\r\n\r\n")});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_EQ(LeerBytes(destino), golden);
  EXPECT_EQ(r.salida,
            "Muestra Entrenamiento: 2\nMuestra Test: 4\nEjemplos Aceptados: 2\nEjemplos Rechazados: 2\nAciertos: 50%\n");
  EXPECT_EQ(EjecutarCli({"kr", "-k", "2", Datos("kr/ab-b.pos")}).salida, ComoTerminal(golden));
}

}  // namespace
