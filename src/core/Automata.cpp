// TAutomata: the prefix-tree acceptor, a trie of symbol ids (first-child, next-sibling
// lists). A normal sample is walked one character at a time, keyed by lowercased
// characters, so building is linear in the sample's size and a state costs a few integers;
// a Mealy one is walked over the pair tokens of the Mealy sample model, each interned as its
// index in the alphabet, and each sequence written out is the line its names are read from.
#include "core/Automata.h"

#include <new>
#include <stdexcept>

#include <unistd.h>

#include "core/Cancelacion.h"
#include "core/Texto.h"

namespace {

const TParticion kSinBloques;

// The states' names as texts cost their lengths (the sum of the depths: quadratic in a long
// line) plus a string and an index entry each (kPorNombre). When that is more than the
// machine's memory, the list is refused at once as memory run out (std::bad_alloc), instead
// of filling the memory for minutes.
constexpr std::size_t kPorNombre = 64;

void ComprobarMemoriaDeNombres(std::size_t bytes) {
  const long paginas = ::sysconf(_SC_PHYS_PAGES);
  const long pagina = ::sysconf(_SC_PAGE_SIZE);
  if (paginas > 0 && pagina > 0 && bytes / static_cast<std::size_t>(pagina) > static_cast<std::size_t>(paginas))
    throw std::bad_alloc();
}

}  // namespace

TAutomata::TAutomata(TLista muestra, TConstruccion modo, const TLista& tokens, const TLista& pares)
    : m_bloquesIds(TBloquesIds{}) {
  if (modo == TConstruccion::Normal) {
    m_lineas = std::move(muestra);
    ConstruirTrie();
  } else {
    m_finalesPropias = std::move(muestra);
    ConstruirMealy(tokens, pares);
  }
  m_columnaDeSimbolo.resize(m_simbolos.size());
  m_simboloDeColumna.resize(m_simbolos.size());
  for (std::size_t a = 0; a < m_simbolos.size(); ++a) m_columnaDeSimbolo[a] = m_simboloDeColumna[a] = a;
}

const TListaIndexada& TAutomata::Finales() const {
  if (!m_finales) m_finales.emplace(LineasFinales());
  return *m_finales;
}

std::optional<std::vector<TIdEstado>> TAutomata::IdsDeFinales() const {
  const TLista& lineas = LineasFinales();
  if (m_estadoDeFinal.size() == lineas.size()) return m_estadoDeFinal;
  std::vector<TIdEstado> ids;
  ids.reserve(lineas.size());
  for (const auto& linea : lineas) {
    const auto id = IdDe(linea);
    if (!id) return std::nullopt;
    ids.push_back(*id);
  }
  return ids;
}

TIdEstado TAutomata::NuevoEstado(TIdEstado padre, std::uint32_t linea, std::uint32_t largo, std::uint32_t simbolo,
                                 bool exacto) {
  const auto id = static_cast<TIdEstado>(m_padre.size());
  m_padre.push_back(padre);
  m_primerHijo.push_back(kSinEstado);
  m_hermano.push_back(padre == kSinEstado ? kSinEstado : m_primerHijo[padre]);
  if (padre != kSinEstado) m_primerHijo[padre] = id;
  m_linea.push_back(linea);
  m_largo.push_back(largo);
  m_simbolo.push_back(simbolo);
  m_exacto.push_back(exacto ? 1 : 0);
  return id;
}

TIdEstado TAutomata::Hijo(TIdEstado estado, std::uint32_t simbolo) const {
  TIdEstado hijo = m_primerHijo[estado];
  while (hijo != kSinEstado && m_simbolo[hijo] != simbolo) hijo = m_hermano[hijo];
  return hijo;
}

