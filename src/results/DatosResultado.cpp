// DatosResultado: an index from each state to the blocks that hold it gives the target
// lists and the initial block; the texts and the table are written from the lists.
#include "results/DatosResultado.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "core/Automata.h"
#include "core/IndiceParticion.h"
#include "core/Utilidades.h"
#include "results/RejillaAceptor.h"

bool TDatosResultado::EsDeterminista() const {
  for (const auto& fila : TablaDestinos)
    for (const auto& destino : fila)
      if (destino.size() > 1) return false;
  return true;
}

TLista TDatosResultado::TextosDestino(int bloque, int simbolo) const {
  TLista textos;
  for (int n : TablaDestinos[static_cast<std::size_t>(bloque)][static_cast<std::size_t>(simbolo)])
    textos.push_back(std::to_string(n));
  return textos;
}

namespace {

// Writes pieces of a text into `destino`, handing them on whenever 64 KB gather.
class TTrozos {
 public:
  explicit TTrozos(const std::function<void(std::string_view)>& destino) : m_destino(destino) {}
  ~TTrozos() { Vaciar(); }
  std::string& Texto() { return m_texto; }
  void Quizas() {
    if (m_texto.size() >= (1u << 16)) Vaciar();
  }
  void Vaciar() {
    if (!m_texto.empty()) m_destino(m_texto);
    m_texto.clear();
  }

 private:
  const std::function<void(std::string_view)>& m_destino;
  std::string m_texto;
};

// "q"+n+" = "+the set text of block n, the empty name written "&".
void EscribirTextoEstado(const TAutomata& automata, std::size_t n, TTrozos& trozos) {
  std::string& t = trozos.Texto();
  t += NombreBloque(n);
  t += " = ";
  std::size_t miembros = 0;
  const auto miembro = [&](std::string_view nombre) {
    t += miembros++ == 0 ? "{ " : ", ";
    if (nombre.empty())
      t += '&';
    else
      t += nombre;
    trozos.Quizas();
  };
  if (const TBloquesIds* ids = automata.IdsDeBloques())
    for (const TIdEstado id : (*ids)[n]) miembro(automata.VistaNombre(id));
  else
    for (const auto& nombre : automata.Bloques()[n]) miembro(nombre);
  t += miembros == 0 ? "{}" : " }";
}

std::size_t NumeroDeBloques(const TAutomata& automata) {
  const TBloquesIds* ids = automata.IdsDeBloques();
  return ids ? ids->size() : automata.Bloques().size();
}

// The window's three texts, each handed to `destino` in pieces.
void EscribirInicial(const TAutomata& automata, const TDatosResultado& datos,
                     const std::function<void(std::string_view)>& destino) {
  if (datos.BloqueInicial < 0) return;
  TTrozos trozos(destino);
  EscribirTextoEstado(automata, static_cast<std::size_t>(datos.BloqueInicial), trozos);
}

void EscribirFinales(const TAutomata& automata, const TDatosResultado& datos,
                     const std::function<void(std::string_view)>& destino) {
  TTrozos trozos(destino);
  for (const int n : datos.BloquesFinales) {
    trozos.Texto() += "  ";
    EscribirTextoEstado(automata, static_cast<std::size_t>(n), trozos);
  }
}

void EscribirEstados(const TAutomata& automata, const std::function<void(std::string_view)>& destino) {
  TTrozos trozos(destino);
  for (std::size_t n = 0; n < NumeroDeBloques(automata); ++n) {
    trozos.Texto() += "  ";
    EscribirTextoEstado(automata, n, trozos);
  }
}

// Blocks, finals, initial block and target lists of a partition given as state ids, all
// read off the trie.
void DestinosEnTrie(const TAutomata& automata, const TBloquesIds& bloques, TDatosResultado& datos) {
  const std::size_t simbolos = automata.Alfabeto().size();
  // the first block of each state; the rare states in more than one block keep them all
  std::vector<int> bloqueDe(automata.NumeroDeEstados(), -1);
  std::unordered_map<TIdEstado, std::vector<int>> variosBloques;
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    for (const TIdEstado id : bloques[n]) {
      const int b = static_cast<int>(n);
      if (bloqueDe[id] < 0) {
        bloqueDe[id] = b;
        continue;
      }
      auto [it, nuevo] = variosBloques.try_emplace(id, std::vector<int>{bloqueDe[id]});
      if (it->second.back() != b) it->second.push_back(b);
    }
  }
  const auto paraCadaBloque = [&](TIdEstado id, auto f) {
    if (bloqueDe[id] < 0) return;
    if (const auto it = variosBloques.find(id); it != variosBloques.end()) {
      for (const int b : it->second) f(b);
    } else {
      f(bloqueDe[id]);
    }
  };

  if (automata.NumeroDeEstados() > 0 && bloqueDe[0] >= 0) datos.BloqueInicial = bloqueDe[0];
  const std::vector<bool> finales = automata.EstadosFinales();
  for (std::size_t n = 0; n < bloques.size(); ++n)
    if (std::any_of(bloques[n].begin(), bloques[n].end(), [&](TIdEstado id) { return finales[id]; }))
      datos.BloquesFinales.push_back(static_cast<int>(n));

