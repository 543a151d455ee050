// --diagrama on every order that shows an automaton: the file's format follows its
// extension, the report is unchanged, and a wrong extension writes nothing at all.
#include <gtest/gtest.h>

#include "EjecutarCli.h"

namespace {

namespace fs = std::filesystem;

struct TCarpeta {
  fs::path ruta = fs::temp_directory_path() / ("telar-cli-diagrama-" + std::to_string(::getpid()));
  TCarpeta() { fs::create_directories(ruta); }
  ~TCarpeta() { fs::remove_all(ruta); }
  std::string operator/(const std::string& nombre) const { return (ruta / nombre).string(); }
};

struct TCasoOrden {
  const char* nombre;
  std::vector<std::string> argumentos;
  const char* enDot;  // a line the DOT file must hold
};

std::vector<TCasoOrden> Ordenes() {
  return {
      {"aceptor --kr: end marks dashed", {"aceptor", "--kr", Datos("kr/ab-b.pos")},
       "\"ab$\" [id=\"e3\", label=\"ab$\", shape=doublecircle, style=dashed"},
      {"kr -k 0: initial q1", {"kr", "-k", "0", Datos("kr/ab-b.pos")}, "\"inicio\" -> \"q1\""},
      {"kc -k 1", {"kc", "-k", "1", Datos("kr/aa-ba.pos")}, "\"q2\" -> \"q2\" [id=\"t3\", label=\"a\"]"},
      {"kr incremental", {"kr", "-k", "0", "-e", "bb", Datos("kr/ab-b.pos")}, "\"inicio\" -> "},
      {"im1 ksufijos", {"im1", "--heuristico", "ksufijos", "-k", "1", Datos("kr/ab-b.pos")}, "\"inicio\" -> "},
      {"skr -k 0: pairs as the grid heads them", {"skr", "-k", "0", Datos("mealy/ejemplo.sya")},
       "label=\"S2 / A2, S2 / A3\""},
      {"skc -k 0", {"skc", "-k", "0", Datos("mealy/ejemplo.sya")}, "\"inicio\" -> \"q0\""},
  };
}

// Each order draws a DOT file, and one more format in turn, so the other formats all pass.
TEST(DiagramaCli, EveryOrderDrawsItsAutomatonBesideTheSameReport) {
  TCarpeta carpeta;
  const std::pair<const char*, std::string> formatos[] = {
      {"d.svg", "<?xml"}, {"d.png", "\x89PNG"}, {"d.tex", "\\documentclass"}, {"d.json", "{"}, {"d.jff", "<?xml"}};
  std::size_t turno = 0;
  for (const auto& caso : Ordenes()) {
    SCOPED_TRACE(caso.nombre);
    const TEjecucion sola = EjecutarCli(caso.argumentos);
    ASSERT_EQ(sola.codigo, 0) << sola.errores;
    const auto& [archivo, comienzo] = formatos[turno++ % std::size(formatos)];
    for (const char* nombre : {"d.dot", archivo}) {
      auto argumentos = caso.argumentos;
      argumentos.insert(argumentos.end(), {"--diagrama", carpeta / nombre});
      const TEjecucion ejecucion = EjecutarCli(argumentos);
      EXPECT_EQ(ejecucion.codigo, 0) << ejecucion.errores;
      EXPECT_EQ(ejecucion.salida, sola.salida) << nombre;
    }
    EXPECT_EQ(LeerBytes(carpeta / archivo).rfind(comienzo, 0), 0u) << archivo;
    const std::string dot = LeerBytes(carpeta / "d.dot");
    EXPECT_EQ(dot.rfind("digraph automata {", 0), 0u);
    EXPECT_NE(dot.find(caso.enDot), std::string::npos) << dot;
  }
}

TEST(DiagramaCli, WrongExtensionExitsTwoWritingNothing) {
  TCarpeta carpeta;
  for (const auto& caso : Ordenes()) {
    SCOPED_TRACE(caso.nombre);
    auto argumentos = caso.argumentos;
    argumentos.insert(argumentos.end(), {"--diagrama", carpeta / "d.pdf", "-o", carpeta / "informe.aut"});
    const TEjecucion ejecucion = EjecutarCli(argumentos);
    EXPECT_EQ(ejecucion.codigo, 2);
    EXPECT_EQ(ejecucion.salida, "");
    EXPECT_NE(ejecucion.errores.find(".dot, .svg, .png, .tex, .json o .jff"), std::string::npos) << ejecucion.errores;
    EXPECT_TRUE(fs::is_empty(carpeta.ruta));
  }
}

TEST(DiagramaCli, DeterministaDrawsTheSubsetConstructionAndMealyNeedsK) {
  TCarpeta carpeta;
  // IM1 with 1 suffix on [a, ab, abb] is not deterministic
  const TEjecucion determinista =
      EjecutarCli({"im1", "--heuristico", "ksufijos", "-k", "1", Datos("im1/a-ab-abb.pos"), "--determinista",
                   "--diagrama", carpeta / "d.dot"});
  ASSERT_EQ(determinista.codigo, 0) << determinista.errores;
  EXPECT_NE(LeerBytes(carpeta / "d.dot").find("\"inicio\" -> \"[q"), std::string::npos) << LeerBytes(carpeta / "d.dot");

  const TEjecucion sinK = EjecutarCli({"skr", Datos("mealy/ejemplo.sya"), "--diagrama", carpeta / "m.dot"});
  EXPECT_EQ(sinK.codigo, 2);
  EXPECT_FALSE(fs::exists(carpeta / "m.dot"));
}

}  // namespace
