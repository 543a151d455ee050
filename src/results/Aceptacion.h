// Aceptacion: deciding many test examples against one result automaton, by the quotient
// walk of the automaton result window or by the deterministic automaton's walk. Each
// acceptor is prepared once, so an example costs one table step per character.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/Lista.h"
#include "results/Determinizacion.h"

class TAutomata;

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

// Gives the same verdicts as CadenaAceptada(ejemplo, funcion, automata.Alfabeto) for the
// quotient TFuncion of `automata` (the validation walk of the automaton result window)
// without building blocks: a block's target by a symbol is the first block holding the
// successor of its first member that has one. Built in time linear in the states times
// the symbols. An example that reaches a character found only inside
// a longer symbol throws TErrorInterno, as the table does.
class TAceptadorCociente {
 public:
  explicit TAceptadorCociente(const TAutomata& automata);
  bool Acepta(std::string_view ejemplo) const;

 private:
  TColumnasSimbolo m_columnas;
  int m_inicial = -1;                       // row of the initial block; -1: accepts nothing
  std::vector<std::vector<int>> m_destino;  // [row][column] -> row, -1 for no transition
  std::vector<bool> m_final;                // the row's block holds a final state
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
