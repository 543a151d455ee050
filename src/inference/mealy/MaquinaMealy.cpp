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

std::string NombreQ(std::size_t n) { return "q" + std::to_string(n); }

// Makes the table at least `filas` by `columnas`, keeping what it holds.
void Asegurar(TTablaTexto& rejilla, std::size_t filas, std::size_t columnas) {
  if (rejilla.Filas() < filas || rejilla.Columnas() < columnas)
    rejilla.Redimensionar(std::max(rejilla.Filas(), filas), std::max(rejilla.Columnas(), columnas));
}

}  // namespace

TMaquinaMealy::TMaquinaMealy(const TAutomata& automata, const TAutomataMealy& modelo,
                             const TFuncion& cociente)
    : m_finales(automata.Finales.Lista()),
      m_situaciones(modelo.Situaciones()),
      m_alfabeto(automata.Alfabeto.Lista()),
      m_bloques(&automata.Bloques) {
  // CargarAcciones
  for (const auto& acciones : modelo.AccionesPorSituacion())
    for (const auto& accion : acciones) m_acciones.AnadirSiNoEsta(accion);
  // CargarEstadoInicial
  m_estadoInicial = cociente.BloqueDeEstado("");
  // CopiarBloques: the blocks stay the acceptor's; only the index is built here.
  for (std::size_t j = 0; j < m_bloques->size(); ++j)
    for (const auto& estado : (*m_bloques)[j]) {
      auto& bloques = m_bloqueDeEstado[AMinusculas(estado)];
      if (bloques.empty() || bloques.back() != j) bloques.push_back(j);
    }
}

std::string TMaquinaMealy::TextoEstadoInicial() const {
  const auto& bloques = *m_bloques;
  for (std::size_t n = 0; n < bloques.size(); ++n)
    if (bloques[n] == m_estadoInicial) return NombreQ(n);
  return {};
}

std::string TMaquinaMealy::TextoEstadosFinales() const {
  std::string texto;
  const auto& bloques = *m_bloques;
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    const bool final = std::any_of(bloques[n].begin(), bloques[n].end(),
                                   [&](const std::string& estado) { return m_finales.EsMiembro(estado); });
    if (final) texto += "  " + NombreQ(n);
  }
  return texto;
}

std::string TMaquinaMealy::TextoEstados() const {
  std::string texto;
  for (std::size_t n = 0; n < m_bloques->size(); ++n) texto += "  " + NombreQ(n);
  return texto;
}

std::string TMaquinaMealy::DestinosMealy(std::size_t bloque, const std::string& simbolo) const {
  std::string texto;
  std::vector<std::size_t> nombrados;
  for (const auto& miembro : (*m_bloques)[bloque]) {
    const auto it = m_bloqueDeEstado.find(AMinusculas(miembro + simbolo));
    if (it == m_bloqueDeEstado.end()) continue;
    for (std::size_t j : it->second) {
      if (std::find(nombrados.begin(), nombrados.end(), j) != nombrados.end()) continue;
      nombrados.push_back(j);
      texto += NombreQ(j);
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
  for (std::size_t n = 0; n < m_bloques->size(); ++n) rejilla.PonerCelda(n + 1, 0, " " + NombreQ(n));
}

TTablaTexto TMaquinaMealy::RejillaMealy() const {
  TTablaTexto rejilla;
  MostrarTransicionesMealy(rejilla);
  MostrarParesEnRejilla(rejilla);
  MostrarEstadosMealy(rejilla);
  return rejilla;
}
