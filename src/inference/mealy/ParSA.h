// ParSA: the text form of a situation/action sample (one pair per line, an empty line
// closing each sequence) and the checks the Mealy commands make before reading one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/Lista.h"

// True when `linea`, once every blank and every "/" is removed, is exactly "S", one to
// four digits, "A", one to four digits (capital letters, as a loaded sample holds them).
// The empty line is no pair line.
bool EsLineaDePar(std::string_view linea);

// Number (1-based) of the first line of `muestra` that is neither empty nor a pair line;
// 0 when every line is one or the other.
std::size_t PrimeraLineaIncorrecta(const TLista& muestra);

// True when the sample closes at least one sequence, that is, holds an empty line: only
// then can the Mealy commands learn from it.
bool MuestraSAUtilizable(const TLista& muestra);
