// Layout time of the dot engine by size: prefix trees of random samples and KR results
// (k = 3, random samples over three symbols) of 50, 200 and 500 states, and, as the worst
// case, automata whose every state goes by each of three symbols to a random state (20 and
// 50 states: dot's crossing reduction grows steeply on such tangles).
#include <random>

#include <benchmark/benchmark.h>

#include "core/Automata.h"
#include "diagram/DiagramaDeAutomata.h"
#include "inference/AlgoritmoKR.h"
#include "inference/ModoInferencia.h"
#include "results/DatosResultado.h"
#include "diagram/Disposicion.h"

namespace {

TDiagrama AutomataAleatorio(int estados) {
  std::mt19937 azar(20261208);
  std::uniform_int_distribution<int> destino(0, estados - 1), moneda(0, 3);
  TDiagrama diagrama;
  diagrama.alfabeto = {"a", "b", "c"};
  for (int n = 0; n < estados; ++n) diagrama.estados.push_back({"q" + std::to_string(n), {}, moneda(azar) == 0, false});
  diagrama.inicial = 0;
  for (int n = 0; n < estados; ++n)
    for (const auto& simbolo : diagrama.alfabeto)
      diagrama.transiciones.push_back({n, destino(azar), {simbolo}, simbolo});
  return diagrama;
}

TDiagrama ArbolAleatorio(int estados) {
  std::mt19937 azar(20261208);
  std::uniform_int_distribution<int> largo(1, 12), letra(0, 2);
  TLista muestra;
  while (TAutomata(muestra).Estados().size() < static_cast<std::size_t>(estados)) {
    std::string cadena;
    for (int n = largo(azar); n > 0; --n) cadena += static_cast<char>('a' + letra(azar));
    muestra.push_back(cadena);
  }
  return DiagramaAceptor(TAutomata(muestra), false);
}

std::string CadenaAleatoria(std::mt19937& azar) {
  std::uniform_int_distribution<int> largo(1, 12), letra(0, 2);
  std::string cadena;
  for (int n = largo(azar); n > 0; --n) cadena += static_cast<char>('a' + letra(azar));
  return cadena;
}

// KR with k = 3 on a random sample grown five examples at a time until the result has at
// least `estados` states.
TDiagrama ResultadoKR(int estados) {
  std::mt19937 azar(20261208);
  TLista muestra;
  for (;;) {
    for (int i = 0; i < 5; ++i) muestra.push_back(CadenaAleatoria(azar));
    TAutomata automata(MarcarMuestra(muestra));
    AlgoritmoKR(automata, 3, TModoInferencia::Silencioso, muestra);
    if (automata.Bloques().size() >= static_cast<std::size_t>(estados))
      return DiagramaCociente(automata, CalcularDatosResultado(automata));
  }
}

void Medir(benchmark::State& estado, const TDiagrama& diagrama) {
  for (auto _ : estado) benchmark::DoNotOptimize(Disponer(diagrama));
  estado.counters["estados"] = static_cast<double>(diagrama.estados.size());
  estado.counters["aristas"] = static_cast<double>(diagrama.transiciones.size());
}

void BM_DisponerAutomata(benchmark::State& estado) { Medir(estado, AutomataAleatorio(static_cast<int>(estado.range(0)))); }
void BM_DisponerArbol(benchmark::State& estado) { Medir(estado, ArbolAleatorio(static_cast<int>(estado.range(0)))); }
void BM_DisponerKR(benchmark::State& estado) { Medir(estado, ResultadoKR(static_cast<int>(estado.range(0)))); }

}  // namespace

BENCHMARK(BM_DisponerArbol)->Arg(50)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisponerKR)->Arg(50)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisponerAutomata)->Arg(20)->Arg(50)->Unit(benchmark::kMillisecond);
