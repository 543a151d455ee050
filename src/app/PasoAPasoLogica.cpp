// TFpasoAPasoLogica: the partitions of every step are computed once from the trace; the
// colours and the quotient of a step are read off its partition when the window asks.
#include "app/PasoAPasoLogica.h"

#include <algorithm>
#include <optional>
#include <set>
#include <unordered_map>

#include "app/ErrorInternoEnCaja.h"
#include "app/Interaccion.h"
#include "app/TextosProgreso.h"
#include "core/Utilidades.h"
#include "diagram/DiagramaDeAutomata.h"
#include "results/DatosResultado.h"

namespace {

using TConjuntos = std::set<std::set<std::string>>;

TConjuntos Conjuntos(const TParticion& bloques) {
  TConjuntos conjuntos;
  for (const auto& bloque : bloques) conjuntos.insert(std::set<std::string>(bloque.begin(), bloque.end()));
  return conjuntos;
}

// A state as the trace names it, as the acceptor names it.
std::string Estado(const std::string& enTraza) { return enTraza == kPalabraVaciaTraza ? std::string() : enTraza; }

// The position in `bloques` of the block holding `estado`; bloques.size() if none.
std::size_t BloqueDe(const TParticion& bloques, const std::string& estado) {
  for (std::size_t b = 0; b < bloques.size(); ++b)
    if (std::find(bloques[b].begin(), bloques[b].end(), estado) != bloques[b].end()) return b;
  return bloques.size();
}

// A pair symbol as the Mealy window writes it: "S1 / A2".
std::string TextoPar(const std::string& simbolo) {
  if (simbolo.size() < 2 || simbolo.front() != 'S' || simbolo.find('A') == std::string::npos) return simbolo;
  std::string situacion, accion;
  PartirEnA(simbolo, situacion, accion);
  return situacion + " / " + accion;
}

void EtiquetasMealy(TDiagrama& diagrama) {
  diagrama.paresSA = true;
  for (auto& arista : diagrama.transiciones) {
    arista.etiqueta.clear();
    for (const auto& simbolo : arista.simbolos)
      arista.etiqueta += (arista.etiqueta.empty() ? "" : ", ") + TextoPar(simbolo);
  }
}

}  // namespace

TFpasoAPasoLogica::TFpasoAPasoLogica(TRepeticion repeticion, const std::string& caption)
    : m_caption(std::string(kCaption) + ": " + caption), m_repeticion(std::move(repeticion)) {
  const TAutomata& aceptor = *m_repeticion.Aceptor;
  m_estados = aceptor.Estados().Lista();
  m_aceptor = ::DiagramaAceptor(aceptor, m_repeticion.MarcaKR);
  if (m_repeticion.Mealy) EtiquetasMealy(m_aceptor);
  m_bloquesResultado = m_repeticion.Resultado->Bloques();
  for (const auto& bloque : m_bloquesResultado) m_estadosResultado.insert(m_estadosResultado.end(), bloque.begin(), bloque.end());
  std::sort(m_estadosResultado.begin(), m_estadosResultado.end());
  for (std::size_t i = 0; i < m_estados.size(); ++i) m_indice.emplace(m_estados[i], i);
  m_particion = ParticionUnitaria(m_estados);
  // every step's sentence from the partition before it, in one replay
  m_frases.reserve(m_repeticion.Pasos.size());
  m_cambia.reserve(m_repeticion.Pasos.size());
  for (; m_actual < UltimoPaso(); ++m_actual) {
    const TFusionTrazada& fusion = m_repeticion.Pasos[m_actual];
    m_frases.push_back(FraseDeCausa(fusion, m_repeticion.K, [&](const std::string& enTraza) {
      return BloqueEnCociente(m_particion, Estado(enTraza));
    }));
    bool cambia = true;
    for (const std::string* estado : {&fusion.Primero, &fusion.Segundo}) {
      const std::size_t b = BloqueDe(m_particion, Estado(*estado));
      cambia = cambia && b < m_particion.size() &&
               std::any_of(m_particion[b].begin(), m_particion[b].end(), [&](const std::string& e) { return EnResultado(e); });
    }
    m_cambia.push_back(cambia ? 1 : 0);
    if (m_actual + 1 == UltimoPaso()) m_antes = m_particion;
    AplicarFusion(m_particion, fusion);
  }
  m_llega = CalcularLlegada();
  Mover(0);
}

bool TFpasoAPasoLogica::EnResultado(const std::string& estado) const {
  return std::binary_search(m_estadosResultado.begin(), m_estadosResultado.end(), estado);
}

