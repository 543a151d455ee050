// Aceptacion: deciding many test examples against the deterministic automaton. The
// acceptor is prepared once, so an example costs one table step per character.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/Lista.h"
#include "results/Determinizacion.h"

// The column each byte reads: the byte must occur in some symbol of the alphabet (exact
// letter case, as SobreAlfabeto tests) and be a symbol itself (letter case ignored, as
// TFuncion::IndiceSimbolo finds it).
class TColumnasSimbolo {
 public:
  static constexpr int kFueraDelAlfabeto = -1;
  // Occurs inside a longer symbol only: over the alphabet, yet no column reads it.
  static constexpr int kSinColumna = -2;

  explicit TColumnasSimbolo(const TLista& alfabeto);
  int Columna(char c) const { return m_columna[static_cast<unsigned char>(c)]; }
  // True when every character of `ejemplo` occurs in the alphabet (SobreAlfabeto).
  bool SobreAlfabeto(std::string_view ejemplo) const;

 private:
  std::array<int, 256> m_columna;
};

// Acceptance by the deterministic automaton: every character occurs in the alphabet, the
// walk from row 0 never meets a missing transition, and it ends in one of `filasFinales`.
// The empty example is accepted when row 0 is final. `automata` must outlive the acceptor.
class TAceptadorDeterminista {
 public:
  TAceptadorDeterminista(const TAutomataDeterminista& automata, const std::vector<int>& filasFinales);
  bool Acepta(std::string_view ejemplo) const;

 private:
  const TAutomataDeterminista& m_automata;
  TColumnasSimbolo m_columnas;
  std::vector<bool> m_final;
};
