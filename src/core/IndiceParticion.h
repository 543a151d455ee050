// IndiceParticion: which blocks of a partition hold each state, by hash, so that result
// windows and the Mealy machine find a state's blocks in constant time with the case-insensitive
// membership of the automaton core.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Utilidades.h"

class TIndiceParticion {
 public:
  explicit TIndiceParticion(const TParticion& bloques);

  // The numbers of the blocks that have `estado` as a member (letter case ignored),
  // ascending, each once; null when no block has it.
  const std::vector<int>* BloquesDe(std::string_view estado) const;

 private:
  std::unordered_map<std::string, std::vector<int>> m_bloquesDe;  // lowercased state
};
