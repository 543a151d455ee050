// Tracing a string on a diagram: against the deterministic automaton's own acceptance on
// random quotients, step by step on the worked examples, and unknown symbols.
#include <gtest/gtest.h>

#include <random>

#include "Montajes.h"
#include "diagram/Recorrido.h"
#include "results/Aceptacion.h"
#include "results/Determinizacion.h"

namespace {

TLista TodasLasCadenas(const std::string& letras, std::size_t largo) {
  TLista cadenas = {""};
  for (std::size_t desde = 0; desde < cadenas.size(); ++desde)
    if (cadenas[desde].size() < largo)
      for (char c : letras) cadenas.push_back(cadenas[desde] + c);
  return cadenas;
}

// The quotient (non-deterministic) and its subset construction trace to the same verdict as
// the deterministic window's acceptance; on the deterministic diagram no step holds two
// states, and on the quotient every step holds the targets of the previous one.
TEST(Recorrido, QuotientAndItsDeterminizationAgreeWithTheDeterministicAcceptance) {
  std::mt19937 azar(4242);
  const TLista cadenas = TodasLasCadenas("abcd", 4);  // d is never a symbol
  for (int prueba = 0; prueba < 60; ++prueba) {
    SCOPED_TRACE(prueba);
    const TAutomata automata = CocienteAleatorio(azar);
    const TDatosResultado datos = CalcularDatosResultado(automata);
    const TAutomataDeterminista d = ConstruirDeterminista(datos.TablaDestinos, datos.BloqueInicial, automata.Alfabeto());
    const auto filasFinales = FilasFinales(d, datos.BloquesFinales);
    const TAceptadorDeterminista aceptador(d, filasFinales);
    const TDiagrama cociente = DiagramaCociente(automata, datos);
    const TDiagrama determinista = DiagramaDeterminista(automata, d, filasFinales);
    for (const auto& w : cadenas) {
      const TRecorrido rc = Recorrer(cociente, w);
      const TRecorrido rd = Recorrer(determinista, w);
      ASSERT_EQ(rc.Aceptada(cociente), aceptador.Acepta(w)) << w;
      ASSERT_EQ(rd.Aceptada(determinista), aceptador.Acepta(w)) << w;
      for (const auto& paso : rd.pasos) EXPECT_LE(paso.estados.size(), 1u);
      for (std::size_t i = 1; i < rc.pasos.size(); ++i)
        for (int t : rc.pasos[i].aristas) {
          const auto& arista = cociente.transiciones[t];
          EXPECT_TRUE(std::count(rc.pasos[i - 1].estados.begin(), rc.pasos[i - 1].estados.end(), arista.origen));
          EXPECT_TRUE(std::count(rc.pasos[i].estados.begin(), rc.pasos[i].estados.end(), arista.destino));
        }
    }
    for (const auto& ejemplo : automata.Finales()) EXPECT_TRUE(Recorrer(cociente, ejemplo).Aceptada(cociente)) << ejemplo;
  }
}

struct TCasoRecorrido {
  const char* nombre;
  std::string cadena;
  std::vector<std::vector<int>> estados;  // the current states of every step
  std::optional<std::size_t> desconocido;
  const char* veredicto;
};

// KC [aa, ba] k=1: q0 -a-> q2, q0 -b-> q1, q1 -a-> q2, q2 -a-> q2; q2 final.
TEST(Recorrido, StepsOnTheKcExample) {
  const TDiagrama diagrama = montajes::Resultado(TAlgoritmoK::KC, {"aa", "ba"}, 1);
  const TCasoRecorrido casos[] = {
      {"empty string: rejected at the initial state", "", {{0}}, {}, "Rechazada"},
      {"baa accepted", "baa", {{0}, {1}, {2}, {2}}, {}, "Aceptada"},
      {"upper case reads as lower case", "BA", {{0}, {1}, {2}}, {}, "Aceptada"},
      {"ab stuck after a", "ab", {{0}, {2}, {}}, {}, "Rechazada"},
      {"unknown symbol rejected at its position", "axa", {{0}, {2}}, 1, "Rechazada"},
      {"unknown first symbol", "\xF1", {{0}}, 0, "Rechazada"},
      {"& alone is the empty string, as sample files write it", "&", {{0}}, {}, "Rechazada"},
      {"& beside other symbols is no symbol", "a&", {{0}, {2}}, 1, "Rechazada"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const TRecorrido recorrido = Recorrer(diagrama, caso.cadena);
    std::vector<std::vector<int>> estados;
    for (const auto& paso : recorrido.pasos) estados.push_back(paso.estados);
    EXPECT_EQ(estados, caso.estados);
    EXPECT_EQ(recorrido.desconocido, caso.desconocido);
    EXPECT_STREQ(Veredicto(recorrido, diagrama), caso.veredicto);
  }
}

TEST(Recorrido, MealyReadsPairsOrSituationsAndListsTheActions) {
  const TDiagrama maquina = montajes::MaquinaSKR({"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""}, 0);
  struct Caso {
    const char* nombre;
    const char* cadena;
    TLista simbolos;
    std::optional<std::size_t> desconocido;
    std::vector<TLista> acciones;  // of each step after the first
  };
  const Caso casos[] = {
      {"pairs without blanks", "S1A1S2A3", {"S1A1", "S2A3"}, {}, {{"A1"}, {"A3"}}},
      {"pairs as the sample writes them", "S1/A1 S2/A3", {"S1/A1", "S2/A3"}, {}, {{"A1"}, {"A3"}}},
      {"situations give every action they may", "S1 S2", {"S1", "S2"}, {}, {{"A1"}, {"A2", "A3"}}},
      {"letter case aside", "s1 s2/a2", {"s1", "s2/a2"}, {}, {{"A1"}, {"A2"}}},
      {"a pair then a situation", "S1A1S2", {"S1A1", "S2"}, {}, {{"A1"}, {"A2", "A3"}}},
      {"a piece that is no pair nor situation", "S1A1S9", {"S1A1", "S9"}, 1, {{"A1"}}},
      {"an unknown situation", "S1 S9", {"S1", "S9"}, 1, {{"A1"}}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const TRecorrido recorrido = Recorrer(maquina, caso.cadena);
    EXPECT_EQ(recorrido.simbolos, caso.simbolos);
    EXPECT_EQ(recorrido.desconocido, caso.desconocido);
    std::vector<TLista> acciones;
    for (std::size_t i = 1; i < recorrido.pasos.size(); ++i) acciones.push_back(recorrido.pasos[i].acciones);
    EXPECT_EQ(acciones, caso.acciones);
  }
  EXPECT_TRUE(Recorrer(maquina, "S1/A1 S2/A3").Aceptada(maquina));
  EXPECT_EQ(Recorrer(maquina, "S1 S2").Aceptada(maquina), Recorrer(maquina, "S1A1S2A2").Aceptada(maquina) ||
                                                              Recorrer(maquina, "S1A1S2A3").Aceptada(maquina));
}

// The sentence under the verdict names what made the walk fail.
TEST(Recorrido, RejectionSaysWhereAndWhy) {
  const TDiagrama diagrama = montajes::Resultado(TAlgoritmoK::KC, {"aa", "ba"}, 1);
  const std::pair<const char*, const char*> casos[] = {
      {"baa", ""},
      {"ab", "q2 no tiene transici\xF3n con b"},
      {"bb", "q1 no tiene transici\xF3n con b"},
      {"b", "q1 no es final"},
      {"", "q0 no es final"},
      {"axa", "x no est\xE1 en el alfabeto"},
  };
  for (const auto& [cadena, motivo] : casos) EXPECT_EQ(MotivoRechazo(Recorrer(diagrama, cadena), diagrama), motivo) << cadena;
  TDiagrama sinInicial;
  sinInicial.estados = {{"q0", {}, true, false}};
  sinInicial.alfabeto = {"a"};
  EXPECT_EQ(MotivoRechazo(Recorrer(sinInicial, "a"), sinInicial), "el diagrama no tiene estado inicial");
}

// A Mealy string is cut by the machine's pairs, whatever their width.
TEST(Recorrido, MealyReadsThePairsOfItsAlphabet) {
  const TDiagrama maquina = montajes::MaquinaSKR({"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""}, 0);
  const TRecorrido completa = Recorrer(maquina, "S1A1S2A3");
  EXPECT_EQ(completa.simbolos, (TLista{"S1A1", "S2A3"}));
  EXPECT_TRUE(completa.Aceptada(maquina));
  const TRecorrido cortada = Recorrer(maquina, "S1A1S9");
  EXPECT_EQ(cortada.simbolos, (TLista{"S1A1", "S9"}));
  EXPECT_EQ(cortada.desconocido, 1u);  // a piece that is no pair nor situation
  EXPECT_FALSE(cortada.Aceptada(maquina));

  const TDiagrama anchos = montajes::MaquinaSKR({"S12/A11", "", "S1/A1", "S12/A1", "", "S2/A2", ""}, 0);
  const TRecorrido larga = Recorrer(anchos, "S12A11");
  EXPECT_EQ(larga.simbolos, (TLista{"S12A11"}));
  EXPECT_TRUE(larga.Aceptada(anchos));
  const TRecorrido mezcla = Recorrer(anchos, "s1a1s12a1");
  EXPECT_EQ(mezcla.simbolos, (TLista{"s1a1", "s12a1"}));
  EXPECT_TRUE(mezcla.Aceptada(anchos));
  const TRecorrido fuera = Recorrer(anchos, "S12A11S9A9S2A2");
  EXPECT_EQ(fuera.simbolos, (TLista{"S12A11", "S9A9", "S2A2"}));
  EXPECT_FALSE(fuera.Aceptada(anchos));
  EXPECT_EQ(fuera.desconocido, 1u);
}

TEST(Recorrido, NoInitialStateRejectsEverything) {
  TDiagrama diagrama;
  diagrama.estados = {{"q0", {}, true, false}};
  diagrama.alfabeto = {"a"};
  const TRecorrido recorrido = Recorrer(diagrama, "");
  ASSERT_EQ(recorrido.pasos.size(), 1u);
  EXPECT_TRUE(recorrido.pasos[0].estados.empty());
  EXPECT_FALSE(recorrido.Aceptada(diagrama));
}

}  // namespace
