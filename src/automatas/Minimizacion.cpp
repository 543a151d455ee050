// Minimization by partition refinement, after Valmari and Lehtinen (STACS 2008), which is
// Hopcroft's "process the smaller half" on a partial automaton.
//
// Two refinable partitions are kept: B of the states (blocks of equivalent states) and C
// of the transitions (transitions with the same label whose targets lie in the same block
// so far). Marking moves an element to the front of its set; splitting a set with marked
// elements gives the smaller part a new set number. Each transition set c, once, splits
// the blocks by "has a transition of c"; each new block b splits the transition sets by
// "leads into b". An element moves O(log n) times, so the work is O(m log n).
// The automaton is first made deterministic (sets of states), reachable and, for the
// partial minimum, trim; the result is renumbered breadth-first from the initial state.
#include "automatas/Minimizacion.h"

#include <algorithm>
#include <numeric>
#include <queue>

#include "automatas/Subconjuntos.h"

namespace {

// A refinable partition of 0..n-1 (Valmari and Lehtinen's "partition" record). `marcados`
// and `pendientes` are shared by the two partitions, as in the paper.
struct TParticionRefinable {
  int conjuntos = 0;
  std::vector<int> elementos, lugar, conjunto, primero, fin;

  void Iniciar(int n) {
    conjuntos = n > 0 ? 1 : 0;
    elementos.resize(n);
    lugar.resize(n);
    std::iota(elementos.begin(), elementos.end(), 0);
    std::iota(lugar.begin(), lugar.end(), 0);
    conjunto.assign(n, 0);
    primero.assign(n + 1, 0);
    fin.assign(n + 1, 0);
    if (n > 0) fin[0] = n;
  }

  void Marcar(int e, std::vector<int>& marcados, std::vector<int>& pendientes, int& nPendientes) {
    const int s = conjunto[e];
    const int i = lugar[e];
    const int j = primero[s] + marcados[s];
    elementos[i] = elementos[j];
    lugar[elementos[i]] = i;
    elementos[j] = e;
    lugar[e] = j;
    if (marcados[s]++ == 0) pendientes[nPendientes++] = s;
  }

