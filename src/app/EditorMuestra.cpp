// TEditorMuestra: the sample editor's list of examples.
#include "app/EditorMuestra.h"

#include <algorithm>

#include "core/Texto.h"

namespace {

TLista::iterator Buscar(TLista& lista, const std::string& texto) {
  return std::find_if(lista.begin(), lista.end(),
                      [&](const std::string& e) { return IgualesSinMayusculas(e, texto); });
}

}  // namespace

void TEditorMuestra::FormShow() { BotonCancelarClick(); }

void TEditorMuestra::PonerLinea(const std::string& texto) {
  m_linea = texto.substr(0, kLongitudMaxima);
  m_aviso = texto.size() > kLongitudMaxima
                ? "Se ha cortado a " + std::to_string(kLongitudMaxima) + " caracteres"
                : std::string();
}

void TEditorMuestra::ElegirEntrada(std::size_t indice) {
  if (indice < m_entradas.size()) m_linea = m_entradas[indice];
}

bool TEditorMuestra::BotonInsertarClick() {
  const auto igual = m_linea.empty() ? m_entradas.end() : Buscar(m_entradas, m_linea);
  m_aviso = igual != m_entradas.end() ? *igual + " ya est\xE1 en la muestra" : std::string();
  const bool anadir = !m_linea.empty() && igual == m_entradas.end();
  if (anadir) m_entradas.push_back(m_linea);
  m_linea.clear();
  return anadir;
}

bool TEditorMuestra::BotonBorrarClick() {
  const auto encontrada = Buscar(m_entradas, m_linea);
  if (encontrada == m_entradas.end()) return false;
  m_entradas.erase(encontrada);
  return true;
}

void TEditorMuestra::BotonCancelarClick() {
  m_entradas.clear();
  m_linea.clear();
  m_aviso.clear();
}
