// telar-cli skr and skc: the whole search, one k, saving, and refused samples and options.
#include <gtest/gtest.h>

#include <filesystem>

#include "EjecutarCli.h"

namespace {

struct TCasoMealyCli {
  const char* nombre;
  std::vector<std::string> argumentos;  // after the order; "@" stands for tests/data/mealy/
  int codigo;
  const char* salida;   // exact stdout; a name ending in ".txt" means that golden file
  const char* errores;  // a part of stderr; "" for an empty stderr
};

std::string Ruta(const std::string& a) { return a.rfind("@", 0) == 0 ? Datos("mealy/" + a.substr(1)) : a; }

class MealyCli : public testing::TestWithParam<TCasoMealyCli> {};

TEST_P(MealyCli, RunsAsTheOrderSays) {
  const auto& caso = GetParam();
  std::vector<std::string> argumentos;
  for (const auto& a : caso.argumentos) argumentos.push_back(Ruta(a));
  const auto r = EjecutarCli(argumentos);
  EXPECT_EQ(r.codigo, caso.codigo) << r.errores;
  const std::string salida = caso.salida;
  if (salida.size() > 4 && salida.substr(salida.size() - 4) == ".txt")
    EXPECT_EQ(r.salida, LeerBytes(Datos("mealy/" + salida)));
  else
    EXPECT_EQ(r.salida, salida);
  if (*caso.errores == '\0')
    EXPECT_EQ(r.errores, "");
  else
    EXPECT_NE(r.errores.find(caso.errores), std::string::npos) << r.errores;
}

const char* kK1 = "No se encontró solución para K= 1\n";

INSTANTIATE_TEST_SUITE_P(
    Cli, MealyCli,
    testing::Values(
        TCasoMealyCli{"skr_todas_las_k", {"skr", "@ejemplo.sya"}, 0, "ejemplo-skr.txt", ""},
        TCasoMealyCli{"skc_todas_las_k", {"skc", "@ejemplo.sya"}, 0, "ejemplo-skc.txt", ""},
        TCasoMealyCli{"skr_k_sin_solucion", {"skr", "@ejemplo.sya", "-k", "1"}, 1, kK1, ""},
        TCasoMealyCli{"skc_k_sin_solucion", {"skc", "-k", "1", "@ejemplo.sya"}, 1, kK1, ""},
        TCasoMealyCli{"k_mayor_que_el_maximo", {"skr", "@ejemplo.sya", "-k", "3"}, 2, "", "K= 3 fuera de 0..2"},
        TCasoMealyCli{"k_no_numerica", {"skc", "@ejemplo.sya", "-k", "-1"}, 2, "", "K debe ser un entero"},
        TCasoMealyCli{"ninguna_k_consistente",
                      {"skr", "@inconsistente.sya"},
                      1,
                      "No se encontró solución para K= 0\n\nNo se encontró solución para K= 1\n\n"
                      "No se encontró solución para K= 2\n",
                      ""},
        TCasoMealyCli{"sin_secuencia_cerrada", {"skc", "@abierta.sya"}, 2, "", "Muestra No válida\n"},
        TCasoMealyCli{"sin_secuencia_cerrada_con_k", {"skr", "@abierta.sya", "-k", "0"}, 2, "", "Muestra No válida\n"},
        TCasoMealyCli{"linea_sin_a", {"skr", "@sin_a.sya"}, 2, "",
                      "La línea 3 de la muestra no es un par situación/acción (S1/A2): \"S1 A\""},
        TCasoMealyCli{"linea_sin_a_con_k", {"skc", "@sin_a.sya", "-k", "0"}, 2, "", "La línea 3"},
        TCasoMealyCli{"o_sin_k", {"skr", "@ejemplo.sya", "-o", "x.aut"}, 2, "", "-o requiere -k"},
        TCasoMealyCli{"extension_incorrecta", {"skr", Datos("muestras/ejemplo.pos")}, 2, "",
                      "El archivo especificado no tiene extensión correcta"},
        TCasoMealyCli{"no_existe", {"skc", "@falta.sya"}, 2, "", "falta.sya"},
        TCasoMealyCli{"muestra_ensena_la_linea_mala", {"muestra", "@sin_a.sya"}, 0, "S1/A1\n\nS1 A\n\n", ""}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(MealyCli, OneKPrintsTheReportOfTheWholeSearchForThatK) {
  const auto todas = EjecutarCli({"skr", Datos("mealy/ejemplo.sya")});
  const auto k0 = EjecutarCli({"skr", Datos("mealy/ejemplo.sya"), "-k", "0"});
  EXPECT_EQ(k0.codigo, 0);
  ASSERT_FALSE(k0.salida.empty());
  EXPECT_EQ(todas.salida.rfind(k0.salida, 0), 0u) << "the search starts with the k = 0 report";
}

TEST(MealyCli, SavesTheReportAsGuardarDoes) {
  const auto ruta = std::filesystem::temp_directory_path() / "telar-cli-mealy.aut";
  std::filesystem::remove(ruta);
  const auto r = EjecutarCli({"skr", Datos("mealy/ejemplo.sya"), "-k", "0", "-o", ruta.string()});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_EQ(r.salida, "");
  EXPECT_EQ(LeerBytes(ruta), LeerBytes(Datos("mealy/ejemplo-skr-k0.aut")));
  std::filesystem::remove(ruta);

  const auto sin = EjecutarCli({"skr", Datos("mealy/ejemplo.sya"), "-k", "1", "-o", ruta.string()});
  EXPECT_EQ(sin.codigo, 1);
  EXPECT_FALSE(std::filesystem::exists(ruta));
}

}  // namespace