void TAutomata::ConstruirTrie() {
  m_estadoDeFinal.reserve(m_lineas.size());
  // at most one state per character: the room is reserved, and only what is used is touched
  std::size_t caracteres = 1;
  for (const auto& linea : m_lineas) caracteres += linea.size();
  for (auto* v : {&m_padre, &m_primerHijo, &m_hermano, &m_linea, &m_largo, &m_simbolo}) v->reserve(caracteres);
  m_exacto.reserve(caracteres);
  m_simboloDeByte.assign(256, 0);
  NuevoEstado(kSinEstado, 0, 0, kSinSimboloPropio, true);
  for (std::size_t l = 0; l < m_lineas.size(); ++l) {
    ComprobarCancelacion();
    const std::string& linea = m_lineas[l];
    TIdEstado actual = 0;
    for (std::size_t i = 0; i < linea.size(); ++i) {
      const char c = linea[i];
      const auto minuscula = static_cast<unsigned char>(MinusculaDe(c));
      if (m_simboloDeByte[minuscula] == 0) {
        m_alfabeto.Anadir(std::string(1, c));
        m_simbolos.emplace_back(1, c);
        m_simboloDeByte[minuscula] = static_cast<std::uint16_t>(m_alfabeto.size());
      }
      const std::uint32_t simbolo = m_simboloDeByte[minuscula] - 1u;
      TIdEstado hijo = Hijo(actual, simbolo);
      if (hijo == kSinEstado) {
        // The new name is this line's prefix; it spells the parent's name followed by the
        // symbol's text when both were first written as here.
        const std::uint32_t lineaPadre = m_linea[actual];
        const bool exacto = (lineaPadre == l || linea.compare(0, i, m_lineas[lineaPadre], 0, i) == 0) &&
                            c == m_alfabeto[simbolo][0];
        hijo = NuevoEstado(actual, static_cast<std::uint32_t>(l), static_cast<std::uint32_t>(i + 1), simbolo, exacto);
      }
      actual = hijo;
    }
    m_estadoDeFinal.push_back(actual);
  }
}

void TAutomata::ConstruirMealy(const TLista& tokens, const TLista& pares) {
  for (const auto& par : pares) {
    m_alfabeto.Anadir(par);
    m_simbolos.push_back(par);
  }
  NuevoEstado(kSinEstado, 0, 0, kSinSimboloPropio, true);
  // each sequence is written out as a line, its tokens one after another
  TIdEstado actual = 0;
  bool abierta = false;
  for (const auto& token : tokens) {
    if (token == "$") {
      AnadirFinalesMealy();
      break;
    }
    if (token == "*") {
      actual = 0;
      abierta = false;
      continue;
    }
    if (token == "/" || token.empty()) continue;  // the null pair adds no symbol
    ComprobarCancelacion();
    const auto indice = m_alfabeto.IndiceDe(token);
    if (!indice) throw std::invalid_argument("Mealy acceptor: token \"" + token + "\" is no pair of the alphabet");
    const auto simbolo = static_cast<std::uint32_t>(*indice);
    if (!abierta) {
      m_lineas.emplace_back();
      abierta = true;
    }
    const auto l = static_cast<std::uint32_t>(m_lineas.size() - 1);
    std::string& linea = m_lineas.back();
    const std::size_t largoPadre = linea.size();
    linea += token;
    TIdEstado hijo = Hijo(actual, simbolo);
    if (hijo == kSinEstado) {
      const std::uint32_t lineaPadre = m_linea[actual];
      const bool exacto =
          (actual == 0 || lineaPadre == l || linea.compare(0, largoPadre, m_lineas[lineaPadre], 0, largoPadre) == 0) &&
          token == m_alfabeto[simbolo];
      hijo = NuevoEstado(actual, l, static_cast<std::uint32_t>(linea.size()), simbolo, exacto);
    }
    actual = hijo;
  }
}

void TAutomata::AnadirFinalesMealy() {
  for (const auto& final : *m_finalesPropias) {
    if (IdDe(final)) continue;
    const auto l = static_cast<std::uint32_t>(m_lineas.size());
    m_lineas.push_back(final);
    const auto largo = static_cast<std::uint32_t>(final.size());
    // a state followed by one symbol (the end marker, for SKR's marked sequences)
    bool enlazado = false;
    for (std::uint32_t a = 0; a < m_simbolos.size() && !enlazado; ++a) {
      const std::string& simbolo = m_simbolos[a];
      if (simbolo.size() > final.size() ||
          !IgualesSinMayusculas(std::string_view(final).substr(final.size() - simbolo.size()), simbolo))
        continue;
      const std::string_view resto = std::string_view(final).substr(0, final.size() - simbolo.size());
      const auto padre = IdDe(resto);
      if (!padre || Hijo(*padre, a) != kSinEstado) continue;
      const bool exacto = VistaNombre(*padre) == resto && final.ends_with(simbolo);
      NuevoEstado(*padre, l, largo, a, exacto);
      enlazado = true;
    }
    if (!enlazado) m_sinPadre.emplace(AMinusculas(final), NuevoEstado(kSinEstado, l, largo, kSinSimboloPropio, true));
  }
}

