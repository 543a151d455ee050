// Building the prefix-tree acceptor from random samples
// of 1,000, 10,000 and 100,000 strings (length 1 to 20 over four letters, fixed seed).
#include <random>

#include <benchmark/benchmark.h>

#include "core/Automata.h"

namespace {

TLista MuestraAleatoria(std::size_t cadenas) {
  std::mt19937 azar(20240611);
  std::uniform_int_distribution<int> largo(1, 20), letra(0, 3);
  TLista muestra;
  muestra.reserve(cadenas);
  for (std::size_t i = 0; i < cadenas; ++i) {
    std::string cadena;
    for (int n = largo(azar); n > 0; --n) cadena += static_cast<char>('a' + letra(azar));
    muestra.push_back(std::move(cadena));
  }
  return muestra;
}

void BM_Aceptor(benchmark::State& estado) {
  const TLista muestra = MuestraAleatoria(static_cast<std::size_t>(estado.range(0)));
  std::size_t estados = 0;
  for (auto _ : estado) {
    const TAutomata aceptor(muestra);
    estados = aceptor.Estados().size();
    benchmark::DoNotOptimize(estados);
  }
  estado.counters["estados"] = static_cast<double>(estados);
}

}  // namespace

BENCHMARK(BM_Aceptor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
