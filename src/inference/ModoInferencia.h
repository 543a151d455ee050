// ModoInferencia: the modes in which KR and KC are run, and how each counts symbols.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The result window is shown after the run (the app layer does it; the algorithm itself
// only merges).
constexpr int ModoVentana = 0;
// The caller reads the result from the automaton.
constexpr int ModoSilencioso = 1;
// As ModoSilencioso, over situation/action pair symbols ("S1A1", "S12A11": "S", digits,
// "A", digits).
constexpr int ModoMealy = 2;

// The last k symbols of the state name `nombre`: its last k characters, or in ModoMealy
// its last k pair symbols (each begins with the one "S" it holds); nullopt when the name
// has fewer than k symbols. Any mode other than ModoMealy counts characters.
inline std::optional<std::string_view> UltimosSimbolos(std::string_view nombre, std::size_t k, int modo) {
  if (modo != ModoMealy) {
    if (nombre.size() < k) return std::nullopt;
    return nombre.substr(nombre.size() - k);
  }
  std::size_t inicio = nombre.size();
  for (std::size_t n = 0; n < k; ++n) {
    if (inicio == 0) return std::nullopt;
    inicio = nombre.rfind('S', inicio - 1);
    if (inicio == std::string_view::npos) return std::nullopt;
  }
  return nombre.substr(inicio);
}
