// TFuncion: the quotient automaton's transition table.
//
// Every distinct block (row key or target) is stored once and named by an integer id; rows
// hold the ids of their cells. Blocks are found by a hash of their exact items, and states
// by one case-insensitive hash over the row keys, which are the partition's blocks: it
// answers both "which row holds this state" and the successor block of a state. Building
// the table is therefore linear in the acceptor's size, and each step of an acceptance test
// takes constant time. Every lookup gives the first match, as a scan of the lists in order
// would, so results are those of the plain list algorithms.
#include "core/Funcion.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "core/Automata.h"
#include "core/ErrorInterno.h"
#include "core/Texto.h"

namespace {

const char* const kSimboloDesconocido = "ERROR INT0FUNC01";
const char* const kBloqueDesconocido = "ERROR INT0FUNC02";

constexpr std::size_t kSinFila = std::numeric_limits<std::size_t>::max();

std::size_t HashDeBloque(const TLista& bloque) {
  std::size_t h = bloque.size();
  for (const auto& item : bloque) h = CombinarHash(h, HashExacto(item));
  return h;
}

// A state inside a row key: (row, position in it).
std::uint64_t Posicion(std::size_t fila, std::size_t item) {
  return (static_cast<std::uint64_t>(fila) << 32) | static_cast<std::uint32_t>(item);
}
std::size_t FilaDePosicion(std::uint64_t posicion) { return static_cast<std::size_t>(posicion >> 32); }
std::size_t Item(std::uint64_t posicion) { return static_cast<std::size_t>(posicion & 0xffffffffULL); }

}  // namespace

TFuncion::TFuncion(const TAutomata& automata) : m_automata(&automata) {
  // The mark of no transition is a block of its own, shown as [-] but never found by its
  // items: a state named "-" gets a block (and an id) apart from it.
  m_sinTransicion = static_cast<TId>(m_conjuntos.size());
  m_conjuntos.push_back(ConjuntoUnitario(kSinTransicion));
  m_filaDeConjunto.push_back(kSinFila);
  for (const auto& bloque : automata.Bloques()) AnadirClave(Internar(bloque));
  for (const auto& simbolo : automata.Alfabeto()) m_alfabeto.Anadir(simbolo);
  // Row b is keyed by block b, so the row a successor lies in names its target block.
  for (std::size_t f = 0; f < m_claves.size(); ++f) {
    std::vector<TId>& celdas = m_filas[f];
    celdas.reserve(m_alfabeto.size());
    for (const auto& simbolo : m_alfabeto) {
      const auto destino = BloqueDestino(simbolo, m_conjuntos[m_claves[f]]);
      celdas.push_back(destino ? m_claves[*destino] : m_sinTransicion);
    }
  }
}

// ---- blocks by id

std::optional<TFuncion::TId> TFuncion::BuscarConjunto(const TLista& bloque) const {
  const auto id = m_indiceConjuntos.Buscar(HashDeBloque(bloque),
                                           [&](std::uint64_t v) { return m_conjuntos[v] == bloque; });
  if (!id) return std::nullopt;
  return static_cast<TId>(*id);
}

TFuncion::TId TFuncion::Internar(const TLista& bloque) {
  if (const auto id = BuscarConjunto(bloque)) return *id;
  const auto id = static_cast<TId>(m_conjuntos.size());
  m_indiceConjuntos.Insertar(HashDeBloque(bloque), id);
  m_conjuntos.push_back(bloque);
  m_filaDeConjunto.push_back(kSinFila);
  return id;
}

void TFuncion::AnadirClave(TId id) {
  const std::size_t fila = m_claves.size();
  m_claves.push_back(id);
  m_filas.emplace_back();
  if (m_filaDeConjunto[id] == kSinFila) m_filaDeConjunto[id] = fila;
  const TLista& bloque = m_conjuntos[id];
  for (std::size_t i = 0; i < bloque.size(); ++i)
    if (!FilaConEstado(bloque[i])) m_filaDeEstado.Insertar(HashSinMayusculas(bloque[i]), Posicion(fila, i));
}

