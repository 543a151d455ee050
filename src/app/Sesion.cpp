// TSesion: sample kinds, variants, enabling rules and the viewer memo of the main window.
#include "app/Sesion.h"

#include <cassert>

#include "app/Interaccion.h"
#include "app/Muestra.h"

namespace {

constexpr std::array<TDatosTipoMuestra, 4> kDatosTipos = {{
    {"TipoM_Pos", "Positiva", "S+", "pos", 1},
    {"TipoM_Neg", "Negativa", "S-", "neg", 2},
    {"TipoM_Test", "Test", "S test", "tst", 3},
    {"TipoM_SA", "Situaci\xF3n/Acci\xF3n", "S/A", "sya", 4},
}};

constexpr std::array<TDatosVariante, 3> kDatosKR = {{
    {"TipoKR_N", "KR", "KR"},
    {"TipoKR_I", "KR incremental", "KR i"},
    {"TipoKR_E", "KR ejemplos negativos", "KR -"},
}};

constexpr std::array<TDatosVariante, 3> kDatosKC = {{
    {"TipoKC_N", "KC", "KC"},
    {"TipoKC_I", "KC incremental", "KC i"},
    {"TipoKC_E", "KC ejemplos negativos", "KC -"},
}};

constexpr std::array<TDatosBoton, 9> kDatosBotones = {{
    {"BotonAbrir", "Abrir archivo muestra", false, TAlgoritmo::IM1},
    {"BotonGuardar", "Guardar archivo muestra", false, TAlgoritmo::IM1},
    {"BotonVer", "Ver muestra actual", false, TAlgoritmo::IM1},
    {"BotonNueva", "Nueva muestra", false, TAlgoritmo::IM1},
    {"BotonIM1", "Ejecutar algoritmo", true, TAlgoritmo::IM1},
    {"BotonKR", "Ejecutar algoritmo", true, TAlgoritmo::KR},
    {"BotonKC", "Ejecutar algoritmo", true, TAlgoritmo::KC},
    {"BotonSKR", "Ejecutar algoritmo", true, TAlgoritmo::SKR},
    {"BotonSKC", "Ejecutar algoritmo", true, TAlgoritmo::SKC},
}};

template <typename E>
constexpr std::size_t Indice(E valor) {
  return static_cast<std::size_t>(valor);
}

}  // namespace

const TDatosTipoMuestra& DatosTipoMuestra(TTipoMuestra tipo) { return kDatosTipos.at(Indice(tipo)); }
const TDatosVariante& DatosVarianteKR(TVarianteKR variante) { return kDatosKR.at(Indice(variante)); }
const TDatosVariante& DatosVarianteKC(TVarianteKC variante) { return kDatosKC.at(Indice(variante)); }
const TDatosBoton& DatosBoton(TBotonPrincipal boton) { return kDatosBotones.at(Indice(boton)); }

TSesion::TSesion() : m_memo{kMemoSinMuestra} {}

void TSesion::Avisar() const {
  if (m_alCambiar) m_alCambiar();
}

void TSesion::ElegirTipo(TTipoMuestra tipo) {
  m_tipo = tipo;
  Avisar();
}

void TSesion::ElegirVarianteKR(TVarianteKR variante) {
  m_varianteKR = variante;
  Avisar();
}

void TSesion::ElegirVarianteKC(TVarianteKC variante) {
  m_varianteKC = variante;
  Avisar();
}

bool TSesion::Habilitado(TAlgoritmo algoritmo) const { return m_habilitado.at(Indice(algoritmo)); }

void TSesion::HabilitarOpciones() {
  if (MuestraPositiva.size() >= 2) {
    m_habilitado[Indice(TAlgoritmo::IM1)] = true;
    m_habilitado[Indice(TAlgoritmo::KR)] = true;
  }
  if (!MuestraPositiva.empty()) m_habilitado[Indice(TAlgoritmo::KC)] = true;
  Avisar();
}

void TSesion::HabilitarOpcionesSA() {
  m_habilitado[Indice(TAlgoritmo::SKR)] = true;
  m_habilitado[Indice(TAlgoritmo::SKC)] = true;
  Avisar();
}