  void Partir(std::vector<int>& marcados, std::vector<int>& pendientes, int& nPendientes) {
    while (nPendientes > 0) {
      const int s = pendientes[--nPendientes];
      const int j = primero[s] + marcados[s];
      if (j == fin[s]) {
        marcados[s] = 0;
        continue;
      }
      if (marcados[s] <= fin[s] - j) {
        primero[conjuntos] = primero[s];
        fin[conjuntos] = primero[s] = j;
      } else {
        fin[conjuntos] = fin[s];
        primero[conjuntos] = fin[s] = j;
      }
      for (int i = primero[conjuntos]; i < fin[conjuntos]; ++i) conjunto[elementos[i]] = conjuntos;
      marcados[s] = marcados[conjuntos++] = 0;
    }
  }
};

struct TTransicion {
  int origen, simbolo, destino;
};

// The blocks of equivalent states of a deterministic automaton with `n` states, finals
// `finales` and transitions `transiciones`: block of each state.
std::vector<int> BloquesEquivalentes(int n, const std::vector<bool>& finales, std::vector<TTransicion> transiciones) {
  const int m = static_cast<int>(transiciones.size());
  std::vector<int> marcados(std::max(n, m) + 1, 0), pendientes(std::max(n, m) + 1, 0);
  int nPendientes = 0;
  TParticionRefinable B, C;
  B.Iniciar(n);
  for (int q = 0; q < n; ++q)
    if (finales[q]) B.Marcar(q, marcados, pendientes, nPendientes);
  B.Partir(marcados, pendientes, nPendientes);

  // C: the transitions by label (a counting sort: labels are symbol ids).
  {
    int simbolos = 0;
    for (const auto& t : transiciones) simbolos = std::max(simbolos, t.simbolo + 1);
    std::vector<int> inicioEtiqueta(simbolos + 1, 0);
    for (const auto& t : transiciones) ++inicioEtiqueta[t.simbolo + 1];
    std::partial_sum(inicioEtiqueta.begin(), inicioEtiqueta.end(), inicioEtiqueta.begin());
    std::vector<TTransicion> ordenadas(transiciones.size());
    for (const auto& t : transiciones) ordenadas[inicioEtiqueta[t.simbolo]++] = t;
    transiciones = std::move(ordenadas);
  }
  C.Iniciar(m);
  if (m > 0) {
    C.conjuntos = 0;
    int etiqueta = transiciones[0].simbolo;
    for (int t = 0; t < m; ++t) {
      if (transiciones[t].simbolo != etiqueta) {
        etiqueta = transiciones[t].simbolo;
        C.fin[C.conjuntos++] = t;
        C.primero[C.conjuntos] = t;
      }
      C.conjunto[t] = C.conjuntos;
    }
    C.fin[C.conjuntos++] = m;
  }
  // Transitions into each state: entrantes[inicio[q] .. inicio[q+1]).
  std::vector<int> inicio(n + 1, 0), entrantes(m);
  for (const auto& t : transiciones) ++inicio[t.destino + 1];
  std::partial_sum(inicio.begin(), inicio.end(), inicio.begin());
  {
    std::vector<int> siguiente(inicio.begin(), inicio.end() - 1);
    for (int t = 0; t < m; ++t) entrantes[siguiente[transiciones[t].destino]++] = t;
  }

  int b = 1, c = 0;
  while (c < C.conjuntos) {
    for (int i = C.primero[c]; i < C.fin[c]; ++i)
      B.Marcar(transiciones[C.elementos[i]].origen, marcados, pendientes, nPendientes);
    B.Partir(marcados, pendientes, nPendientes);
    ++c;
    while (b < B.conjuntos) {
      for (int i = B.primero[b]; i < B.fin[b]; ++i) {
        const int q = B.elementos[i];
        for (int j = inicio[q]; j < inicio[q + 1]; ++j) C.Marcar(entrantes[j], marcados, pendientes, nPendientes);
      }
      C.Partir(marcados, pendientes, nPendientes);
      ++b;
    }
  }
  return B.conjunto;
}

// The states reachable from `desde` along the arcs (origen, destino), or against them.
std::vector<bool> Alcanzables(const TAutomataFinito& automata, const std::vector<int>& desde, bool haciaAtras) {
  const int n = automata.NumeroDeEstados();
  // the arcs as compressed rows: vecinos[inicio[q] .. inicio[q+1])
  std::vector<int> inicio(n + 1, 0);
  for (int q = 0; q < n; ++q)
    for (const auto& arco : automata.Salidas(q)) ++inicio[(haciaAtras ? arco.destino : q) + 1];
  std::partial_sum(inicio.begin(), inicio.end(), inicio.begin());
  std::vector<int> vecinos(inicio.back());
  {
    std::vector<int> siguiente(inicio.begin(), inicio.end() - 1);
    for (int q = 0; q < n; ++q)
      for (const auto& arco : automata.Salidas(q))
        vecinos[siguiente[haciaAtras ? arco.destino : q]++] = haciaAtras ? q : arco.destino;
  }
  std::vector<bool> visto(n, false);
  std::vector<int> pila;
  for (int q : desde)
    if (!visto[q]) visto[q] = true, pila.push_back(q);
  while (!pila.empty()) {
    const int q = pila.back();
    pila.pop_back();
    for (int i = inicio[q]; i < inicio[q + 1]; ++i)
      if (const int r = vecinos[i]; !visto[r]) visto[r] = true, pila.push_back(r);
  }
  return visto;
}

}  // namespace

std::vector<bool> EstadosAccesibles(const TAutomataFinito& automata) {
  if (automata.Inicial() == TAutomataFinito::kNinguno) return std::vector<bool>(automata.NumeroDeEstados(), false);
  return Alcanzables(automata, {automata.Inicial()}, false);
}

std::vector<bool> EstadosCoaccesibles(const TAutomataFinito& automata) {
  return Alcanzables(automata, automata.Finales(), true);
}

