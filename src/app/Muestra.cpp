// Umuestra: copying, checking and measuring samples.
#include "app/Muestra.h"

#include <algorithm>

#include "core/Texto.h"

void CargarMuestra(TLista& destino, const TLista& origen) {
  TLista copia;  // `origen` may be `destino` itself
  copia.reserve(origen.size());
  for (const auto& linea : origen) copia.push_back(linea == kCadenaVacia ? "" : AMinusculas(linea));
  destino = std::move(copia);
}

void CargarMuestraSA(TLista& destino, const TLista& origen) {
  TLista copia;
  copia.reserve(origen.size());
  for (const auto& linea : origen) copia.push_back(AMayusculas(linea));
  destino = std::move(copia);
}

bool MuestraValida(const TLista& lineas) {
  return !lineas.empty() &&
         std::none_of(lineas.begin(), lineas.end(), [](const std::string& l) { return l.empty(); });
}

std::size_t LongitudMaxima(const TLista& lista) {
  std::size_t maximo = 0;
  for (const auto& item : lista) maximo = std::max(maximo, item.size());
  return maximo;
}

void MostrarValoresMuestra(const TLista& muestra, TLista& memo) {
  TLista lineas;
  lineas.reserve(muestra.size());
  for (const auto& ejemplo : muestra)
    lineas.push_back(ejemplo.empty() ? kCadenaVacia : AMinusculas(ejemplo));
  memo = std::move(lineas);
}

void MostrarValoresMuestraSA(const TLista& muestra, TLista& memo) {
  CargarMuestraSA(memo, muestra);
}
