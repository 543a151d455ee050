// Hash and equality that ignore letter case, so hash tables of texts answer the
// system's case-insensitive membership without lowering the texts they are asked about.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/IndiceHash.h"
#include "core/Texto.h"

// MinusculaDe of one byte, read from a table.
inline unsigned char MinusculaDeByte(char c) {
  static const std::array<unsigned char, 256> minuscula = [] {
    std::array<unsigned char, 256> tabla{};
    for (std::size_t b = 0; b < 256; ++b)
      tabla[b] = static_cast<unsigned char>(MinusculaDe(static_cast<char>(b)));
    return tabla;
  }();
  return minuscula[static_cast<unsigned char>(c)];
}

inline bool IgualesSinMayusculasRapido(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (MinusculaDeByte(a[i]) != MinusculaDeByte(b[i])) return false;
  return true;
}

// The core's case-insensitive hash, so the heuristics' tables and the core's indexes agree.
struct THashSinMayusculas {
  using is_transparent = void;
  std::size_t operator()(std::string_view texto) const { return HashSinMayusculas(texto); }
};

struct TIgualSinMayusculas {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return IgualesSinMayusculasRapido(a, b); }
};
