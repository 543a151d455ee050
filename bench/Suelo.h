// Suelo: the floor the engine is measured against, reading a sample file into a plain
// prefix trie (children in one hash table keyed by parent and byte, final marks beside).
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <unordered_map>
#include <vector>

// The number of states of the prefix trie of the sample at `ruta` (its root included), or
// -1 when the file cannot be read.
inline long SueloTrie(const std::string& ruta) {
  std::ifstream entrada(ruta, std::ios::binary);
  if (!entrada) return -1;
  std::unordered_map<std::uint64_t, std::uint32_t> hijos;
  std::vector<bool> final(1, false);
  std::string linea;
  while (std::getline(entrada, linea)) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    std::uint32_t estado = 0;
    for (const unsigned char c : linea) {
      const std::uint64_t clave = (static_cast<std::uint64_t>(estado) << 8) | c;
      const auto [it, nuevo] = hijos.try_emplace(clave, static_cast<std::uint32_t>(final.size()));
      if (nuevo) final.push_back(false);
      estado = it->second;
    }
    final[estado] = true;
  }
  return static_cast<long>(final.size());
}