std::string_view TAutomata::VistaNombre(TIdEstado estado) const {
  if (m_largo[estado] == 0) return {};
  return std::string_view(m_lineas[m_linea[estado]]).substr(0, m_largo[estado]);
}

std::string TAutomata::Nombre(TIdEstado estado) const { return std::string(VistaNombre(estado)); }

void TAutomata::AnadirNombre(TIdEstado estado, std::string& destino) const { destino += VistaNombre(estado); }

std::optional<TIdEstado> TAutomata::IdDe(std::string_view nombre) const {
  if (m_simboloDeByte.empty()) return BuscarPorSimbolos(nombre);
  TIdEstado actual = 0;
  for (const char c : nombre) {
    const std::uint16_t simbolo = m_simboloDeByte[static_cast<unsigned char>(MinusculaDe(c))];
    if (simbolo == 0) return std::nullopt;
    actual = Hijo(actual, simbolo - 1u);
    if (actual == kSinEstado) return std::nullopt;
  }
  return actual;
}

std::optional<TIdEstado> TAutomata::BuscarPorSimbolos(std::string_view nombre) const {
  // depth-first over the children whose symbol text begins what is left of the name; with
  // pair symbols at most one child fits a whole name, so the walk rarely turns back
  struct TPunto {
    TIdEstado estado;
    std::size_t posicion;
    TIdEstado siguienteHijo;  // the next child to try
  };
  std::vector<TPunto> pila{{0, 0, m_primerHijo[0]}};
  while (!pila.empty()) {
    TPunto& punto = pila.back();
    if (punto.posicion == nombre.size()) return punto.estado;
    const std::string_view resto = nombre.substr(punto.posicion);
    TIdEstado hijo = punto.siguienteHijo;
    while (hijo != kSinEstado) {
      const std::string& simbolo = m_simbolos[m_simbolo[hijo]];
      if (!simbolo.empty() && simbolo.size() <= resto.size() &&
          IgualesSinMayusculas(resto.substr(0, simbolo.size()), simbolo))
        break;
      hijo = m_hermano[hijo];
    }
    if (hijo == kSinEstado) {
      pila.pop_back();
      continue;
    }
    punto.siguienteHijo = m_hermano[hijo];
    const std::size_t posicion = punto.posicion + m_simbolos[m_simbolo[hijo]].size();
    pila.push_back({hijo, posicion, m_primerHijo[hijo]});
  }
  if (const auto it = m_sinPadre.find(AMinusculas(std::string(nombre))); it != m_sinPadre.end()) return it->second;
  return std::nullopt;
}

TIdEstado TAutomata::Sucesor(TIdEstado estado, std::size_t simbolo) const {
  if (simbolo >= m_simboloDeColumna.size()) return kSinEstado;
  return Hijo(estado, static_cast<std::uint32_t>(m_simboloDeColumna[simbolo]));
}

std::vector<bool> TAutomata::EstadosFinales() const {
  std::vector<bool> finales(NumeroDeEstados(), false);
  if (m_estadoDeFinal.size() == LineasFinales().size()) {
    for (const TIdEstado id : m_estadoDeFinal) finales[id] = true;
    return finales;
  }
  for (const auto& final : LineasFinales())
    if (const auto id = IdDe(final)) finales[*id] = true;
  return finales;
}

const TListaIndexada& TAutomata::Estados() const {
  if (!m_estadosTexto) {
    TLista nombres;
    std::size_t bytes = 0;
    if (m_largos)
      for (const TIdEstado id : *m_largos) bytes += m_largo[id] + kPorNombre;
    else
      for (const auto largo : m_largo) bytes += largo + kPorNombre;
    ComprobarMemoriaDeNombres(bytes);
    if (m_largos) {
      nombres.reserve(m_largos->size());
      for (const TIdEstado id : *m_largos) nombres.push_back(Nombre(id));
    } else {
      nombres.reserve(NumeroDeEstados());
      for (TIdEstado id = 0; id < NumeroDeEstados(); ++id) nombres.push_back(Nombre(id));
    }
    m_estadosTexto.emplace(nombres);
  }
  return *m_estadosTexto;
}

