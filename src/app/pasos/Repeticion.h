// Repeticion: a result run again with a merge observer, for the step-by-step window: the
// prefix-tree acceptor before any merge, the merged automaton and the trace between them.
// Result windows keep how to repeat their run instead of keeping a trace for every run.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/Automata.h"
#include "core/Lista.h"
#include "inference/ObservadorFusiones.h"

struct TParametrosIM1;
struct TTablaStren;
class TBusquedaMealy;

struct TRepeticion {
  std::unique_ptr<TAutomata> Aceptor;    // as built from the sample, Bloques empty
  std::unique_ptr<TAutomata> Resultado;  // the same run's merged automaton
  std::vector<TFusionTrazada> Pasos;     // the effective merges, in order
  int K = 0;                             // the run's k (IM1: its K)
  bool MarcaKR = false;                  // the acceptor holds KR's marked examples
  bool Mealy = false;                    // symbols are situation/action pairs
};

// How a result window repeats its run; empty when it cannot.
using TRepetir = std::function<TRepeticion()>;

// KR on the marked `muestra`, KC on `muestra` itself, as the commands run them.
TRepeticion RepetirKR(const TLista& muestra, int k);
TRepeticion RepetirKC(const TLista& muestra, int k);
// IM1 on the acceptor of `muestra`. `tabla` is the Stren table of a Levine or Miclet run;
// when null it is computed again (longest example parameters.K, as the dialog does).
TRepeticion RepetirIM1(const TLista& muestra, const TParametrosIM1& parametros, const TTablaStren* tabla = nullptr);
// SKR or SKC for k, as the search ran it.
TRepeticion RepetirMealy(const TBusquedaMealy& busqueda, int k);
