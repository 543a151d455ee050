// TIndiceHash: linear probing over a power-of-two table kept at most half full; hashes are
// FNV-1a over the bytes (lowercased for the case-insensitive hash) with a final mix, so
// that the low bits used for the slot are well spread.
#include "core/IndiceHash.h"

#include "core/Texto.h"

namespace {

std::size_t Mezclar(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return static_cast<std::size_t>(h);
}

constexpr std::uint64_t kBaseFnv = 0xcbf29ce484222325ULL;
constexpr std::uint64_t kPrimoFnv = 0x100000001b3ULL;

}  // namespace

std::size_t HashExacto(std::string_view texto) {
  std::uint64_t h = kBaseFnv;
  for (char c : texto) h = (h ^ static_cast<unsigned char>(c)) * kPrimoFnv;
  return Mezclar(h ^ texto.size());
}

std::size_t HashSinMayusculas(std::string_view texto) {
  std::uint64_t h = kBaseFnv;
  for (char c : texto) h = (h ^ static_cast<unsigned char>(MinusculaDe(c))) * kPrimoFnv;
  return Mezclar(h ^ texto.size());
}

std::size_t CombinarHash(std::size_t acumulado, std::size_t otro) {
  return Mezclar(acumulado * 31 + otro);
}

void TIndiceHash::Insertar(std::size_t hash, std::uint64_t valor) {
  if ((m_usadas + 1) * 2 > m_celdas.size()) Crecer();
  const std::size_t mascara = m_celdas.size() - 1;
  std::size_t i = hash & mascara;
  while (m_celdas[i].valor != kVacia) i = (i + 1) & mascara;
  m_celdas[i] = TCelda{hash, valor};
  ++m_usadas;
}

void TIndiceHash::Vaciar() {
  m_celdas.clear();
  m_usadas = 0;
}

void TIndiceHash::Crecer() {
  std::vector<TCelda> viejas = std::move(m_celdas);
  m_celdas.assign(viejas.empty() ? 16 : viejas.size() * 2, TCelda{});
  m_usadas = 0;
  for (const TCelda& c : viejas)
    if (c.valor != kVacia) Insertar(c.hash, c.valor);
}
