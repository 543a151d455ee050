// EscritorTikz: a diagram as a LaTeX document with one TikZ picture (the automata
// library's states) drawn at the coordinates of its layout, for slides and notes.
#pragma once

#include <string>

#include "diagram/Diagrama.h"
#include "diagram/Disposicion.h"

// A standalone document (UTF-8) that pdflatex compiles: every state a `state` node of its
// layout size at its layout centre (accepting for final states, dashed when marked), every
// edge its layout curve with an arrow and its label at the layout's label position, and the
// arrow into the initial state. `disposicion` must be Disponer(diagrama).
std::string EscribirTikz(const TDiagrama& diagrama, const TDisposicion& disposicion);
