// telar-cli's outputs as a set: none writes over an input (also through a link), two never
// name one file, every one is checked before the first is written, convertir replaces its
// files together, and a signal in the middle of a write leaves no temporary behind.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <thread>

#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "../CarpetaTemporal.h"
#include "EjecutarCli.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

class SalidasCli : public testing::Test, protected TCarpetaTemporal {
 protected:
  SalidasCli() : TCarpetaTemporal("telar-salidas") {}

  // The names in the folder, sorted, hidden ones (temporaries) included.
  std::vector<std::string> Contenido() const {
    std::vector<std::string> nombres;
    for (const auto& entrada : fs::directory_iterator(Ruta(""))) nombres.push_back(entrada.path().filename());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
  }
};

bool Contiene(const std::string& texto, const std::string& parte) { return texto.find(parte) != std::string::npos; }

}  // namespace

TEST_F(SalidasCli, NoOutputWritesOverAnInputAlsoThroughALink) {
  const std::string pos = Escribir("m.pos", "ab\nb\n");
  const std::string neg = Escribir("n.neg", "a\n");
  const std::string tst = Escribir("t.tst", "ab\n");
  const std::string sya = Escribir("s.sya", "S1/A1 S2/A2\n");
  fs::create_symlink("m.pos", Ruta("d.dot"));
  fs::create_symlink(tst, Ruta("t.txt"));
  fs::create_symlink("d.dot", Ruta("cadena.json"));  // a link to a link to the sample
  struct TCaso {
    const char* nombre;
    std::vector<std::string> llamada;
    const char* opcion;
  };
  const std::vector<TCaso> casos = {
      {"traza sobre la muestra", {"kr", "-k", "1", "--traza", pos, pos}, "--traza"},
      {"traza sobre el test", {"kc", "-k", "0", "--validar", tst, "--traza", tst, pos}, "--traza"},
      {"traza sobre la muestra S/A", {"skc", sya, "-k", "1", "--traza", sya}, "--traza"},
      {"traza IM1 sobre la muestra", {"im1", "--heuristico", "ksufijos", "-k", "1", pos, "--traza", pos}, "--traza"},
      {"diagrama por un enlace", {"kr", "-k", "1", "--diagrama", Ruta("d.dot"), pos}, "--diagrama"},
      {"diagrama por dos enlaces", {"kc", "-k", "0", "--diagrama", Ruta("cadena.json"), pos}, "--diagrama"},
      {"diagrama del aceptor", {"aceptor", pos, "--diagrama", Ruta("d.dot")}, "--diagrama"},
      {"diagrama sobre la negativa", {"kr", "--negativa", neg, pos, "--diagrama", neg}, "--diagrama"},
      {"informe por un enlace al test", {"kr", "-k", "0", "--validar", tst, "-o", Ruta("t.txt"), pos}, "-o"},
      {"diagrama Mealy sobre la muestra", {"skr", sya, "-k", "0", "--diagrama", sya}, "--diagrama"},
  };
  const auto antes = Contenido();
  for (const auto& caso : casos) {
    const auto r = EjecutarCli(caso.llamada);
    EXPECT_EQ(r.codigo, 2) << caso.nombre;
    EXPECT_TRUE(Contiene(r.errores, std::string(caso.opcion) + " no puede escribir sobre el fichero de entrada"))
        << caso.nombre << ": " << r.errores;
    EXPECT_EQ(r.salida, "") << caso.nombre;
  }
  EXPECT_EQ(Leer("m.pos"), "ab\nb\n");
  EXPECT_EQ(Leer("n.neg"), "a\n");
  EXPECT_EQ(Leer("t.tst"), "ab\n");
  EXPECT_EQ(Leer("s.sya"), "S1/A1 S2/A2\n");
  EXPECT_EQ(Contenido(), antes);
  EXPECT_TRUE(fs::is_symlink(Ruta("d.dot")));
}

