// EscritorJff: a diagram as a JFLAP file (.jff, XML): a finite automaton or a Mealy
// machine with its states (ids, names, the layout's coordinates, initial and final flags)
// and one transition per symbol, so it opens in JFLAP to be simulated or edited.
#pragma once

#include <string>

#include "diagram/Diagrama.h"
#include "diagram/Disposicion.h"

// The UTF-8 XML text. `disposicion` places the states (its points, as JFLAP's pixels).
std::string EscribirJff(const TDiagrama& diagrama, const TDisposicion& disposicion);
