// SalidaDiagrama: the option --diagrama FICHERO of the orders that show an automaton: the
// automaton drawn in the format of the file's extension (see ExportarDiagrama).
#pragma once

#include <optional>
#include <string>

#include "cli/Argumentos.h"

struct TDiagrama;

// "--diagrama" with a value, for an order's syntax, and the --help lines that list its formats
// and "--forzar".
TOpcionCli OpcionDiagrama();
extern const char* const kAyudaDiagrama;
// "--forzar": draw a diagram through Graphviz even when it is too big to draw at once.
TOpcionCli OpcionForzar();

// True when `diagrama` may be drawn to `ruta` (or there is none): a format drawn through
// Graphviz (.svg, .png, .tex, .jff) takes the diagram only when DibujoInmediato allows it
// or `forzar`; otherwise the message on stderr and false, before anything is written.
bool ComprobarTamanoDiagrama(const TDiagrama& diagrama, const std::optional<std::string>& ruta, bool forzar);

// True when there is no --diagrama or its extension is a format; otherwise the message on
// stderr and false (the order then exits 2 before it writes anything).
bool ComprobarDiagrama(const std::optional<std::string>& ruta);

// Writes `diagrama` to `ruta` when given. Returns 0, or 2 after the message on stderr.
int EmitirDiagrama(const TDiagrama& diagrama, const std::optional<std::string>& ruta);
