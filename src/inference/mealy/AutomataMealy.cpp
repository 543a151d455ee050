// TAutomataMealy: reads a situation/action sample line by line. Every pair line is
// registered (its symbol and its action under its situation) as soon as it is read; an
// empty line closes the open sequence, which becomes tokens for the Mealy-mode acceptor
// and one concatenated string of pair symbols. Membership in the lists is tested through
// hash indexes on the lower-cased text, which gives the case-insensitive test of the
// text lists without scanning them.
#include "inference/mealy/AutomataMealy.h"

#include <algorithm>
#include <stdexcept>

#include "core/Texto.h"
#include "core/Utilidades.h"
#include "inference/mealy/ParSA.h"

void TAutomataMealy::LeerMuestra(const TLista& muestra, TLista& cadenasSA) {
  if (const std::size_t mala = PrimeraLineaIncorrecta(muestra))
    throw std::invalid_argument("situation/action sample: line " + std::to_string(mala) + " is no pair line");
  TLista abierta;
  for (const auto& linea : muestra) {
    if (linea.empty()) {
      CerrarSecuencia(abierta, cadenasSA);
      abierta.clear();
    } else {
      abierta.push_back(linea);
      RegistrarPar(linea);
    }
  }
}

void TAutomataMealy::AnadirFinDeMuestra() {
  m_pares.push_back("$");
  m_tokens.push_back("$");
}

int TAutomataMealy::MaximoPares() const {
  int maximo = 0;
  int cuenta = 0;
  for (const auto& token : m_tokens) {
    if (token == "*") {
      maximo = std::max(maximo, cuenta);
      cuenta = 0;
    } else if (token == "/") {
      ++cuenta;
    }
  }
  return maximo;
}

std::vector<TLista> TAutomataMealy::GruposDeConflicto() const {
  std::vector<TLista> grupos;
  for (std::size_t i = 0; i < m_situaciones.size(); ++i)
    if (m_accionesPorSituacion[i].size() > 1)
      grupos.push_back(ParesDeSituacion(m_situaciones[i], m_accionesPorSituacion[i]));
  return grupos;
}

void TAutomataMealy::RegistrarPar(const std::string& linea) {
  const std::string par = QuitarBlancosYBarras(linea);
  std::string situacion;
  std::string accion;
  PartirEnA(par, situacion, accion);
  if (par == kParNulo) return;
  AnadirPar(par);
  AnadirAccion(situacion, accion);
}

void TAutomataMealy::CerrarSecuencia(const TLista& lineas, TLista& cadenasSA) {
  std::string cadena;
  for (const auto& linea : lineas) {
    const std::string par = QuitarBlancosYBarras(linea);
    cadena += par;
    AnadirToken(par);
    if (cadena == kParNulo) cadena.clear();
  }
  m_tokens.push_back("*");
  cadenasSA.push_back(std::move(cadena));
}

void TAutomataMealy::AnadirPar(const std::string& par) {
  if (m_indicePares.try_emplace(AMinusculas(par), m_pares.size()).second) m_pares.push_back(par);
}

void TAutomataMealy::AnadirToken(const std::string& par) {
  m_tokens.push_back(par == kParNulo ? std::string() : par);
  m_tokens.push_back("/");
}

void TAutomataMealy::AnadirAccion(const std::string& situacion, const std::string& accion) {
  const auto [it, nueva] = m_indiceSituaciones.try_emplace(AMinusculas(situacion), m_situaciones.size());
  if (nueva) {
    m_situaciones.push_back(situacion);
    m_accionesPorSituacion.push_back(ConjuntoUnitario(accion));
    return;
  }
  TLista& acciones = m_accionesPorSituacion[it->second];
  if (!EsMiembro(accion, acciones)) acciones.push_back(accion);
}

TLista TAutomataMealy::ParesDeSituacion(const std::string& situacion, const TLista& acciones) {
  TLista pares;
  pares.reserve(acciones.size());
  for (const auto& accion : acciones) pares.push_back(situacion + accion);
  return pares;
}
