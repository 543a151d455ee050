// Enumeration on the deterministic, trim automaton: puede[l] holds the states from which
// a final state is reached in exactly l symbols, so a depth-first walk in symbol order
// that only enters such states spells the accepted strings of length l in order without
// dead ends. Counts run the same automaton forward, one length at a time.
#include "automatas/Enumeracion.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

#include "automatas/Minimizacion.h"
#include "automatas/Subconjuntos.h"

namespace {

// The deterministic trim automaton as a dense table (-1: no transition).
struct TRecorrido {
  int simbolos = 0;
  int inicial = -1;  // -1 when the language is empty
  int estados = 0;
  std::vector<int> destino;
  std::vector<char> final;
  std::vector<std::vector<char>> puede;  // puede[l][q]

  explicit TRecorrido(const TAutomataFinito& automata) {
    std::optional<TSubconjuntos> subconjuntos;
    if (!automata.EsDeterminista()) subconjuntos = Determinizar(automata);
    const TAutomataFinito& dfa = subconjuntos ? subconjuntos->automata : automata;
    simbolos = dfa.NumeroDeSimbolos();
    const auto accesible = EstadosAccesibles(dfa);
    const auto coaccesible = EstadosCoaccesibles(dfa);
    std::vector<int> nuevo(dfa.NumeroDeEstados(), -1);
    std::vector<int> viejo;
    for (int q = 0; q < dfa.NumeroDeEstados(); ++q)
      if (accesible[q] && coaccesible[q]) nuevo[q] = estados++, viejo.push_back(q);
    destino.assign(static_cast<std::size_t>(estados) * simbolos, -1);
    final.resize(estados);
    for (int i = 0; i < estados; ++i) {
      final[i] = dfa.EsFinal(viejo[i]);
      for (const auto& arco : dfa.Salidas(viejo[i])) Destino(i, arco.simbolo) = nuevo[arco.destino];
    }
    if (dfa.Inicial() != TAutomataFinito::kNinguno) inicial = nuevo[dfa.Inicial()];
    puede.emplace_back(final);
  }
  int& Destino(int q, int s) { return destino[static_cast<std::size_t>(q) * simbolos + s]; }
  int Destino(int q, int s) const { return destino[static_cast<std::size_t>(q) * simbolos + s]; }

  // Makes puede[l] available.
  void Hasta(std::size_t l) {
    while (puede.size() <= l) {
      std::vector<char> capa(estados, 0);
      const auto& anterior = puede.back();
      for (int q = 0; q < estados; ++q)
        for (int s = 0; s < simbolos && !capa[q]; ++s)
          if (const int d = Destino(q, s); d >= 0 && anterior[d]) capa[q] = 1;
      puede.push_back(std::move(capa));
    }
  }

  // Hands the accepted strings of exactly `l` symbols, in order, to `visitar` until it
  // returns false (then false). An explicit stack: a string may be as long as the automaton.
  bool DeLongitud(std::size_t l, const std::function<bool(const TCadenaSimbolos&)>& visitar) {
    if (inicial < 0) return true;
    Hasta(l);
    if (!puede[l][inicial]) return true;
    TCadenaSimbolos cadena;
    std::vector<std::pair<int, int>> pila{{inicial, 0}};  // (state, next symbol to try)
    while (!pila.empty()) {
      auto& [q, s] = pila.back();
      const std::size_t resto = l - cadena.size();
      if (resto == 0) {
        if (!visitar(cadena)) return false;
        pila.pop_back();
        if (!cadena.empty()) cadena.pop_back();
        continue;
      }
      while (s < simbolos && (Destino(q, s) < 0 || !puede[resto - 1][Destino(q, s)])) ++s;
      if (s == simbolos) {
        pila.pop_back();
        if (!cadena.empty()) cadena.pop_back();
        continue;
      }
      const int d = Destino(q, s++);
      cadena.push_back(s - 1);
      pila.push_back({d, 0});
    }
    return true;
  }

