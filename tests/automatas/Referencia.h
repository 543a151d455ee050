// Referencia: the brute-force side of the automaton tests: random automata, an independent
// simulation of an automaton on a string, and every string up to a length in
// length-lexicographic order.
#pragma once

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "automatas/AutomataFinito.h"

// A random automaton: `estados` states, `simbolos` symbols ("a", "b", ...), each possible
// transition present with probability `densidad`, λ-moves (if `lambda`) with a quarter of
// it; deterministic when asked (then at most one target per state and symbol).
inline TAutomataFinito AutomataAleatorio(std::mt19937& azar, int estados, int simbolos, double densidad,
                                         bool determinista, bool lambda = false) {
  TLista alfabeto;
  for (int s = 0; s < simbolos; ++s) alfabeto.push_back(std::string(1, static_cast<char>('a' + s)));
  TAutomataFinito a(alfabeto);
  std::bernoulli_distribution final(0.35), hay(densidad), hayLambda(densidad / 4);
  std::uniform_int_distribution<int> estado(0, estados - 1);
  for (int q = 0; q < estados; ++q) a.AnadirEstado({}, {}, final(azar));
  a.PonerInicial(0);
  for (int q = 0; q < estados; ++q)
    for (int s = 0; s < simbolos; ++s) {
      if (determinista) {
        if (hay(azar)) a.AnadirTransicion(q, s, estado(azar));
        continue;
      }
      for (int r = 0; r < estados; ++r)
        if (hay(azar)) a.AnadirTransicion(q, s, r);
    }
  if (lambda)
    for (int q = 0; q < estados; ++q)
      for (int r = 0; r < estados; ++r)
        if (q != r && hayLambda(azar)) a.AnadirTransicion(q, TAutomataFinito::kLambda, r);
  return a;
}

// The set of states the textbook simulation reaches on `cadena`, written here without the
// module's help. Symbols are texts, matched to the automaton's by exact text.
inline std::set<int> ConjuntoReferencia(const TAutomataFinito& a, const std::vector<std::string>& cadena) {
  if (a.Inicial() < 0) return {};
  const auto cierre = [&](std::set<int> conjunto) {
    std::vector<int> pila(conjunto.begin(), conjunto.end());
    while (!pila.empty()) {
      const int q = pila.back();
      pila.pop_back();
      for (const auto& arco : a.Salidas(q))
        if (arco.simbolo == TAutomataFinito::kLambda && conjunto.insert(arco.destino).second) pila.push_back(arco.destino);
    }
    return conjunto;
  };
  std::set<int> actual = cierre({a.Inicial()});
  for (const auto& simbolo : cadena) {
    const auto id = std::find(a.Alfabeto().begin(), a.Alfabeto().end(), simbolo);
    if (id == a.Alfabeto().end()) return {};
    const int s = static_cast<int>(id - a.Alfabeto().begin());
    std::set<int> siguiente;
    for (int q : actual)
      for (const auto& arco : a.Salidas(q))
        if (arco.simbolo == s) siguiente.insert(arco.destino);
    actual = cierre(siguiente);
  }
  return actual;
}

inline bool AceptaReferencia(const TAutomataFinito& a, const std::vector<std::string>& cadena) {
  const auto conjunto = ConjuntoReferencia(a, cadena);
  return std::any_of(conjunto.begin(), conjunto.end(), [&](int q) { return a.EsFinal(q); });
}

// Every string over `alfabeto` of at most `longitud` symbols: by length, then in the
// alphabet's order symbol by symbol.
inline std::vector<std::vector<std::string>> CadenasHastaReferencia(const TLista& alfabeto, int longitud) {
  std::vector<std::vector<std::string>> todas{{}};
  std::size_t desde = 0;
  for (int l = 1; l <= longitud; ++l) {
    const std::size_t hasta = todas.size();
    for (std::size_t i = desde; i < hasta; ++i)
      for (const auto& s : alfabeto) {
        auto c = todas[i];
        c.push_back(s);
        todas.push_back(std::move(c));
      }
    desde = hasta;
  }
  return todas;
}

// The symbol texts of a string of ids.
inline std::vector<std::string> Textos(const TAutomataFinito& a, const TCadenaSimbolos& cadena) {
  std::vector<std::string> textos;
  for (int s : cadena) textos.push_back(a.Alfabeto()[s]);
  return textos;
}
