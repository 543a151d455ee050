// CadenasAleatorias: the random samples of the benchmarks.
#pragma once

#include <cstddef>
#include <random>
#include <string>

#include "core/Lista.h"

// `cuantas` strings of length 1 to 12 over the letters a, b, c, from the seed `semilla`.
inline TLista CadenasAleatorias(std::size_t cuantas, unsigned semilla) {
  std::mt19937 azar(semilla);
  std::uniform_int_distribution<int> largo(1, 12), letra(0, 2);
  TLista cadenas;
  cadenas.reserve(cuantas);
  for (std::size_t i = 0; i < cuantas; ++i) {
    std::string s;
    for (int n = largo(azar); n > 0; --n) s += static_cast<char>('a' + letra(azar));
    cadenas.push_back(std::move(s));
  }
  return cadenas;
}
