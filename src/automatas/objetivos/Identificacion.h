// Identificacion: whether an inferred automaton identifies the target (accepts the same
// language), said in words with the shortest witness otherwise, and the labelled test of
// a target: strings split by whether the target accepts them.
#pragma once

#include <string>

#include "automatas/AutomataFinito.h"
#include "automatas/Comparacion.h"
#include "automatas/objetivos/EvaluacionEtiquetada.h"
#include "core/Lista.h"

struct TIdentificacion {
  TComparacion comparacion;  // a: the result, b: the target
  bool Identifica() const { return comparacion.equivalentes; }
};

TIdentificacion Identificar(const TAutomataFinito& resultado, const TAutomataFinito& objetivo);

// "Identifica el objetivo: sí", or "Identifica el objetivo: no" followed by "Testigo: w"
// and "Aceptada por el resultado y no por el objetivo" (or the other way round). Windows-1252.
TLista LineasIdentificacion(const TIdentificacion& identificacion);

// The strings of `test` (sample strings, the empty one empty) that `objetivo` accepts, and
// the others, each in test order.
struct TTestEtiquetado {
  TLista positivos;
  TLista negativos;
};
TTestEtiquetado EtiquetarConObjetivo(const TLista& test, const TAutomataFinito& objetivo);

// Evaluar on that labelled test with `resultado`'s acceptance (a character outside its
// alphabet rejects).
TEvaluacion EvaluarAutomata(const TAutomataFinito& resultado, const TTestEtiquetado& test);
