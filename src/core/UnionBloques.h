// TUnionBloques: the one partition of states the merging engines share: a union-find
// forest whose blocks keep their members in order and have a place in the partition's order,
// with an undo log for trial merges.
//
// Elements are 0 .. n-1. At the start each one is alone and the blocks are ordered by their
// element. Unir(p, q) joins the block of p (B1) and that of q (B2) into one block whose
// members are B1's followed by B2's (a splice of two linked lists); the joined block goes to
// the end of the partition's order, or takes B1's place (TLugar). A block is named by its
// root (Raiz), which changes only when the block is joined; the root kept is the one of the
// larger block, so engines that keep data per block index them by root and copy them from
// the other root after a join.
//
// Trial merges: Marca() opens a trial and returns its mark; Deshacer(mark) undoes every
// join and move made since, in reverse order, and closes the trial; Conservar(mark) closes
// it keeping them. Trials nest. While a trial is open the forest is not compressed, so that
// every change is one log entry.
//
// Costs (n elements, b blocks, m joins and moves logged since a mark):
//   construction                   O(n)
//   Raiz, Juntos                   O(log n) worst case (union by size); with no trial open
//                                  path halving makes a sequence of them nearly O(1) each
//   Unir, MoverAlFinal             O(1) plus two Raiz
//   Primero, Siguiente, Tamano     O(1); a block's members in order: O(its size)
//   Marca, Conservar               O(1)
//   Deshacer(mark)                 O(m)
//   Bloques()                      O(n + b log b)
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TUnionBloques {
 public:
  using TElemento = std::uint32_t;
  static constexpr TElemento kNinguno = ~TElemento{0};

  // Where a joined block goes in the partition's order.
  enum class TLugar {
    AlFinal,      // after every other block (KR, IM1)
    DelPrimero,   // where B1 was
  };

  explicit TUnionBloques(std::size_t n);

  std::size_t size() const { return m_padre.size(); }
  std::size_t NumeroDeBloques() const { return m_bloques; }

  // The root of the element's block.
  TElemento Raiz(TElemento s);
  bool Juntos(TElemento a, TElemento b) { return Raiz(a) == Raiz(b); }

  // Joins the blocks of p and q, p's members first; returns the root kept, or kNinguno (and
  // nothing changes) when they were one block already.
  TElemento Unir(TElemento p, TElemento q, TLugar lugar = TLugar::AlFinal);
  // Places the element's block after every other block.
  void MoverAlFinal(TElemento s);

  // Members of the block of root r, in order: Primero(r), then Siguiente until kNinguno.
  TElemento Primero(TElemento raiz) const { return m_primero[raiz]; }
  TElemento Siguiente(TElemento s) const { return m_siguiente[s]; }
  std::size_t Tamano(TElemento raiz) const { return m_tamano[raiz]; }
  // The block's members, in order.
  std::vector<TElemento> Miembros(TElemento raiz) const;
  // The roots in the partition's order.
  std::vector<TElemento> Raices() const;
  // Every block's members, blocks in the partition's order.
  std::vector<std::vector<TElemento>> Bloques() const;

  // Trial merges (see above). Deshacer and Conservar take the innermost open mark.
  std::size_t Marca();
  void Deshacer(std::size_t marca);
  void Conservar(std::size_t marca);

 private:
  struct TCambio {
    TElemento raiz;   // the root whose data changed
    TElemento otra;   // the root joined under it, or kNinguno for a move
    TElemento primero, ultimo;
    std::uint64_t orden;
  };

  std::vector<TElemento> m_padre;
  std::vector<TElemento> m_tamano;     // at roots
  std::vector<TElemento> m_primero;    // at roots
  std::vector<TElemento> m_ultimo;     // at roots
  std::vector<TElemento> m_siguiente;  // next member of the same block, or kNinguno
  std::vector<std::uint64_t> m_orden;  // at roots: the block's place, ascending
  std::uint64_t m_siguienteOrden;
  std::size_t m_bloques;
  std::vector<TCambio> m_registro;
  std::vector<std::size_t> m_marcas;
};
