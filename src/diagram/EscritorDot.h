// EscritorDot: a diagram as Graphviz source (UTF-8), the text every layout and rendering
// of the module starts from, so the file a user exports draws as the window does.
#pragma once

#include <string>

#include "diagram/Diagrama.h"

// A `digraph` laid out left to right: one node per state, named and labelled as the grid
// names it (in state order), `shape=doublecircle` for final states, marked states dashed,
// each node's tooltip listing its prefixes; an invisible start node (named "inicio", or
// with "_" appended until no state has its name) with an edge into the initial state; one
// edge per diagram edge labelled with its joined symbols. Nodes carry id="e<n>" and edges
// id="t<n>" (the start node "inicio", its edge "tinicio"), which the layout reads back.
std::string EscribirDot(const TDiagrama& diagrama);

// The name given to the invisible start node.
std::string NombreNodoInicio(const TDiagrama& diagrama);
