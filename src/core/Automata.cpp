// TAutomata: the prefix-tree acceptor. Mode 'N' walks each sample line one character at a
// time, adding the symbol and the running prefix unless already present; mode 'M' does the
// same over the pair tokens of the Mealy sample model. Membership goes through the lists'
// hash indexes, so building is linear in the sample's size.
#include "core/Automata.h"

#include <algorithm>
#include <cassert>

TAutomata::TAutomata(const TLista& muestra, char modo, const TLista& tokens, const TLista& pares)
    : Finales(muestra) {
  ConstruirAceptor(muestra, modo, tokens, pares);
}

void TAutomata::ConstruirAceptor(const TLista& muestra, char modo, const TLista& tokens,
                                 const TLista& pares) {
  assert((modo == 'N' || modo == 'M') && "construction mode is 'N' or 'M'");
  AnadirSiNoEsta("", Estados);
  if (modo == 'N') {
    for (const auto& linea : muestra) AnadirPrefijos(linea);
    return;
  }
  if (modo != 'M') return;
  std::string prefijo;
  for (const auto& token : tokens) {
    if (token == "$") {
      for (const auto& final : Finales) AnadirSiNoEsta(final, Estados);
      break;
    }
    if (token == "*") {
      prefijo.clear();
    } else if (token != "/") {
      prefijo += token;
      AnadirSiNoEsta(prefijo, Estados);
    }
  }
  for (const auto& par : pares) Alfabeto.Anadir(par);
}

void TAutomata::AnadirPrefijos(const std::string& cadena) {
  std::string prefijo;
  prefijo.reserve(cadena.size());
  for (char c : cadena) {
    AnadirSiNoEsta(std::string(1, c), Alfabeto);
    prefijo += c;
    AnadirSiNoEsta(prefijo, Estados);
  }
}

void TAutomata::AnadirSiNoEsta(const std::string& texto, TListaIndexada& lista) {
  lista.AnadirSiNoEsta(texto);
}

std::optional<std::string> TAutomata::MostrarConjunto(char selector) const {
  switch (selector) {
    case 'A': return ConjuntoATexto(Alfabeto);
    case 'E': return ConjuntoATexto(Estados);
    case 'F': return ConjuntoATexto(Finales);
    default: return std::nullopt;
  }
}

void TAutomata::MostrarAlfabetoEnRejilla(TTablaTexto& rejilla) const {
  rejilla.Redimensionar(std::max<std::size_t>(rejilla.Filas(), 1), Alfabeto.size() + 1);
  for (std::size_t i = 0; i < Alfabeto.size(); ++i) rejilla.PonerCelda(0, i + 1, Alfabeto[i]);
  rejilla.PonerCelda(0, 0, Alfabeto.empty() ? std::string() : Alfabeto[0]);
}

void TAutomata::MostrarEstadosEnRejilla(TTablaTexto& rejilla) const {
  rejilla.Redimensionar(Estados.size() + 1, std::max<std::size_t>(rejilla.Columnas(), 1));
  for (std::size_t r = 0; r < Estados.size(); ++r) rejilla.PonerCelda(r + 1, 0, Estados[r]);
  if (!Estados.empty()) rejilla.PonerCelda(1, 0, "&");
}

void TAutomata::MostrarTransicionesEnRejilla(TTablaTexto& rejilla) const {
  const std::size_t filas = std::min(Estados.size() + 1, rejilla.Filas());
  const std::size_t columnas = std::min(Alfabeto.size() + 1, rejilla.Columnas());
  for (std::size_t r = 1; r < filas; ++r) {
    for (std::size_t c = 1; c < columnas; ++c) {
      std::string destino = Estados[r - 1] + Alfabeto[c - 1];
      rejilla.PonerCelda(r, c, Estados.EsMiembro(destino) ? std::move(destino) : "_");
    }
  }
}

TTablaTexto TAutomata::RejillaAceptor() const {
  TTablaTexto rejilla;
  MostrarAlfabetoEnRejilla(rejilla);
  MostrarEstadosEnRejilla(rejilla);
  MostrarTransicionesEnRejilla(rejilla);
  return rejilla;
}
