// SalidaTraza: the --traza option of the inference orders: the run's effective merges
// written to a file, one tab-separated line each.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Argumentos.h"
#include "core/Lista.h"
#include "inference/ObservadorFusiones.h"

// "--traza" with a value, for an order's syntax, and its line for --help (UTF-8).
TOpcionCli OpcionTraza();
extern const char* const kAyudaTraza;

// The lines of a trace: step (from 1), first state, second state, cause, separated by tabs,
// in UTF-8; a control character inside a field (a tab in a state name) is written as its
// picture (Cp1252AUtf8Visible), so a line always splits into its four fields.
TLista LineasTraza(const std::vector<TFusionTrazada>& pasos);

// Writes `pasos` to `ruta` in UTF-8 (replacing the file whole, or leaving it untouched on a
// failure). Returns 0, or 2 after a message on stderr.
int EscribirTraza(const std::string& ruta, const std::vector<TFusionTrazada>& pasos);
