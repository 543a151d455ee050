// BusquedaK: the search for the smallest k whose KR or KC result rejects every example of a
// negative sample.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/Lista.h"
#include "inference/ModoInferencia.h"

class TAutomata;

// The result found: k and the acceptor whose Bloques hold the result for that k.
struct TSolucionK {
  int k = 0;
  std::unique_ptr<TAutomata> automata;
};

// For k = 0, 1, ..., cota (inclusive), builds the acceptor of `positiva` (marked, for KR)
// and runs `algoritmo` on it; the first k whose quotient automaton rejects every example
// of `negativa` (an example with a character outside the result's alphabet counts as
// rejected) is the solution. std::nullopt when no k in 0..cota works; at once, without
// running, when a negative example is byte for byte a positive one, since every result
// accepts it. For KR, `positiva` must not hold "$" (UsaMarcaFinal).
std::optional<TSolucionK> BuscarKNegativo(TAlgoritmoK algoritmo, const TLista& positiva, const TLista& negativa, int cota);

// True when the quotient automaton of `automata` (its Bloques) accepts no example of
// `negativa`.
bool RechazaTodos(const TAutomata& automata, const TLista& negativa);
