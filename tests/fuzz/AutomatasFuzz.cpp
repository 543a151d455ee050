// Fuzz target: bytes read as a JSON automaton, a JFLAP file and a regular expression (each
// line of them too). Properties: nothing crashes; whatever reads as an automaton of modest
// size has a minimal automaton equivalent to it, with no more states than its
// determinized form, and an expression that reads back equivalent.
#include <cstdint>
#include <string>
#include <string_view>

#include "Fuzz.h"
#include "automatas/Comparacion.h"
#include "automatas/ExpresionRegular.h"
#include "automatas/LecturaAutomata.h"
#include "automatas/Minimizacion.h"
#include "automatas/Subconjuntos.h"

namespace {

using fuzz::Comprobar;

void Propiedades(const TAutomataFinito& automata) {
  if (automata.NumeroDeEstados() > 40) return;  // subsets and expressions grow fast
  const auto minimo = Minimizar(automata).automata;
  Comprobar(minimo.EsDeterminista(), "el minimo es determinista");
  Comprobar(minimo.NumeroDeEstados() <= Determinizar(automata).automata.NumeroDeEstados(),
            "el minimo no tiene mas estados que los subconjuntos");
  Comprobar(CompararAutomatas(automata, minimo).equivalentes, "el minimo acepta el mismo lenguaje");
  const auto expresion = ExpresionRegular(automata, 5000);
  if (expresion.vacio || expresion.truncada) return;
  const auto releida = LeerExpresion(expresion.texto, automata.Alfabeto());
  // a symbol of several characters or an operator character does not read back as itself
  bool simple = true;
  for (const auto& simbolo : automata.Alfabeto())
    simple = simple && simbolo.size() == 1 && std::string_view("&|+*?() \t\r\n").find(simbolo[0]) == std::string_view::npos;
  if (!simple) return;
  Comprobar(releida.automata.has_value(), "la expresion escrita se lee");
  Comprobar(CompararAutomatas(automata, *releida.automata).equivalentes, "la expresion releida es equivalente");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t tamano) {
  const std::string_view texto(reinterpret_cast<const char*>(bytes), tamano);
  for (const auto& lectura : {LeerAutomataJson(texto), LeerAutomataJff(texto)}) {
    Comprobar(lectura.automata.has_value() != !lectura.error.empty(), "un automata o un mensaje");
    if (lectura.automata) Propiedades(*lectura.automata);
  }
  // each line as an expression (sample files hold one string per line)
  std::size_t inicio = 0;
  for (int lineas = 0; inicio <= texto.size() && lineas < 200; ++lineas) {
    const std::size_t fin = std::min(texto.find('\n', inicio), texto.size());
    const auto linea = texto.substr(inicio, fin - inicio);
    if (linea.size() <= 200) {
      const auto expresion = LeerExpresion(linea);
      Comprobar(expresion.automata.has_value() != !expresion.error.empty(), "una expresion o un mensaje");
      if (expresion.automata) Propiedades(*expresion.automata);
    }
    inicio = fin + 1;
  }
  return 0;
}
