// Suelo: the floor the engine is measured against, reading a sample file into a plain
// prefix trie: per state its symbol, first child and next sibling in flat arrays, and
// whether a line ends there.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// The number of states of the prefix trie of the sample at `ruta` (its root included), or
// -1 when the file cannot be read.
inline long SueloTrie(const std::string& ruta) {
  std::ifstream entrada(ruta, std::ios::binary);
  if (!entrada) return -1;
  constexpr std::uint32_t kNinguno = UINT32_MAX;
  std::vector<std::uint32_t> primerHijo{kNinguno}, hermano{kNinguno};
  std::vector<unsigned char> simbolo{0};
  std::vector<bool> final{false};
  std::string linea;
  while (std::getline(entrada, linea)) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    std::uint32_t estado = 0;
    for (const unsigned char c : linea) {
      std::uint32_t hijo = primerHijo[estado];
      while (hijo != kNinguno && simbolo[hijo] != c) hijo = hermano[hijo];
      if (hijo == kNinguno) {
        hijo = static_cast<std::uint32_t>(simbolo.size());
        simbolo.push_back(c);
        final.push_back(false);
        primerHijo.push_back(kNinguno);
        hermano.push_back(primerHijo[estado]);
        primerHijo[estado] = hijo;
      }
      estado = hijo;
    }
    final[estado] = true;
  }
  return static_cast<long>(simbolo.size());
}