  bool Finito() const {
    // A cycle among trim states makes the language infinite: colour-marking depth-first search.
    std::vector<char> color(estados, 0);
    for (int raiz = 0; raiz < estados; ++raiz) {
      if (color[raiz]) continue;
      std::vector<std::pair<int, int>> pila{{raiz, 0}};
      color[raiz] = 1;
      while (!pila.empty()) {
        auto& [q, s] = pila.back();
        if (s == simbolos) {
          color[q] = 2;
          pila.pop_back();
          continue;
        }
        const int d = Destino(q, s++);
        if (d < 0) continue;
        if (color[d] == 1) return false;
        if (color[d] == 0) color[d] = 1, pila.push_back({d, 0});
      }
    }
    return true;
  }
};

}  // namespace

bool RecorrerCadenas(const TAutomataFinito& automata, std::size_t longitudMaxima,
                     const std::function<bool(const TCadenaSimbolos&)>& visitar) {
  TRecorrido recorrido(automata);
  if (recorrido.inicial < 0) return true;
  // A finite language has no string of as many symbols as the trim automaton has states.
  const std::size_t tope = recorrido.Finito() ? std::min(longitudMaxima, static_cast<std::size_t>(recorrido.estados))
                                              : longitudMaxima;
  for (std::size_t l = 0; l <= tope; ++l)
    if (!recorrido.DeLongitud(l, visitar)) return false;
  return true;
}

std::vector<TCadenaSimbolos> PrimerasCadenas(const TAutomataFinito& automata, std::size_t n) {
  std::vector<TCadenaSimbolos> cadenas;
  if (n == 0) return cadenas;
  RecorrerCadenas(automata, std::numeric_limits<std::size_t>::max(), [&](const TCadenaSimbolos& c) {
    cadenas.push_back(c);
    return cadenas.size() < n;
  });
  return cadenas;
}

std::vector<TCadenaSimbolos> CadenasHasta(const TAutomataFinito& automata, std::size_t longitud) {
  std::vector<TCadenaSimbolos> cadenas;
  RecorrerCadenas(automata, longitud, [&](const TCadenaSimbolos& c) {
    cadenas.push_back(c);
    return true;
  });
  return cadenas;
}

std::vector<TCuentaLongitud> CuentasPorLongitud(const TAutomataFinito& automata, std::size_t longitud) {
  std::vector<TCuentaLongitud> cuentas(longitud + 1);
  TRecorrido recorrido(automata);
  if (recorrido.inicial < 0) return cuentas;
  std::vector<TCuentaLongitud> actual(recorrido.estados), siguiente(recorrido.estados);
  actual[recorrido.inicial].cadenas = 1;
  constexpr std::uint64_t kMaximo = std::numeric_limits<std::uint64_t>::max();
  const auto sumar = [&](TCuentaLongitud& a, const TCuentaLongitud& b) {
    if (b.desborda || a.cadenas > kMaximo - b.cadenas)
      a = {kMaximo, true};
    else
      a.cadenas += b.cadenas;
  };
  for (std::size_t l = 0;; ++l) {
    for (int q = 0; q < recorrido.estados; ++q)
      if (recorrido.final[q]) sumar(cuentas[l], actual[q]);
    if (l == longitud) break;
    std::fill(siguiente.begin(), siguiente.end(), TCuentaLongitud{});
    for (int q = 0; q < recorrido.estados; ++q) {
      if (actual[q].cadenas == 0 && !actual[q].desborda) continue;
      for (int s = 0; s < recorrido.simbolos; ++s)
        if (const int d = recorrido.Destino(q, s); d >= 0) sumar(siguiente[d], actual[q]);
    }
    std::swap(actual, siguiente);
  }
  return cuentas;
}

bool LenguajeFinito(const TAutomataFinito& automata) { return TRecorrido(automata).Finito(); }
