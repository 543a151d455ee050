// Benchmarks of the result windows' work on random samples: the quotient's window data,
// the validation function, the subset construction and validation of 10,000 test strings
// (quotient and deterministic walks). The partition merges the prefix tree's states that
// share their k-tail (every continuation of length at most k, with finality), a grouping
// that leaves the quotient non-deterministic, as the conversion needs.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <unordered_map>

#include "CadenasAleatorias.h"
#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/Utilidades.h"
#include "results/Aceptacion.h"
#include "results/DatosDeterminista.h"
#include "results/DatosResultado.h"
#include "results/Determinizacion.h"
#include "results/Validacion.h"

namespace {

// The k-tail of a state as text: finality, then each continuing symbol with its own
// (k-1)-tail.
std::string Cola(const TAutomata& automata, const std::string& estado, int k) {
  std::string cola = automata.Finales().EsMiembro(estado) ? "F" : "N";
  if (k == 0) return cola;
  for (const auto& simbolo : automata.Alfabeto()) {
    const std::string siguiente = estado + simbolo;
    if (automata.Estados().EsMiembro(siguiente)) cola += simbolo + "(" + Cola(automata, siguiente, k - 1) + ")";
  }
  return cola;
}

// States with equal k-tails share a block; blocks in order of their first state.
TParticion ParticionPorColas(const TAutomata& automata, int k) {
  TParticion bloques;
  std::unordered_map<std::string, std::size_t> bloqueDe;
  for (const auto& estado : automata.Estados()) {
    const auto [it, nuevo] = bloqueDe.try_emplace(Cola(automata, estado, k), bloques.size());
    if (nuevo) bloques.emplace_back();
    bloques[it->second].push_back(estado);
  }
  return bloques;
}

struct TCaso {
  TLista muestra;
  std::unique_ptr<TAutomata> automata;
  TDatosResultado datos;
};

// One merged automaton per (sample size, k), built once.
const TCaso& Caso(std::size_t cuantas, int k) {
  static std::map<std::pair<std::size_t, int>, TCaso> casos;
  auto& caso = casos[{cuantas, k}];
  if (!caso.automata) {
    caso.muestra = CadenasAleatorias(cuantas, 1234u + static_cast<unsigned>(cuantas));
    caso.automata = std::make_unique<TAutomata>(caso.muestra);
    caso.automata->PonerBloques(ParticionPorColas(*caso.automata, k));
    caso.datos = CalcularDatosResultado(*caso.automata);
  }
  return caso;
}

const TLista& Test() {
  static const TLista test = CadenasAleatorias(10000, 99u);
  return test;
}

void Contadores(benchmark::State& state, const TCaso& caso) {
  state.counters["estados"] = static_cast<double>(caso.automata->Estados().size());
  state.counters["bloques"] = static_cast<double>(caso.automata->Bloques().size());
}

void BM_DatosResultado(benchmark::State& state) {
  const TCaso& caso = Caso(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(CalcularDatosResultado(*caso.automata));
  Contadores(state, caso);
}

// The validation function that the result window builds when shown.
void BM_FuncionCociente(benchmark::State& state) {
  const TCaso& caso = Caso(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    const TFuncion funcion(*caso.automata);
    benchmark::DoNotOptimize(funcion.NumeroDeFilas());
  }
  Contadores(state, caso);
}

void BM_Subconjuntos(benchmark::State& state) {
  const TCaso& caso = Caso(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
  std::size_t filas = 0;
  for (auto _ : state) {
    const TAutomataDeterminista d =
        ConstruirDeterminista(caso.datos.TablaDestinos, caso.datos.BloqueInicial, caso.automata->Alfabeto());
    filas = d.Estados.size();
    benchmark::DoNotOptimize(d);
  }
  Contadores(state, caso);
  state.counters["filas"] = static_cast<double>(filas);
  state.counters["determinista"] = caso.datos.EsDeterminista() ? 1 : 0;
}

void BM_VentanaDeterminista(benchmark::State& state) {
  const TCaso& caso = Caso(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
  const TAutomataDeterminista d =
      ConstruirDeterminista(caso.datos.TablaDestinos, caso.datos.BloqueInicial, caso.automata->Alfabeto());
  for (auto _ : state)
    benchmark::DoNotOptimize(
        CalcularDatosDeterminista(*caso.automata, d, caso.datos.BloqueInicial, caso.datos.BloquesFinales));
  Contadores(state, caso);
}

void BM_ValidacionCociente(benchmark::State& state) {
  const TCaso& caso = Caso(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
  const TFuncion funcion(*caso.automata);
  const TLista& alfabeto = caso.automata->Alfabeto();
  TCuentasValidacion cuentas;
  for (auto _ : state) {
    cuentas = ContarValidacion(Test(), caso.muestra.size(),
                               [&](const std::string& e) { return CadenaAceptada(e, funcion, alfabeto); });
    benchmark::DoNotOptimize(cuentas);
  }
  Contadores(state, caso);
  state.counters["aceptados"] = cuentas.aceptados;
}

void BM_ValidacionDeterminista(benchmark::State& state) {
  const TCaso& caso = Caso(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
  const TAutomataDeterminista d =
      ConstruirDeterminista(caso.datos.TablaDestinos, caso.datos.BloqueInicial, caso.automata->Alfabeto());
  const TAceptadorDeterminista aceptador(d, FilasFinales(d, caso.datos.BloquesFinales));
  TCuentasValidacion cuentas;
  for (auto _ : state) {
    cuentas = ContarValidacion(Test(), caso.muestra.size(), [&](const std::string& e) { return aceptador.Acepta(e); });
    benchmark::DoNotOptimize(cuentas);
  }
  Contadores(state, caso);
  state.counters["aceptados"] = cuentas.aceptados;
}

void Tamanos(benchmark::internal::Benchmark* b) {
  for (long cuantas : {1000L, 10000L})
    for (long k : {1L, 2L, 3L}) b->Args({cuantas, k});
  b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_DatosResultado)->Apply(Tamanos);
BENCHMARK(BM_FuncionCociente)->Apply(Tamanos);
BENCHMARK(BM_Subconjuntos)->Apply(Tamanos);
BENCHMARK(BM_VentanaDeterminista)->Apply(Tamanos);
BENCHMARK(BM_ValidacionCociente)->Apply(Tamanos);
BENCHMARK(BM_ValidacionDeterminista)->Apply(Tamanos);
