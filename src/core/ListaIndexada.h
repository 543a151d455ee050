// TListaIndexada: a text list with a hash index of its case-folded items, so that the
// case-insensitive membership test and index lookup of the automaton core take constant
// time while giving the same first-match answers as a scan of the list.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/IndiceHash.h"
#include "core/Lista.h"

class TListaIndexada {
 public:
  TListaIndexada() = default;
  explicit TListaIndexada(const TLista& lista);
  TListaIndexada& operator=(const TLista& lista);

  // The items, in the order they were added, duplicates kept.
  const TLista& Lista() const { return m_lista; }
  operator const TLista&() const { return m_lista; }
  std::size_t size() const { return m_lista.size(); }
  bool empty() const { return m_lista.empty(); }
  const std::string& operator[](std::size_t i) const { return m_lista[i]; }
  TLista::const_iterator begin() const { return m_lista.begin(); }
  TLista::const_iterator end() const { return m_lista.end(); }

  // Case-insensitive membership (every Windows-1252 letter).
  bool EsMiembro(std::string_view texto) const { return IndiceDe(texto).has_value(); }
  // Position of the first item equal to `texto` ignoring letter case; nullopt if none.
  std::optional<std::size_t> IndiceDe(std::string_view texto) const;
  // True when two items are equal ignoring letter case.
  bool TieneRepetidos() const { return m_repetidos; }

  // Appends `texto` even if an item already equals it.
  void Anadir(std::string texto);
  // Appends `texto` unless an item equals it ignoring letter case; true if it was appended.
  bool AnadirSiNoEsta(std::string texto);
  void Vaciar();

  bool operator==(const TListaIndexada& otra) const { return m_lista == otra.m_lista; }

 private:
  std::optional<std::size_t> Buscar(std::string_view texto, std::size_t hash) const;

  TLista m_lista;
  TIndiceHash m_indice;  // case-insensitive hash -> position of the first equal item
  bool m_repetidos = false;
};
