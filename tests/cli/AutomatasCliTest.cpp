// telar-cli minimizar, comparar, expresion and cadenas, and the inference orders'
// --minimizar and --comparar, run as a user runs them.
#include <filesystem>

#include <gtest/gtest.h>
#include <unistd.h>

#include "EjecutarCli.h"

namespace {

const std::string kTerminaAb = std::string(TELAR_TEST_DATA) + "/../../data/muestras/termina-ab.pos";

const std::string kMinimoKR2 =
    "Autómata resultado KR   K=2 - Mínimo\n"
    "Muestra: { ab, aab, bab, abab, bbab, aaab, baab, bbbab, abbab }\n"
    "Alfabeto: { a, b }\n"
    "Estado Inicial: q0 = { &, b, bb, bbb, abb }\n"
    "Estados Finales:   q2 = { ab, aab, bab, abab, bbab, aaab, baab, bbbab, abbab }\n"
    "Conjunto de Estados:   q0 = { &, b, bb, bbb, abb }  q1 = { a, aa, aaa, baa, ba, aba, bba, bbba, abba }  "
    "q2 = { ab, aab, bab, abab, bbab, aaab, baab, bbbab, abbab }\n"
    "Función de Transición: \n"
    " E/A   a  b\n"
    "   q0  q1   q0 \n"
    "   q1  q1   q2 \n"
    "   q2  q1   q0 \n";

struct CasoCli {
  const char* nombre;
  std::vector<std::string> argumentos;
  int codigo;
  std::string salida;   // the whole of stdout; "*" for anything, "*..." for its end after the star
  std::string errores;  // the whole of stderr; "*..." for a part of it after the star
};

class AutomatasCli : public testing::TestWithParam<CasoCli> {};

TEST_P(AutomatasCli, SalidaYCodigo) {
  const auto& caso = GetParam();
  const auto r = EjecutarCli(caso.argumentos);
  EXPECT_EQ(r.codigo, caso.codigo) << r.errores;
  if (caso.salida.rfind("*", 0) == 0) {
    const std::string fin = caso.salida.substr(1);
    EXPECT_TRUE(r.salida.size() >= fin.size() && r.salida.compare(r.salida.size() - fin.size(), fin.size(), fin) == 0)
        << r.salida;
  } else {
    EXPECT_EQ(r.salida, caso.salida);
  }
  if (caso.errores.rfind("*", 0) == 0)
    EXPECT_NE(r.errores.find(caso.errores.substr(1)), std::string::npos) << r.errores;
  else
    EXPECT_EQ(r.errores, caso.errores);
}

INSTANTIATE_TEST_SUITE_P(
    Ordenes, AutomatasCli,
    testing::Values(
        CasoCli{"kr_minimizar", {"kr", "-k", "2", kTerminaAb, "--minimizar"}, 0, kMinimoKR2, ""},
        CasoCli{"kr_comparar_equivalente", {"kr", "-k", "2", kTerminaAb, "--comparar", "er:(a|b)*ab"}, 0,
                "*   q6  q5   q6 \nEquivalentes\n", ""},
        CasoCli{"kr_k0_comparar_testigo", {"kr", "-k", "0", kTerminaAb, "--comparar", "er:(a|b)*ab"}, 1,
                "*No equivalentes\nTestigo: &\nAceptada por: el resultado\nRechazada por: er:(a|b)*ab\n", ""},
        CasoCli{"kc_minimizar_comparar", {"kc", "-k", "2", kTerminaAb, "--minimizar", "--comparar", "er:(a+b)*ab"}, 0,
                "*   q2  q1   q0 \nEquivalentes\n", ""},
        CasoCli{"minimizar_con_determinista", {"kr", "-k", "2", kTerminaAb, "--minimizar", "--determinista"}, 2, "",
                "*no pueden ir juntas"},
        CasoCli{"comparar_expresion_mala_antes_del_informe", {"kr", "-k", "2", kTerminaAb, "--comparar", "er:(a"}, 2,
                "", "*posición 1"},
        CasoCli{"minimizar_completo", {"minimizar", "er:a", "--completo"}, 0,
                "Autómata mínimo\nAlfabeto: { a }\nEstado Inicial: q0 = {}\nEstados Finales:   q1 = {}\n"
                "Conjunto de Estados:   q0 = {}  q1 = {}  q2 = {}\nFunción de Transición: \n"
                " E/A   a\n   q0  q1 \n   q1  q2 \n   q2  q2 \n",
                ""},
        CasoCli{"comparar_equivalentes", {"comparar", "er:(a|b)*", "er:(a*b*)*"}, 0, "Equivalentes\n", ""},
        CasoCli{"comparar_testigo", {"comparar", "er:a*b", "er:(a|b)*b"}, 1,
                "No equivalentes\nTestigo: bb\nAceptada por: er:(a|b)*b\nRechazada por: er:a*b\n", ""},
        CasoCli{"comparar_inclusion", {"comparar", "--inclusion", "er:a*b", "er:(a|b)*b"}, 0, "Incluido\n", ""},
        CasoCli{"comparar_no_incluido", {"comparar", "--inclusion", "er:(a|b)*b", "er:a*b"}, 1,
                "No incluido\nTestigo: bb\nAceptada por: er:(a|b)*b\nRechazada por: er:a*b\n", ""},
        CasoCli{"expresion", {"expresion", "er:(a|b)*"}, 0, "(a|b)*\n", ""},
        CasoCli{"expresion_simplificada", {"expresion", "er:a(&)*"}, 0, "a\n", ""},
        CasoCli{"expresion_limite", {"expresion", "--limite", "3", "er:(ab|ba)*(a|b)"}, 1, "", "*pasa de 3 caracteres"},
        CasoCli{"cadenas", {"cadenas", "er:(a|b)*ab", "-n", "4"}, 0, "ab\naab\nbab\naaab\n", ""},
        CasoCli{"cadenas_vacia", {"cadenas", "er:a?"}, 0, "&\na\n", ""},
        CasoCli{"cadenas_longitud", {"cadenas", "er:b*a", "--longitud", "2"}, 0, "a\nba\n", ""},
        CasoCli{"cadenas_cuentas", {"cadenas", "er:(a|b)*ab", "--cuentas", "3"}, 0,
                "Longitud 0: 0\nLongitud 1: 0\nLongitud 2: 1\nLongitud 3: 2\n", ""},
        CasoCli{"cadenas_dos_modos", {"cadenas", "er:a", "-n", "2", "--longitud", "3"}, 2, "", "*no pueden ir juntas"},
        CasoCli{"expresion_mala", {"expresion", "er:a+"}, 2, "", "*tras '+' en la posición 2"},
        CasoCli{"fichero_que_no_existe", {"comparar", "/no/existe.jff", "er:a"}, 2, "", "*No se puede abrir"},
        CasoCli{"extension_desconocida", {"minimizar", "a.txt"}, 2, "", "*se leen autómatas .json y .jff"},
        CasoCli{"mealy_rechazado", {"minimizar", Datos("automatas/maquina-mealy.jff")}, 2, "",
                "*(máquina de Mealy), no un autómata finito"},
        CasoCli{"jflap_a_mano", {"cadenas", Datos("automatas/jflap-lambda-etiqueta-larga.jff"), "-n", "3"}, 0,
                "ab\nbab\nbbab\n", ""}),
    [](const testing::TestParamInfo<CasoCli>& info) { return std::string(info.param.nombre); });

// What kr --diagrama writes reads back through comparar and minimizar as the same automaton.
TEST(AutomatasCliArchivos, LoQueTelarExportaSeReleeEnLasOrdenes) {
  const auto base = std::filesystem::temp_directory_path() / ("telar-automatas-" + std::to_string(::getpid()));
  for (const char* extension : {".json", ".jff"}) {
    const std::string ruta = base.string() + extension;
    ASSERT_EQ(EjecutarCli({"kr", "-k", "2", kTerminaAb, "--diagrama", ruta}).codigo, 0);
    EXPECT_EQ(EjecutarCli({"comparar", ruta, "er:(a|b)*ab"}).salida, "Equivalentes\n") << extension;
    const auto minimo = EjecutarCli({"minimizar", ruta});
    EXPECT_EQ(minimo.codigo, 0) << minimo.errores;
    EXPECT_NE(minimo.salida.find("   q2  q1   q0 \n"), std::string::npos) << minimo.salida;
    // the minimal automaton drawn to a file reads back equivalent too
    const std::string dibujo = base.string() + "-minimo" + extension;
    ASSERT_EQ(EjecutarCli({"kr", "-k", "2", kTerminaAb, "--minimizar", "--diagrama", dibujo}).codigo, 0);
    EXPECT_EQ(EjecutarCli({"comparar", dibujo, ruta}).salida, "Equivalentes\n") << extension;
    std::filesystem::remove(ruta);
    std::filesystem::remove(dibujo);
  }
}

}  // namespace
