// telar-cli kr and kc: plain runs, the searches against a negative sample, the incremental
// passes, and the misuse that exits 2.
#include <filesystem>

#include <gtest/gtest.h>

#include "EjecutarCli.h"

namespace {

std::string Kr(const std::string& fichero) { return Datos("kr/" + fichero); }

const std::string kInformeKR0 =
    "Autómata resultado KR   K=0\n"
    "Muestra: { ab, b }\n"
    "Alfabeto: { a, b }\n"
    "Estado Inicial: q1 = { a, & }\n"
    "Estados Finales:   q0 = { ab, b }\n"
    "Conjunto de Estados:   q0 = { ab, b }  q1 = { a, & }\n"
    "Función de Transición: \n"
    " E/A   a  b\n"
    "   q0   -   -\n"
    "   q1  q1   q0 \n";

struct CasoCli {
  const char* nombre;
  std::vector<std::string> argumentos;
  int codigo;
  std::string salida;   // the whole of stdout; "*" for anything
  std::string errores;  // the whole of stderr; "*..." for a part of it after the star
};

class KRKCCli : public testing::TestWithParam<CasoCli> {};

TEST_P(KRKCCli, OutputAndExitCode) {
  const auto& caso = GetParam();
  const auto r = EjecutarCli(caso.argumentos);
  EXPECT_EQ(r.codigo, caso.codigo) << r.errores;
  if (caso.salida != "*") {
    EXPECT_EQ(r.salida, caso.salida);
  }
  if (!caso.errores.empty() && caso.errores[0] == '*') {
    EXPECT_NE(r.errores.find(caso.errores.substr(1)), std::string::npos) << r.errores;
  } else {
    EXPECT_EQ(r.errores, caso.errores);
  }
}


INSTANTIATE_TEST_SUITE_P(
    Cli, KRKCCli,
    testing::Values(
        CasoCli{"kr_k0", {"kr", "-k", "0", Kr("ab-b.pos")}, 0, kInformeKR0, ""},
        CasoCli{"kr_negativa_k0",
                {"kr", "--negativa", Kr("a.neg"), Kr("ab-b.pos")},
                0,
                "Autómata resultado KR NEGATIVO   K=0\n" + kInformeKR0.substr(kInformeKR0.find('\n') + 1),
                ""},
        CasoCli{"kr_negativa_k1", {"kr", "--negativa", Kr("aab.neg"), Kr("ab-b.pos")}, 0,
                "*", ""},
        CasoCli{"kc_negativa_k1", {"kc", "--negativa", Kr("b.neg"), Kr("aa-ba.pos")}, 0, "*", ""},
        CasoCli{"sin_solucion", {"kr", "--negativa", Kr("ab.neg"), Kr("ab-b.pos")}, 1,
                "No se encontró solución para el rango de K = [0..2]\n", ""},
        CasoCli{"negativa_vacia", {"kc", "--negativa", Kr("vacia.neg"), Kr("ab-b.pos")}, 2, "",
                "No existe Muestra Negativa\n"},
        CasoCli{"negativa_con_linea_en_blanco", {"kc", "--negativa", Kr("blanca.neg"), Kr("ab-b.pos")}, 2, "",
                "Muestra No válida\nEl archivo \"" + Kr("blanca.neg") +
                    "\", línea 2: en blanco (la cadena vacía se escribe \"&\")\n"},
        CasoCli{"negativa_con_otra_extension", {"kc", "--negativa", Kr("ab-b.pos"), Kr("ab-b.pos")}, 2, "",
                "El archivo especificado no tiene extensión correcta\n"},
        CasoCli{"incremental",
                {"kr", "-k", "0", "-e", "aab", "-e", "ba", "-e", "", "-e", "ABa", Kr("ab-b.pos")},
                0,
                "*",
                "Reconocido. No se ha modificado el autómata\n"
                "Aplicado el algoritmo incremental\n"
                "Debe insertar un ejemplo\n"
                "Reconocido. No se ha modificado el autómata\n"},
        CasoCli{"incremental_caracter_nuevo", {"kc", "-k", "1", "-e", "c", Kr("ab-b.pos")}, 0, "*",
                "Aplicado el algoritmo incremental\n"},
        CasoCli{"incremental_acento_en_mayuscula", {"kr", "-k", "0", "-e", "Áb", Kr("acento.pos")}, 0, "*",
                "Reconocido. No se ha modificado el autómata\n"},
        CasoCli{"incremental_marca", {"kr", "-k", "0", "-e", "a$", "-e", "ba", Kr("ab-b.pos")}, 0, "*",
                "El ejemplo contiene el carácter \"$\", que KR reserva como marca de fin de ejemplo\n"
                "Aplicado el algoritmo incremental\n"},
        // "-" is the prefix of -1 and -11: a state like any other
        CasoCli{"incremental_ejemplo_con_guion", {"kr", "-k", "1", "-e", "-1", Kr("guion.pos")}, 0, "*",
                "Reconocido. No se ha modificado el autómata\n"},
        CasoCli{"negativa_que_es_ejemplo_con_guion", {"kr", "--negativa", Kr("guion.neg"), Kr("guion.pos")}, 1,
                "No se encontró solución para el rango de K = [0..3]\n", ""},
        CasoCli{"kr_muestra_con_marca", {"kr", "-k", "0", Kr("dolar.pos")}, 2, "",
                "La muestra contiene el carácter \"$\", que KR reserva como marca de fin de ejemplo\n"},
        CasoCli{"kc_muestra_con_dolar", {"kc", "-k", "0", Kr("dolar.pos")}, 0, "*", ""},
        CasoCli{"k_fuera_de_rango", {"kr", "-k", "3", Kr("ab-b.pos")}, 2, "", "*K debe ser un entero de 0 a 2"},
        CasoCli{"k_no_numerico", {"kc", "-k", "x", Kr("ab-b.pos")}, 2, "", "*K debe ser un entero de 0 a 2"},
        CasoCli{"sin_k", {"kr", Kr("ab-b.pos")}, 2, "", "*falta -k K o --negativa"},
        CasoCli{"e_sin_k", {"kr", "-e", "a", Kr("ab-b.pos")}, 2, "", "*-e necesita -k K"},
        CasoCli{"negativa_con_k", {"kr", "-k", "0", "--negativa", Kr("a.neg"), Kr("ab-b.pos")}, 2, "",
                "*--negativa no puede ir con -k ni con -e"},
        CasoCli{"negativa_con_e", {"kc", "--negativa", Kr("a.neg"), "-e", "a", Kr("ab-b.pos")}, 2, "",
                "*--negativa no puede ir con -k ni con -e"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The caption line of each search and of the incremental report.
TEST(KRKCCli, CaptionsOfSearchesAndIncrementalReport) {
  struct Caso {
    std::vector<std::string> argumentos;
    std::string cabecera;
  };
  const std::vector<Caso> casos{
      {{"kr", "--negativa", Kr("aab.neg"), Kr("ab-b.pos")}, "Autómata resultado KR NEGATIVO   K=1\n"},
      {{"kc", "--negativa", Kr("b.neg"), Kr("aa-ba.pos")}, "Autómata resultado KC NEGATIVO   K=1\n"},
      {{"kr", "--negativa", Kr("c.neg"), Kr("ab-b.pos")}, "Autómata resultado KR NEGATIVO   K=0\n"},
      {{"kr", "-k", "0", "-e", "aab", "-e", "ba", "-e", "", "-e", "ABa", Kr("ab-b.pos")},
       "Autómata resultado  KR INCREMENTAL   K=0\nMuestra: { ab, b }\nEjemplos añadidos: { aab, ba, ABa }\n"},
      {{"kc", "-k", "1", "-e", "c", Kr("ab-b.pos")},
       "Autómata resultado  KC INCREMENTAL   K=1\nMuestra: { ab, b }\nEjemplos añadidos: { c }\nAlfabeto: { a, b, c }\n"},
  };
  for (const auto& caso : casos) {
    const auto r = EjecutarCli(caso.argumentos);
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida.substr(0, caso.cabecera.size()), caso.cabecera);
  }
}

TEST(KRKCCli, ValidationAcceptsEveryExampleThatBeginsWithADash) {
  for (const char* orden : {"kr", "kc"}) {
    const auto r = EjecutarCli({orden, "-k", "1", "--validar", Kr("guion.tst"), Kr("guion.pos")});
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_NE(r.salida.find("Muestra Test: 4\nEjemplos Aceptados: 4\n"), std::string::npos) << orden << "\n" << r.salida;
  }
}

TEST(KRKCCli, OutputFileIsTheSavedReportAndValidationStaysOnStdout) {
  const auto ruta = std::filesystem::temp_directory_path() / "telar-kr0.aut";
  const auto r = EjecutarCli({"kr", "-k", "0", "-o", ruta.string(), "--validar", Kr("prueba.tst"), Kr("ab-b.pos")});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_EQ(LeerBytes(ruta), LeerBytes(Kr("ab-b-kr0.aut")));
  // a*b accepts ab, aab and b of the five test lines
  EXPECT_EQ(r.salida,
            "Muestra Entrenamiento: 2\nMuestra Test: 5\nEjemplos Aceptados: 3\nEjemplos Rechazados: 2\n"
            "Aciertos: 60%\n");
  std::filesystem::remove(ruta);
}

}  // namespace
