// KR and KC on random samples: 1,000 and 10,000 strings of length 1 to 12 over three
// letters, fixed seed. Each iteration times the merging alone; the acceptor is built
// outside the timed region.
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "core/Automata.h"
#include "core/Lista.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"

namespace {

TLista Muestra(int cuantos) {
  std::mt19937 azar(12345);
  std::uniform_int_distribution<int> largo(1, 12);
  std::uniform_int_distribution<int> letra(0, 2);
  TLista muestra;
  muestra.reserve(cuantos);
  for (int i = 0; i < cuantos; ++i) {
    std::string s;
    for (int n = largo(azar); n > 0; --n) s += static_cast<char>('a' + letra(azar));
    muestra.push_back(std::move(s));
  }
  return muestra;
}

void KR(benchmark::State& estado) {
  const TLista muestra = Muestra(static_cast<int>(estado.range(0)));
  const TLista marcada = MarcarMuestra(muestra);
  const int k = static_cast<int>(estado.range(1));
  std::size_t bloques = 0;
  estado.counters["estados"] = static_cast<double>(TAutomata(marcada).Estados().size());
  for (auto _ : estado) {
    estado.PauseTiming();
    TAutomata automata(marcada);
    estado.ResumeTiming();
    AlgoritmoKR(automata, k, TModoInferencia::Silencioso, muestra);
    bloques = automata.Bloques().size();
    benchmark::DoNotOptimize(automata.Bloques().data());
  }
  estado.counters["bloques"] = static_cast<double>(bloques);
}

void KC(benchmark::State& estado) {
  const TLista muestra = Muestra(static_cast<int>(estado.range(0)));
  const int k = static_cast<int>(estado.range(1));
  std::size_t bloques = 0;
  estado.counters["estados"] = static_cast<double>(TAutomata(muestra).Estados().size());
  for (auto _ : estado) {
    estado.PauseTiming();
    TAutomata automata(muestra);
    estado.ResumeTiming();
    AlgoritmoKC(automata, k, TModoInferencia::Silencioso);
    bloques = automata.Bloques().size();
    benchmark::DoNotOptimize(automata.Bloques().data());
  }
  estado.counters["bloques"] = static_cast<double>(bloques);
}

}  // namespace

BENCHMARK(KR)->ArgsProduct({{1000, 10000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(KC)->ArgsProduct({{1000, 10000}, {1, 3}})->Unit(benchmark::kMillisecond);
