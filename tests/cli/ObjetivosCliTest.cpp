// telar-cli with a target language: generar's files and seeds, explorar --objetivo, and the
// labelled validation that does not punish an exact automaton for rejecting strings
// outside the language, as "Aciertos" does.
#include <gtest/gtest.h>

#include "../CarpetaTemporal.h"
#include "EjecutarCli.h"

namespace {

const std::string kTerminaAb = "er:(a|b)*ab";

TEST(ObjetivosCli, GenerarConLaMismaSemillaLosMismosFicherosYKRIdentifica) {
  TCarpetaTemporal carpeta("telar-objetivos-cli");
  const auto generar = [&](const std::string& base, const std::string& semilla) {
    return EjecutarCli({"generar", kTerminaAb, "--caracteristica", "kr", "-k", "2", "--positivos", "10", "--negativos",
                        "10", "--test", "40", "--semilla", semilla, "-o", carpeta.Ruta(base)});
  };
  const auto a = generar("a", "5"), b = generar("b", "5"), c = generar("c", "6");
  ASSERT_EQ(a.codigo, 0) << a.errores;
  EXPECT_NE(a.salida.find("Semilla: 5"), std::string::npos);
  for (const char* extension : {".pos", ".neg", ".tst"}) {
    EXPECT_FALSE(carpeta.Leer(std::string("a") + extension).empty());
    EXPECT_EQ(carpeta.Leer(std::string("a") + extension), carpeta.Leer(std::string("b") + extension));
  }
  EXPECT_NE(carpeta.Leer("a.tst"), carpeta.Leer("c.tst"));

  const auto r = EjecutarCli({"explorar", carpeta.Ruta("a.pos"), "--algoritmo", "kr", "--validar", carpeta.Ruta("a.tst"),
                              "--objetivo", kTerminaAb, "--formato", "csv"});
  ASSERT_EQ(r.codigo, 0) << r.errores;
  EXPECT_NE(r.salida.find("Identifica,Exactitud etiquetada"), std::string::npos) << r.salida;
  EXPECT_NE(r.salida.find("\nKR,2,"), std::string::npos);
  // k = 2 identifies and classifies every test string right
  const auto fila = r.salida.substr(r.salida.find("\nKR,2,") + 1);
  EXPECT_NE(fila.substr(0, fila.find('\n')).find(",sí,\"100,00%\""), std::string::npos) << fila;
  EXPECT_NE(r.salida.find("\nKR,0,"), std::string::npos);
  const auto fila0 = r.salida.substr(r.salida.find("\nKR,0,") + 1);
  EXPECT_NE(fila0.substr(0, fila0.find('\n')).find(",no,"), std::string::npos);

  const auto json = EjecutarCli({"explorar", carpeta.Ruta("a.pos"), "--algoritmo", "kr", "--objetivo", kTerminaAb,
                                 "--formato", "json"});
  EXPECT_NE(json.salida.find("\"Identifica\": true"), std::string::npos) << json.salida;
  EXPECT_NE(json.salida.find("\"Exactitud etiquetada\": null"), std::string::npos);
}

TEST(ObjetivosCli, EvaluarNoCastigaRechazarLoQueNoEsDelLenguaje) {
  TCarpetaTemporal carpeta("telar-evaluar-cli");
  const auto pos = carpeta.Escribir("ab.pos", "ab\nabab\n");
  const auto tst = carpeta.Escribir("ab.tst", "ab\nba\nabab\n");
  const auto r = EjecutarCli({"kr", "-k", "0", pos, "--validar", tst, "--evaluar", "--objetivo", "er:(ab)*"});
  ASSERT_EQ(r.codigo, 0) << r.errores;
  EXPECT_NE(r.salida.find("Aciertos: 67%"), std::string::npos) << r.salida;
  EXPECT_NE(r.salida.find("Exactitud: 100,00%"), std::string::npos);
  EXPECT_NE(r.salida.find("Verdaderos negativos: 1"), std::string::npos);
  EXPECT_NE(r.salida.find("Identifica el objetivo: sí"), std::string::npos);
  // without a target, the test file's strings are labelled in the language and those of
  // --test-negativo outside it
  const auto neg = carpeta.Escribir("ab-neg.tst", "ba\n&\n");
  const auto s = EjecutarCli({"kr", "-k", "0", pos, "--validar", tst, "--evaluar", "--test-negativo", neg});
  ASSERT_EQ(s.codigo, 0) << s.errores;
  EXPECT_NE(s.salida.find("Falsos negativos: 1\nFalsos positivos: 1\nVerdaderos negativos: 1"), std::string::npos)
      << s.salida;
  EXPECT_NE(s.salida.find("Rechazada y del lenguaje: ba\nAceptada y fuera del lenguaje: &"), std::string::npos);
  // a result that misses the target ((ab)* against ab(ab)*): the shortest witness and its side
  const auto t = EjecutarCli({"kr", "-k", "0", pos, "--objetivo", "er:ab(ab)*"});
  EXPECT_NE(t.salida.find("Identifica el objetivo: no\nTestigo: &\nAceptada por el resultado y no por el objetivo"),
            std::string::npos)
      << t.salida;
}

TEST(ObjetivosCli, EntradasQueNoSirven) {
  TCarpetaTemporal carpeta("telar-objetivos-mal");
  struct TCaso {
    std::vector<std::string> argumentos;
    int codigo;
    std::string mensaje;  // in stdout or stderr
  } casos[] = {
      {{"generar", "er:(a|b)*ab", "--caracteristica", "kr", "-k", "0", "-o", carpeta.Ruta("x")}, 1,
       "no es 0-reversible; el menor k para el que lo es es 2"},
      {{"generar", "er:a|b", "--positivos", "9", "--longitud", "3", "-o", carpeta.Ruta("y")}, 0, "solo hay 2"},
      {{"generar", "er:a|b", "--negativos", "5", "--caracteristica", "rpni", "-k", "1", "-o", carpeta.Ruta("z")}, 2,
       "-k va con --caracteristica kr"},
      {{"generar", "er:&", "--positivos", "0", "--negativos", "3", "-o", carpeta.Ruta("v")}, 2, "ning"},
      {{"generar", "er:a", "-o", carpeta.Ruta("w"), "--caracteristica", "lstar"}, 2, "rpni o kr"},
      {{"generar", "er:a"}, 2, "falta -o BASE"},
      {{"kr", "-k", "0", Datos("../../data/muestras/termina-ab.pos"), "--evaluar"}, 2, "--evaluar necesita --validar"},
      {{"explorar", Datos("../../data/muestras/termina-ab.pos"), "--objetivo", "er:(a"}, 2, ""},
  };
  for (const auto& caso : casos) {
    const auto r = EjecutarCli(caso.argumentos);
    EXPECT_EQ(r.codigo, caso.codigo) << caso.argumentos[1] << r.salida << r.errores;
    EXPECT_NE((r.salida + r.errores).find(caso.mensaje), std::string::npos) << r.salida << r.errores;
  }
}

TEST(ObjetivosCli, AbbadingoEscribeElObjetivoYSusCadenas) {
  TCarpetaTemporal carpeta("telar-abbadingo-gen");
  const auto r = EjecutarCli({"generar", "16", "--abbadingo", "--entrenamiento", "300", "--test", "200", "--semilla", "2",
                              "-o", carpeta.Ruta("abb")});
  ASSERT_EQ(r.codigo, 0) << r.errores;
  EXPECT_NE(r.salida.find("profundidad 6"), std::string::npos) << r.salida;
  EXPECT_EQ(carpeta.Leer("abb.abbadingo").substr(0, 6), "500 2\r");
  // the target written reads back, and the training strings are labelled by it
  const auto t = EjecutarCli({"kr", "-k", "0", carpeta.Ruta("abb.pos"), "--validar", carpeta.Ruta("abb.tst"), "--evaluar",
                              "--objetivo", carpeta.Ruta("abb.json")});
  ASSERT_EQ(t.codigo, 0) << t.errores;
  EXPECT_NE(t.salida.find("Test etiquetado: 200"), std::string::npos);
}

}  // namespace
