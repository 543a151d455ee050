// AlgoritmoKR: k-reversible state merging.
//
// Method. Every state of the prefix-tree acceptor starts alone in its block. The marked
// examples are queued in pairs (first example, i-th example); then, pair by pair from the
// front of a FIFO queue, the blocks B1 of p and B2 of q are joined into B = B1 followed by
// B2, which goes to the end of the partition. For every symbol a, in alphabet order, the
// join queues first the forward pair (the successors by a of B1 and of B2, when both
// exist) and then the backward pairs: each predecessor x of B1 by a with each predecessor y
// of B2 by a whose last k symbols equal x's, x outer and y inner. When the queue is empty
// the partition is closed under both rules; the block of the marked examples is removed.
//
// Representation. States and symbols are integer ids; blocks are union-find classes whose
// states form a linked list in block order; B1 followed by B2 is a splice. For each block
// and symbol we keep one representative successor (that of the first state in block order
// that has one, which is what copying B1's cell, else B2's, yields) and the predecessors
// grouped by their k-suffix, each group reduced to its first predecessor and its position.
//
// Why the reduction gives the same partition. Take any block at the time it is joined:
// every two of its predecessors by one symbol with equal k-suffixes were already queued
// together (directly or through a chain) when its own parts were joined, and all of those
// pairs are processed before the pairs that this join queues (the queue is FIFO). So when
// this join's backward pairs are reached, the predecessors of B1 with suffix K lie in one
// block, and those of B2 with suffix K in another; the first pair with suffix K (first x
// of B1 with K, first y of B2 with K) joins them and every later pair with K would be
// dropped as lying inside one block. Queuing only the first pair of each suffix, in the
// order of its x in B1's predecessor list, changes nothing but the number of dropped pairs;
// without it a run on n examples with k = 0 queues n^2/2 pairs.
#include "inference/AlgoritmoKR.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Automata.h"
#include "core/Cancelacion.h"
#include "core/ErrorInterno.h"
#include "core/Utilidades.h"
#include "inference/ObservadorFusiones.h"

TLista MarcarMuestra(const TLista& muestra) {
  TLista marcada;
  marcada.reserve(muestra.size());
  for (const auto& ejemplo : muestra) marcada.push_back(ejemplo + kMarcaFinal);
  return marcada;
}

bool UsaMarcaFinal(const TLista& muestra) {
  return std::any_of(muestra.begin(), muestra.end(), [](const std::string& ejemplo) {
    return ejemplo.find(kMarcaFinal) != std::string::npos;
  });
}

namespace {

constexpr int kNinguno = -1;

// The cause of a queued pair, kept only while someone observes the merges: an initial pair
// of marked examples, or the forward (2a) or backward (2a + 1) rule by symbol a.
constexpr int kCausaFinal = -1;

// The predecessors of one block by one symbol, grouped by k-suffix: for each suffix the
// first predecessor in the block's predecessor list and its position there. Positions are
// stored relative to `base`, so that a group can be placed after another by moving its base.
struct TPrimero {
  std::int64_t posicion;
  int estado;
};

// Suffix id -> first predecessor. Most groups hold one suffix (with k = 0 every group
// does), kept in place; a map is made only when a second suffix comes.
class TPrimeros {
 public:
  std::size_t size() const { return m_mapa ? m_mapa->size() : m_tieneUno ? 1 : 0; }
  const TPrimero* Buscar(int sufijo) const {
    if (m_mapa) {
      const auto it = m_mapa->find(sufijo);
      return it == m_mapa->end() ? nullptr : &it->second;
    }
    return m_tieneUno && m_sufijo == sufijo ? &m_primero : nullptr;
  }
  // Adds the entry unless the suffix is present (sobrescribir: replaces it then).
  void Poner(int sufijo, TPrimero primero, bool sobrescribir) {
    if (!m_mapa && (!m_tieneUno || m_sufijo == sufijo)) {
      if (!m_tieneUno || sobrescribir) m_primero = primero;
      m_sufijo = sufijo;
      m_tieneUno = true;
      return;
    }
    if (!m_mapa) m_mapa = std::make_unique<std::unordered_map<int, TPrimero>>(
                     std::initializer_list<std::pair<const int, TPrimero>>{{m_sufijo, m_primero}});
    if (sobrescribir)
      m_mapa->insert_or_assign(sufijo, primero);
    else
      m_mapa->try_emplace(sufijo, primero);
  }
  template <class F>
  void ParaCada(F f) const {
    if (m_mapa) {
      for (const auto& [sufijo, primero] : *m_mapa) f(sufijo, primero);
    } else if (m_tieneUno) {
      f(m_sufijo, m_primero);
    }
  }

