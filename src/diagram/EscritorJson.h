// EscritorJson: a diagram as the JSON document that data/automata.schema.json describes,
// for programs that read automata (alphabet, states with their prefixes, initial, finals,
// transitions; a Mealy machine's transitions with their actions).
#pragma once

#include <string>

#include "diagram/Diagrama.h"

// The UTF-8 JSON text, ending in a line break.
std::string EscribirJson(const TDiagrama& diagrama);