  // marca[d * simbolos + c] == n + 1 when block d is already in the list of (n, c)
  std::vector<std::uint32_t> marca(bloques.size() * simbolos, 0);
  datos.TablaDestinos.resize(bloques.size());
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    auto& fila = datos.TablaDestinos[n];
    fila.resize(simbolos);
    const auto sello = static_cast<std::uint32_t>(n + 1);
    for (const TIdEstado miembro : bloques[n]) {
      automata.ParaCadaSucesor(miembro, [&](std::size_t c, TIdEstado hijo) {
        paraCadaBloque(hijo, [&](int d) {
          std::uint32_t& m = marca[static_cast<std::size_t>(d) * simbolos + c];
          if (m == sello) return;
          m = sello;
          fila[c].push_back(d);
        });
      });
    }
  }
}

// The same over the names of the states (a partition given as texts that are not all names).
void DestinosPorNombres(const TAutomata& automata, TDatosResultado& datos) {
  const TParticion& bloques = automata.Bloques();
  const TLista& alfabeto = automata.Alfabeto();
  const TIndiceParticion indice(bloques);
  auto bloquesDeEstado = [&](const std::string& estado) { return indice.BloquesDe(estado); };

  if (const auto* inicial = bloquesDeEstado("")) datos.BloqueInicial = inicial->front();
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    for (const auto& estado : bloques[n]) {
      if (automata.Finales().EsMiembro(estado)) {
        datos.BloquesFinales.push_back(static_cast<int>(n));
        break;
      }
    }
  }

  // Stamp per block: marca[n] == sello when n is already in the target list being built.
  std::vector<std::size_t> marca(bloques.size(), 0);
  std::size_t sello = 0;
  datos.TablaDestinos.resize(bloques.size());
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    auto& fila = datos.TablaDestinos[n];
    fila.resize(alfabeto.size());
    for (std::size_t c = 0; c < alfabeto.size(); ++c) {
      ++sello;
      for (const auto& miembro : bloques[n]) {
        const auto* destinos = bloquesDeEstado(miembro + alfabeto[c]);
        if (destinos == nullptr) continue;
        for (int d : *destinos) {
          if (marca[static_cast<std::size_t>(d)] == sello) continue;
          marca[static_cast<std::size_t>(d)] = sello;
          fila[c].push_back(d);
        }
      }
    }
  }
}

}  // namespace

TDatosResultado CalcularDatosResultado(const TAutomata& automata, bool conTextos) {
  TDatosResultado datos;
  const TLista& alfabeto = automata.Alfabeto();
  datos.Alfabeto = ConjuntoATexto(alfabeto);
  const TBloquesIds* ids = automata.IdsDeBloques();
  if (ids)
    DestinosEnTrie(automata, *ids, datos);
  else
    DestinosPorNombres(automata, datos);
  const std::size_t bloques = datos.TablaDestinos.size();

  datos.ConTextos = conTextos;
  if (conTextos) {
    EscribirInicial(automata, datos, [&](std::string_view t) { datos.Einicial += t; });
    EscribirFinales(automata, datos, [&](std::string_view t) { datos.Efinales += t; });
    EscribirEstados(automata, [&](std::string_view t) { datos.Estados += t; });
  }

  MostrarAlfabetoEnRejilla(automata, datos.Tabla);
  datos.Tabla.PonerFilas(bloques + 1);
  for (std::size_t n = 0; n < bloques; ++n) {
    std::string cabecera = " ";
    cabecera += NombreBloque(n);
    datos.Tabla.PonerCelda(n + 1, 0, std::move(cabecera));
    for (std::size_t c = 0; c < alfabeto.size(); ++c) {
      std::string celda;
      for (int d : datos.TablaDestinos[n][c]) {  // ListaConBlancos of the target names
        celda += NombreBloque(d);
        celda += ' ';
      }
      datos.Tabla.PonerCelda(n + 1, c + 1, std::move(celda));
    }
  }
  return datos;
}

void EmitirTextosEstados(const TAutomata* automata, const TDatosResultado& datos, const std::string& cabeceraInicial,
                         const std::string& cabeceraFinales, const std::string& cabeceraEstados,
                         const TSalidaLineas& salida) {
  if (datos.ConTextos) {
    salida(cabeceraInicial + datos.Einicial);
    salida(cabeceraFinales + datos.Efinales);
    salida(cabeceraEstados + datos.Estados);
    return;
  }
  assert(automata != nullptr && "texts left out need the automaton to write them");
  const std::function<void(std::string_view)> trozo = [&](std::string_view t) { salida.Trozo(t); };
  salida.Trozo(cabeceraInicial);
  EscribirInicial(*automata, datos, trozo);
  salida(std::string());
  salida.Trozo(cabeceraFinales);
  EscribirFinales(*automata, datos, trozo);
  salida(std::string());
  salida.Trozo(cabeceraEstados);
  EscribirEstados(*automata, trozo);
  salida(std::string());
}
