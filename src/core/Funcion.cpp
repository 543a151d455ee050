// TFuncion: transition tables over the prefix-tree acceptor.
//
// Every distinct block (row key or target set) is stored once and named by an integer id;
// rows hold the ids of their cells. Blocks are found by a hash of their exact items, states
// by a case-insensitive hash over the row keys, successors by the acceptor's own indexes and
// quotient targets by an index of the automaton's partition built once. Building any kind of
// table is therefore linear in the acceptor's size, and each step of an acceptance test
// takes constant time. Every lookup gives the first match, as a scan of the lists in order
// would, so results are those of the plain list algorithms.
#include "core/Funcion.h"

#include <algorithm>
#include <limits>

#include "core/Automata.h"
#include "core/ErrorInterno.h"
#include "core/Texto.h"

namespace {

const char* const kSimboloDesconocido = "ERROR INT0FUNC01";
const char* const kBloqueDesconocido = "ERROR INT0FUNC02";
const char* const kCeldaInexistente = "ERROR INT0FUNC03";
const char* const kClaveVacia = "ERROR INT0FUNC04";

constexpr std::size_t kSinFila = std::numeric_limits<std::size_t>::max();

std::size_t HashDeBloque(const TLista& bloque) {
  std::size_t h = bloque.size();
  for (const auto& item : bloque) h = CombinarHash(h, HashExacto(item));
  return h;
}

std::size_t HashDeUnitario(std::string_view item) { return CombinarHash(1, HashExacto(item)); }

// A state inside a row key or a partition block: (row or block, position in it).
std::uint64_t Posicion(std::size_t contenedor, std::size_t item) {
  return (static_cast<std::uint64_t>(contenedor) << 32) | static_cast<std::uint32_t>(item);
}
std::size_t Contenedor(std::uint64_t posicion) { return static_cast<std::size_t>(posicion >> 32); }
std::size_t Item(std::uint64_t posicion) { return static_cast<std::size_t>(posicion & 0xffffffffULL); }

}  // namespace

