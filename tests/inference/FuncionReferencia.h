// FuncionReferencia: what the step-by-step reference and the tests use beside the program's
// own code: partition helpers over text lists, and transition tables kept as plain lists
// whose rows are built by hand (the forward and reverse tables of the prefix-tree acceptor
// that the step-by-step KR reads and extends as it merges).
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/Automata.h"
#include "core/ErrorInterno.h"
#include "core/Utilidades.h"

// A copy of the first block that has `texto` as a (case-insensitive) member; [-] if none.
inline TLista BloqueQueContiene(std::string_view texto, const TParticion& particion) {
  for (const auto& b : particion)
    if (EsMiembro(texto, b)) return b;
  return ConjuntoUnitario(kSinTransicion);
}

namespace referencia {

// A transition table over text lists. Row keys are blocks compared exactly (the first
// equal key answers); cells are target blocks, [-] for none; columns are the acceptor's
// symbols, found ignoring letter case.
class TTabla {
 public:
  using TFila = std::vector<TLista>;
  enum class TTipo {
    Vacia,    // no rows; the caller adds them
    Aceptor,  // a singleton row per acceptor state, in state order: {s·a} if a state, else [-]
    Inversa,  // the same rows: {t} for the state t with t·a = s exactly, else [-]
  };

  TTabla(const TAutomata& a, TTipo tipo) : m_alfabeto(a.Alfabeto().Lista()), m_finales(a.Finales().Lista()) {
    if (tipo == TTipo::Vacia) return;
    for (const auto& s : a.Estados()) {
      TFila fila;
      for (const auto& simbolo : a.Alfabeto()) {
        std::string otro;
        if (tipo == TTipo::Aceptor) {
          otro = s + simbolo;
        } else if (s.size() >= simbolo.size() && s.compare(s.size() - simbolo.size(), simbolo.size(), simbolo) == 0) {
          otro = s.substr(0, s.size() - simbolo.size());
        } else {
          fila.push_back(ConjuntoUnitario(kSinTransicion));
          continue;
        }
        const auto i = a.Estados().IndiceDe(otro);
        const bool existe = i && (tipo == TTipo::Aceptor || a.Estados()[*i] == otro);
        fila.push_back(ConjuntoUnitario(existe ? otro : kSinTransicion));
      }
      m_claves.push_back(ConjuntoUnitario(s));
      m_filas.push_back(std::move(fila));
    }
  }

  std::size_t NumeroDeFilas() const { return m_claves.size(); }
  const TLista& Bloque(std::size_t fila) const { return m_claves[fila]; }
  const TFila& Fila(std::size_t fila) const { return m_filas[fila]; }
  const TLista& Celda(std::size_t fila, std::size_t columna) const { return m_filas[fila][columna]; }

  // The first row keyed exactly by `bloque`; "ERROR INT0FUNC02" when none is.
  std::size_t IndiceBloque(const TLista& bloque) const {
    for (std::size_t f = 0; f < m_claves.size(); ++f)
      if (m_claves[f] == bloque) return f;
    throw TErrorInterno("ERROR INT0FUNC02");
  }
  // "ERROR INT0FUNC01" for a text that is no symbol.
  std::size_t IndiceSimbolo(std::string_view simbolo) const {
    const auto i = IndiceDe(simbolo, m_alfabeto);
    if (!i) throw TErrorInterno("ERROR INT0FUNC01");
    return *i;
  }
  // "ERROR INT0FUNC03" when the row has no cell at the symbol's place.
  TLista Transicion(const TLista& bloque, std::string_view simbolo) const {
    const TFila& fila = m_filas[IndiceBloque(bloque)];
    const std::size_t columna = IndiceSimbolo(simbolo);
    if (columna >= fila.size()) throw TErrorInterno("ERROR INT0FUNC03");
    return fila[columna];
  }

  // A new row keyed by `bloque`, without cells.
  void AnadirBloque(const TLista& bloque) {
    m_claves.push_back(bloque);
    m_filas.emplace_back();
  }
  // Inserts `destino` into `bloque`'s row at the symbol's place (or at the end of a shorter
  // row); later cells move one place right.
  void PonerTransicion(const TLista& destino, const TLista& bloque, std::string_view simbolo) {
    TFila& fila = m_filas[IndiceBloque(bloque)];
    const std::size_t columna = std::min(IndiceSimbolo(simbolo), fila.size());
    fila.insert(fila.begin() + static_cast<std::ptrdiff_t>(columna), destino);
  }

  // From the first row holding the empty prefix, one symbol per character; accepted when
  // no [-] was met and the last block holds a final state. No such row: nothing accepted.
  bool Acepta(std::string_view cadena) const {
    std::size_t f = 0;
    while (f < m_claves.size() && !EsMiembro("", m_claves[f])) ++f;
    if (f == m_claves.size()) return false;
    TLista actual = m_claves[f];
    for (char c : cadena) {
      actual = Transicion(actual, std::string_view(&c, 1));
      if (EsSinTransicion(actual)) return false;
    }
    return std::any_of(actual.begin(), actual.end(), [&](const std::string& s) { return EsMiembro(s, m_finales); });
  }

 private:
  TLista m_alfabeto;
  TLista m_finales;
  std::vector<TLista> m_claves;
  std::vector<TFila> m_filas;
};

}  // namespace referencia
