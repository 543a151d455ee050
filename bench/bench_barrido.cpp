// The "Explorar K" sweep of KR and KC on random samples of 1,000 and 10,000 strings of
// length 1 to 12 over three letters (k from 0 to 12, 26 runs), against the sum of the
// single runs it stands for: each k's acceptor and merge, as "kr -k K" / "kc -k K" make
// them. The sweep also measures every result on a negative and a test sample of the same
// size; "Barrido sin muestras" measures states and transitions only.
#include <benchmark/benchmark.h>

#include "CadenasAleatorias.h"
#include "app/comandos/BarridoK.h"
#include "core/Automata.h"
#include "core/Lista.h"
#include "inference/Incremental.h"

namespace {

const std::vector<TAlgoritmoBarrido> kAmbos = {TAlgoritmoBarrido::KR, TAlgoritmoBarrido::KC};

void Barrido(benchmark::State& estado) {
  const auto n = static_cast<std::size_t>(estado.range(0));
  const TMuestrasBarrido muestras{CadenasAleatorias(n, 12345), CadenasAleatorias(n, 777), CadenasAleatorias(n, 999)};
  std::size_t filas = 0;
  for (auto _ : estado) filas = ::Barrido(muestras, kAmbos).size();
  estado.counters["filas"] = static_cast<double>(filas);
}

void BarridoSinMuestras(benchmark::State& estado) {
  const TMuestrasBarrido muestras{CadenasAleatorias(static_cast<std::size_t>(estado.range(0)), 12345), {}, {}};
  for (auto _ : estado) benchmark::DoNotOptimize(::Barrido(muestras, kAmbos).size());
}

// The single runs of the sweep, one after the other: KR and KC for k = 0 .. 12.
void SumaDeEjecucionesSimples(benchmark::State& estado) {
  const TLista positiva = CadenasAleatorias(static_cast<std::size_t>(estado.range(0)), 12345);
  const auto pasos = PasosBarrido(positiva, kAmbos);
  for (auto _ : estado)
    for (const auto& paso : pasos) benchmark::DoNotOptimize(ResultadoDePaso(positiva, paso)->Bloques().size());
  estado.counters["ejecuciones"] = static_cast<double>(pasos.size());
}

}  // namespace

BENCHMARK(Barrido)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BarridoSinMuestras)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(SumaDeEjecucionesSimples)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
