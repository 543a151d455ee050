// ModoInferencia: the modes in which KR and KC are run, and the symbol width each implies.
#pragma once

#include <cstddef>

// The result window is shown after the run (the app layer does it; the algorithm itself
// only merges).
constexpr int ModoVentana = 0;
// The caller reads the result from the automaton.
constexpr int ModoSilencioso = 1;
// As ModoSilencioso, over situation/action pair symbols of four characters.
constexpr int ModoMealy = 2;

// Characters per symbol when k symbols are counted off a state name: 4 in ModoMealy,
// 1 in every other mode (any value other than 0, 1, 2 behaves as ModoSilencioso).
constexpr std::size_t AnchoSimbolo(int modo) { return modo == ModoMealy ? 4 : 1; }
