// telar-cli on inputs that used to give wrong results or unbounded work: "&" inside an
// example, the incremental list, a control character in a state name or on a terminal, a
// diagram too big to draw, a link to /dev/zero, a situation/action file of blank lines or
// with tabs, and a long sweep that streams its rows.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <random>

#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

#include "../CarpetaTemporal.h"
#include "EjecutarCli.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

class EntradasRarasCli : public testing::Test, protected TCarpetaTemporal {
 protected:
  EntradasRarasCli() : TCarpetaTemporal("telar-raras") {}
};

bool Contiene(const std::string& texto, const std::string& parte) { return texto.find(parte) != std::string::npos; }

std::string LineaDe(const std::string& texto, const std::string& comienzo) {
  const auto i = texto.find(comienzo);
  return i == std::string::npos ? "" : texto.substr(i, texto.find('\n', i) - i);
}

}  // namespace

TEST_F(EntradasRarasCli, AnAmpersandInsideAnExampleIsRefusedNamingItsLine) {
  const std::string pos = Escribir("m.pos", "ab\n&a\nb\n");
  const std::string buena = Escribir("b.pos", "ab\nb\n&\n");
  const std::string neg = Escribir("n.neg", "a\nb&\n");
  struct TCaso {
    std::vector<std::string> llamada;
    TEntornoCli entorno;
    std::string mensaje;
  };
  const std::vector<TCaso> casos = {
      {{"aceptor", pos}, {}, "El archivo \"" + pos + "\", línea 2: el carácter \"&\" escribe la cadena vacía"},
      {{"kc", "-k", "0", pos}, {}, "línea 2: el carácter \"&\""},
      {{"muestra", "-"}, {.entrada = pos}, "El archivo \"(entrada estándar)\", línea 2"},
      {{"kr", "--negativa", neg, buena}, {}, "El archivo \"" + neg + "\", línea 2: el carácter \"&\""},
  };
  for (const auto& caso : casos) {
    const auto r = EjecutarCli(caso.llamada, caso.entorno);
    EXPECT_EQ(r.codigo, 2) << caso.llamada[0];
    EXPECT_TRUE(Contiene(r.errores, caso.mensaje)) << r.errores;
    EXPECT_EQ(r.salida, "");
  }
  // "&" alone is the empty example
  EXPECT_EQ(EjecutarCli({"aceptor", buena}).codigo, 0);
}

TEST_F(EntradasRarasCli, TheIncrementalListShowsOnlyWhatWasTaken) {
  const std::string pos = Escribir("ab.pos", "ab\nb\n");
  // "a$" (KR's end mark) and "&a" are refused and not listed; "&" is the empty example
  const auto r = EjecutarCli({"kr", "-k", "0", "-e", "a$", "-e", "&a", "-e", "&", "-e", "ba", pos});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_TRUE(Contiene(r.errores, "KR reserva como marca de fin de ejemplo")) << r.errores;
  EXPECT_TRUE(Contiene(r.errores, "El ejemplo contiene el carácter \"&\"")) << r.errores;
  EXPECT_EQ(LineaDe(r.salida, "Ejemplos añadidos: "), "Ejemplos añadidos: { &, ba }");
  // the empty example joined the sample: the initial state is final
  EXPECT_EQ(LineaDe(r.salida, "Estados Finales: ").rfind("Estados Finales:   q0 = {", 0), 0u) << r.salida;
  const auto kc = EjecutarCli({"kc", "-k", "0", "-e", "&", pos});
  EXPECT_EQ(LineaDe(kc.salida, "Alfabeto: "), "Alfabeto: { a, b }") << kc.salida;
}

TEST_F(EntradasRarasCli, ATabInAStateNameIsWrittenVisiblyInTheTrace) {
  const std::string pos = Escribir("t.pos", "a\tb\n\tb\nb\t\n");
  const auto r = EjecutarCli({"kc", "-k", "0", "--traza", Ruta("t.txt"), pos});
  ASSERT_EQ(r.codigo, 0) << r.errores;
  const std::string traza = Leer("t.txt");
  std::size_t lineas = 0;
  for (std::size_t i = 0, fin; i < traza.size(); i = fin + 2, ++lineas) {
    fin = traza.find("\r\n", i);
    const std::string linea = traza.substr(i, fin - i);
    EXPECT_EQ(std::count(linea.begin(), linea.end(), '\t'), 3) << linea;
  }
  EXPECT_GT(lineas, 0u);
  EXPECT_TRUE(Contiene(traza, "\xE2\x90\x89")) << traza;  // U+2409, the tab's picture
}

TEST_F(EntradasRarasCli, ControlCharactersReachATerminalAsPictures) {
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "sin script(1)";
  const std::string pos = Escribir("c.pos", "a\x1B[2Jb\nz\x07\n");
  const std::string orden = "script -qec \"'" + std::string(TELAR_CLI_PATH) + "' muestra '" + pos + "'\" /dev/null > '" +
                            Ruta("terminal.txt") + "' 2>&1 </dev/null";
  ASSERT_EQ(std::system(orden.c_str()), 0);
  const std::string terminal = Leer("terminal.txt");
  EXPECT_TRUE(Contiene(terminal, "a\xE2\x90\x9B[2jb")) << terminal;  // ESC shown as U+241B
  EXPECT_TRUE(Contiene(terminal, "z\xE2\x90\x87")) << terminal;
  EXPECT_FALSE(Contiene(terminal, "\x1B[2j"));
  // a pipe or a file gets the bytes as they are
  EXPECT_EQ(EjecutarCli({"muestra", pos}).salida, "a\x1B[2jb\nz\x07\n");
}

