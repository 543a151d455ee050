// IM1 with the k-suffixes heuristic on random samples of 1,000 and 5,000 strings (length
// 1 to 12 over a, b, c): the pair loop asks n(n-1)/2 questions for n prefix states, and
// each question must cost constant time for the run to stay quadratic.
#include <benchmark/benchmark.h>

#include <random>

#include "core/Automata.h"
#include "inference/AlgoritmoIM1.h"

namespace {

TLista MuestraAleatoria(int cadenas) {
  std::mt19937 azar(12345);
  TLista muestra;
  for (int n = 0; n < cadenas; ++n) {
    std::string cadena;
    const int largo = 1 + static_cast<int>(azar() % 12);
    for (int c = 0; c < largo; ++c) cadena += "abc"[azar() % 3];
    muestra.push_back(cadena);
  }
  return muestra;
}

void BM_IM1KSufijos(benchmark::State& estado) {
  TAutomata automata(MuestraAleatoria(static_cast<int>(estado.range(0))));
  const TParametrosIM1 parametros{THeuristico::K_Sufijos, static_cast<int>(estado.range(1)), {}};
  for (auto _ : estado) {
    AlgoritmoIM1(automata, parametros, nullptr);
    benchmark::DoNotOptimize(automata.Bloques().data());
  }
  estado.counters["estados"] = static_cast<double>(automata.Estados().size());
  estado.counters["bloques"] = static_cast<double>(automata.Bloques().size());
}

void BM_IM1Levine(benchmark::State& estado) {
  TAutomata automata(MuestraAleatoria(static_cast<int>(estado.range(0))));
  for (auto _ : estado) {
    const auto datos = CalcularDatosStren(automata, 12);
    const TParametrosIM1 parametros{THeuristico::Levine, 12, datos->Cotas->back()};
    AlgoritmoIM1(automata, parametros, datos->Tabla.get());
    benchmark::DoNotOptimize(automata.Bloques().data());
  }
  estado.counters["estados"] = static_cast<double>(automata.Estados().size());
}

}  // namespace

BENCHMARK(BM_IM1KSufijos)->Args({1000, 0})->Args({1000, 2})->Args({5000, 0})->Args({5000, 2})
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_IM1Levine)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
