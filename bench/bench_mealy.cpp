// SKR and SKC on 1,000 situation/action sequences of up to 20 pairs: the whole search over
// k (0 to the longest sequence), as a user who always asks for the next k would run it,
// without windows.
#include <benchmark/benchmark.h>

#include <random>

#include "app/muestras/LecturaMealy.h"
#include "inference/mealy/BusquedaMealy.h"

namespace {

// A seeded sample: 1,000 sequences of 1 to 20 pairs over situations S1..S9; the action
// mostly follows the situation and the previous action, sometimes another one, so that
// conflict groups exist and some k are inconsistent.
TLista MuestraDePrueba(unsigned semilla) {
  std::mt19937 azar(semilla);
  std::uniform_int_distribution<int> largo(1, 20);
  std::uniform_int_distribution<int> digito(1, 9);
  std::uniform_int_distribution<int> ruido(0, 9);
  TLista muestra;
  for (int s = 0; s < 1000; ++s) {
    int accion = 1;
    const int n = largo(azar);
    for (int i = 0; i < n; ++i) {
      const int situacion = digito(azar);
      accion = ruido(azar) == 0 ? digito(azar) : (situacion + accion) % 3 + 1;
      muestra.push_back("S" + std::to_string(situacion) + "/A" + std::to_string(accion));
    }
    muestra.push_back("");
  }
  return muestra;
}

void BuscarTodo(benchmark::State& estado, TAlgoritmoMealy algoritmo) {
  const TLista muestra = MuestraDePrueba(20261208);
  int consistentes = 0;
  for (auto _ : estado) {
    TLista cadenas;
    const TLecturaMealy lectura = LeerModeloMealy(algoritmo, muestra, cadenas);
    const TBusquedaMealy busqueda(algoritmo, *lectura.modelo, cadenas);
    consistentes = 0;
    for (int k = 0; k <= busqueda.Maximo(); ++k) {
      const TPasoMealy paso = busqueda.Paso(k);
      if (paso.Consistente()) ++consistentes;
      benchmark::DoNotOptimize(paso.automata->Bloques().size());
    }
  }
  estado.counters["k_consistentes"] = consistentes;
}

void BM_SKR(benchmark::State& estado) { BuscarTodo(estado, TAlgoritmoMealy::SKR); }
void BM_SKC(benchmark::State& estado) { BuscarTodo(estado, TAlgoritmoMealy::SKC); }

// One k, the unit the result window waits for.
void PasoK1(benchmark::State& estado, TAlgoritmoMealy algoritmo) {
  const TLista muestra = MuestraDePrueba(20261208);
  TLista cadenas;
  const TLecturaMealy lectura = LeerModeloMealy(algoritmo, muestra, cadenas);
  const TBusquedaMealy busqueda(algoritmo, *lectura.modelo, cadenas);
  for (auto _ : estado) benchmark::DoNotOptimize(busqueda.Paso(1).Consistente());
}

void BM_PasoSKR_K1(benchmark::State& estado) { PasoK1(estado, TAlgoritmoMealy::SKR); }
void BM_PasoSKC_K1(benchmark::State& estado) { PasoK1(estado, TAlgoritmoMealy::SKC); }

}  // namespace

BENCHMARK(BM_SKR)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SKC)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasoSKR_K1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasoSKC_K1)->Unit(benchmark::kMillisecond);