TEST_F(EntradasRarasCli, ADiagramTooBigToDrawNeedsForzar) {
  std::mt19937 azar(5);
  std::string muestra;
  for (int n = 0; n < 40; ++n) {
    for (int i = 0; i < 16; ++i) muestra += "ab"[azar() % 2];
    muestra += "\n";
  }
  const std::string pos = Escribir("g.pos", muestra);
  auto r = EjecutarCli({"aceptor", pos, "--diagrama", Ruta("g.svg"), "-o", Ruta("g.aut")});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_TRUE(Contiene(r.errores, "Use --forzar para dibujarlo de todos modos")) << r.errores;
  EXPECT_FALSE(fs::exists(Ruta("g.svg")));
  EXPECT_FALSE(fs::exists(Ruta("g.aut")));
  r = EjecutarCli({"kc", "-k", "16", pos, "--diagrama", Ruta("g.tex")});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_EQ(r.salida, "");
  // DOT and JSON are not laid out; --forzar draws the rest
  EXPECT_EQ(EjecutarCli({"aceptor", pos, "--diagrama", Ruta("g.dot")}).codigo, 0);
  r = EjecutarCli({"aceptor", pos, "--diagrama", Ruta("g.svg"), "--forzar"});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_TRUE(Contiene(Leer("g.svg"), "<svg"));
}

TEST_F(EntradasRarasCli, ALinkToDevZeroIsRefusedAtItsFirstNul) {
  fs::create_symlink("/dev/zero", Ruta("cero.pos"));
  // on a reader that reads on, memory runs out first
  const auto r = EjecutarCli({"muestra", Ruta("cero.pos")}, {.antes = LimiteDeMemoria("4000000")});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_TRUE(Contiene(r.errores, "no es un archivo de texto: la línea 1 contiene un carácter nulo")) << r.errores;
}

TEST_F(EntradasRarasCli, SituationActionFilesOfBlankLinesOrWithTabs) {
  const std::string blancas = Escribir("b.sya", "\n\n\n");
  for (const char* orden : {"skr", "skc"}) {
    const auto r = EjecutarCli({orden, blancas});
    EXPECT_EQ(r.codigo, 2) << orden;
    EXPECT_EQ(r.errores, "Muestra No válida\n") << orden;
  }
  const std::string espacios = Escribir("e.sya", "S1 / A1\nS2 / A2\n\nS1 / A1\n\n");
  const std::string tabuladores = Escribir("t.sya", "S1\t/\tA1\nS2\t/ A2\n\nS1/\tA1\n\n");
  const auto conEspacios = EjecutarCli({"skc", espacios, "-k", "0"});
  const auto conTabuladores = EjecutarCli({"skc", tabuladores, "-k", "0"});
  EXPECT_EQ(conTabuladores.codigo, conEspacios.codigo) << conTabuladores.errores;
  EXPECT_EQ(conTabuladores.salida, conEspacios.salida);
  EXPECT_NE(conEspacios.salida, "");
}

// A sweep over one long example takes minutes; its first rows come out within seconds.
TEST_F(EntradasRarasCli, ExplorarStreamsItsRows) {
  std::mt19937 azar(11);
  std::string ejemplo;
  for (int i = 0; i < 3000; ++i) ejemplo += "ab"[azar() % 2];
  const std::string pos = Escribir("largo.pos", ejemplo + "\n");
  int tubo[2];
  ASSERT_EQ(::pipe(tubo), 0);
  std::vector<std::string> argumentos = {TELAR_CLI_PATH, "explorar", "--formato", "csv", pos};
  std::vector<char*> argv;
  for (auto& a : argumentos) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_adddup2(&acciones, tubo[1], 1);
  posix_spawn_file_actions_addclose(&acciones, tubo[0]);
  pid_t proceso = 0;
  ASSERT_EQ(posix_spawn(&proceso, TELAR_CLI_PATH, &acciones, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&acciones);
  ::close(tubo[1]);
  std::string leido;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::count(leido.begin(), leido.end(), '\n') < 3 && std::chrono::steady_clock::now() < limite) {
    pollfd espera{tubo[0], POLLIN, 0};
    if (::poll(&espera, 1, 1000) <= 0) continue;
    char bloque[4096];
    const ssize_t n = ::read(tubo[0], bloque, sizeof bloque);
    if (n <= 0) break;
    leido.append(bloque, static_cast<std::size_t>(n));
  }
  ::kill(proceso, SIGTERM);
  int estado = 0;
  ::waitpid(proceso, &estado, 0);
  ::close(tubo[0]);
  EXPECT_GE(std::count(leido.begin(), leido.end(), '\n'), 3) << leido;
  EXPECT_EQ(leido.rfind("Algoritmo,k,Estados,Transiciones,Tiempo (ms)\nKR,0,", 0), 0u) << leido;
}

// IM1 with k-suffixes on one line of a million characters: the memory message in a moment
// (the states' names alone would take the square of the line).
TEST_F(EntradasRarasCli, Im1OnAMillionCharacterLineEndsWithTheMemoryMessage) {
  std::mt19937 azar(13);
  std::string linea;
  for (int i = 0; i < 1000000; ++i) linea += "ab"[azar() % 2];
  const std::string pos = Escribir("millon.pos", linea + "\n");
  const auto r = EjecutarCli({"im1", "--heuristico", "ksufijos", "-k", "1", pos}, {.antes = LimiteDeMemoria("4000000")});
  EXPECT_EQ(r.codigo, 2);
  EXPECT_TRUE(Contiene(r.errores, "memoria insuficiente (muestra \"" + pos + "\": 1 ejemplo, el más largo de 1000000 caracteres)"))
      << r.errores;
}
