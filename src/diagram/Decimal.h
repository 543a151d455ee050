// Decimal: a number written into a file format, always with a decimal point. printf follows
// the user's locale once Qt has set it, and would write "12,5" under a Spanish one.
#pragma once

#include <charconv>
#include <string>

inline std::string Decimal(double valor, int decimales) {
  char texto[64];
  const auto fin = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed, decimales).ptr;
  return std::string(texto, fin);
}
