// TMaquinaMealy: the machine keeps its own copies of the sets it shows and refers to the
// acceptor's blocks. A hash index from each (lower-cased) state name to the blocks that
// hold it gives the target of a member and a symbol without scanning every block, so a
// transition cell costs one lookup per member of its block.
#include "inference/mealy/MaquinaMealy.h"

#include <algorithm>

#include "core/Funcion.h"
#include "core/Texto.h"
#include "core/Utilidades.h"
#include "inference/mealy/AutomataMealy.h"

namespace {

// Makes the table at least `filas` by `columnas`, keeping what it holds.
void Asegurar(TTablaTexto& rejilla, std::size_t filas, std::size_t columnas) {
  if (rejilla.Filas() < filas || rejilla.Columnas() < columnas)
    rejilla.Redimensionar(std::max(rejilla.Filas(), filas), std::max(rejilla.Columnas(), columnas));
}

}  // namespace

TMaquinaMealy::TMaquinaMealy(const TAutomata& automata, const TAutomataMealy& modelo,
                             const TFuncion& cociente)
    : m_finales(automata.Finales().Lista()),
      m_situaciones(modelo.Situaciones()),
      m_alfabeto(automata.Alfabeto().Lista()),
      m_bloques(&automata.Bloques()),
      m_bloqueDeEstado(automata.Bloques()) {
  // CargarAcciones
  for (const auto& acciones : modelo.AccionesPorSituacion())
    for (const auto& accion : acciones) m_acciones.AnadirSiNoEsta(accion);
  // CargarEstadoInicial
  m_estadoInicial = cociente.BloqueDeEstado("");
  // CopiarBloques: the blocks stay the acceptor's; only the index (m_bloqueDeEstado) is built.
}

std::string TMaquinaMealy::TextoEstadoInicial() const {
  const auto& bloques = *m_bloques;
  for (std::size_t n = 0; n < bloques.size(); ++n)
    if (bloques[n] == m_estadoInicial) return NombreBloque(n);
  return {};
}

std::string TMaquinaMealy::TextoEstadosFinales() const {
  std::string texto;
  const auto& bloques = *m_bloques;
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    const bool final = std::any_of(bloques[n].begin(), bloques[n].end(),
                                   [&](const std::string& estado) { return m_finales.EsMiembro(estado); });
    if (final) texto += "  " + NombreBloque(n);
  }
  return texto;
}

std::string TMaquinaMealy::TextoEstados() const {
  std::string texto;
  for (std::size_t n = 0; n < m_bloques->size(); ++n) texto += "  " + NombreBloque(n);
  return texto;
}

std::string TMaquinaMealy::DestinosMealy(std::size_t bloque, const std::string& simbolo) const {
  std::string texto;
  std::vector<std::size_t> nombrados;
  for (const auto& miembro : (*m_bloques)[bloque]) {
    const auto* bloques = m_bloqueDeEstado.BloquesDe(miembro + simbolo);
    if (bloques == nullptr) continue;
    for (const int b : *bloques) {
      const auto j = static_cast<std::size_t>(b);
      if (std::find(nombrados.begin(), nombrados.end(), j) != nombrados.end()) continue;
      nombrados.push_back(j);
      texto += NombreBloque(j);
    }
  }
  return texto;
}

void TMaquinaMealy::MostrarTransicionesMealy(TTablaTexto& rejilla) const {
  Asegurar(rejilla, m_bloques->size() + 1, m_alfabeto.size() + 1);
  for (std::size_t n = 0; n < m_bloques->size(); ++n)
    for (std::size_t c = 0; c < m_alfabeto.size(); ++c)
      rejilla.PonerCelda(n + 1, c + 1, DestinosMealy(n, m_alfabeto[c]));
}

void TMaquinaMealy::MostrarParesEnRejilla(TTablaTexto& rejilla) const {
  rejilla.Redimensionar(std::max<std::size_t>(rejilla.Filas(), 1), m_alfabeto.size() + 1);
  for (std::size_t c = 0; c < m_alfabeto.size(); ++c) {
    std::string situacion;
    std::string accion;
    PartirEnA(m_alfabeto[c], situacion, accion);
    rejilla.PonerCelda(0, c + 1, situacion + " / " + accion);
  }
  rejilla.PonerCelda(0, 0, m_alfabeto.empty() ? std::string() : rejilla.Celda(0, 1));
}

void TMaquinaMealy::MostrarEstadosMealy(TTablaTexto& rejilla) const {
  rejilla.Redimensionar(m_bloques->size() + 1, std::max<std::size_t>(rejilla.Columnas(), 1));
  for (std::size_t n = 0; n < m_bloques->size(); ++n) rejilla.PonerCelda(n + 1, 0, " " + NombreBloque(n));
}

TTablaTexto TMaquinaMealy::RejillaMealy() const {
  TTablaTexto rejilla;
  MostrarTransicionesMealy(rejilla);
  MostrarParesEnRejilla(rejilla);
  MostrarEstadosMealy(rejilla);
  return rejilla;
}
