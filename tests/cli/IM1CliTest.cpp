// telar-cli im1: the three heuristics, the candidate bounds, and the refusals of bad choices.
#include <gtest/gtest.h>

#include "EjecutarCli.h"

namespace {

const std::string kCaption = "Aut\xC3\xB3mata resultado IM1   K=";

std::string PrimeraLinea(const std::string& texto) { return texto.substr(0, texto.find('\n')); }

}  // namespace

TEST(IM1Cli, HeuristicsGiveTheirCaptionsAndBlocks) {
  const struct {
    const char* nombre;
    std::vector<std::string> opciones;
    std::string caption;
    std::string estados;
  } filas[] = {
      {"KSufijosDefaultK", {"--heuristico", "ksufijos"}, kCaption + "0  K Sufijos", "  q0 = { & }  q1 = { a, ab, abb }"},
      {"KSufijosK1", {"--heuristico", "ksufijos", "-k", "1"}, kCaption + "1  K Sufijos",
       "  q0 = { & }  q1 = { abb }  q2 = { a, ab }"},
      {"LevineS2", {"--heuristico", "levine", "--cota", "2"}, kCaption + "3  Levine   S =2",
       "  q0 = { & }  q1 = { abb }  q2 = { a, ab }"},
      {"MicletSmallestBound", {"--heuristico", "miclet"}, kCaption + "3  Miclet   S =1",
       "  q0 = { & }  q1 = { a, ab, abb }"},
  };
  for (const auto& f : filas) {
    auto argumentos = f.opciones;
    argumentos.insert(argumentos.begin(), "im1");
    argumentos.push_back(Datos("im1/a-ab-abb.pos"));
    const auto r = EjecutarCli(argumentos);
    EXPECT_EQ(r.codigo, 0) << f.nombre << ": " << r.errores;
    EXPECT_EQ(PrimeraLinea(r.salida), f.caption) << f.nombre;
    EXPECT_NE(r.salida.find("Conjunto de Estados: " + f.estados + "\n"), std::string::npos) << f.nombre << "\n"
                                                                                          << r.salida;
  }
}

TEST(IM1Cli, CandidateBoundsInTheListBoxOrder) {
  const auto r = EjecutarCli({"im1", "--heuristico", "levine", "--cotas", Datos("im1/cotas.pos")});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_EQ(r.salida, "1\n10\n2\n");
  const auto diez = EjecutarCli({"im1", "--heuristico", "levine", "--cota", "10", Datos("im1/cotas.pos")});
  EXPECT_EQ(diez.codigo, 0) << diez.errores;
  EXPECT_EQ(PrimeraLinea(diez.salida), kCaption + "3  Levine   S =10");
}

TEST(IM1Cli, DeterministicReportAndValidation) {
  // k = 0 joins &, a, b and ab, ba: from q0 the symbol a leads to q0 and to q1
  const auto plano = EjecutarCli({"im1", "--heuristico", "ksufijos", Datos("im1/ab-ba.pos")});
  EXPECT_EQ(plano.codigo, 0) << plano.errores;
  EXPECT_EQ(plano.salida.find("[q0q1]"), std::string::npos);
  const auto determinista = EjecutarCli(
      {"im1", "--heuristico", "ksufijos", Datos("im1/ab-ba.pos"), "--determinista", "--validar", Datos("im1/ab-ba.tst")});
  EXPECT_EQ(determinista.codigo, 0) << determinista.errores;
  EXPECT_EQ(PrimeraLinea(determinista.salida), kCaption + "0  K Sufijos");
  EXPECT_NE(determinista.salida.find("[q0q1]"), std::string::npos) << determinista.salida;
  EXPECT_NE(determinista.salida.find("Muestra Test: 4\n"), std::string::npos) << determinista.salida;
}

// A non-deterministic result is validated by its language: the counts are those of its
// deterministic equivalent, and the report printed before them is the plain one.
TEST(IM1Cli, ValidationOfANonDeterministicResultCountsItsLanguage) {
  const std::vector<std::string> orden{"im1", "--heuristico", "ksufijos", "-k", "0", Datos("im1/aaa-b.pos")};
  auto conValidacion = orden;
  conValidacion.insert(conValidacion.end(), {"--validar", Datos("im1/aaa-b.tst")});
  auto determinista = conValidacion;
  determinista.push_back("--determinista");
  const std::string cuentas =
      "Muestra Entrenamiento: 2\nMuestra Test: 2\nEjemplos Aceptados: 2\nEjemplos Rechazados: 0\nAciertos: 100%\n";
  const auto informe = EjecutarCli(orden);
  ASSERT_EQ(informe.codigo, 0) << informe.errores;
  for (const auto& argumentos : {conValidacion, determinista}) {
    const auto r = EjecutarCli(argumentos);
    EXPECT_EQ(r.codigo, 0) << r.errores;
    ASSERT_GE(r.salida.size(), cuentas.size());
    EXPECT_EQ(r.salida.substr(r.salida.size() - cuentas.size()), cuentas) << r.salida;
  }
  EXPECT_EQ(EjecutarCli(conValidacion).salida, informe.salida + cuentas);
}

TEST(IM1Cli, RefusedChoicesExitWithTwo) {
  const struct {
    const char* nombre;
    std::vector<std::string> opciones;
    std::string mensaje;
  } filas[] = {
      {"NoHeuristic", {}, "--heuristico"},
      {"UnknownHeuristic", {"--heuristico", "otro"}, "otro"},
      {"KAboveTheLongestExample", {"--heuristico", "ksufijos", "-k", "4"}, "de 0 a 3"},
      {"KNotANumber", {"--heuristico", "ksufijos", "-k", "dos"}, "de 0 a 3"},
      {"LevineWithoutBound", {"--heuristico", "levine"}, "--cota"},
      {"BoundNotACandidate", {"--heuristico", "levine", "--cota", "3"}, "1, 2"},
      {"KWithLevine", {"--heuristico", "levine", "-k", "1", "--cota", "1"}, "-k"},
      {"BoundWithMiclet", {"--heuristico", "miclet", "--cota", "1"}, "levine"},
      {"BoundListWithOutputFile", {"--heuristico", "levine", "--cotas", "-o", "cotas.aut"}, "--cotas"},
      {"BoundListWithValidation", {"--heuristico", "levine", "--cotas", "--validar", "x.tst"}, "--cotas"},
  };
  for (const auto& f : filas) {
    auto argumentos = f.opciones;
    argumentos.insert(argumentos.begin(), "im1");
    argumentos.push_back(Datos("im1/a-ab-abb.pos"));
    const auto r = EjecutarCli(argumentos);
    EXPECT_EQ(r.codigo, 2) << f.nombre;
    EXPECT_EQ(r.salida, "") << f.nombre;
    EXPECT_NE(r.errores.find(f.mensaje), std::string::npos) << f.nombre << ": " << r.errores;
  }
}