 private:
  TPrimero m_primero{};
  int m_sufijo = 0;
  bool m_tieneUno = false;
  std::unique_ptr<std::unordered_map<int, TPrimero>> m_mapa;
};

// The predecessors of one block by one symbol, grouped by k-suffix: for each suffix the
// first predecessor in the block's predecessor list and its position there. Positions are
// stored relative to `base`, so that a group can be placed after another by moving its base.
struct TGruposPredecesores {
  TPrimeros primeros;
  std::int64_t base = 0;
  std::int64_t largo = 0;  // positions in use: [0, largo) after adding base

  std::int64_t Posicion(const TPrimero& p) const { return p.posicion + base; }
};

class TFusionKR {
 public:
  TFusionKR(const TAutomata& automata, int k, TModoInferencia modo, TObservadorFusiones* observador);

  // Runs the queue from the initial pairs of the marked examples; returns the partition,
  // the blocks as state id lists in partition order.
  std::vector<std::vector<int>> Ejecutar(const std::vector<int>& finales);

 private:
  int Raiz(int estado);
  void FusionarPar(int p, int q, int causa);
  void Encolar(int p, int q, int causa) {
    m_pendientes.emplace_back(p, q);
    if (m_observador) m_causas.push_back(causa);
  }
  void Informar(int p, int q, int causa) const;
  // B's groups for one symbol from B1's (g1) and B2's (g2), B1's first; returns the id of
  // the group list kept (the larger one, extended).
  int UnirGrupos(int g1, int g2);
  void EncolarRetroceso(int g1, int g2, int a);

  const TAutomata& m_automata;
  int m_k;
  TModoInferencia m_modo;
  TObservadorFusiones* m_observador;
  int m_estados;
  int m_simbolos;

  // Union-find over states; the data of a block live at its root.
  std::vector<int> m_padre;
  std::vector<int> m_tamano;
  std::vector<int> m_primero;    // first state of the block
  std::vector<int> m_ultimo;     // last state of the block
  std::vector<int> m_siguiente;  // next state in its block, or kNinguno
  std::vector<std::int64_t> m_orden;  // position of the block in the partition
  std::int64_t m_siguienteOrden;

  std::vector<int> m_representante;  // [raiz * simbolos + a]: successor of the block by a
  std::vector<int> m_grupo;          // [raiz * simbolos + a]: index in m_grupos, or kNinguno
  std::vector<TGruposPredecesores> m_grupos;  // by value: only the constructor adds

