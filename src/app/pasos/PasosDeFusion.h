// PasosDeFusion: a merge trace as the steps a student replays: each merge's sentence in Spanish,
// the partition after it and the quotient automaton of that partition.
#pragma once

#include <string>
#include <vector>

#include "core/Automata.h"
#include "core/Lista.h"
#include "inference/ObservadorFusiones.h"

// One step: the merge and the partition it leaves. Step 0 has no merge.
struct TPasoFusion {
  TFusionTrazada Fusion;
  std::string Frase;     // the cause as a sentence, Windows-1252
  TParticion Particion;  // after the merge: blocks in their order, the joined one last
};

// The cause of `fusion` as a sentence ("b$ y ab$ son ejemplos de la muestra", "los sucesores
// por 'a' de un mismo bloque deben unirse", "predecesores por 'b' con el mismo sufijo 'ab'
// (k = 2)"...); k is the run's parameter. An unknown cause is given as written.
std::string FraseDeCausa(const TFusionTrazada& fusion, int k);

// Applies one merge to `bloques`: removes the blocks of its two states and appends the first
// followed by the second. Returns false, leaving `bloques` as it was, when a state is unknown
// or both are already together.
bool AplicarFusion(TParticion& bloques, const TFusionTrazada& fusion);

// The steps of `pasos` over the states of the acceptor, step 0 first (every state alone).
// Each merge removes the blocks of its two states and appends the first followed by the
// second. A step whose states are unknown or already together leaves the partition as it is.
std::vector<TPasoFusion> PasosDeTraza(const TLista& estados, const std::vector<TFusionTrazada>& pasos, int k);

// The acceptor with the partition of a step: its quotient automaton.
TAutomata CocienteDePaso(const TAutomata& aceptor, const TPasoFusion& paso);
