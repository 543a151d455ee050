// TFelegirCotaSLogica: the list of bounds and "Aceptar".
#include "app/ventanas/ElegirCotaSLogica.h"

#include <algorithm>

#include "app/interaccion/InteraccionIM1.h"
#include "core/Texto.h"

TLista OrdenarComoListBox(TLista textos) {
  std::stable_sort(textos.begin(), textos.end(), [](const std::string& a, const std::string& b) {
    return AMinusculas(a) < AMinusculas(b);
  });
  return textos;
}

void TFelegirCotaSLogica::FormShow() {
  m_listaCotas = OrdenarComoListBox(m_cotas);
  m_seleccionado.reset();
}

void TFelegirCotaSLogica::Seleccionar(std::optional<std::size_t> posicion) {
  m_seleccionado = posicion && *posicion < m_listaCotas.size() ? posicion : std::nullopt;
}

void TFelegirCotaSLogica::BtnAceptarClick(TInteraccionIM1& interaccion) {
  if (!m_seleccionado) {
    interaccion.Mensaje(kDebeSeleccionar, TIcono::Error, TBotones::Ok);
    return;
  }
  m_ejecutar(m_listaCotas[*m_seleccionado]);
}
