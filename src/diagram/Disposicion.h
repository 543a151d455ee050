// Disposicion: where Graphviz's dot engine puts the states and edges of a diagram, as
// plain numbers, and the pictures Graphviz renders of it. Nothing else of the program
// talks to Graphviz.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "diagram/Diagrama.h"

// Points (1/72 inch), origin at the top-left corner of the drawing, y growing downwards.
struct TPunto {
  double x = 0;
  double y = 0;
  bool operator==(const TPunto&) const = default;
};

struct TNodoDispuesto {
  TPunto centro;
  double ancho = 0;
  double alto = 0;
  bool operator==(const TNodoDispuesto&) const = default;
};

struct TAristaDispuesta {
  // A piecewise cubic Bézier curve: its first point, then three points (two controls and
  // the end) per piece. It stops at the base of the arrowhead.
  std::vector<TPunto> curva;
  std::optional<TPunto> punta;     // the arrowhead's tip, beyond the curve's end
  std::optional<TPunto> etiqueta;  // the centre of the label, when the edge has one
  bool operator==(const TAristaDispuesta&) const = default;
};

struct TDisposicion {
  double ancho = 0;
  double alto = 0;
  std::vector<TNodoDispuesto> estados;          // in the diagram's state order
  std::vector<TAristaDispuesta> transiciones;   // in the diagram's edge order
  std::optional<TAristaDispuesta> flechaInicial;  // from the invisible start node
  bool operator==(const TDisposicion&) const = default;
};

// Lays out EscribirDot(diagrama) with dot, left to right. The same diagram always gives the
// same numbers. Calls are serialised: Graphviz is not reentrant. Throws std::runtime_error
// when Graphviz fails.
TDisposicion Disponer(const TDiagrama& diagrama);

// True when dot lays the diagram out in well under half a second on a teaching machine, so a
// window may draw it at once: at most 400 states, and at most 64 edges more than states.
// Trees and the results of few merges lay out fast (500 states in under 0.2 s of CPU), but
// every edge that closes a cycle adds crossings to reduce: 40 states each with three edges to
// random states already take 0.3 to 0.7 s (bench/bench_diagrama).
bool DibujoInmediato(const TDiagrama& diagrama);

// EscribirDot(diagrama) laid out and rendered by Graphviz in `formato` ("svg", "png"...),
// bitmaps at `escala` times Graphviz's 96 dots per inch. Throws std::runtime_error when
// Graphviz fails or lacks the format.
std::string Renderizar(const TDiagrama& diagrama, const std::string& formato, double escala = 1);
