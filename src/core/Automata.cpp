// TAutomata: the prefix-tree acceptor. A normal sample is walked one character at a
// time, adding the symbol and the running prefix unless already present; a Mealy one the
// same over the pair tokens of the Mealy sample model. Membership goes through the lists'
// hash indexes, so building is linear in the sample's size.
#include "core/Automata.h"

TAutomata::TAutomata(const TLista& muestra, TConstruccion modo, const TLista& tokens, const TLista& pares)
    : Finales(muestra) {
  ConstruirAceptor(muestra, modo, tokens, pares);
}

void TAutomata::ConstruirAceptor(const TLista& muestra, TConstruccion modo, const TLista& tokens,
                                 const TLista& pares) {
  AnadirSiNoEsta("", Estados);
  if (modo == TConstruccion::Normal) {
    for (const auto& linea : muestra) AnadirPrefijos(linea);
    return;
  }
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
