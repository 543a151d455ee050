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
// Representation. States and symbols are integer ids; blocks are the classes of the shared
// partition (core/UnionBloques), whose states form a list in block order; B1 followed by B2
// is a splice. For each block and symbol we keep one representative successor (that of the
// first state in block order that has one, which is what copying B1's cell, else B2's,
// yields) and the predecessors grouped by their k-suffix, each group reduced to its first
// predecessor and its position.
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
#include "core/UnionBloques.h"
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
  std::vector<std::vector<TUnionBloques::TElemento>> Ejecutar(const std::vector<int>& finales);

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

  // The blocks; the data of a block below live at its root.
  TUnionBloques m_bloques;

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
      m_bloques(static_cast<std::size_t>(m_estados)),
      m_representante(static_cast<std::size_t>(m_estados) * m_simbolos, kNinguno),
      m_grupo(static_cast<std::size_t>(m_estados) * m_simbolos, kNinguno) {
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
  // Each state but the empty prefix (and a Mealy final line that has no parent) is its
  // parent's successor.
  m_grupos.reserve(automata.NumeroDeEstados());
  for (TIdEstado s = 1; s < automata.NumeroDeEstados(); ++s)
    if (automata.Padre(s) != TAutomata::kSinEstado)
      enlazar(automata.Padre(s), automata.Simbolo(s), s, automata.SucesorExacto(s));
}

int TFusionKR::Raiz(int estado) { return static_cast<int>(m_bloques.Raiz(static_cast<TUnionBloques::TElemento>(estado))); }

std::vector<std::vector<TUnionBloques::TElemento>> TFusionKR::Ejecutar(const std::vector<int>& finales) {
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
  return m_bloques.Bloques();
}

void TFusionKR::Informar(int p, int q, int causa) const {
  const auto nombre = [&](TIdEstado s) {
    return s == TAutomata::kSinEstado ? std::string() : NombreEnTraza(m_automata.Nombre(s));
  };
  const auto estadoP = static_cast<TIdEstado>(p);
  const auto estadoQ = static_cast<TIdEstado>(q);
  TCausaFusion texto;
  if (causa == kCausaFinal) {
    texto.Regla = TReglaFusion::Final;
  } else {
    const auto a = static_cast<std::size_t>(causa / 2);
    texto.Simbolo = m_automata.Alfabeto()[a];
    if (causa % 2 == 0) {
      // p and q are successors by a: of their parents, which lie in one block
      texto.Regla = TReglaFusion::Sucesor;
      texto.Origen1 = nombre(m_automata.Padre(estadoP));
      texto.Origen2 = nombre(m_automata.Padre(estadoQ));
    } else {
      // the common k-suffix of the two predecessors, read from the first
      const std::string_view x = m_automata.VistaNombre(estadoP);
      const std::string_view w = UltimosSimbolos(x, static_cast<std::size_t>(m_k), m_modo).value_or(x);
      texto.Regla = TReglaFusion::Predecesor;
      texto.Sufijo = NombreEnTraza(std::string(w));
      texto.Origen1 = nombre(m_automata.Sucesor(estadoP, a));
      texto.Origen2 = nombre(m_automata.Sucesor(estadoQ, a));
    }
  }
  m_observador->Fusion(nombre(estadoP), nombre(estadoQ), texto);
}

void TFusionKR::FusionarPar(int p, int q, int causa) {
  const int r1 = Raiz(p);
  const int r2 = Raiz(q);
  if (r1 == r2) return;  // one block already: the pair is dropped
  if (m_observador) Informar(p, q, causa);

  // B = B1 followed by B2, placed at the end of the partition.
  const int raiz = static_cast<int>(m_bloques.Unir(static_cast<TUnionBloques::TElemento>(r1),
                                                   static_cast<TUnionBloques::TElemento>(r2)));

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
  if (!ids) throw TErrorInterno("ERROR INT0KR10");  // a marked example that is no state
  const std::vector<int> finales(ids->begin(), ids->end());

  std::vector<std::vector<TUnionBloques::TElemento>> bloques;
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
    if (!marcaQuitada && std::find(bloque.begin(), bloque.end(), static_cast<TUnionBloques::TElemento>(finales[0])) != bloque.end()) {
      marcaQuitada = true;
      continue;
    }
    particion.emplace_back(bloque.begin(), bloque.end());
  }
  automata.ResultadoKR(std::move(particion), muestra, kMarcaFinal);
}
