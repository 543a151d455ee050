// Every order of telar-cli on a fault it does not handle: an internal fault, memory run out
// and a container grown past its limit, injected as the order's work starts. Each ends with
// its message on stderr and exit code 2, never an abort; a new order without a row here
// fails the coverage test.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <new>
#include <set>
#include <sstream>
#include <stdexcept>

#include "cli/Orden.h"
#include "cli/Programa.h"
#include "core/ErrorInterno.h"

namespace {

const std::string kDatos = TELAR_TEST_DATA;

struct TLlamada {
  std::string orden;
  std::vector<std::string> argumentos;  // valid ones: the order would run to its end
};

const std::vector<TLlamada>& Llamadas() {
  const std::string pos = kDatos + "/kr/ab-b.pos", sya = kDatos + "/mealy/ejemplo.sya";
  static const std::vector<TLlamada> llamadas = {
      {"aceptor", {pos}},
      {"cadenas", {"er:a*b"}},
      {"comparar", {"er:a", "er:a|b"}},
      {"convertir", {pos, testing::TempDir() + "/fallos-internos.txt"}},
      {"explorar", {pos}},
      {"expresion", {"er:ab*"}},
      {"generar", {"er:ab*", "--positivos", "2", "--negativos", "2", "-o", testing::TempDir() + "/fallos-generar"}},
      {"im1", {"--heuristico", "miclet", pos}},
      {"kc", {"-k", "0", pos}},
      {"kr", {"-k", "0", pos}},
      {"minimizar", {"er:ab*"}},
      {"muestra", {pos}},
      {"skc", {sya}},
      {"skr", {sya}},
  };
  return llamadas;
}

struct TResultado {
  int codigo;
  std::string errores;
};

// The whole program in this process, stderr caught.
TResultado Ejecutar(const TLlamada& llamada) {
  std::vector<std::string> textos = {"telar-cli", llamada.orden};
  textos.insert(textos.end(), llamada.argumentos.begin(), llamada.argumentos.end());
  std::vector<char*> argv;
  for (auto& texto : textos) argv.push_back(texto.data());
  argv.push_back(nullptr);
  std::ostringstream errores;
  std::streambuf* const anterior = std::cerr.rdbuf(errores.rdbuf());
  const int codigo = ProgramaTelarCli(static_cast<int>(textos.size()), argv.data());
  std::cerr.rdbuf(anterior);
  return {codigo, errores.str()};
}

class FallosInternosCli : public testing::Test {
 protected:
  void TearDown() override { AlEmpezarOrden() = nullptr; }
};

}  // namespace

TEST_F(FallosInternosCli, EveryOrderHasARow) {
  std::set<std::string> registradas, probadas;
  for (const auto& orden : OrdenesRegistradas()) registradas.insert(orden.nombre);
  for (const auto& llamada : Llamadas()) probadas.insert(llamada.orden);
  EXPECT_EQ(registradas, probadas);
}

TEST_F(FallosInternosCli, EveryOrderEndsWithTheFaultsMessageAndCode2) {
  const struct {
    const char* nombre;
    std::function<void()> lanzar;
    std::string mensaje;  // stderr, after "telar-cli ORDEN" for the memory rows
    bool conOrden;
  } fallos[] = {
      {"internal fault", [] { throw TErrorInterno("ERROR INT0PRUEBA"); }, "ERROR INT0PRUEBA\n", false},
      {"no memory", [] { throw std::bad_alloc(); }, ": memoria insuficiente", true},
      {"too long", [] { throw std::length_error("vector"); }, ": memoria insuficiente", true},
  };
  for (const auto& fallo : fallos)
    for (const auto& llamada : Llamadas()) {
      AlEmpezarOrden() = [&](const std::string& orden) {
        EXPECT_EQ(orden, llamada.orden);
        fallo.lanzar();
      };
      const TResultado r = Ejecutar(llamada);
      EXPECT_EQ(r.codigo, 2) << fallo.nombre << ", " << llamada.orden;
      const std::string esperado = fallo.conOrden ? "telar-cli " + llamada.orden + fallo.mensaje : fallo.mensaje;
      EXPECT_EQ(r.errores.substr(0, esperado.size()), esperado) << fallo.nombre << ", " << llamada.orden << ": " << r.errores;
    }
  // without a fault each row runs to its end
  AlEmpezarOrden() = nullptr;
  for (const auto& llamada : Llamadas())
    EXPECT_LE(Ejecutar(llamada).codigo, 1) << llamada.orden;
}
