// The three ways a string is decided, run against each other on the same random automata and
// strings: the quotient's transition table (TFuncion, what validation and the negative search
// use), the deterministic acceptor of the subset construction (what validation of many
// examples uses) and the walk on the drawn diagram (what the string trace of every window
// uses), on the quotient and on its determinization. Mealy quotients, whose symbols are
// pairs of several characters, go through the table and the walks (the deterministic
// acceptor reads one character per symbol and is not used for them).
//
// The table follows, from a block, the block of its first state that has a successor (the
// system's reading of a quotient); the subset construction and the walks follow every
// successor. So they agree on deterministic quotients, and on the others what the table
// accepts the other paths accept too.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "../results/CocienteAleatorio.h"
#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/Utilidades.h"
#include "diagram/DiagramaDeAutomata.h"
#include "diagram/Recorrido.h"
#include "inference/mealy/AutomataMealy.h"
#include "results/Aceptacion.h"
#include "results/DatosResultado.h"
#include "results/Determinizacion.h"

namespace {

// A random string over `simbolos`, now and then with `extrano` (no symbol) in it.
std::string Cadena(std::mt19937& azar, const TLista& simbolos, const std::string& extrano) {
  std::string cadena;
  for (int n = static_cast<int>(azar() % 7); n > 0; --n)
    cadena += azar() % 12 == 0 || simbolos.empty() ? extrano : simbolos[azar() % simbolos.size()];
  return cadena;
}

// The table's verdict on a string cut into the alphabet's symbols.
bool PorTabla(const TFuncion& funcion, const TLista& alfabeto, const std::string& cadena) {
  const TLista simbolos = CortarEnSimbolos(cadena, alfabeto);
  for (const auto& simbolo : simbolos)
    if (!EsMiembro(simbolo, alfabeto)) return false;
  return funcion.AceptaSimbolos(simbolos);
}

// A random partition of a Mealy acceptor's states (pairs of one to four digits).
TAutomata CocienteMealyAleatorio(std::mt19937& azar) {
  static const char* const kPares[] = {"S1/A1", "S12/A11", "S1/A11", "S2/A3", "S21/A1", "S0/A0"};
  TLista muestra;
  for (int s = 1 + static_cast<int>(azar() % 5); s > 0; --s) {
    for (int n = 1 + static_cast<int>(azar() % 4); n > 0; --n) muestra.push_back(kPares[azar() % 6]);
    muestra.push_back("");
  }
  TAutomataMealy modelo;
  TLista cadenas;
  modelo.LeerMuestra(muestra, cadenas);
  TAutomata automata(cadenas, TConstruccion::Mealy, modelo.Tokens(), modelo.Pares());
  const int bloques = 1 + static_cast<int>(azar() % automata.Estados().size());
  TParticion particion(static_cast<std::size_t>(bloques));
  for (const auto& estado : automata.Estados()) particion[azar() % particion.size()].push_back(estado);
  std::erase_if(particion, [](const TLista& b) { return b.empty(); });
  automata.PonerBloques(std::move(particion));
  return automata;
}

TEST(AceptacionComparada, TableDeterministicAcceptorAndDiagramWalksAgree) {
  std::mt19937 azar(20261209);
  for (int prueba = 0; prueba < 150; ++prueba) {
    SCOPED_TRACE(prueba);
    const TAutomata automata = CocienteAleatorio(azar);
    const TDatosResultado datos = CalcularDatosResultado(automata);
    const TFuncion funcion(automata);
    const TAutomataDeterminista d = ConstruirDeterminista(datos.TablaDestinos, datos.BloqueInicial, automata.Alfabeto());
    const auto filasFinales = FilasFinales(d, datos.BloquesFinales);
    const TAceptadorDeterminista aceptador(d, filasFinales);
    const TDiagrama cociente = DiagramaCociente(automata, datos);
    const TDiagrama determinista = DiagramaDeterminista(automata, d, filasFinales);
    const TLista& alfabeto = automata.Alfabeto();
    for (int n = 0; n < 40; ++n) {
      // strings in the sample's letter case: the walks ignore case, the table's alphabet test
      // (SobreAlfabeto) does not
      const std::string w = Cadena(azar, alfabeto, n % 2 ? "d" : "\xF1");
      const bool tabla = CadenaAceptada(w, funcion, alfabeto);
      const bool subconjuntos = aceptador.Acepta(w);
      ASSERT_EQ(Recorrer(cociente, w).Aceptada(cociente), subconjuntos) << w;
      ASSERT_EQ(Recorrer(determinista, w).Aceptada(determinista), subconjuntos) << w;
      ASSERT_EQ(PorTabla(funcion, alfabeto, w), tabla) << w;
      if (datos.EsDeterminista())
        ASSERT_EQ(subconjuntos, tabla) << w;
      else
        ASSERT_TRUE(subconjuntos || !tabla) << w;
    }
  }
}

TEST(AceptacionComparada, MealyTableAndDiagramWalkAgree) {
  std::mt19937 azar(7);
  for (int prueba = 0; prueba < 150; ++prueba) {
    SCOPED_TRACE(prueba);
    const TAutomata automata = CocienteMealyAleatorio(azar);
    const TDatosResultado datos = CalcularDatosResultado(automata);
    const TFuncion funcion(automata);
    TDiagrama cociente = DiagramaCociente(automata, datos);
    cociente.paresSA = true;
    const TLista& alfabeto = automata.Alfabeto();
    for (int n = 0; n < 40; ++n) {
      const std::string w = Cadena(azar, alfabeto, n % 2 ? "S9A9" : "S1A");
      const bool tabla = PorTabla(funcion, alfabeto, w);
      const bool recorrido = Recorrer(cociente, w).Aceptada(cociente);
      if (datos.EsDeterminista())
        ASSERT_EQ(recorrido, tabla) << w;
      else
        ASSERT_TRUE(recorrido || !tabla) << w;
    }
    for (const auto& ejemplo : automata.Finales())
      if (automata.IdDe(ejemplo)) {
        EXPECT_TRUE(!datos.EsDeterminista() || PorTabla(funcion, alfabeto, ejemplo)) << ejemplo;
        EXPECT_TRUE(Recorrer(cociente, ejemplo).Aceptada(cociente)) << ejemplo;
      }
  }
}

}  // namespace
