// IndiceHash: the hashes of texts (exact and ignoring letter case) and TIndiceHash, an
// open-addressing hash index of integer values whose keys live elsewhere
// (positions in a list, rows of a table). The owner hashes its keys and tells, for a stored
// value, whether its key is the one sought; nothing is allocated per lookup, and the index
// holds no pointers, so it can be copied and moved with its owner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Texto.h"

// Hash of the exact bytes of a text.
std::size_t HashExacto(std::string_view texto);
// Hash of a text with every letter lowercased (equal for texts IgualesSinMayusculas).
std::size_t HashSinMayusculas(std::string_view texto);
// Combines a running hash with the hash of one more item.
std::size_t CombinarHash(std::size_t acumulado, std::size_t otro);

// Hash and equality of texts compared ignoring letter case, for the standard hash
// containers; transparent, so a container of strings is asked with string views.
struct THashSinMayusculas {
  using is_transparent = void;
  std::size_t operator()(std::string_view texto) const { return HashSinMayusculas(texto); }
};
struct TIgualSinMayusculas {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return IgualesSinMayusculas(a, b); }
};

class TIndiceHash {
 public:
  // The stored value with this hash for which `igual(valor)` holds; nullopt if none.
  template <class Igual>
  std::optional<std::uint64_t> Buscar(std::size_t hash, Igual igual) const {
    if (m_celdas.empty()) return std::nullopt;
    const std::size_t mascara = m_celdas.size() - 1;
    for (std::size_t i = hash & mascara;; i = (i + 1) & mascara) {
      const TCelda& celda = m_celdas[i];
      if (celda.valor == kVacia) return std::nullopt;
      if (celda.hash == hash && igual(celda.valor)) return celda.valor;
    }
  }
  // Stores `valor` under `hash`. Requires that no stored value has an equal key: owners
  // that want first-match answers keep the first value and never store a later one.
  void Insertar(std::size_t hash, std::uint64_t valor);
  void Vaciar();
  std::size_t size() const { return m_usadas; }

 private:
  static constexpr std::uint64_t kVacia = ~std::uint64_t{0};
  struct TCelda {
    std::size_t hash = 0;
    std::uint64_t valor = kVacia;
  };
  void Crecer();

  std::vector<TCelda> m_celdas;  // a power of two in size, at most half full
  std::size_t m_usadas = 0;
};
