// MuestraCaracteristica: characteristic samples for RPNI and KR, and the k-reversibility
// test, on the minimal automaton of the target (sources in the header).
#include "automatas/objetivos/MuestraCaracteristica.h"

#include <algorithm>
#include <map>
#include <queue>
#include <set>

#include "automatas/Minimizacion.h"
#include "automatas/objetivos/GenerarMuestras.h"

namespace {

// The complete minimal automaton as a table, with what the constructions need of it.
struct TMinimo {
  TAutomataFinito automata;
  std::vector<std::vector<int>> delta;
  std::vector<bool> vivo;            // some final state is reachable
  std::vector<TCadenaSimbolos> cola;  // v(q): the shortest string to a final state (live q)
  int simbolos = 0;

  explicit TMinimo(const TAutomataFinito& objetivo)
      : automata(Minimizar(objetivo, TModoMinimo::Completo).automata), simbolos(automata.NumeroDeSimbolos()) {
    const int n = automata.NumeroDeEstados();
    delta.assign(n, std::vector<int>(simbolos));
    for (int q = 0; q < n; ++q)
      for (int a = 0; a < simbolos; ++a) delta[q][a] = automata.Destino(q, a);
    // distance to a final state, by rounds; v(q) takes the first symbol that lowers it
    std::vector<int> distancia(n, -1);
    for (int q = 0; q < n; ++q)
      if (automata.EsFinal(q)) distancia[q] = 0;
    for (bool cambio = true; cambio;) {
      cambio = false;
      for (int q = 0; q < n; ++q)
        for (int a = 0; a < simbolos; ++a) {
          const int d = distancia[delta[q][a]];
          if (d >= 0 && (distancia[q] < 0 || d + 1 < distancia[q])) {
            distancia[q] = d + 1;
            cambio = true;
          }
        }
    }
    vivo.resize(n);
    cola.resize(n);
    for (int q = 0; q < n; ++q) {
      vivo[q] = distancia[q] >= 0;
      for (int p = q; vivo[q] && distancia[p] > 0;) {
        int a = 0;
        while (distancia[delta[p][a]] != distancia[p] - 1) ++a;
        cola[q].push_back(a);
        p = delta[p][a];
      }
    }
  }

  bool VacioLenguaje() const { return !vivo[automata.Inicial()]; }

