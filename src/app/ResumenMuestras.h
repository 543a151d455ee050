// ResumenMuestras: what the main window and the viewer say about the session's samples:
// for each kind, its file (or that it was typed and not saved) and how many strings it has.
#pragma once

#include <string>

#include "app/Sesion.h"
#include "core/Lista.h"

// One kind's sample in a few words, Windows-1252: "m.pos, 12 cadenas", "sin guardar, 3
// cadenas" (typed, never saved), "1 cadena"; for the situation/action kind the pairs are
// counted ("5 pares"). The empty text when the kind has no sample.
std::string ResumenMuestra(const TSesion& sesion, TTipoMuestra tipo);

// The status panel's line: each kind that has a sample as "S+ m.pos (12)", "S- sin guardar
// (3)", joined by "  ·  "; "Sin muestras" when there is none.
std::string LineaMuestras(const TSesion& sesion);

// One line per kind that has a sample, "Positiva: m.pos, 12 cadenas", for the panel's tip.
TLista DetalleMuestras(const TSesion& sesion);

// The viewer's caption line for the kind it shows: "Muestra positiva: m.pos, 12 cadenas",
// or "Muestra positiva: no hay" when that kind has none.
std::string TituloVisor(const TSesion& sesion);
