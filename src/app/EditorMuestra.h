// TEditorMuestra: the list rules of the sample editor TFnuevMuestra (its edit line and its
// list of examples); the Qt dialog holds one and shows its state.
#pragma once

#include <cstddef>
#include <string>

#include "core/Lista.h"

class TEditorMuestra {
 public:
  // Longest entry, in characters, the edit line takes.
  static constexpr std::size_t kLongitudMaxima = 25;

  // FormShow: empties the list and the edit line, so every new sample starts empty.
  void FormShow();

  // The user's text in the edit line (Windows-1252); anything beyond 25 characters is cut,
  // and Aviso then says so.
  void PonerLinea(const std::string& texto);
  const std::string& Linea() const { return m_linea; }

  // Choosing the entry at `indice` (0-based) copies it into the edit line; an index outside
  // the list does nothing.
  void ElegirEntrada(std::size_t indice);

  // "Añadir" (also Enter in the edit line): appends the edit line's text unless it is empty
  // or already in the list, letter case ignored; then empties the edit line. Returns true
  // when an entry was added.
  bool BotonInsertarClick();

  // "Borrar": removes the entry equal to the edit line's text, letter case ignored; nothing
  // when there is none. The edit line keeps its text. Returns true when one was removed.
  bool BotonBorrarClick();

  // "Cancelar": empties the list and the edit line.
  void BotonCancelarClick();

  // The entries in the order they were added: what "Aceptar" hands to the main window.
  const TLista& Entradas() const { return m_entradas; }

  // Why the last edit did not do all the user asked, for a line under the list (empty when
  // it did): "Se ha cortado a 25 caracteres", or, when "Añadir" refused the line as an
  // entry already listed, "ab ya está en la muestra" (the entry as listed).
  const std::string& Aviso() const { return m_aviso; }

 private:
  TLista m_entradas;
  std::string m_linea;
  std::string m_aviso;
};
