// ModoInferencia: which algorithm of the k family runs (KR or KC), over which symbols, and
// how each mode counts symbols.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Over what KR and KC count their k symbols. The values are those of the system's modes
// (0, showing the result window, is the app layer's business and has no value here).
enum class TModoInferencia {
  Silencioso = 1,  // one character per symbol
  Mealy = 2,       // situation/action pair symbols ("S1A1", "S12A11": "S", digits, "A", digits)
};

// The last k symbols of the state name `nombre`: its last k characters, or in
// TModoInferencia::Mealy its last k pair symbols (each begins with the one "S" it holds);
// nullopt when the name has fewer than k symbols.
inline std::optional<std::string_view> UltimosSimbolos(std::string_view nombre, std::size_t k,
                                                       TModoInferencia modo) {
  if (modo != TModoInferencia::Mealy) {
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

// The algorithm of a KR or KC command; the value is the letter that names it.
enum class TAlgoritmoK : char { KR = 'R', KC = 'C' };