TMinimizacion Minimizar(const TAutomataFinito& entrada, TModoMinimo modo) {
  // The deterministic automaton to work on, and the given states behind each of its states.
  std::optional<TSubconjuntos> subconjuntos;
  if (!entrada.EsDeterminista()) subconjuntos = Determinizar(entrada);
  const TAutomataFinito& dfa = subconjuntos ? subconjuntos->automata : entrada;
  // Appends the given states behind state q of the deterministic automaton.
  const auto anadirOriginales = [&](int q, std::vector<int>& grupo) {
    if (subconjuntos)
      grupo.insert(grupo.end(), subconjuntos->conjuntos[q].begin(), subconjuntos->conjuntos[q].end());
    else
      grupo.push_back(q);
  };

  const int n = dfa.NumeroDeEstados();
  const int simbolos = dfa.NumeroDeSimbolos();
  const std::vector<bool> accesible = EstadosAccesibles(dfa);
  const std::vector<bool> coaccesible = EstadosCoaccesibles(dfa);
  // Kept states: reachable and co-reachable, renumbered 0..k-1.
  std::vector<int> nuevo(n, -1), viejo;
  for (int q = 0; q < n; ++q)
    if (accesible[q] && coaccesible[q]) nuevo[q] = static_cast<int>(viejo.size()), viejo.push_back(q);
  const int k = static_cast<int>(viejo.size());
  std::vector<bool> finales(k);
  std::vector<TTransicion> transiciones;
  for (int i = 0; i < k; ++i) {
    finales[i] = dfa.EsFinal(viejo[i]);
    for (const auto& arco : dfa.Salidas(viejo[i]))
      if (nuevo[arco.destino] >= 0) transiciones.push_back({i, arco.simbolo, nuevo[arco.destino]});
  }
  const std::vector<int> bloque = BloquesEquivalentes(k, finales, transiciones);

  // Breadth-first numbering of the blocks from the initial state's.
  TMinimizacion resultado{TAutomataFinito(dfa.Alfabeto()), {}};
  auto& minimo = resultado.automata;
  const int bloques = k == 0 ? 0 : *std::max_element(bloque.begin(), bloque.end()) + 1;
  // the members of each block, as compressed rows: miembro[primero[b] .. primero[b+1])
  std::vector<int> primero(bloques + 1, 0), miembro(k);
  for (int i = 0; i < k; ++i) ++primero[bloque[i] + 1];
  std::partial_sum(primero.begin(), primero.end(), primero.begin());
  {
    std::vector<int> siguiente(primero.begin(), primero.end() - 1);
    for (int i = 0; i < k; ++i) miembro[siguiente[bloque[i]]++] = i;
  }
  std::vector<int> numero(bloques, -1), orden;
  const bool conEstados = dfa.Inicial() != TAutomataFinito::kNinguno && nuevo[dfa.Inicial()] >= 0;
  if (conEstados) {
    std::queue<int> cola;
    numero[bloque[nuevo[dfa.Inicial()]]] = 0;
    orden.push_back(bloque[nuevo[dfa.Inicial()]]);
    cola.push(orden.back());
    while (!cola.empty()) {
      const int b = cola.front();
      cola.pop();
      const int representante = viejo[miembro[primero[b]]];
      for (const auto& arco : dfa.Salidas(representante)) {
        if (nuevo[arco.destino] < 0) continue;
        const int destino = bloque[nuevo[arco.destino]];
        if (numero[destino] < 0) {
          numero[destino] = static_cast<int>(orden.size());
          orden.push_back(destino);
          cola.push(destino);
        }
      }
    }
  }
  for (int b : orden) {
    TLista prefijos;
    std::vector<int> grupo;
    for (int j = primero[b]; j < primero[b + 1]; ++j) {
      const int q = viejo[miembro[j]];
      prefijos.insert(prefijos.end(), dfa.Prefijos(q).begin(), dfa.Prefijos(q).end());
      anadirOriginales(q, grupo);
    }
    std::sort(grupo.begin(), grupo.end());
    grupo.erase(std::unique(grupo.begin(), grupo.end()), grupo.end());
    minimo.AnadirEstado({}, std::move(prefijos), finales[miembro[primero[b]]]);
    resultado.grupos.push_back(std::move(grupo));
  }
  for (int b : orden) {
    const int representante = viejo[miembro[primero[b]]];
    for (const auto& arco : dfa.Salidas(representante))
      if (nuevo[arco.destino] >= 0) minimo.AnadirTransicion(numero[b], arco.simbolo, numero[bloque[nuevo[arco.destino]]]);
  }
  if (conEstados) minimo.PonerInicial(0);

  if (modo == TModoMinimo::Completo && (!conEstados || !minimo.EsCompleto())) {
    // The dead state: every reachable given state that cannot reach a final one.
    std::vector<int> grupo;
    for (int q = 0; q < n; ++q)
      if (accesible[q] && !coaccesible[q]) anadirOriginales(q, grupo);
    std::sort(grupo.begin(), grupo.end());
    grupo.erase(std::unique(grupo.begin(), grupo.end()), grupo.end());
    const int muerto = minimo.AnadirEstado();
    for (int q = 0; q <= muerto; ++q)
      for (int s = 0; s < simbolos; ++s)
        if (minimo.Destino(q, s) == TAutomataFinito::kNinguno) minimo.AnadirTransicion(q, s, muerto);
    if (!conEstados) minimo.PonerInicial(muerto);
    resultado.grupos.push_back(std::move(grupo));
  }
  return resultado;
}
