// Determinizacion: subset construction over the quotient automaton's target lists.
//
// The initial subset-state is {initial block}. States are taken from a first-in first-out
// queue; each one becomes the next row, and for every symbol in alphabet order its target
// is built by walking the members in the state's own order and appending each member's
// target blocks not yet present. A non-empty target met for the first time is queued, so
// rows come out in breadth-first discovery order. Subset-states are compared as ordered
// lists: the same blocks gathered in another order form another state. The row a state
// will occupy equals its position in the queue, so a hash map from the exact list to that
// position replaces the scan of every state met so far, and each cell holds a row number.
#include "results/Determinizacion.h"

#include <cstddef>
#include <deque>
#include <unordered_map>

#include "core/Cancelacion.h"
#include "core/Utilidades.h"

namespace {

struct THashEstado {
  std::size_t operator()(const TEstadoSubconjunto& estado) const {
    std::size_t h = estado.size();
    for (int n : estado) h ^= static_cast<std::size_t>(n) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
  }
};

}  // namespace

std::string TAutomataDeterminista::NombreFila(int fila) const {
  const auto& estado = Estados[static_cast<std::size_t>(fila)];
  if (estado.empty()) return {};
  std::string nombre = "[";
  for (int n : estado) nombre += NombreBloque(n);
  return nombre + "]";
}

TAutomataDeterminista ConstruirDeterminista(const TTablaDestinos& destinos, int bloqueInicial,
                                            const TLista& alfabeto) {
  TAutomataDeterminista resultado;
  resultado.Alfabeto = alfabeto;
  const std::size_t simbolos = alfabeto.size();

  std::unordered_map<TEstadoSubconjunto, int, THashEstado> filaDe;
  std::deque<int> cola;
  auto descubrir = [&](TEstadoSubconjunto estado) {
    const int fila = static_cast<int>(resultado.Estados.size());
    auto [pos, nuevo] = filaDe.try_emplace(estado, fila);
    if (nuevo) {
      resultado.Estados.push_back(std::move(estado));
      cola.push_back(fila);
    }
    return pos->second;
  };
  descubrir(TEstadoSubconjunto{bloqueInicial});

  // Stamp per block number: marca[n] == sello when n is already in the target being built.
  std::vector<std::size_t> marca(destinos.size(), 0);
  std::size_t sello = 0;
  TEstadoSubconjunto destino;
  while (!cola.empty()) {
    ComprobarCancelacion();
    const int fila = cola.front();
    cola.pop_front();
    std::vector<int> celdas(simbolos, -1);
    for (std::size_t c = 0; c < simbolos; ++c) {
      ++sello;
      destino.clear();
      // Estados may grow (and reallocate) inside descubrir, so index rather than hold a reference.
      for (int t : resultado.Estados[static_cast<std::size_t>(fila)]) {
        for (int n : destinos[static_cast<std::size_t>(t)][c]) {
          if (marca[static_cast<std::size_t>(n)] == sello) continue;
          marca[static_cast<std::size_t>(n)] = sello;
          destino.push_back(n);
        }
      }
      if (!destino.empty()) celdas[c] = descubrir(destino);
    }
    resultado.Transiciones.push_back(std::move(celdas));
  }
  return resultado;
}

std::vector<int> FilasFinales(const TAutomataDeterminista& automata,
                              const std::vector<int>& bloquesFinales) {
  std::vector<bool> esFinal;
  for (int n : bloquesFinales) {
    if (n < 0) continue;
    if (static_cast<std::size_t>(n) >= esFinal.size()) esFinal.resize(static_cast<std::size_t>(n) + 1);
    esFinal[static_cast<std::size_t>(n)] = true;
  }
  std::vector<int> filas;
  for (std::size_t r = 0; r < automata.Estados.size(); ++r) {
    for (int n : automata.Estados[r]) {
      if (static_cast<std::size_t>(n) < esFinal.size() && esFinal[static_cast<std::size_t>(n)]) {
        filas.push_back(static_cast<int>(r));
        break;
      }
    }
  }
  return filas;
}
