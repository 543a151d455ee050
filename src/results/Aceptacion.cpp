// Aceptacion: the deterministic walk over integer rows; the symbol of each byte is looked
// up once per automaton.
#include "results/Aceptacion.h"

#include <string>

#include "core/ErrorInterno.h"
#include "core/Utilidades.h"

namespace {

constexpr const char* kSimboloDesconocido = "ERROR INT0FUNC01";

// Follows `destino` from `inicial` reading the columns of `ejemplo`; -1 when a transition
// is missing.
template <typename Destino>
int LeerPorColumnas(const TColumnasSimbolo& columnas, int inicial, std::string_view ejemplo, Destino destino) {
  int fila = inicial;
  for (char c : ejemplo) {
    const int columna = columnas.Columna(c);
    if (columna < 0) throw TErrorInterno(kSimboloDesconocido);
    fila = destino(fila, columna);
    if (fila < 0) return -1;
  }
  return fila;
}

}  // namespace

TColumnasSimbolo::TColumnasSimbolo(const TLista& alfabeto) {
  m_columna.fill(kFueraDelAlfabeto);
  for (int b = 0; b < 256; ++b) {
    const std::string caracter(1, static_cast<char>(b));
    if (!EstaEnAlguno(caracter, alfabeto)) continue;
    const auto columna = IndiceDe(caracter, alfabeto);
    m_columna[static_cast<std::size_t>(b)] = columna ? static_cast<int>(*columna) : kSinColumna;
  }
}

bool TColumnasSimbolo::SobreAlfabeto(std::string_view ejemplo) const {
  for (char c : ejemplo)
    if (Columna(c) == kFueraDelAlfabeto) return false;
  return true;
}

TAceptadorDeterminista::TAceptadorDeterminista(const TAutomataDeterminista& automata,
                                               const std::vector<int>& filasFinales)
    : m_automata(automata), m_columnas(automata.Alfabeto), m_final(automata.Estados.size(), false) {
  for (int fila : filasFinales) m_final[static_cast<std::size_t>(fila)] = true;
}

bool TAceptadorDeterminista::Acepta(std::string_view ejemplo) const {
  if (!m_columnas.SobreAlfabeto(ejemplo) || m_automata.Estados.empty()) return false;
  const int fila = LeerPorColumnas(m_columnas, 0, ejemplo, [&](int f, int c) {
    return m_automata.Transiciones[static_cast<std::size_t>(f)][static_cast<std::size_t>(c)];
  });
  return fila >= 0 && m_final[static_cast<std::size_t>(fila)];
}