std::string TFpasoAPasoLogica::BloqueEnCociente(const TParticion& particion, const std::string& estado) const {
  const std::size_t b = BloqueDe(particion, estado);
  if (b == particion.size()) return std::string();
  // a block's place in the quotient: among the blocks with states drawn, by their first state
  const auto primero = [&](const TLista& bloque) {
    std::size_t menor = m_indice.size();
    bool dibujado = false;
    for (const auto& e : bloque) {
      if (!EnResultado(e)) continue;
      dibujado = true;
      if (const auto i = m_indice.find(e); i != m_indice.end()) menor = std::min(menor, i->second);
    }
    return dibujado ? std::optional<std::size_t>(menor) : std::nullopt;
  };
  const auto propio = primero(particion[b]);
  if (!propio) {
    TLista nombres;
    for (const auto& e : particion[b]) nombres.push_back(NombreEnTraza(e));
    return ConjuntoATexto(nombres);
  }
  std::size_t numero = 0;
  for (std::size_t c = 0; c < particion.size(); ++c)
    if (const auto otro = primero(particion[c]); c != b && otro && (*otro < *propio || (*otro == *propio && c < b))) ++numero;
  TLista dibujados;
  for (const auto& e : particion[b])
    if (EnResultado(e)) dibujados.push_back(e);
  return TextoBloque(numero, dibujados);
}

bool TFpasoAPasoLogica::CalcularLlegada() const {
  TParticion ultima;
  for (const auto& bloque : m_particion) {
    TLista enResultado;
    for (const auto& estado : bloque)
      if (std::binary_search(m_estadosResultado.begin(), m_estadosResultado.end(), estado))
        enResultado.push_back(estado);
    if (!enResultado.empty()) ultima.push_back(std::move(enResultado));
  }
  return Conjuntos(ultima) == Conjuntos(m_bloquesResultado);
}

void TFpasoAPasoLogica::Mover(std::size_t paso) {
  if (paso < m_actual) {
    m_particion = ParticionUnitaria(m_estados);
    m_antes.clear();
    m_actual = 0;
  }
  for (; m_actual < paso; ++m_actual) {
    if (m_actual + 1 == paso) m_antes = m_particion;
    AplicarFusion(m_particion, m_repeticion.Pasos[m_actual]);
  }
}

void TFpasoAPasoLogica::Ir(std::size_t paso) {
  m_reproduciendo = false;
  Mover(std::min(paso, UltimoPaso()));
}

void TFpasoAPasoLogica::BotonPrimeroClick() { Ir(0); }
void TFpasoAPasoLogica::BotonAnteriorClick() { Ir(m_actual == 0 ? 0 : m_actual - 1); }
void TFpasoAPasoLogica::BotonSiguienteClick() { Ir(m_actual + 1); }
void TFpasoAPasoLogica::BotonUltimoClick() { Ir(UltimoPaso()); }
void TFpasoAPasoLogica::ElegirPaso(std::size_t paso) { Ir(paso); }

void TFpasoAPasoLogica::BotonReproducirClick() {
  if (m_reproduciendo) {
    m_reproduciendo = false;
    return;
  }
  if (m_actual == UltimoPaso()) Mover(0);
  m_reproduciendo = m_actual < UltimoPaso();
}

void TFpasoAPasoLogica::Tic() {
  if (!m_reproduciendo) return;
  if (m_actual < UltimoPaso()) Mover(m_actual + 1);
  if (m_actual == UltimoPaso()) m_reproduciendo = false;
}

std::string TFpasoAPasoLogica::TextoReproducir() const { return m_reproduciendo ? "Pausa" : "Reproducir"; }

void TFpasoAPasoLogica::PonerVelocidad(int velocidad) {
  m_velocidad = std::clamp(velocidad, kVelocidadMinima, kVelocidadMaxima);
}

int TFpasoAPasoLogica::IntervaloMs() const {
  static constexpr int kIntervalos[] = {2000, 1300, 800, 450, 200};
  return kIntervalos[m_velocidad - kVelocidadMinima];
}

std::string TFpasoAPasoLogica::TextoPaso() const {
  std::string texto = "Paso " + std::to_string(m_actual) + " de " + std::to_string(UltimoPaso()) + ": ";
  if (m_actual == 0)
    texto += "aceptor de prefijos";
  else
    texto += "se unen " + FusionActual().Primero + " y " + FusionActual().Segundo;
  // the blocks the quotient draws: KR's end-marked states stay out of it
  const std::size_t bloques = BloquesCociente().size();
  return texto + " (" + std::to_string(bloques) + (bloques == 1 ? " bloque)" : " bloques)");
}

std::string TFpasoAPasoLogica::FraseDePaso(std::size_t paso) const {
  if (paso == 0) return "Cada estado del aceptor de prefijos forma su propio bloque.";
  const std::size_t i = std::min(paso, UltimoPaso()) - 1;
  std::string frase = "Causa: " + m_frases[i] + ".";
  if (!m_cambia[i])
    frase += m_repeticion.MarcaKR ? " El cociente no cambia: los ejemplos marcados con $ no forman parte del resultado."
                                  : " El cociente no cambia: un bloque unido no forma parte del resultado.";
  return frase;
}

std::string TFpasoAPasoLogica::ReglaDePaso(std::size_t paso) const {
  if (paso == 0) return std::string();
  return NombreRegla(m_repeticion.Pasos[std::min(paso, UltimoPaso()) - 1].Detalle.Regla);
}

bool TFpasoAPasoLogica::CambiaCociente(std::size_t paso) const {
  return paso == 0 || m_cambia[std::min(paso, UltimoPaso()) - 1] != 0;
}

