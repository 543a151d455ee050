// SalidaLineas: a text handed out one line at a time (a report written as it is formed,
// without holding all of it), and whoever produces those lines.
#pragma once

#include <functional>
#include <string>

// Receives one line (without its end).
using TSalidaLineas = std::function<void(const std::string& linea)>;
// Hands every line of a text, in order, to the output it is given.
using TProductorLineas = std::function<void(const TSalidaLineas& salida)>;
