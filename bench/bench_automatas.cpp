// The automaton operations at size: minimization and equivalence of random complete DFAs
// of 10^5 states over 4 symbols (goal: under a second each), against a floor in the same
// run (one breadth-first walk over the same transition table); the regular expression of
// 30-state automata (goal: under a second, the expression's length reported, capped at
// its default limit).
#include <queue>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "automatas/AutomataFinito.h"
#include "automatas/Comparacion.h"
#include "automatas/ExpresionRegular.h"
#include "automatas/Minimizacion.h"

namespace {

// Every state goes by each symbol to a random state; a quarter of the states are final.
TAutomataFinito DfaAleatorio(int estados, int simbolos, unsigned semilla) {
  std::mt19937 azar(semilla);
  std::uniform_int_distribution<int> destino(0, estados - 1), moneda(0, 3);
  TLista alfabeto;
  for (int s = 0; s < simbolos; ++s) alfabeto.push_back(std::string(1, static_cast<char>('a' + s)));
  TAutomataFinito a(alfabeto);
  for (int q = 0; q < estados; ++q) a.AnadirEstado({}, {}, moneda(azar) == 0);
  a.PonerInicial(0);
  for (int q = 0; q < estados; ++q)
    for (int s = 0; s < simbolos; ++s) a.AnadirTransicion(q, s, destino(azar));
  return a;
}

// The same automaton with its states in another order (the initial state kept first).
TAutomataFinito Permutado(const TAutomataFinito& a, unsigned semilla) {
  std::vector<int> orden(a.NumeroDeEstados());
  for (int q = 0; q < a.NumeroDeEstados(); ++q) orden[q] = q;
  std::shuffle(orden.begin() + 1, orden.end(), std::mt19937(semilla));
  TAutomataFinito b(a.Alfabeto());
  std::vector<int> nuevo(a.NumeroDeEstados());
  for (int i = 0; i < a.NumeroDeEstados(); ++i) nuevo[orden[i]] = i;
  for (int i = 0; i < a.NumeroDeEstados(); ++i) b.AnadirEstado({}, {}, a.EsFinal(orden[i]));
  for (int i = 0; i < a.NumeroDeEstados(); ++i)
    for (const auto& arco : a.Salidas(orden[i])) b.AnadirTransicion(i, arco.simbolo, nuevo[arco.destino]);
  b.PonerInicial(0);
  return b;
}

constexpr int kEstados = 100000;

// Floor: one breadth-first walk over the dense transition table.
void BM_Suelo_Recorrido(benchmark::State& estado) {
  const auto a = DfaAleatorio(kEstados, 4, 1);
  std::vector<int> tabla(static_cast<std::size_t>(kEstados) * 4);
  for (int q = 0; q < kEstados; ++q)
    for (const auto& arco : a.Salidas(q)) tabla[q * 4 + arco.simbolo] = arco.destino;
  for (auto _ : estado) {
    std::vector<char> visto(kEstados, 0);
    std::queue<int> cola;
    cola.push(0);
    visto[0] = 1;
    while (!cola.empty()) {
      const int q = cola.front();
      cola.pop();
      for (int s = 0; s < 4; ++s)
        if (const int d = tabla[q * 4 + s]; !visto[d]) visto[d] = 1, cola.push(d);
    }
    benchmark::DoNotOptimize(visto.data());
  }
}
BENCHMARK(BM_Suelo_Recorrido)->Unit(benchmark::kMillisecond);

void BM_Minimizar(benchmark::State& estado) {
  const auto a = DfaAleatorio(kEstados, 4, 1);
  int minimos = 0;
  for (auto _ : estado) minimos = Minimizar(a).automata.NumeroDeEstados();
  estado.counters["estados_minimos"] = minimos;
}
BENCHMARK(BM_Minimizar)->Unit(benchmark::kMillisecond);

// Equivalent automata (a permuted copy): the product walk visits every reachable pair.
void BM_Comparar(benchmark::State& estado) {
  const auto a = DfaAleatorio(kEstados, 4, 1);
  const auto b = Permutado(a, 2);
  bool equivalentes = false;
  for (auto _ : estado) equivalentes = CompararAutomatas(a, b).equivalentes;
  estado.counters["equivalentes"] = equivalentes;
}
BENCHMARK(BM_Comparar)->Unit(benchmark::kMillisecond);

// A random complete 30-state DFA over two symbols: its expression outgrows the cap.
void BM_Expresion_Aleatorio30(benchmark::State& estado) {
  const auto a = DfaAleatorio(30, 2, 3);
  TExpresionDeAutomata expresion;
  for (auto _ : estado) expresion = ExpresionRegular(a);
  estado.counters["longitud"] = static_cast<double>(expresion.texto.size());
  estado.counters["truncada"] = expresion.truncada;
}
BENCHMARK(BM_Expresion_Aleatorio30)->Unit(benchmark::kMillisecond);

// A 30-state chain with back edges (strings whose every block of a's has length below 30,
// separated by b's): a textbook-shaped automaton whose expression stays short.
void BM_Expresion_Cadena30(benchmark::State& estado) {
  TAutomataFinito a(TLista{"a", "b"});
  for (int q = 0; q < 30; ++q) a.AnadirEstado({}, {}, true);
  a.PonerInicial(0);
  for (int q = 0; q < 30; ++q) {
    if (q + 1 < 30) a.AnadirTransicion(q, 0, q + 1);
    a.AnadirTransicion(q, 1, 0);
  }
  TExpresionDeAutomata expresion;
  for (auto _ : estado) expresion = ExpresionRegular(a);
  estado.counters["longitud"] = static_cast<double>(expresion.texto.size());
  estado.counters["truncada"] = expresion.truncada;
}
BENCHMARK(BM_Expresion_Cadena30)->Unit(benchmark::kMillisecond);

}  // namespace
