// TListaIndexada: the list and its index grow together. The index maps the case-insensitive
// hash of an item to its position and keeps only the first of equal items, so lookups
// answer as a scan from the front would.
#include "core/ListaIndexada.h"

#include "core/Texto.h"

TListaIndexada::TListaIndexada(const TLista& lista) { *this = lista; }

TListaIndexada& TListaIndexada::operator=(const TLista& lista) {
  Vaciar();
  m_lista.reserve(lista.size());
  for (const auto& texto : lista) Anadir(texto);
  return *this;
}

std::optional<std::size_t> TListaIndexada::Buscar(std::string_view texto, std::size_t hash) const {
  const auto posicion = m_indice.Buscar(hash, [&](std::uint64_t i) {
    return IgualesSinMayusculas(m_lista[static_cast<std::size_t>(i)], texto);
  });
  if (!posicion) return std::nullopt;
  return static_cast<std::size_t>(*posicion);
}

std::optional<std::size_t> TListaIndexada::IndiceDe(std::string_view texto) const {
  return Buscar(texto, HashSinMayusculas(texto));
}

void TListaIndexada::Anadir(std::string texto) {
  if (!AnadirSiNoEsta(texto)) {
    m_repetidos = true;
    m_lista.push_back(std::move(texto));
  }
}

bool TListaIndexada::AnadirSiNoEsta(std::string texto) {
  const std::size_t hash = HashSinMayusculas(texto);
  if (Buscar(texto, hash)) return false;
  m_indice.Insertar(hash, m_lista.size());
  m_lista.push_back(std::move(texto));
  return true;
}

void TListaIndexada::Vaciar() {
  m_lista.clear();
  m_indice.Vaciar();
  m_repetidos = false;
}
