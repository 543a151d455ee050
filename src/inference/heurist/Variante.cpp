// TVariante: reading a text or real bound as a real number.
#include "inference/heurist/Variante.h"

#include <charconv>

std::optional<double> VarianteAReal(const TVariante& valor) {
  if (const auto* real = std::get_if<double>(&valor)) return *real;
  const auto* texto = std::get_if<std::string>(&valor);
  if (texto == nullptr) return std::nullopt;
  std::string limpio;
  for (char c : *texto) {
    if (c == ' ' || c == '\t') continue;
    limpio += (c == ',') ? '.' : c;
  }
  if (!limpio.empty() && limpio.front() == '+') limpio.erase(0, 1);
  if (limpio.empty()) return std::nullopt;
  double resultado = 0;
  const char* fin = limpio.data() + limpio.size();
  const auto [resto, error] = std::from_chars(limpio.data(), fin, resultado);
  if (error != std::errc() || resto != fin) return std::nullopt;
  return resultado;
}
