// TUnionBloques: union by size over a parent forest; each root holds its block's first and
// last member (the members form a singly linked list, so a join is a splice), its size and
// its place in the partition's order, a number that grows with every join or move, so the
// order of the blocks is the order of those numbers (that of appending to a list of blocks).
// A join or move logs the root's former data; undoing restores them and cuts the list again
// after B1's last member. Path halving is skipped while a trial is open: it would change
// parents that the log does not know.
#include "core/UnionBloques.h"

#include <algorithm>
#include <cassert>
#include <numeric>

TUnionBloques::TUnionBloques(std::size_t n)
    : m_padre(n), m_tamano(n, 1), m_primero(n), m_ultimo(n), m_siguiente(n, kNinguno), m_orden(n),
      m_siguienteOrden(n), m_bloques(n) {
  assert(n < kNinguno && "too many elements for 32-bit ids");
  std::iota(m_padre.begin(), m_padre.end(), TElemento{0});
  std::iota(m_primero.begin(), m_primero.end(), TElemento{0});
  std::iota(m_ultimo.begin(), m_ultimo.end(), TElemento{0});
  std::iota(m_orden.begin(), m_orden.end(), std::uint64_t{0});
}

TUnionBloques::TElemento TUnionBloques::Raiz(TElemento s) {
  if (m_marcas.empty()) {
    while (m_padre[s] != s) s = m_padre[s] = m_padre[m_padre[s]];
    return s;
  }
  while (m_padre[s] != s) s = m_padre[s];
  return s;
}

TUnionBloques::TElemento TUnionBloques::Unir(TElemento p, TElemento q, TLugar lugar) {
  const TElemento r1 = Raiz(p);
  const TElemento r2 = Raiz(q);
  if (r1 == r2) return kNinguno;
  const TElemento raiz = m_tamano[r1] >= m_tamano[r2] ? r1 : r2;
  const TElemento otra = raiz == r1 ? r2 : r1;
  if (!m_marcas.empty()) m_registro.push_back({raiz, otra, m_primero[raiz], m_ultimo[raiz], m_orden[raiz]});
  const TElemento primero = m_primero[r1];
  const TElemento ultimo = m_ultimo[r2];
  const std::uint64_t orden = lugar == TLugar::DelPrimero ? m_orden[r1] : m_siguienteOrden++;
  m_siguiente[m_ultimo[r1]] = m_primero[r2];
  m_padre[otra] = raiz;
  m_tamano[raiz] += m_tamano[otra];
  m_primero[raiz] = primero;
  m_ultimo[raiz] = ultimo;
  m_orden[raiz] = orden;
  --m_bloques;
  return raiz;
}

void TUnionBloques::MoverAlFinal(TElemento s) {
  const TElemento raiz = Raiz(s);
  if (!m_marcas.empty()) m_registro.push_back({raiz, kNinguno, m_primero[raiz], m_ultimo[raiz], m_orden[raiz]});
  m_orden[raiz] = m_siguienteOrden++;
}

std::vector<TUnionBloques::TElemento> TUnionBloques::Miembros(TElemento raiz) const {
  std::vector<TElemento> miembros;
  miembros.reserve(m_tamano[raiz]);
  for (TElemento s = m_primero[raiz]; s != kNinguno; s = m_siguiente[s]) miembros.push_back(s);
  return miembros;
}

std::vector<TUnionBloques::TElemento> TUnionBloques::Raices() const {
  std::vector<TElemento> raices;
  raices.reserve(m_bloques);
  for (TElemento s = 0; s < m_padre.size(); ++s)
    if (m_padre[s] == s) raices.push_back(s);
  std::sort(raices.begin(), raices.end(), [&](TElemento a, TElemento b) { return m_orden[a] < m_orden[b]; });
  return raices;
}

std::vector<std::vector<TUnionBloques::TElemento>> TUnionBloques::Bloques() const {
  std::vector<std::vector<TElemento>> bloques;
  bloques.reserve(m_bloques);
  for (const TElemento raiz : Raices()) bloques.push_back(Miembros(raiz));
  return bloques;
}

std::size_t TUnionBloques::Marca() {
  m_marcas.push_back(m_registro.size());
  return m_registro.size();
}

void TUnionBloques::Deshacer(std::size_t marca) {
  assert(!m_marcas.empty() && m_marcas.back() == marca && "Deshacer takes the innermost open mark");
  while (m_registro.size() > marca) {
    const TCambio cambio = m_registro.back();
    m_registro.pop_back();
    if (cambio.otra != kNinguno) {
      // the join made B1's last member point at B2's first: B1 is the block holding the
      // first member of the joined list
      const bool raizPrimero = cambio.primero == m_primero[cambio.raiz];
      const TElemento ultimoB1 = raizPrimero ? cambio.ultimo : m_ultimo[cambio.otra];
      m_siguiente[ultimoB1] = kNinguno;
      m_padre[cambio.otra] = cambio.otra;
      m_tamano[cambio.raiz] -= m_tamano[cambio.otra];
      ++m_bloques;
    }
    m_primero[cambio.raiz] = cambio.primero;
    m_ultimo[cambio.raiz] = cambio.ultimo;
    m_orden[cambio.raiz] = cambio.orden;
  }
  m_marcas.pop_back();
  if (m_marcas.empty()) m_registro.clear();
}

void TUnionBloques::Conservar(std::size_t marca) {
  assert(!m_marcas.empty() && m_marcas.back() == marca && "Conservar takes the innermost open mark");
  (void)marca;
  m_marcas.pop_back();
  if (m_marcas.empty()) m_registro.clear();
}