  std::deque<std::pair<int, int>> m_pendientes;  // ParesPendientes
  std::deque<int> m_causas;                      // beside m_pendientes, when observed
};

TFusionKR::TFusionKR(const TAutomata& automata, int k, TModoInferencia modo, TObservadorFusiones* observador)
    : m_automata(automata),
      m_k(k),
      m_modo(modo),
      m_observador(observador),
      m_estados(static_cast<int>(automata.NumeroDeEstados())),
      m_simbolos(static_cast<int>(automata.Alfabeto().size())),
      m_padre(m_estados),
      m_tamano(m_estados, 1),
      m_primero(m_estados),
      m_ultimo(m_estados),
      m_siguiente(m_estados, kNinguno),
      m_orden(m_estados),
      m_siguienteOrden(m_estados),
      m_representante(static_cast<std::size_t>(m_estados) * m_simbolos, kNinguno),
      m_grupo(static_cast<std::size_t>(m_estados) * m_simbolos, kNinguno) {
  for (int s = 0; s < m_estados; ++s) {
    m_padre[s] = m_primero[s] = m_ultimo[s] = s;
    m_orden[s] = s;
  }
  const std::size_t simbolos = static_cast<std::size_t>(k);
  // the suffixes are views of the automaton's names, which outlive this run
  std::unordered_map<std::string_view, int> idSufijo;
  // t·a is the state s (letter case aside): the forward cell of t by a is {s}; when t·a
  // spells s exactly, t is s's predecessor by a (at most one t per s and a).
  const auto enlazar = [&](std::size_t t, std::size_t a, std::size_t s, bool exacto) {
    m_representante[t * m_simbolos + a] = static_cast<int>(s);
    if (!exacto) return;
    // the last k symbols of the predecessor, or all of it when it is shorter (k = 0: none)
    int idDelSufijo = 0;
    if (simbolos > 0) {
      const std::string_view nombre = automata.VistaNombre(static_cast<TIdEstado>(t));
      const std::string_view ultimos = UltimosSimbolos(nombre, simbolos, modo).value_or(nombre);
      idDelSufijo = idSufijo.emplace(ultimos, static_cast<int>(idSufijo.size())).first->second;
    }
    TGruposPredecesores& grupos = m_grupos.emplace_back();
    grupos.primeros.Poner(idDelSufijo, TPrimero{0, static_cast<int>(t)}, false);
    grupos.largo = 1;
    m_grupo[s * m_simbolos + a] = static_cast<int>(m_grupos.size() - 1);
  };
  // t·a spells s exactly when the texts are equal letter case included.
  const auto deletreaExacto = [&](std::size_t t, std::size_t a, std::size_t s) {
    const std::string_view nombre = automata.VistaNombre(static_cast<TIdEstado>(t));
    const std::string& simbolo = automata.Alfabeto()[a];
    const std::string_view destino = automata.VistaNombre(static_cast<TIdEstado>(s));
    return destino.size() == nombre.size() + simbolo.size() && destino.starts_with(nombre) &&
           destino.substr(nombre.size()) == simbolo;
  };

  m_grupos.reserve(automata.NumeroDeEstados());
  if (automata.EsTrie()) {
    // A character trie: each state but the empty prefix is its parent's successor.
    for (TIdEstado s = 1; s < automata.NumeroDeEstados(); ++s)
      enlazar(automata.Padre(s), automata.Simbolo(s), s, automata.SucesorExacto(s));
    return;
  }
  if (automata.Alfabeto().TieneRepetidos()) {
    // Two symbols equal but for letter case: every cell is looked up on its own.
    for (std::size_t t = 0; t < automata.Estados().size(); ++t)
      for (std::size_t a = 0; a < automata.Alfabeto().size(); ++a)
        if (const auto s = automata.Estados().IndiceDe(automata.Estados()[t] + automata.Alfabeto()[a]))
          enlazar(t, a, *s, deletreaExacto(t, a, *s));
    return;
  }
  // Otherwise each state s is split, for each symbol length, into a prefix t and a final
  // symbol a; the pair is a transition when both are known (letter case aside).
  std::vector<std::size_t> largos;
  for (const auto& simbolo : automata.Alfabeto())
    if (std::find(largos.begin(), largos.end(), simbolo.size()) == largos.end()) largos.push_back(simbolo.size());
  for (std::size_t s = 0; s < automata.Estados().size(); ++s) {
    const std::string_view nombre = automata.Estados()[s];
    for (const std::size_t largo : largos) {
      if (largo > nombre.size()) continue;
      const auto a = automata.Alfabeto().IndiceDe(nombre.substr(nombre.size() - largo));
      if (!a) continue;
      if (const auto t = automata.Estados().IndiceDe(nombre.substr(0, nombre.size() - largo)))
        enlazar(*t, *a, s, deletreaExacto(*t, *a, s));
    }
  }
}

int TFusionKR::Raiz(int estado) {
  while (m_padre[estado] != estado) {
    m_padre[estado] = m_padre[m_padre[estado]];
    estado = m_padre[estado];
  }
  return estado;
}

std::vector<std::vector<int>> TFusionKR::Ejecutar(const std::vector<int>& finales) {
  for (std::size_t i = 1; i < finales.size(); ++i) Encolar(finales[0], finales[i], kCausaFinal);
  while (!m_pendientes.empty()) {
    ComprobarCancelacion();
    const auto [p, q] = m_pendientes.front();
    m_pendientes.pop_front();
    int causa = kCausaFinal;
    if (m_observador) {
      causa = m_causas.front();
      m_causas.pop_front();
    }
    FusionarPar(p, q, causa);
  }
  std::vector<int> raices;
  for (int s = 0; s < m_estados; ++s)
    if (m_padre[s] == s) raices.push_back(s);
  std::sort(raices.begin(), raices.end(), [&](int a, int b) { return m_orden[a] < m_orden[b]; });
  std::vector<std::vector<int>> bloques;
  bloques.reserve(raices.size());
  for (int raiz : raices) {
    std::vector<int> bloque;
    bloque.reserve(m_tamano[raiz]);
    for (int s = m_primero[raiz]; s != kNinguno; s = m_siguiente[s]) bloque.push_back(s);
    bloques.push_back(std::move(bloque));
  }
  return bloques;
}

void TFusionKR::Informar(int p, int q, int causa) const {
  std::string texto;
  if (causa == kCausaFinal) {
    texto = "final";
  } else if (causa % 2 == 0) {
    texto = "sucesor " + m_automata.Alfabeto()[static_cast<std::size_t>(causa / 2)];
  } else {
    // the common k-suffix of the two predecessors, read from the first
    const std::string_view x = m_automata.VistaNombre(static_cast<TIdEstado>(p));
    const std::string_view w = UltimosSimbolos(x, static_cast<std::size_t>(m_k), m_modo).value_or(x);
    texto = "predecesor " + m_automata.Alfabeto()[static_cast<std::size_t>(causa / 2)] + " " +
            NombreEnTraza(std::string(w));
  }
  m_observador->Fusion(NombreEnTraza(m_automata.Nombre(static_cast<TIdEstado>(p))),
                       NombreEnTraza(m_automata.Nombre(static_cast<TIdEstado>(q))), texto);
}

void TFusionKR::FusionarPar(int p, int q, int causa) {
  const int r1 = Raiz(p);
  const int r2 = Raiz(q);
  if (r1 == r2) return;  // one block already: the pair is dropped
  if (m_observador) Informar(p, q, causa);

  // B = B1 followed by B2, placed at the end of the partition.
  const int raiz = m_tamano[r1] >= m_tamano[r2] ? r1 : r2;
  const int otra = raiz == r1 ? r2 : r1;
  const int primero = m_primero[r1];
  const int ultimo = m_ultimo[r2];
  m_siguiente[m_ultimo[r1]] = m_primero[r2];
  m_padre[otra] = raiz;
  m_tamano[raiz] += m_tamano[otra];
  m_primero[raiz] = primero;
  m_ultimo[raiz] = ultimo;
  m_orden[raiz] = m_siguienteOrden++;

  for (int a = 0; a < m_simbolos; ++a) {
    const std::size_t c1 = static_cast<std::size_t>(r1) * m_simbolos + a;
    const std::size_t c2 = static_cast<std::size_t>(r2) * m_simbolos + a;
    // Forward rule: B's cell is B1's successor, else B2's.
    const int s1 = m_representante[c1];
    const int s2 = m_representante[c2];
    if (s1 != kNinguno && s2 != kNinguno) {
      if (s1 < 0 || s1 >= m_estados) throw TErrorInterno("ERROR INT0KR10");
      if (s2 < 0 || s2 >= m_estados) throw TErrorInterno("ERROR INT0KR11");
      Encolar(s1, s2, 2 * a);
    }
    // Backward rule, after this symbol's forward pair.
    const int g1 = m_grupo[c1];
    const int g2 = m_grupo[c2];
    if (g1 != kNinguno && g2 != kNinguno) EncolarRetroceso(g1, g2, a);

    const std::size_t c = static_cast<std::size_t>(raiz) * m_simbolos + a;
    m_representante[c] = s1 != kNinguno ? s1 : s2;
    m_grupo[c] = g1 == kNinguno ? g2 : g2 == kNinguno ? g1 : UnirGrupos(g1, g2);
  }
}

void TFusionKR::EncolarRetroceso(int g1, int g2, int a) {
  const TGruposPredecesores& p1 = m_grupos[g1];
  const TGruposPredecesores& p2 = m_grupos[g2];
  const bool recorrerP1 = p1.primeros.size() <= p2.primeros.size();
  const TGruposPredecesores& menor = recorrerP1 ? p1 : p2;
  const TGruposPredecesores& mayor = recorrerP1 ? p2 : p1;
  struct TPar {
    std::int64_t posicion;  // of x in B1's predecessor list
    int x;
    int y;
  };
  std::vector<TPar> pares;
  menor.primeros.ParaCada([&](int sufijo, const TPrimero& primero) {
    const TPrimero* otro = mayor.primeros.Buscar(sufijo);
    if (otro == nullptr) return;
    if (recorrerP1)
      pares.push_back({p1.Posicion(primero), primero.estado, otro->estado});
    else
      pares.push_back({p1.Posicion(*otro), otro->estado, primero.estado});
  });
  std::sort(pares.begin(), pares.end(), [](const TPar& a, const TPar& b) { return a.posicion < b.posicion; });
  for (const auto& par : pares) Encolar(par.x, par.y, 2 * a + 1);
}

int TFusionKR::UnirGrupos(int g1, int g2) {
  TGruposPredecesores& p1 = m_grupos[g1];
  TGruposPredecesores& p2 = m_grupos[g2];
  const std::int64_t largo1 = p1.largo;
  if (p1.primeros.size() >= p2.primeros.size()) {
    // Keep B1's list; B2's suffixes not yet present come after all of B1's positions.
    p2.primeros.ParaCada([&](int sufijo, const TPrimero& primero) {
      p1.primeros.Poner(sufijo, TPrimero{p2.Posicion(primero) + largo1 - p1.base, primero.estado}, false);
    });
    p1.largo += p2.largo;
    m_grupos[g2] = {};
    return g1;
  }
  // Keep B2's list, moved after B1's positions; B1's suffixes come first and win.
  p2.base += largo1;
  p1.primeros.ParaCada([&](int sufijo, const TPrimero& primero) {
    p2.primeros.Poner(sufijo, TPrimero{p1.Posicion(primero) - p2.base, primero.estado}, true);
  });
  p2.largo += largo1;
  m_grupos[g1] = {};
  return g2;
}

}  // namespace

void AlgoritmoKR(TAutomata& automata, int k, TModoInferencia modo, const TLista& muestra, TObservadorFusiones* observador) {
  const auto ids = automata.IdsDeFinales();
  if (!ids) throw TErrorInterno("ERROR INT0KR12");  // a marked example that is no state
  const std::vector<int> finales(ids->begin(), ids->end());

  std::vector<std::vector<int>> bloques;
  {
    TFusionKR fusion(automata, k, modo, observador);
    bloques = fusion.Ejecutar(finales);
  }

  // QuitarMarcaFinal: drop the block of the marked examples, restore the unmarked sample
  // and take "$" out of the alphabet.
  TBloquesIds particion;
  particion.reserve(bloques.size());
  bool marcaQuitada = finales.empty();
  for (auto& bloque : bloques) {
    if (!marcaQuitada && std::find(bloque.begin(), bloque.end(), finales[0]) != bloque.end()) {
      marcaQuitada = true;
      continue;
    }
    particion.emplace_back(bloque.begin(), bloque.end());
  }
  automata.ResultadoKR(std::move(particion), muestra, kMarcaFinal);
}