TEST_F(SalidasCli, TwoOutputsNamingOneFileAreAUsageErrorAndNothingIsWritten) {
  const std::string pos = Escribir("m.pos", "ab\nb\n");
  const std::string sya = Escribir("s.sya", "S1/A1 S2/A2\n");
  fs::create_symlink("uno.dot", Ruta("otro.dot"));
  const std::vector<std::vector<std::string>> llamadas = {
      {"kr", "-k", "1", "-o", Ruta("mismo.dot"), "--diagrama", Ruta("mismo.dot"), pos},
      {"kc", "-k", "1", "--traza", Ruta("x"), "--diagrama", Ruta("x"), pos},
      {"kc", "-k", "1", "--traza", Ruta("x"), "-o", Ruta("./x"), pos},
      {"aceptor", pos, "-o", Ruta("uno.dot"), "--diagrama", Ruta("otro.dot")},
      {"skr", sya, "-k", "0", "-o", Ruta("x"), "--traza", Ruta("x")},
  };
  for (const auto& llamada : llamadas) {
    const auto r = EjecutarCli(llamada);
    EXPECT_EQ(r.codigo, 2) << llamada[0];
    EXPECT_TRUE(Contiene(r.errores, "nombran el mismo fichero")) << r.errores;
  }
  EXPECT_EQ(Contenido(), (std::vector<std::string>{"m.pos", "otro.dot", "s.sya"}));
}

TEST_F(SalidasCli, EveryOutputIsCheckedBeforeTheFirstIsWritten) {
  const std::string pos = Escribir("m.pos", "ab\nb\n");
  fs::create_directories(Ruta("carpeta.dot"));
  struct TCaso {
    std::vector<std::string> llamada;
    const char* mensaje;
  };
  const std::vector<TCaso> casos = {
      {{"kr", "-k", "1", "-o", Ruta("r.aut"), "--traza", Ruta("no/t.txt"), pos}, "no/t.txt\" (la carpeta no existe)"},
      {{"kc", "-k", "1", "-o", Ruta("r.aut"), "--diagrama", Ruta("carpeta.dot"), pos}, "carpeta.dot\" (es una carpeta)"},
      {{"aceptor", pos, "-o", Ruta("r.aut"), "--diagrama", Ruta("m.pos/d.dot")}, "d.dot\" (la ruta no es válida)"},
      {{"im1", "--heuristico", "ksufijos", "-k", "1", pos, "-o", Ruta("r.aut"), "--traza", Ruta("no/t")},
       "(la carpeta no existe)"},
  };
  for (const auto& caso : casos) {
    const auto r = EjecutarCli(caso.llamada);
    EXPECT_EQ(r.codigo, 2) << caso.llamada[0];
    EXPECT_TRUE(Contiene(r.errores, caso.mensaje)) << r.errores;
    EXPECT_EQ(r.salida, "");
  }
  EXPECT_EQ(Contenido(), (std::vector<std::string>{"carpeta.dot", "m.pos"}));
}

TEST_F(SalidasCli, ADanglingLinkHasItsTargetCreated) {
  const std::string pos = Escribir("m.pos", "ab\nb\n");
  fs::create_symlink("dibujo.dot", Ruta("enlace.dot"));
  fs::create_symlink("informe.aut", Ruta("enlace.aut"));
  const auto r = EjecutarCli({"kr", "-k", "1", "-o", Ruta("enlace.aut"), "--diagrama", Ruta("enlace.dot"), pos});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_TRUE(fs::is_symlink(Ruta("enlace.dot")));
  EXPECT_TRUE(fs::is_symlink(Ruta("enlace.aut")));
  EXPECT_TRUE(Contiene(Leer("dibujo.dot"), "digraph"));
  EXPECT_TRUE(Contiene(Leer("informe.aut"), "KR"));
}

