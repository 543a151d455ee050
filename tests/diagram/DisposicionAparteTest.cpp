// Layouts made in a child process: the same numbers as in-process, the text between the
// two read back exactly or refused, and a layout dropped early ends its child at once.
#include <gtest/gtest.h>

#include <chrono>
#include <poll.h>
#include <random>

#include "Montajes.h"
#include "diagram/DisposicionAparte.h"

namespace {

// Waits for the child as a window's event loop does: poll the descriptor, then read.
void Esperar(TDisposicionAparte& aparte) {
  while (!aparte.Leer()) {
    pollfd espera{aparte.Descriptor(), POLLIN, 0};
    ::poll(&espera, 1, 10000);
  }
}

// A ring of `n` states, each with edges to two random ones: slow for dot when n is large.
TDiagrama Enmaranado(std::size_t n, std::mt19937& azar) {
  TDiagrama diagrama;
  diagrama.alfabeto = {"a", "b", "c"};
  for (std::size_t i = 0; i < n; ++i) diagrama.estados.push_back({"q" + std::to_string(i), {}, i % 7 == 0, false});
  diagrama.inicial = 0;
  std::uniform_int_distribution<std::size_t> estado(0, n - 1);
  for (std::size_t i = 0; i < n; ++i)
    for (const char* s : {"a", "b", "c"}) {
      TTransicionDiagrama t;
      t.origen = static_cast<int>(i);
      t.destino = static_cast<int>(*s == 'a' ? (i + 1) % n : estado(azar));
      t.simbolos = {s};
      t.etiqueta = s;
      diagrama.transiciones.push_back(t);
    }
  return diagrama;
}

TEST(DisposicionAparte, GivesTheInProcessLayoutOfRandomQuotients) {
  std::mt19937 azar(2207);
  for (int prueba = 0; prueba < 12; ++prueba) {
    SCOPED_TRACE(prueba);
    const TAutomata automata = CocienteAleatorio(azar, 6);
    const TDiagrama diagrama = DiagramaCociente(automata, CalcularDatosResultado(automata));
    TDisposicionAparte aparte(diagrama);
    Esperar(aparte);
    ASSERT_TRUE(aparte.Resultado().has_value());
    EXPECT_EQ(*aparte.Resultado(), Disponer(diagrama));
    EXPECT_EQ(aparte.Descriptor(), -1);
  }
}

TEST(DisposicionAparte, TextRoundTripsExactlyAndRefusesWhatIsNoLayout) {
  std::mt19937 azar(77);
  std::uniform_real_distribution<double> valor(-1e6, 1e6);
  for (int prueba = 0; prueba < 50; ++prueba) {
    TDisposicion d;
    d.ancho = valor(azar);
    d.alto = 1.0 / 3.0;
    for (int n = 0; n < prueba % 5; ++n) d.estados.push_back({{valor(azar), valor(azar)}, valor(azar), 0.1});
    for (int t = 0; t < prueba % 4; ++t) {
      TAristaDispuesta a;
      for (int p = 0; p < 1 + 3 * t; ++p) a.curva.push_back({valor(azar), valor(azar)});
      if (t % 2) a.punta = TPunto{valor(azar), 5e-324};
      if (prueba % 3) a.etiqueta = TPunto{-0.0, 1e308};
      d.transiciones.push_back(a);
    }
    if (prueba % 2) d.flechaInicial = TAristaDispuesta{{{1, 2}, {3, 4}, {5, 6}, {7, 8}}, TPunto{9, 10}, {}};
    const std::string texto = EscribirDisposicion(d);
    ASSERT_EQ(LeerDisposicion(texto), d) << texto;
    EXPECT_FALSE(LeerDisposicion(texto.substr(0, texto.size() / 2)).has_value() && texto.size() > 40) << texto;
  }
  for (const char* malo : {"", "1 2", "1 2 3 0 0", "1 2 -1 0 0", "1 2 0 0 2", "1 2 0 0 0 x", "1 2 1e300 0 0"})
    EXPECT_FALSE(LeerDisposicion(malo).has_value()) << malo;
}

TEST(DisposicionAparte, DroppingALongLayoutEndsItAtOnce) {
  std::mt19937 azar(5);
  const TDiagrama grande = Enmaranado(1500, azar);
  const auto inicio = std::chrono::steady_clock::now();
  {
    TDisposicionAparte aparte(grande);
    EXPECT_FALSE(aparte.Leer());
  }
  // a small one started afterwards is not kept waiting by the one dropped
  const TDiagrama pequeno = montajes::Resultado(TAlgoritmoK::KC, {"aa", "ba"}, 1);
  TDisposicionAparte otra(pequeno);
  Esperar(otra);
  EXPECT_TRUE(otra.Resultado().has_value());
  EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(3));
}

}  // namespace