TFuncion::TFuncion(const TAutomata& automata, int tipo) : m_automata(&automata) {
  // The mark of no transition is a block of its own, shown as [-] but never found by its
  // items: a state named "-" gets a block (and an id) apart from it.
  m_sinTransicion = static_cast<TId>(m_conjuntos.size());
  m_conjuntos.push_back(ConjuntoUnitario(kSinTransicion));
  m_filaDeConjunto.push_back(kSinFila);
  if (tipo == FuncionInversa || tipo == FuncionAceptor) CargarEstados();
  if (tipo == FuncionCociente) CargarBloques();
  if (tipo == FuncionInversa || tipo == FuncionAceptor || tipo == FuncionCociente) {
    CargarAlfabeto();
    CargarTransiciones(tipo);
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

TFuncion::TId TFuncion::InternarUnitario(std::string_view estado) {
  const std::size_t hash = HashDeUnitario(estado);
  const auto id = m_indiceConjuntos.Buscar(hash, [&](std::uint64_t v) {
    const TLista& b = m_conjuntos[v];
    return b.size() == 1 && b[0] == estado;
  });
  if (id) return static_cast<TId>(*id);
  const auto nuevo = static_cast<TId>(m_conjuntos.size());
  m_indiceConjuntos.Insertar(hash, nuevo);
  m_conjuntos.push_back(ConjuntoUnitario(std::string(estado)));
  m_filaDeConjunto.push_back(kSinFila);
  return nuevo;
}

void TFuncion::AnadirClave(TId id) {
  const std::size_t fila = m_claves.size();
  m_claves.push_back(id);
  m_filas.emplace_back();
  if (m_filaDeConjunto[id] == kSinFila) m_filaDeConjunto[id] = fila;
  const TLista& bloque = m_conjuntos[id];
  for (std::size_t i = 0; i < bloque.size(); ++i) {
    const std::size_t hash = HashSinMayusculas(bloque[i]);
    const bool conocido = m_filaDeEstado.Buscar(hash, [&](std::uint64_t p) {
      return IgualesSinMayusculas(m_conjuntos[m_claves[Contenedor(p)]][Item(p)], bloque[i]);
    }).has_value();
    if (!conocido) m_filaDeEstado.Insertar(hash, Posicion(fila, i));
  }
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

// ---- loading

void TFuncion::CargarEstados() {
  m_idDeEstado.clear();
  m_idDeEstado.reserve(m_automata->Estados.size());
  for (const auto& estado : m_automata->Estados) {
    m_idDeEstado.push_back(InternarUnitario(estado));
    AnadirClave(m_idDeEstado.back());
  }
}

TFuncion::TId TFuncion::UnitarioDeEstado(const std::string& estado, std::optional<std::size_t> indice) {
  // The singleton of a state taken verbatim from the list was made by CargarEstados.
  if (indice && *indice < m_idDeEstado.size() && m_automata->Estados[*indice] == estado)
    return m_idDeEstado[*indice];
  return InternarUnitario(estado);
}

void TFuncion::CargarBloques() {
  for (const auto& bloque : m_automata->Bloques) AnadirClave(Internar(bloque));
}

void TFuncion::CargarAlfabeto() {
  for (const auto& simbolo : m_automata->Alfabeto) m_alfabeto.Anadir(simbolo);
}

void TFuncion::CargarTransiciones(int tipo) {
  if (tipo != FuncionInversa && tipo != FuncionAceptor && tipo != FuncionCociente) return;
  const TListaIndexada& alfabeto = m_automata->Alfabeto;
  std::string texto;
  for (std::size_t f = m_filasCargadas; f < m_claves.size(); ++f) {
    if (!m_filas[f].empty()) continue;
    const TLista& clave = m_conjuntos[m_claves[f]];
    if (tipo != FuncionCociente && clave.empty()) throw TErrorInterno(kClaveVacia);
    std::vector<TId> celdas;
    celdas.reserve(alfabeto.size());
    for (const auto& simbolo : alfabeto) {
      TId celda = m_sinTransicion;
      if (tipo == FuncionAceptor) {
        texto.assign(clave[0]).append(simbolo);
        if (const auto i = m_automata->Estados.IndiceDe(texto)) celda = UnitarioDeEstado(texto, i);
      } else if (tipo == FuncionInversa) {
        const std::size_t n = ContarPredecesores(clave[0], simbolo, texto);
        if (n == 1) celda = UnitarioDeEstado(texto, m_automata->Estados.IndiceDe(texto));
        else if (n > 1) celda = Internar(TLista(n, texto));
      } else if (const auto b = BloqueDestino(simbolo, clave)) {
        if (m_idDeBloqueDeParticion.size() <= *b) m_idDeBloqueDeParticion.resize(m_automata->Bloques.size());
        auto& id = m_idDeBloqueDeParticion[*b];
        if (!id) id = Internar(m_automata->Bloques[*b]);
        celda = *id;
      }
      celdas.push_back(celda);
    }
    m_filas[f] = std::move(celdas);
  }
  m_filasCargadas = m_claves.size();
}

// ---- rows of the acceptor and of the quotient

bool TFuncion::SucesorEnAceptor(const std::string& estado, const std::string& simbolo,
                                std::string& destino) const {
  destino.assign(estado).append(simbolo);
  return m_automata->Estados.EsMiembro(destino);
}

std::size_t TFuncion::ContarPredecesores(const std::string& estado, const std::string& simbolo,
                                         std::string& anterior) const {
  // t·simbolo equals estado exactly only for t = estado without its final simbolo; the
  // answer is every state exactly equal to that t (once, unless the list has repeats).
  const TListaIndexada& estados = m_automata->Estados;
  const bool terminaEnSimbolo =
      estado.size() >= simbolo.size() &&
      estado.compare(estado.size() - simbolo.size(), simbolo.size(), simbolo) == 0;
  if (!terminaEnSimbolo || !estados.EsMiembro(estado)) return 0;
  anterior.assign(estado, 0, estado.size() - simbolo.size());
  const auto primero = estados.IndiceDe(anterior);
  if (!primero) return 0;
  const std::size_t hasta = estados.TieneRepetidos() ? estados.size() : *primero + 1;
  std::size_t n = 0;
  for (std::size_t i = *primero; i < hasta; ++i) n += estados[i] == anterior;
  return n;
}

std::optional<std::size_t> TFuncion::BloqueDestino(const std::string& simbolo, const TLista& bloque) const {
  const TParticion& particion = m_automata->Bloques;
  if (!m_particionIndexada) {
    for (std::size_t b = 0; b < particion.size(); ++b) {
      for (std::size_t i = 0; i < particion[b].size(); ++i) {
        const std::string& estado = particion[b][i];
        const std::size_t hash = HashSinMayusculas(estado);
        const bool conocido = m_estadoEnParticion.Buscar(hash, [&](std::uint64_t p) {
          return IgualesSinMayusculas(particion[Contenedor(p)][Item(p)], estado);
        }).has_value();
        if (!conocido) m_estadoEnParticion.Insertar(hash, Posicion(b, i));
      }
    }
    m_particionIndexada = true;
  }
  std::string sucesor;
  for (const auto& estado : bloque) {
    sucesor.assign(estado).append(simbolo);
    const auto p = m_estadoEnParticion.Buscar(HashSinMayusculas(sucesor), [&](std::uint64_t q) {
      return IgualesSinMayusculas(particion[Contenedor(q)][Item(q)], sucesor);
    });
    if (p) return Contenedor(*p);
  }
  return std::nullopt;
}

TFuncion::TFila TFuncion::FilaAceptor(const std::string& estado) const {
  TFila fila;
  fila.reserve(m_automata->Alfabeto.size());
  for (const auto& simbolo : m_automata->Alfabeto) {
    std::string destino;
    fila.push_back(SucesorEnAceptor(estado, simbolo, destino) ? ConjuntoUnitario(std::move(destino))
                                                              : ConjuntoUnitario(kSinTransicion));
  }
  return fila;
}

TFuncion::TFila TFuncion::FilaInversa(const std::string& estado) const {
  TFila fila;
  fila.reserve(m_automata->Alfabeto.size());
  for (const auto& simbolo : m_automata->Alfabeto) fila.push_back(Predecesores(estado, simbolo));
  return fila;
}

TLista TFuncion::Predecesores(const std::string& estado, const std::string& simbolo) const {
  std::string anterior;
  const std::size_t n = ContarPredecesores(estado, simbolo, anterior);
  return n == 0 ? ConjuntoUnitario(kSinTransicion) : TLista(n, anterior);
}

TFuncion::TFila TFuncion::FilaCociente(const TLista& bloque) const {
  TFila fila;
  fila.reserve(m_automata->Alfabeto.size());
  for (const auto& simbolo : m_automata->Alfabeto) fila.push_back(DestinoCociente(simbolo, bloque));
  return fila;
}

TLista TFuncion::DestinoCociente(const std::string& simbolo, const TLista& bloque) const {
  const auto b = BloqueDestino(simbolo, bloque);
  return b ? m_automata->Bloques[*b] : ConjuntoUnitario(kSinTransicion);
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
  if (columna >= m_filas[fila].size()) throw TErrorInterno(kCeldaInexistente);
  return m_filas[fila][columna];
}

TLista TFuncion::Transicion(const TLista& bloque, std::string_view simbolo) const {
  return m_conjuntos[CeldaDe(IndiceBloque(bloque), simbolo)];
}

std::optional<std::size_t> TFuncion::FilaConEstado(std::string_view estado) const {
  const auto p = m_filaDeEstado.Buscar(HashSinMayusculas(estado), [&](std::uint64_t q) {
    return IgualesSinMayusculas(m_conjuntos[m_claves[Contenedor(q)]][Item(q)], estado);
  });
  if (!p) return std::nullopt;
  return Contenedor(*p);
}

TLista TFuncion::BloqueDeEstado(std::string_view estado) const {
  const auto fila = FilaConEstado(estado);
  return fila ? Bloque(*fila) : TLista{};
}

bool TFuncion::ContieneFinal(const TLista& bloque) const {
  return std::any_of(bloque.begin(), bloque.end(),
                     [&](const std::string& estado) { return m_automata->Finales.EsMiembro(estado); });
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

// ---- building rows by hand

void TFuncion::AnadirBloque(const TLista& bloque) { AnadirClave(Internar(bloque)); }

TFuncion::TId TFuncion::InternarDestino(const TLista& destino) {
  return EsSinTransicion(destino) ? m_sinTransicion : Internar(destino);
}

void TFuncion::InsertarCelda(TId destino, const TLista& bloque, std::string_view simbolo) {
  const std::size_t fila = IndiceBloque(bloque);
  const std::size_t posicion = IndiceSimbolo(simbolo);
  auto& celdas = m_filas[fila];
  celdas.insert(celdas.begin() + static_cast<std::ptrdiff_t>(std::min(posicion, celdas.size())), destino);
}

void TFuncion::PonerTransicion(const TLista& destino, const TLista& bloque, std::string_view simbolo) {
  InsertarCelda(InternarDestino(destino), bloque, simbolo);
}

void TFuncion::CopiarTransicion(const TLista& bloque, const TLista& otro, std::string_view simbolo) {
  InsertarCelda(CeldaDe(IndiceBloque(otro), simbolo), bloque, simbolo);
}

void TFuncion::UnirTransiciones(const TLista& bloque, const TLista& otro1, const TLista& otro2,
                                std::string_view simbolo) {
  TLista union_ = Transicion(otro1, simbolo);
  Unir(union_, Transicion(otro2, simbolo));
  InsertarCelda(InternarDestino(union_), bloque, simbolo);
}