TEST_F(SalidasCli, ConvertirReplacesItsSetWholeAndRefusesALeftOverSibling) {
  const std::string ambas = Escribir("ambas.abbadingo", "3 2\n1 2 0 1\n0 1 1\n1 1 0\n");
  const std::string solo = Escribir("solo.abbadingo", "1 2\n1 1 1\n");
  ASSERT_EQ(EjecutarCli({"convertir", ambas, Ruta("x.pos")}).codigo, 0);
  EXPECT_EQ(Leer("x.pos"), "ab\r\na\r\n");
  EXPECT_EQ(Leer("x.neg"), "b\r\n");

  // the first conversion's x.neg would pass for this one's: refused, nothing replaced
  auto r = EjecutarCli({"convertir", solo, Ruta("x.pos")});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_TRUE(Contiene(r.errores, "x.neg\" ya existe y esta conversión no lo escribe")) << r.errores;
  EXPECT_EQ(Leer("x.pos"), "ab\r\na\r\n");

  // one file of the set that cannot be written: neither is replaced
  fs::remove(Ruta("x.neg"));
  fs::create_directories(Ruta("x.neg"));
  r = EjecutarCli({"convertir", ambas, Ruta("x.pos")});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_TRUE(Contiene(r.errores, "x.neg\" (es una carpeta)")) << r.errores;
  fs::remove(Ruta("x.neg"));
  EXPECT_EQ(Contenido(), (std::vector<std::string>{"ambas.abbadingo", "solo.abbadingo", "x.pos"}));

  // an output that is an input, also through a link
  fs::create_symlink("ambas.abbadingo", Ruta("y.neg"));
  r = EjecutarCli({"convertir", ambas, Ruta("y.pos")});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_TRUE(Contiene(r.errores, "no puede escribir sobre el fichero de entrada")) << r.errores;
  fs::create_symlink("x.pos", Ruta("z.abbadingo"));
  r = EjecutarCli({"convertir", Ruta("x.pos"), Ruta("z.abbadingo")});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_EQ(Leer("x.pos"), "ab\r\na\r\n");
  EXPECT_EQ(Leer("ambas.abbadingo"), "3 2\n1 2 0 1\n0 1 1\n1 1 0\n");
}

TEST_F(SalidasCli, ASignalDuringAWriteRemovesTheTemporaryAndKeepsTheOldFile) {
  // a report of several megabytes: long enough a write to be caught in the middle
  std::mt19937 azar(7);
  std::string muestra;
  for (int n = 0; n < 6000; ++n) {
    for (int i = 0; i < 40; ++i) muestra += "ab"[azar() % 2];
    muestra += "\n";
  }
  const std::string pos = Escribir("m.pos", muestra);
  for (const int senal : {SIGTERM, SIGINT, SIGHUP}) {
    const std::string informe = Escribir("m.aut", "informe anterior\r\n");
    std::vector<std::string> argumentos = {TELAR_CLI_PATH, "aceptor", pos, "-o", informe};
    std::vector<char*> argv;
    for (auto& a : argumentos) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
    pid_t proceso = 0;
    ASSERT_EQ(posix_spawn(&proceso, TELAR_CLI_PATH, &acciones, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&acciones);
    // as soon as the temporary file appears, the signal
    bool visto = false;
    int estado = 0;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!visto && std::chrono::steady_clock::now() < limite && waitpid(proceso, &estado, WNOHANG) == 0) {
      for (const auto& nombre : Contenido()) visto = visto || nombre.rfind(".m.aut.telar-", 0) == 0;
      if (!visto) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (!visto) {
      waitpid(proceso, &estado, 0);
      GTEST_SKIP() << "la escritura terminó antes de verla";
    }
    kill(proceso, senal);
    ASSERT_EQ(waitpid(proceso, &estado, 0), proceso);
    EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == senal) << senal;
    EXPECT_EQ(Contenido(), (std::vector<std::string>{"m.aut", "m.pos"})) << senal;
    EXPECT_EQ(Leer("m.aut"), "informe anterior\r\n");
  }
}
