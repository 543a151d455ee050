// ParesDecisivos: the few pairs that decide IM1's pair loop when its approval depends only
// on classes of states, so that the loop need not ask every pair.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

// Fills `vecinas` (empty on entry) with the classes whose states a state of class `clase`
// is approved with, each once, and `clase` itself when two different states of the class
// are approved together. The relation must be symmetric.
using TVecinasDeClase = std::function<void(int clase, std::vector<int>& vecinas)>;

// The pair loop (FusionarPares) with aprueba(i, j) = "clases[j] is among the vecinas of
// clases[i]" (classes are numbers 0, 1, ...), reduced to the approved pairs that decide it:
// every pair that joins two blocks, and the last approved pair inside each final block (the
// one that fixes the block's place). FusionarParesCandidatos over them gives the loop's
// blocks, block order and merges. `vecinas` is asked once per class that has states, in
// the order of each class's first state. Besides those questions the cost is about
// n log n plus, per class, its number of neighbours times a logarithm.
std::vector<std::pair<std::size_t, std::size_t>> ParesDecisivos(const std::vector<int>& clases,
                                                                const TVecinasDeClase& vecinas);