TLista TFpasoAPasoLogica::ListaPasos() const {
  TLista lineas{"0. Aceptor de prefijos"};
  for (std::size_t i = 0; i < m_repeticion.Pasos.size(); ++i) {
    const TFusionTrazada& fusion = m_repeticion.Pasos[i];
    lineas.push_back(std::to_string(i + 1) + ". " + fusion.Primero + " y " + fusion.Segundo + ": " + fusion.Causa);
  }
  return lineas;
}

std::vector<int> TFpasoAPasoLogica::ColoresBloques() const {
  std::vector<int> colores;
  for (const auto& bloque : m_particion) {
    int color = -1;
    if (bloque.size() > 1)
      for (const auto& estado : bloque)
        if (const auto i = m_indice.find(estado); i != m_indice.end())
          color = color < 0 ? static_cast<int>(i->second) : std::min(color, static_cast<int>(i->second));
    colores.push_back(color);
  }
  return colores;
}

std::vector<TAspectoEstado> TFpasoAPasoLogica::AspectoAceptor() const {
  std::vector<TAspectoEstado> aspecto(m_indice.size());
  const TParticion& bloques = Particion();
  const std::vector<int> colores = ColoresBloques();
  for (std::size_t b = 0; b < bloques.size(); ++b)
    for (const auto& estado : bloques[b])
      if (const auto i = m_indice.find(estado); i != m_indice.end()) aspecto[i->second].Color = colores[b];
  if (m_actual > 0) {
    const TParticion& antes = m_antes;
    const TFusionTrazada& fusion = FusionActual();
    for (const auto& [nombre, resalte] : {std::pair{&fusion.Primero, 1}, std::pair{&fusion.Segundo, 2}}) {
      const std::size_t b = BloqueDe(antes, Estado(*nombre));
      if (b == antes.size()) continue;
      for (const auto& estado : antes[b])
        if (const auto i = m_indice.find(estado); i != m_indice.end()) aspecto[i->second].Resalte = resalte;
    }
  }
  return aspecto;
}

TParticion TFpasoAPasoLogica::BloquesCociente() const {
  if (m_actual == UltimoPaso() && LlegaAlResultado()) return m_bloquesResultado;
  struct TBloque {
    std::size_t primero;
    TLista estados;
  };
  std::vector<TBloque> bloques;
  for (const auto& bloque : Particion()) {
    TBloque filtrado{m_indice.size(), {}};
    for (const auto& estado : bloque) {
      if (!std::binary_search(m_estadosResultado.begin(), m_estadosResultado.end(), estado)) continue;
      filtrado.estados.push_back(estado);
      if (const auto i = m_indice.find(estado); i != m_indice.end()) filtrado.primero = std::min(filtrado.primero, i->second);
    }
    if (!filtrado.estados.empty()) bloques.push_back(std::move(filtrado));
  }
  std::stable_sort(bloques.begin(), bloques.end(),
                   [](const TBloque& a, const TBloque& b) { return a.primero < b.primero; });
  TParticion particion;
  for (auto& bloque : bloques) particion.push_back(std::move(bloque.estados));
  return particion;
}

TDiagrama TFpasoAPasoLogica::DiagramaCociente() {
  TAutomata& automata = *m_repeticion.Resultado;
  automata.PonerBloques(BloquesCociente());
  TDiagrama diagrama = ::DiagramaCociente(automata, CalcularDatosResultado(automata));
  if (m_repeticion.Mealy) EtiquetasMealy(diagrama);
  return diagrama;
}

std::vector<TAspectoEstado> TFpasoAPasoLogica::AspectoCociente() const {
  const TParticion& bloques = Particion();
  const std::vector<int> colores = ColoresBloques();
  const std::string unido = m_actual > 0 ? Estado(FusionActual().Primero) : std::string();
  std::vector<TAspectoEstado> aspecto;
  for (const auto& bloque : BloquesCociente()) {
    const std::size_t b = BloqueDe(bloques, bloque.front());
    TAspectoEstado estado;
    if (b < bloques.size()) {
      estado.Color = colores[b];
      if (m_actual > 0 && std::find(bloques[b].begin(), bloques[b].end(), unido) != bloques[b].end()) estado.Resalte = 1;
    }
    aspecto.push_back(estado);
  }
  return aspecto;
}

void AbrirPasoAPaso(const TRepetir& repetir, const TParticion& mostrada, const std::string& caption,
                    TInteraccion& interaccion) {
  if (!repetir) return;
  ConErrorInternoEnCaja(interaccion, [&] {
    TRepeticion repeticion;
    if (!interaccion.EjecutarConProgreso(kProgresoRepeticion, [&] { repeticion = repetir(); })) return;
    const bool mismoResultado = Conjuntos(repeticion.Resultado->Bloques()) == Conjuntos(mostrada);
    TFpasoAPasoLogica ventana(std::move(repeticion), caption);
    if (!mismoResultado || !ventana.LlegaAlResultado()) {
      interaccion.Mensaje(kRepeticionDistinta, TIcono::Error, TBotones::Ok);
      return;
    }
    interaccion.MostrarPasoAPaso(ventana);
  });
}