std::size_t TFuncion::FilaDe(TId id) const {
  const std::size_t fila = m_filaDeConjunto[id];
  if (fila == kSinFila) throw TErrorInterno(kBloqueDesconocido);
  return fila;
}

TFuncion::TFila TFuncion::Fila(std::size_t fila) const {
  TFila r;
  r.reserve(m_filas[fila].size());
  for (TId id : m_filas[fila]) r.push_back(m_conjuntos[id]);
  return r;
}

// ---- the quotient's targets

std::optional<std::size_t> TFuncion::BloqueDestino(const std::string& simbolo, const TLista& bloque) const {
  std::string sucesor;
  for (const auto& estado : bloque) {
    sucesor.assign(estado).append(simbolo);
    if (const auto fila = FilaConEstado(sucesor)) return fila;
  }
  return std::nullopt;
}

TLista TFuncion::DestinoCociente(const std::string& simbolo, const TLista& bloque) const {
  const auto b = BloqueDestino(simbolo, bloque);
  return b ? Bloque(*b) : ConjuntoUnitario(kSinTransicion);
}

// ---- lookups

std::size_t TFuncion::IndiceBloque(const TLista& bloque) const {
  const auto id = BuscarConjunto(bloque);
  if (!id) throw TErrorInterno(kBloqueDesconocido);
  return FilaDe(*id);
}

std::size_t TFuncion::IndiceSimbolo(std::string_view simbolo) const {
  const auto indice = m_alfabeto.IndiceDe(simbolo);
  if (!indice) throw TErrorInterno(kSimboloDesconocido);
  return *indice;
}

TFuncion::TId TFuncion::CeldaDe(std::size_t fila, std::string_view simbolo) const {
  const std::size_t columna = IndiceSimbolo(simbolo);
  assert(columna < m_filas[fila].size() && "every row has a cell per symbol");
  return m_filas[fila][columna];
}

TLista TFuncion::Transicion(const TLista& bloque, std::string_view simbolo) const {
  return m_conjuntos[CeldaDe(IndiceBloque(bloque), simbolo)];
}

std::optional<std::size_t> TFuncion::FilaConEstado(std::string_view estado) const {
  const auto p = m_filaDeEstado.Buscar(HashSinMayusculas(estado), [&](std::uint64_t q) {
    return IgualesSinMayusculas(m_conjuntos[m_claves[FilaDePosicion(q)]][Item(q)], estado);
  });
  if (!p) return std::nullopt;
  return FilaDePosicion(*p);
}

TLista TFuncion::BloqueDeEstado(std::string_view estado) const {
  const auto fila = FilaConEstado(estado);
  return fila ? Bloque(*fila) : TLista{};
}

bool TFuncion::ContieneFinal(const TLista& bloque) const {
  return std::any_of(bloque.begin(), bloque.end(),
                     [&](const std::string& estado) { return m_automata->Finales().EsMiembro(estado); });
}

bool TFuncion::Acepta(std::string_view cadena) const {
  const auto inicial = FilaConEstado("");
  if (!inicial) return false;  // no row holds the initial state
  TId actual = m_claves[*inicial];
  for (char c : cadena) {
    actual = CeldaDe(FilaDe(actual), std::string_view(&c, 1));
    if (actual == m_sinTransicion) return false;
  }
  return ContieneFinal(m_conjuntos[actual]);
}

bool TFuncion::AceptaSimbolos(const TLista& simbolos) const {
  const auto inicial = FilaConEstado("");
  if (!inicial) return false;
  TId actual = m_claves[*inicial];
  for (const auto& simbolo : simbolos) {
    actual = CeldaDe(FilaDe(actual), simbolo);
    if (actual == m_sinTransicion) return false;
  }
  return ContieneFinal(m_conjuntos[actual]);
}
