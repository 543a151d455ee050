// TFuncion: transition tables over the prefix-tree acceptor. Rows are found by a hash of
// the exact block, symbols through the alphabet's case-folded index, and the blocks that
// hold a state through indexes built once, so building any kind of table is linear in the
// acceptor's size and each step of an acceptance test takes constant time. Every lookup
// gives the first match, as a scan of the lists in order would.
#include "core/Funcion.h"

#include <algorithm>
#include <functional>

#include "core/Automata.h"
#include "core/ErrorInterno.h"
#include "core/Texto.h"

namespace {

const char* const kSimboloDesconocido = "ERROR INT0FUNC01";
const char* const kBloqueDesconocido = "ERROR INT0FUNC02";
const char* const kCeldaInexistente = "ERROR INT0FUNC03";

TLista SinTransicion() { return ConjuntoUnitario(kSinTransicion); }

}  // namespace

std::size_t TFuncion::THashBloque::operator()(const TLista& bloque) const {
  std::size_t h = bloque.size();
  for (const auto& item : bloque)
    h ^= std::hash<std::string>{}(item) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
  return h;
}

TFuncion::TFuncion(const TAutomata& automata, int tipo) : m_automata(&automata) {
  if (tipo == FuncionInversa || tipo == FuncionAceptor) CargarEstados();
  if (tipo == FuncionCociente) CargarBloques();
  if (tipo == FuncionInversa || tipo == FuncionAceptor || tipo == FuncionCociente) {
    CargarAlfabeto();
    CargarTransiciones(tipo);
  }
}

void TFuncion::AnadirClave(const TLista& bloque) {
  const std::size_t fila = m_bloques.size();
  const std::size_t hash = THashBloque{}(bloque);
  const auto [desde, hasta] = m_filaDeBloque.equal_range(hash);
  const bool repetida = std::any_of(desde, hasta, [&](const auto& par) { return m_bloques[par.second] == bloque; });
  if (!repetida) m_filaDeBloque.emplace(hash, fila);
  for (const auto& estado : bloque) m_filaDeEstado.emplace(AMinusculas(estado), fila);
  m_bloques.push_back(bloque);
}

void TFuncion::CargarEstados() {
  m_bloques.reserve(m_bloques.size() + m_automata->Estados.size());
  for (const auto& estado : m_automata->Estados) AnadirClave(ConjuntoUnitario(estado));
}

void TFuncion::CargarBloques() {
  for (const auto& bloque : m_automata->Bloques) AnadirClave(bloque);
}

void TFuncion::CargarAlfabeto() {
  for (const auto& simbolo : m_automata->Alfabeto) m_alfabeto.Anadir(simbolo);
}

void TFuncion::CargarTransiciones(int tipo) {
  m_transiciones.reserve(m_bloques.size());
  for (std::size_t i = m_transiciones.size(); i < m_bloques.size(); ++i) {
    const TLista& clave = m_bloques[i];
    switch (tipo) {
      case FuncionInversa: m_transiciones.push_back(FilaInversa(clave.front())); break;
      case FuncionAceptor: m_transiciones.push_back(FilaAceptor(clave.front())); break;
      case FuncionCociente: m_transiciones.push_back(FilaCociente(clave)); break;
      default: return;
    }
  }
}

