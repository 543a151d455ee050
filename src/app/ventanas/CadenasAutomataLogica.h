// TFcadenasLogica: the window of "Cadenas...": the first N strings an automaton accepts,
// in length-lexicographic order, and how many it accepts of each length.
#pragma once

#include <cstddef>
#include <string>

#include "automatas/AutomataFinito.h"
#include "core/Lista.h"

class TFcadenasLogica {
 public:
  static constexpr int kNumeroInicial = 20;
  static constexpr int kNumeroMaximo = 10000;
  // Counts are given for lengths 0 to this at least, and up to the longest string listed.
  static constexpr std::size_t kLongitudMinima = 10;

  // Lists the first kNumeroInicial strings of `automata`; the caption is "Cadenas - " + the
  // window's caption without surrounding blanks.
  TFcadenasLogica(TAutomataFinito automata, const std::string& caption);

  const std::string& Caption() const { return m_caption; }
  // The number of strings asked for, 1 to kNumeroMaximo (a value outside is brought inside).
  int Numero() const { return m_numero; }
  void PonerNumero(int numero);

  // The strings, "&" for the empty one (Windows-1252); fewer than Numero() when the
  // language has fewer.
  const TLista& Cadenas() const { return m_cadenas; }
  // One line per length l from 0: "Longitud l: n" ("más de " before n when it overflows).
  const TLista& Cuentas() const { return m_cuentas; }
  // "Lenguaje vacío", "Lenguaje finito" or "Lenguaje infinito".
  const std::string& Tamano() const { return m_tamano; }

 private:
  TAutomataFinito m_automata;
  std::string m_caption;
  int m_numero = 0;
  TLista m_cadenas;
  TLista m_cuentas;
  std::string m_tamano;
};
