// TFelegirCotaSLogica: the bound dialog TFelegirCotaS of a Levine run as data and handlers:
// the candidate bounds in the list box ListaCotas, the selection and "Aceptar".
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "core/Lista.h"

class TInteraccionIM1;

class TFelegirCotaSLogica {
 public:
  static constexpr const char* kCaption = " Cota S (Levine)";
  static constexpr const char* kLabel = "Seleccionar Cota:";
  static constexpr const char* kDebeSeleccionar = "Debe seleccionar un valor de S";

  // `cotas`: the candidate bounds of CalcularCotasStren (copied). `ejecutar` starts the
  // Levine run with the chosen bound's text.
  TFelegirCotaSLogica(TLista cotas, std::function<void(const std::string& S)> ejecutar)
      : m_cotas(std::move(cotas)), m_ejecutar(std::move(ejecutar)) {}

  // On show: ListaCotas is emptied and receives every candidate bound, the list box
  // keeping its items sorted by their text, letter case ignored (so "10" comes before
  // "2"); nothing is selected.
  void FormShow();

  // The items of ListaCotas, in the list box's order.
  const TLista& ListaCotas() const { return m_listaCotas; }
  // Single selection: a click selects the item at `posicion` (from 0); a position outside
  // the list selects nothing.
  void Seleccionar(std::optional<std::size_t> posicion);
  std::optional<std::size_t> Seleccionado() const { return m_seleccionado; }

  // "Aceptar": with an item selected, S := its text and the Levine run starts; otherwise
  // the error box "Debe seleccionar un valor de S". The dialog closes afterwards either way.
  void BtnAceptarClick(TInteraccionIM1& interaccion);

 private:
  TLista m_cotas;
  std::function<void(const std::string&)> m_ejecutar;
  TLista m_listaCotas;
  std::optional<std::size_t> m_seleccionado;
};

// The order of a sorted list box: by text, letter case ignored, equal texts kept in order.
TLista OrdenarComoListBox(TLista textos);
