// TAutomata: the prefix-tree acceptor. A normal sample is walked one character at a
// time, adding the symbol and the running prefix unless already present; a Mealy one the
// same over the pair tokens of the Mealy sample model. Membership goes through the lists'
// hash indexes, so building is linear in the sample's size.
#include "core/Automata.h"

TAutomata::TAutomata(const TLista& muestra, TConstruccion modo, const TLista& tokens, const TLista& pares)
    : m_finales(muestra) {
  ConstruirAceptor(muestra, modo, tokens, pares);
}

void TAutomata::ConstruirAceptor(const TLista& muestra, TConstruccion modo, const TLista& tokens,
                                 const TLista& pares) {
  m_estados.AnadirSiNoEsta("");
  if (modo == TConstruccion::Normal) {
    for (const auto& linea : muestra) AnadirPrefijos(linea);
    return;
  }
  std::string prefijo;
  for (const auto& token : tokens) {
    if (token == "$") {
      for (const auto& final : m_finales) m_estados.AnadirSiNoEsta(final);
      break;
    }
    if (token == "*") {
      prefijo.clear();
    } else if (token != "/") {
      prefijo += token;
      m_estados.AnadirSiNoEsta(prefijo);
    }
  }
  for (const auto& par : pares) m_alfabeto.Anadir(par);
}

void TAutomata::AnadirPrefijos(const std::string& cadena) {
  std::string prefijo;
  prefijo.reserve(cadena.size());
  for (char c : cadena) {
    m_alfabeto.AnadirSiNoEsta(std::string(1, c));
    prefijo += c;
    m_estados.AnadirSiNoEsta(prefijo);
  }
}

void TAutomata::ResultadoKR(TParticion bloques, const TLista& muestra, const std::string& marca) {
  m_bloques = std::move(bloques);
  m_finales = muestra;
  if (const auto i = m_alfabeto.IndiceDe(marca)) {
    TLista alfabeto = m_alfabeto.Lista();
    alfabeto.erase(alfabeto.begin() + static_cast<std::ptrdiff_t>(*i));
    m_alfabeto = alfabeto;
  }
}

void TAutomata::ResultadoKC(TParticion bloques, const TLista& largos) {
  m_bloques = std::move(bloques);
  m_estados = largos;
}
