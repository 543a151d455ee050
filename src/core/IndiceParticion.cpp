// IndiceParticion: one pass over the blocks, keyed by the lowercased state.
#include "core/IndiceParticion.h"

#include "core/Texto.h"

TIndiceParticion::TIndiceParticion(const TParticion& bloques) {
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    for (const auto& estado : bloques[n]) {
      auto& lista = m_bloquesDe[AMinusculas(estado)];
      if (lista.empty() || lista.back() != static_cast<int>(n)) lista.push_back(static_cast<int>(n));
    }
  }
}

const std::vector<int>* TIndiceParticion::BloquesDe(std::string_view estado) const {
  const auto it = m_bloquesDe.find(AMinusculas(estado));
  return it == m_bloquesDe.end() ? nullptr : &it->second;
}
