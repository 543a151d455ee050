// Aceptacion: both walks over integer tables computed once per automaton, so a walk never
// compares or copies blocks. For the quotient, a target is the first block that holds some
// state; the transition table's lookup of that block's copy finds the first block equal to
// it, which is the same block (an earlier equal block would hold the state too), so the
// block's own number is the row.
#include "results/Aceptacion.h"

#include <string>

#include "core/ErrorInterno.h"
#include "core/Automata.h"
#include "core/Utilidades.h"
#include "results/IndiceParticion.h"

namespace {

constexpr const char* kSimboloDesconocido = "ERROR INT0FUNC01";

// Follows `destino` from `inicial` reading the columns of `ejemplo`; -1 when a transition
// is missing.
template <typename Destino>
int Recorrer(const TColumnasSimbolo& columnas, int inicial, std::string_view ejemplo, Destino destino) {
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

TAceptadorCociente::TAceptadorCociente(const TAutomata& automata) : m_columnas(automata.Alfabeto) {
  const TParticion& bloques = automata.Bloques;
  const TLista& alfabeto = automata.Alfabeto;
  const TIndiceParticion indice(bloques);

  m_destino.assign(bloques.size(), std::vector<int>(alfabeto.size(), -1));
  m_final.assign(bloques.size(), false);
  for (std::size_t r = 0; r < bloques.size(); ++r) {
    for (const auto& estado : bloques[r]) {
      if (automata.Finales.EsMiembro(estado)) {
        m_final[r] = true;
        break;
      }
    }
    for (std::size_t c = 0; c < alfabeto.size(); ++c) {
      for (const auto& estado : bloques[r]) {
        if (const auto* destinos = indice.BloquesDe(estado + alfabeto[c])) {
          m_destino[r][c] = destinos->front();
          break;
        }
      }
    }
  }
  if (const auto* inicial = indice.BloquesDe("")) m_inicial = inicial->front();
}

bool TAceptadorCociente::Acepta(std::string_view ejemplo) const {
  if (!m_columnas.SobreAlfabeto(ejemplo) || m_inicial < 0) return false;
  const int fila = Recorrer(m_columnas, m_inicial, ejemplo, [&](int f, int c) {
    return m_destino[static_cast<std::size_t>(f)][static_cast<std::size_t>(c)];
  });
  return fila >= 0 && m_final[static_cast<std::size_t>(fila)];
}

TAceptadorDeterminista::TAceptadorDeterminista(const TAutomataDeterminista& automata,
                                               const std::vector<int>& filasFinales)
    : m_automata(automata), m_columnas(automata.Alfabeto), m_final(automata.Estados.size(), false) {
  for (int fila : filasFinales) m_final[static_cast<std::size_t>(fila)] = true;
}

bool TAceptadorDeterminista::Acepta(std::string_view ejemplo) const {
  if (!m_columnas.SobreAlfabeto(ejemplo) || m_automata.Estados.empty()) return false;
  const int fila = Recorrer(m_columnas, 0, ejemplo, [&](int f, int c) {
    return m_automata.Transiciones[static_cast<std::size_t>(f)][static_cast<std::size_t>(c)];
  });
  return fila >= 0 && m_final[static_cast<std::size_t>(fila)];
}