const TParticion& TAutomata::Bloques() const {
  if (m_bloquesTexto) return *m_bloquesTexto;
  if (!m_bloquesIds) return kSinBloques;
  std::size_t bytes = 0;
  for (const auto& bloque : *m_bloquesIds)
    for (const TIdEstado id : bloque) bytes += m_largo[id] + kPorNombre;
  ComprobarMemoriaDeNombres(bytes);
  TParticion bloques;
  bloques.reserve(m_bloquesIds->size());
  for (const auto& bloque : *m_bloquesIds) {
    TLista nombres;
    nombres.reserve(bloque.size());
    for (const TIdEstado id : bloque) nombres.push_back(Nombre(id));
    bloques.push_back(std::move(nombres));
  }
  return m_bloquesTexto.emplace(std::move(bloques));
}

void TAutomata::PonerBloques(TParticion bloques) {
  // Kept as ids too when every item is a state's name spelt as the state is.
  TBloquesIds ids;
  ids.reserve(bloques.size());
  bool todos = true;
  for (const auto& bloque : bloques) {
    std::vector<TIdEstado>& fila = ids.emplace_back();
    fila.reserve(bloque.size());
    for (const auto& nombre : bloque) {
      const auto id = IdDe(nombre);
      if (!id || VistaNombre(*id) != nombre) {
        todos = false;
        break;
      }
      fila.push_back(*id);
    }
    if (!todos) break;
  }
  if (todos)
    m_bloquesIds = std::move(ids);
  else
    m_bloquesIds.reset();
  m_bloquesTexto = std::move(bloques);
}

void TAutomata::PonerBloquesIds(TBloquesIds bloques) {
  m_bloquesIds = std::move(bloques);
  m_bloquesTexto.reset();
}

void TAutomata::ResultadoKR(TBloquesIds bloques, const TLista& muestra, const std::string& marca) {
  PonerBloquesIds(std::move(bloques));
  PonerFinalesSinMarca(muestra, marca);
  QuitarSimbolo(marca);
}

void TAutomata::ResultadoKR(TParticion bloques, const TLista& muestra, const std::string& marca) {
  PonerBloques(std::move(bloques));
  PonerFinalesSinMarca(muestra, marca);
  QuitarSimbolo(marca);
}

void TAutomata::PonerFinalesSinMarca(const TLista& muestra, const std::string& marca) {
  // Each unmarked line ends one symbol above its marked line's state, when they match.
  const TLista& marcadas = LineasFinales();
  bool corresponden = m_estadoDeFinal.size() == marcadas.size() && muestra.size() == marcadas.size();
  for (std::size_t l = 0; corresponden && l < muestra.size(); ++l)
    corresponden = marcadas[l].size() == muestra[l].size() + marca.size() && marcadas[l].starts_with(muestra[l]) &&
                   marcadas[l].ends_with(marca) && m_estadoDeFinal[l] != 0;
  if (corresponden && marca.size() == 1)
    for (TIdEstado& id : m_estadoDeFinal) id = m_padre[id];
  else
    m_estadoDeFinal.clear();
  m_finalesPropias = muestra;
  m_finales.reset();
}

void TAutomata::QuitarSimbolo(const std::string& marca) {
  const auto i = m_alfabeto.IndiceDe(marca);
  if (!i) return;
  TLista alfabeto = m_alfabeto.Lista();
  alfabeto.erase(alfabeto.begin() + static_cast<std::ptrdiff_t>(*i));
  m_alfabeto = alfabeto;
  // the trie keeps the marker's transitions, which no column of the alphabet shows now
  m_simboloDeColumna.erase(m_simboloDeColumna.begin() + static_cast<std::ptrdiff_t>(*i));
  for (auto& columna : m_columnaDeSimbolo) {
    if (columna == *i)
      columna = kSinSimbolo;
    else if (columna != kSinSimbolo && columna > *i)
      --columna;
  }
}

void TAutomata::ResultadoKC(TBloquesIds bloques, std::vector<TIdEstado> largos) {
  PonerBloquesIds(std::move(bloques));
  m_largos = std::move(largos);
  m_estadosTexto.reset();
}

void TAutomata::ResultadoKC(TParticion bloques, const TLista& largos) {
  PonerBloques(std::move(bloques));
  std::vector<TIdEstado> ids;
  ids.reserve(largos.size());
  for (const auto& nombre : largos)
    if (const auto id = IdDe(nombre)) ids.push_back(*id);
  m_largos = std::move(ids);
  m_estadosTexto.reset();
}