  // The shortest string that leads one of p, q to a final state and the other not.
  TCadenaSimbolos Separadora(int p, int q) const {
    std::map<std::pair<int, int>, std::pair<std::pair<int, int>, int>> padre;
    std::queue<std::pair<int, int>> frente;
    frente.push({p, q});
    padre[{p, q}] = {{-1, -1}, -1};
    while (!frente.empty()) {
      const auto par = frente.front();
      frente.pop();
      if (automata.EsFinal(par.first) != automata.EsFinal(par.second)) {
        TCadenaSimbolos w;
        for (auto actual = par; padre[actual].second >= 0; actual = padre[actual].first)
          w.push_back(padre[actual].second);
        std::reverse(w.begin(), w.end());
        return w;
      }
      for (int a = 0; a < simbolos; ++a) {
        const std::pair<int, int> siguiente{delta[par.first][a], delta[par.second][a]};
        if (padre.emplace(siguiente, std::make_pair(par, a)).second) frente.push(siguiente);
      }
    }
    return {};  // equivalent states: not in a minimal automaton
  }
};

TCadenaSimbolos Unir(TCadenaSimbolos a, const TCadenaSimbolos& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

int Estado(const TMinimo& minimo, const TCadenaSimbolos& cadena) {
  int q = minimo.automata.Inicial();
  for (int a : cadena) q = minimo.delta[q][a];
  return q;
}

// Sample strings, length-lexicographic in the alphabet's order, without repetition.
TLista Ordenadas(const TMinimo& minimo, const std::set<TCadenaSimbolos>& cadenas) {
  std::vector<TCadenaSimbolos> orden(cadenas.begin(), cadenas.end());
  std::stable_sort(orden.begin(), orden.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
  TLista lista;
  for (const auto& cadena : orden) lista.push_back(TextoDeMuestra(minimo.automata, cadena));
  return lista;
}

}  // namespace

TMuestraCaracteristica CaracteristicaRPNI(const TAutomataFinito& objetivo) {
  const TMinimo minimo(objetivo);
  if (minimo.VacioLenguaje()) return {};
  // Sp by breadth-first search in symbol order: the first string to reach each live state
  std::vector<std::optional<TCadenaSimbolos>> prefijo(minimo.automata.NumeroDeEstados());
  std::vector<TCadenaSimbolos> cortos;
  std::queue<int> frente;
  prefijo[minimo.automata.Inicial()] = TCadenaSimbolos{};
  frente.push(minimo.automata.Inicial());
  while (!frente.empty()) {
    const int q = frente.front();
    frente.pop();
    cortos.push_back(*prefijo[q]);
    for (int a = 0; a < minimo.simbolos; ++a) {
      const int d = minimo.delta[q][a];
      if (minimo.vivo[d] && !prefijo[d]) {
        prefijo[d] = Unir(*prefijo[q], {a});
        frente.push(d);
      }
    }
  }
  std::vector<TCadenaSimbolos> nucleo{{}};
  for (const auto& u : cortos)
    for (int a = 0; a < minimo.simbolos; ++a)
      if (minimo.vivo[minimo.delta[Estado(minimo, u)][a]]) nucleo.push_back(Unir(u, {a}));

  std::set<TCadenaSimbolos> positivos, negativos;
  for (const auto& x : nucleo) positivos.insert(Unir(x, minimo.cola[Estado(minimo, x)]));
  for (const auto& u : cortos)
    for (const auto& v : nucleo) {
      const int p = Estado(minimo, u), q = Estado(minimo, v);
      if (p == q) continue;
      const TCadenaSimbolos w = minimo.Separadora(p, q);
      for (const auto& cadena : {Unir(u, w), Unir(v, w)})
        (minimo.automata.EsFinal(Estado(minimo, cadena)) ? positivos : negativos).insert(cadena);
    }
  return {Ordenadas(minimo, positivos), Ordenadas(minimo, negativos)};
}

bool EsKReversible(const TAutomataFinito& objetivo, int k) {
  const TMinimo minimo(objetivo);
  const int n = minimo.automata.NumeroDeEstados();
  const auto indice = [n](int p, int q) { return static_cast<std::size_t>(p) * n + q; };
  // pairs of live states reached from some pair by the same k symbols
  std::vector<char> alcanzados(static_cast<std::size_t>(n) * n, 0);
  for (int p = 0; p < n; ++p)
    for (int q = 0; q < n; ++q) alcanzados[indice(p, q)] = minimo.vivo[p] && minimo.vivo[q];
  for (int paso = 0; paso < k; ++paso) {
    std::vector<char> siguientes(alcanzados.size(), 0);
    for (int p = 0; p < n; ++p)
      for (int q = 0; q < n; ++q)
        if (alcanzados[indice(p, q)])
          for (int a = 0; a < minimo.simbolos; ++a) {
            const int dp = minimo.delta[p][a], dq = minimo.delta[q][a];
            if (minimo.vivo[dp] && minimo.vivo[dq]) siguientes[indice(dp, dq)] = 1;
          }
    alcanzados = std::move(siguientes);
  }
  // pairs with a common accepted continuation: backwards from final pairs
  std::vector<char> comun(alcanzados.size(), 0);
  for (bool cambio = true; cambio;) {
    cambio = false;
    for (int p = 0; p < n; ++p)
      for (int q = 0; q < n; ++q) {
        if (comun[indice(p, q)]) continue;
        bool tiene = minimo.automata.EsFinal(p) && minimo.automata.EsFinal(q);
        for (int a = 0; !tiene && a < minimo.simbolos; ++a) tiene = comun[indice(minimo.delta[p][a], minimo.delta[q][a])];
        if (tiene) comun[indice(p, q)] = cambio = true;
      }
  }
  for (int p = 0; p < n; ++p)
    for (int q = 0; q < n; ++q)
      if (p != q && alcanzados[indice(p, q)] && comun[indice(p, q)]) return false;
  return true;
}

std::optional<int> MenorKReversible(const TAutomataFinito& objetivo, int cota) {
  for (int k = 0; k <= cota; ++k)
    if (EsKReversible(objetivo, k)) return k;
  return std::nullopt;
}

TLista CaracteristicaKR(const TAutomataFinito& objetivo, int k) {
  const TMinimo minimo(objetivo);
  if (minimo.VacioLenguaje()) return {};
  using TPar = std::pair<int, TCadenaSimbolos>;  // state, last k symbols
  std::set<TPar> vistos;
  std::queue<std::pair<TPar, TCadenaSimbolos>> frente;  // the pair and u(pair)
  frente.push({{minimo.automata.Inicial(), {}}, {}});
  vistos.insert(frente.front().first);
  std::set<TCadenaSimbolos> positivos;
  while (!frente.empty()) {
    const auto [par, u] = frente.front();
    frente.pop();
    const int q = par.first;
    positivos.insert(Unir(u, minimo.cola[q]));
    for (int a = 0; a < minimo.simbolos; ++a) {
      const int d = minimo.delta[q][a];
      if (!minimo.vivo[d]) continue;
      positivos.insert(Unir(Unir(u, {a}), minimo.cola[d]));
      TCadenaSimbolos cola = Unir(par.second, {a});
      if (static_cast<int>(cola.size()) > k) cola.erase(cola.begin());
      TPar siguiente{d, std::move(cola)};
      if (vistos.insert(siguiente).second) frente.push({std::move(siguiente), Unir(u, {a})});
    }
  }
  return Ordenadas(minimo, positivos);
}
