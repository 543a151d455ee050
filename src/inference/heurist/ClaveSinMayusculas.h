// Hash and equality that ignore letter case, so hash tables of texts answer the
// system's case-insensitive membership without lowering the texts they are asked about.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/Texto.h"

struct THashSinMayusculas {
  using is_transparent = void;
  std::size_t operator()(std::string_view texto) const {
    std::size_t h = 1469598103934665603ull;  // FNV-1a over the lowered bytes
    for (char c : texto) {
      h ^= static_cast<unsigned char>(MinusculaDe(c));
      h *= 1099511628211ull;
    }
    return h;
  }
};

struct TIgualSinMayusculas {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return IgualesSinMayusculas(a, b); }
};
