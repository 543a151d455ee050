// CocienteAleatorio: seeded random quotient automata for property tests: a random sample
// over {a, b, c} and a random partition of its prefix tree's states, now and then a list
// of blocks that is no partition.
#pragma once

#include <random>
#include <string>

#include "core/Automata.h"

// A sample of 1 to `maximoEjemplos` strings of length 0 to 6. One time in six a block is
// given twice, one in six a state lies in two blocks.
inline TAutomata CocienteAleatorio(std::mt19937& azar, int maximoEjemplos = 12) {
  std::uniform_int_distribution<int> cuantas(1, maximoEjemplos), largo(0, 6), letra(0, 2);
  TLista muestra;
  for (int i = cuantas(azar); i > 0; --i) {
    std::string s;
    for (int n = largo(azar); n > 0; --n) s += static_cast<char>('a' + letra(azar));
    muestra.push_back(s);
  }
  TAutomata automata(muestra);
  const int bloques = std::uniform_int_distribution<int>(1, static_cast<int>(automata.Estados().size()))(azar);
  TParticion particion(static_cast<std::size_t>(bloques));
  std::uniform_int_distribution<int> bloque(0, bloques - 1);
  for (const auto& estado : automata.Estados()) particion[static_cast<std::size_t>(bloque(azar))].push_back(estado);
  std::erase_if(particion, [](const TLista& b) { return b.empty(); });
  std::uniform_int_distribution<int> cual(0, static_cast<int>(particion.size()) - 1);
  switch (std::uniform_int_distribution<int>(0, 5)(azar)) {
    case 0: particion.push_back(particion[static_cast<std::size_t>(cual(azar))]); break;
    case 1: particion[static_cast<std::size_t>(cual(azar))].push_back(
                automata.Estados()[static_cast<std::size_t>(azar() % automata.Estados().size())]); break;
    default: break;
  }
  automata.PonerBloques(std::move(particion));
  return automata;
}