std::string TSesion::CaptionBoton(TBotonPrincipal boton) const {
  switch (boton) {
    case TBotonPrincipal::BotonAbrir:
    case TBotonPrincipal::BotonGuardar:
    case TBotonPrincipal::BotonVer:
    case TBotonPrincipal::BotonNueva: return DatosTipoMuestra(m_tipo).captionBoton;
    case TBotonPrincipal::BotonIM1: return "IM1";
    case TBotonPrincipal::BotonKR: return DatosVarianteKR(m_varianteKR).captionBoton;
    case TBotonPrincipal::BotonKC: return DatosVarianteKC(m_varianteKC).captionBoton;
    case TBotonPrincipal::BotonSKR: return "SKR";
    case TBotonPrincipal::BotonSKC: return "SKC";
  }
  assert(false && "unknown main window button");
  return "";
}

bool TSesion::BotonHabilitado(TBotonPrincipal boton) const {
  const auto& datos = DatosBoton(boton);
  return !datos.esAlgoritmo || Habilitado(datos.algoritmo);
}

const TLista& TSesion::MuestraDelTipo(TTipoMuestra tipo) const {
  switch (tipo) {
    case TTipoMuestra::TipoM_Pos: return MuestraPositiva;
    case TTipoMuestra::TipoM_Neg: return MuestraNegativa;
    case TTipoMuestra::TipoM_Test: return MuestraTest;
    case TTipoMuestra::TipoM_SA: return MuestraSA;
  }
  assert(false && "unknown sample kind");
  return MuestraPositiva;
}

bool TSesion::SinGuardar(TTipoMuestra tipo) const { return m_sinGuardar.at(Indice(tipo)); }

const std::string& TSesion::ArchivoDelTipo(TTipoMuestra tipo) const { return m_archivos.at(Indice(tipo)); }

void TSesion::MarcarGuardada(TTipoMuestra tipo, std::string archivo) {
  m_sinGuardar.at(Indice(tipo)) = false;
  m_archivos.at(Indice(tipo)) = std::move(archivo);
  Avisar();
}

bool TSesion::HayMuestrasSinGuardar() const {
  for (bool sinGuardar : m_sinGuardar)
    if (sinGuardar) return true;
  return false;
}

void TSesion::MostrarMuestraActual() {
  MostrarMuestraDelTipo(m_tipo, m_memo);
  Avisar();
}

void TSesion::MostrarMuestraDelTipo(TTipoMuestra tipo, TLista& lineas) const {
  if (tipo == TTipoMuestra::TipoM_SA)
    MostrarValoresMuestraSA(MuestraSA, lineas);
  else
    MostrarValoresMuestra(MuestraDelTipo(tipo), lineas);
}

void TSesion::PonerMemo(TLista lineas) {
  m_memo = std::move(lineas);
  Avisar();
}

std::optional<TLista> TSesion::MuestraAGuardar() const {
  if (MuestraDelTipo(m_tipo).empty()) return std::nullopt;
  TLista lineas;
  MostrarMuestraDelTipo(m_tipo, lineas);
  return lineas;
}

bool TSesion::DarValoresSegunTipo(const TLista& lineas, TInteraccion& interaccion, const std::string& nombre,
                                  bool soloMarca) {
  switch (m_tipo) {
    case TTipoMuestra::TipoM_SA:
      CargarMuestraSA(MuestraSA, lineas);
      m_sinGuardar[Indice(m_tipo)] = true;
      m_archivos[Indice(m_tipo)].clear();
      MostrarMuestraActual();
      HabilitarOpcionesSA();
      return true;
    case TTipoMuestra::TipoM_Pos:
    case TTipoMuestra::TipoM_Neg:
    case TTipoMuestra::TipoM_Test:
      break;
  }
  if (!MuestraValida(lineas)) {
    interaccion.MensajeDetallado("Muestra No v\xE1lida", MotivoMuestraNoValida(lineas, nombre, soloMarca), TIcono::Error,
                                 TBotones::Ok);
    return false;
  }
  if (const std::size_t linea = LineaConCadenaVaciaDentro(lineas); linea != 0) {
    interaccion.Mensaje(MensajeCadenaVaciaDentro(linea, nombre), TIcono::Error, TBotones::Ok);
    return false;
  }
  switch (m_tipo) {
    case TTipoMuestra::TipoM_Pos: CargarMuestra(MuestraPositiva, lineas); break;
    case TTipoMuestra::TipoM_Neg: CargarMuestra(MuestraNegativa, lineas); break;
    case TTipoMuestra::TipoM_Test: CargarMuestra(MuestraTest, lineas); break;
    case TTipoMuestra::TipoM_SA: break;
  }
  m_sinGuardar[Indice(m_tipo)] = true;
  m_archivos[Indice(m_tipo)].clear();
  MostrarMuestraActual();
  if (m_tipo == TTipoMuestra::TipoM_Pos) HabilitarOpciones();
  return true;
}