TFuncion::TFila TFuncion::FilaAceptor(const std::string& estado) const {
  TFila fila;
  fila.reserve(m_automata->Alfabeto.size());
  for (const auto& simbolo : m_automata->Alfabeto) {
    std::string destino = estado + simbolo;
    fila.push_back(m_automata->Estados.EsMiembro(destino) ? ConjuntoUnitario(std::move(destino))
                                                          : SinTransicion());
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
  // t·simbolo equals estado exactly only for t = estado without its final simbolo.
  const TListaIndexada& estados = m_automata->Estados;
  const bool terminaEnSimbolo = estado.size() >= simbolo.size() &&
                                estado.compare(estado.size() - simbolo.size(), simbolo.size(), simbolo) == 0;
  if (!terminaEnSimbolo || !estados.EsMiembro(estado)) return SinTransicion();
  const std::string anterior = estado.substr(0, estado.size() - simbolo.size());
  const auto primero = estados.IndiceDe(anterior);
  TLista resultado;
  if (primero) {
    // Items equal to `anterior` exactly are among those equal to it ignoring case; past
    // the first one there are such items only if the list has repeats.
    const std::size_t hasta = estados.TieneRepetidos() ? estados.size() : *primero + 1;
    for (std::size_t i = *primero; i < hasta; ++i)
      if (estados[i] == anterior) resultado.push_back(anterior);
  }
  return resultado.empty() ? SinTransicion() : resultado;
}

TFuncion::TFila TFuncion::FilaCociente(const TLista& bloque) const {
  TFila fila;
  fila.reserve(m_automata->Alfabeto.size());
  for (const auto& simbolo : m_automata->Alfabeto) fila.push_back(DestinoCociente(simbolo, bloque));
  return fila;
}

const std::unordered_map<std::string, std::size_t>& TFuncion::IndiceDeParticion() const {
  if (!m_particionIndexada) {
    const TParticion& particion = m_automata->Bloques;
    for (std::size_t b = 0; b < particion.size(); ++b)
      for (const auto& estado : particion[b]) m_bloqueDeEstadoEnParticion.emplace(AMinusculas(estado), b);
    m_particionIndexada = true;
  }
  return m_bloqueDeEstadoEnParticion;
}

TLista TFuncion::DestinoCociente(const std::string& simbolo, const TLista& bloque) const {
  const auto& indice = IndiceDeParticion();
  for (const auto& estado : bloque) {
    const auto it = indice.find(AMinusculas(estado + simbolo));
    if (it != indice.end()) return m_automata->Bloques[it->second];
  }
  return SinTransicion();
}

TLista TFuncion::Transicion(const TLista& bloque, std::string_view simbolo) const {
  const std::size_t filaIndice = IndiceBloque(bloque);
  const std::size_t columna = IndiceSimbolo(simbolo);
  if (filaIndice >= m_transiciones.size() || columna >= m_transiciones[filaIndice].size())
    throw TErrorInterno(kCeldaInexistente);
  return m_transiciones[filaIndice][columna];
}

std::size_t TFuncion::IndiceBloque(const TLista& bloque) const {
  const auto [desde, hasta] = m_filaDeBloque.equal_range(THashBloque{}(bloque));
  for (auto it = desde; it != hasta; ++it)
    if (m_bloques[it->second] == bloque) return it->second;
  throw TErrorInterno(kBloqueDesconocido);
}

std::size_t TFuncion::IndiceSimbolo(std::string_view simbolo) const {
  const auto indice = m_alfabeto.IndiceDe(simbolo);
  if (!indice) throw TErrorInterno(kSimboloDesconocido);
  return *indice;
}

void TFuncion::AnadirBloque(const TLista& bloque) {
  // Rows computed by CargarTransiciones may lag behind keys only during construction.
  m_transiciones.resize(m_bloques.size());
  AnadirClave(bloque);
  m_transiciones.push_back(NuevaFila());
}

void TFuncion::InsertarCelda(TLista destino, const TLista& bloque, std::string_view simbolo) {
  const std::size_t filaIndice = IndiceBloque(bloque);
  const std::size_t posicion = IndiceSimbolo(simbolo);
  if (filaIndice >= m_transiciones.size()) m_transiciones.resize(filaIndice + 1);
  TFila& fila = m_transiciones[filaIndice];
  fila.insert(fila.begin() + static_cast<std::ptrdiff_t>(std::min(posicion, fila.size())), std::move(destino));
}

void TFuncion::PonerTransicion(const TLista& destino, const TLista& bloque, std::string_view simbolo) {
  InsertarCelda(destino, bloque, simbolo);
}

void TFuncion::CopiarTransicion(const TLista& bloque, const TLista& otro, std::string_view simbolo) {
  InsertarCelda(Transicion(otro, simbolo), bloque, simbolo);
}

void TFuncion::UnirTransiciones(const TLista& bloque, const TLista& otro1, const TLista& otro2,
                                std::string_view simbolo) {
  TLista primeros = Transicion(otro1, simbolo);
  InsertarCelda(Unir(primeros, Transicion(otro2, simbolo)), bloque, simbolo);
}

TLista TFuncion::BloqueDeEstado(std::string_view estado) const {
  const auto it = m_filaDeEstado.find(AMinusculas(estado));
  return it == m_filaDeEstado.end() ? TLista{} : m_bloques[it->second];
}

bool TFuncion::ContieneFinal(const TLista& bloque) const {
  return std::any_of(bloque.begin(), bloque.end(),
                     [&](const std::string& estado) { return m_automata->Finales.EsMiembro(estado); });
}

bool TFuncion::Acepta(std::string_view cadena) const {
  TLista actual = BloqueDeEstado("");
  if (actual.empty()) return false;  // no row holds the initial state
  for (char c : cadena) {
    actual = Transicion(actual, std::string_view(&c, 1));
    if (EsSinTransicion(actual)) return false;
  }
  return ContieneFinal(actual);
}
