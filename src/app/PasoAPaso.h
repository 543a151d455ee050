// PasoAPaso: a merge trace as the steps a student replays: each merge's sentence in Spanish,
// the partition after it and the quotient automaton of that partition.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/Automata.h"
#include "core/Lista.h"
#include "inference/ObservadorFusiones.h"

// One step: the merge and the partition it leaves. Step 0 has no merge.
struct TPasoFusion {
  TFusionTrazada Fusion;
  std::string Frase;     // the cause as a sentence, Windows-1252 (blocks named by their place)
  TParticion Particion;  // after the merge: blocks in their order, the joined one last
};

// The cause of `fusion` as a sentence, read from its data (never from its text): it names
// the two blocks joined and the states the rule reads, each block as `bloque` writes the
// block holding a state ("q2 = {a, aa}"; empty when no block holds it, then the state is
// named alone). For example "q2 = {a} y q5 = {aa}: a y aa son los sucesores por 'b' de ab y
// aab, que ya est\xE1n en un mismo bloque, q3 = {ab, aab}, y deben unirse"; k is the run's.
using TTextoBloque = std::function<std::string(const std::string& estado)>;
std::string FraseDeCausa(const TFusionTrazada& fusion, int k, const TTextoBloque& bloque);

// The name of the rule of a cause, for a tip ("Regla hacia delante (determinismo)").
std::string NombreRegla(TReglaFusion regla);

// "q" + n + " = " + the block's set text ("q2 = {a, aa}", the empty name as "&").
std::string TextoBloque(std::size_t numero, const TLista& bloque);

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
