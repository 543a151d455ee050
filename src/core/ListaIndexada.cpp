// TListaIndexada: the list and its index of lowercased items grow together.
#include "core/ListaIndexada.h"

#include "core/Texto.h"

TListaIndexada::TListaIndexada(const TLista& lista) { *this = lista; }

TListaIndexada& TListaIndexada::operator=(const TLista& lista) {
  Vaciar();
  m_lista.reserve(lista.size());
  for (const auto& texto : lista) Anadir(texto);
  return *this;
}

std::optional<std::size_t> TListaIndexada::IndiceDe(std::string_view texto) const {
  const auto it = m_indice.find(AMinusculas(texto));
  if (it == m_indice.end()) return std::nullopt;
  return it->second;
}

void TListaIndexada::Anadir(std::string texto) {
  const bool nuevo = m_indice.emplace(AMinusculas(texto), m_lista.size()).second;
  m_repetidos = m_repetidos || !nuevo;
  m_lista.push_back(std::move(texto));
}

bool TListaIndexada::AnadirSiNoEsta(std::string texto) {
  const bool nuevo = m_indice.emplace(AMinusculas(texto), m_lista.size()).second;
  if (nuevo) m_lista.push_back(std::move(texto));
  return nuevo;
}

void TListaIndexada::Vaciar() {
  m_lista.clear();
  m_indice.clear();
  m_repetidos = false;
}
