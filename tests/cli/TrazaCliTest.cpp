// telar-cli --traza: one tab-separated line per effective merge, the report and the exit
// code as without it, and a trace that cannot be written is an error.
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "EjecutarCli.h"
#include "core/Automata.h"
#include "inference/AlgoritmoKR.h"

namespace {

std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::istringstream entrada(texto);
  for (std::string linea; std::getline(entrada, linea);) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    lineas.push_back(linea);
  }
  return lineas;
}

class TrazaCli : public testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() / ("telar-traza-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }
  std::string Ruta(const std::string& nombre) const { return (m_dir / nombre).string(); }
  std::filesystem::path m_dir;
};

// Each line lowers the block count by one: the acceptor's states minus the blocks at the end
// (the block of the marked examples included).
TEST_F(TrazaCli, KrWritesOneNumberedLinePerMerge) {
  const std::string muestra = std::string(TELAR_TEST_DATA) + "/../../data/muestras/a-estrella-b.pos";
  const auto sin = EjecutarCli({"kr", "-k", "1", muestra});
  const auto con = EjecutarCli({"kr", "-k", "1", muestra, "--traza", Ruta("t.tsv")});
  EXPECT_EQ(con.codigo, 0) << con.errores;
  EXPECT_EQ(con.salida, sin.salida);

  const TLista ejemplos{"b", "ab", "aab", "aaab"};
  TAutomata kr(MarcarMuestra(ejemplos));
  const std::size_t estados = kr.Estados().size();
  AlgoritmoKR(kr, 1, TModoInferencia::Silencioso, ejemplos);
  const auto lineas = Lineas(LeerBytes(Ruta("t.tsv")));
  ASSERT_EQ(lineas.size(), estados - (kr.Bloques().size() + 1));
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    EXPECT_EQ(lineas[i].substr(0, lineas[i].find('\t')), std::to_string(i + 1));
    EXPECT_EQ(std::count(lineas[i].begin(), lineas[i].end(), '\t'), 3) << lineas[i];
  }
  EXPECT_EQ(lineas[0], "1\tb$\tab$\tfinal");
}

TEST_F(TrazaCli, EveryOrderWritesItsTraceAndKeepsItsExitCode) {
  const struct {
    const char* nombre;
    std::vector<std::string> argumentos;
    int codigo;
    std::string primeraLinea;
  } casos[] = {
      {"kc", {"kc", "-k", "1", Datos("kr/ab-b.pos")}, 0, "1\tab\tb\tsufijo b"},
      {"kr_incremental", {"kr", "-k", "0", "-e", "aab", Datos("kr/ab-b.pos")}, 0, "1\tab$\tb$\tfinal"},
      {"im1", {"im1", "--heuristico", "ksufijos", "-k", "1", Datos("im1/a-ab-abb.pos")}, 0, "1\ta\tab\tk-sufijos 1"},
      {"skr", {"skr", "-k", "0", Datos("mealy/ejemplo.sya")}, 0, "*"},
      {"skc_sin_solucion", {"skc", "-k", "1", Datos("mealy/ejemplo.sya")}, 1, "*"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    std::filesystem::remove(Ruta("t.tsv"));
    auto argumentos = caso.argumentos;
    const auto sin = EjecutarCli(argumentos);
    argumentos.insert(argumentos.end(), {"--traza", Ruta("t.tsv")});
    const auto con = EjecutarCli(argumentos);
    EXPECT_EQ(con.codigo, caso.codigo) << con.errores;
    EXPECT_EQ(con.salida, sin.salida);
    ASSERT_TRUE(std::filesystem::exists(Ruta("t.tsv")));
    const auto lineas = Lineas(LeerBytes(Ruta("t.tsv")));
    if (caso.primeraLinea == "*") continue;
    ASSERT_FALSE(lineas.empty());
    EXPECT_EQ(lineas[0], caso.primeraLinea);
  }
}

TEST_F(TrazaCli, MisuseAndUnwritableTracesExitWithTwo) {
  const std::string noEscribible = Ruta("no-existe/t.tsv");
  for (const auto& argumentos : std::vector<std::vector<std::string>>{
           {"kr", "-k", "0", Datos("kr/ab-b.pos"), "--traza", noEscribible},
           {"kr", "--negativa", Datos("kr/a.neg"), Datos("kr/ab-b.pos"), "--traza", Ruta("t.tsv")},
           {"skr", Datos("mealy/ejemplo.sya"), "--traza", Ruta("t.tsv")},
       }) {
    const auto r = EjecutarCli(argumentos);
    EXPECT_EQ(r.codigo, 2) << argumentos[0] << " " << r.errores;
    EXPECT_FALSE(std::filesystem::exists(Ruta("t.tsv")));
  }
}

}  // namespace
