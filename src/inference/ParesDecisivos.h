// ParesDecisivos: the few pairs that decide IM1's pair loop when its approval depends only
// on classes of states, so that the loop need not ask every pair.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

// One class's neighbours, as ParesDecisivos asks for them.
struct TVecindad {
  // The classes whose states a state of the class is approved with, each once, and the
  // class itself when two different states of it are approved together; the relation must
  // be symmetric. When the class is its own neighbour it may leave out a class D that is,
  // like the class, a neighbour of some class with an earlier first state (a block made
  // before already holds both); it must then give in `mayorOtra` the class with the
  // largest last state among all its neighbours other than itself.
  std::vector<int> clases;
  int mayorOtra = -1;
};

// Fills `vecindad` (empty on entry) for `clase`.
using TVecinasDeClase = std::function<void(int clase, TVecindad& vecindad)>;

// The pair loop (FusionarPares) with aprueba(i, j) = "clases[j] is a neighbour of
// clases[i]" (classes are numbers 0, 1, ...), reduced to the approved pairs that decide it:
// every pair that joins two blocks, and the last approved pair inside each final block (the
// one that fixes the block's place). FusionarParesCandidatos over them gives the loop's
// blocks, block order and merges. `vecinas` is asked once per class that has states, in
// the order of each class's first state. Besides those questions the cost is about
// n log n plus, per class, its number of neighbours times a logarithm.
std::vector<std::pair<std::size_t, std::size_t>> ParesDecisivos(const std::vector<int>& clases,
                                                                const TVecinasDeClase& vecinas);
