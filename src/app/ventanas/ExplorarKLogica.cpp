// TFexplorarKLogica: the rows are kept as the sweep made them; the charts' lines are read
// off the rows, so a cancelled sweep draws what it made.
#include "app/ventanas/ExplorarKLogica.h"

#include <cstdlib>

#include "app/comandos/ComandosKR.h"
#include "app/interaccion/Interaccion.h"
#include "app/interaccion/InteraccionResultados.h"
#include "app/sesion/Sesion.h"
#include "app/interaccion/TextosProgreso.h"
#include "core/Automata.h"
#include "inference/AlgoritmoIM1.h"
#include "inference/AlgoritmoKR.h"

TFexplorarKLogica::TFexplorarKLogica(const TSesion& sesion)
    : m_muestras{sesion.MuestraPositiva, sesion.MuestraNegativa, sesion.MuestraTest} {}

void TFexplorarKLogica::Elegir(TSeleccion seleccion) {
  if (seleccion != m_seleccion) m_filas.clear();
  m_seleccion = seleccion;
}

std::vector<TAlgoritmoBarrido> TFexplorarKLogica::Algoritmos() const {
  if (m_seleccion == TSeleccion::IM1Levine) return {TAlgoritmoBarrido::IM1Levine};
  if (UsaMarcaFinal(m_muestras.positiva)) return {TAlgoritmoBarrido::KC};
  return {TAlgoritmoBarrido::KR, TAlgoritmoBarrido::KC};
}

std::string TFexplorarKLogica::Aviso() const {
  if (m_seleccion == TSeleccion::KRyKC && UsaMarcaFinal(m_muestras.positiva)) return MensajeMarcaFinalEnMuestra();
  return {};
}

std::string TFexplorarKLogica::TextoProgreso(std::size_t hechas, std::size_t total) {
  return "k hechos: " + std::to_string(hechas) + " de " + std::to_string(total);
}

namespace {

double Parametro(const TPasoBarrido& paso) {
  return paso.algoritmo == TAlgoritmoBarrido::IM1Levine ? std::strtod(paso.cota.c_str(), nullptr) : paso.k;
}

// The line of `nombre` in `lineas`, appended when it is new.
TFexplorarKLogica::TLinea& Linea(std::vector<TFexplorarKLogica::TLinea>& lineas, const std::string& nombre) {
  for (auto& linea : lineas)
    if (linea.nombre == nombre) return linea;
  lineas.push_back({nombre, {}});
  return lineas.back();
}

}  // namespace

std::vector<TFexplorarKLogica::TLinea> TFexplorarKLogica::LineasEstados() const {
  std::vector<TLinea> lineas;
  for (const auto& fila : m_filas)
    Linea(lineas, NombreAlgoritmo(fila.paso.algoritmo))
        .puntos.emplace_back(Parametro(fila.paso), static_cast<double>(fila.estados));
  return lineas;
}

std::vector<TFexplorarKLogica::TLinea> TFexplorarKLogica::LineasAceptados() const {
  std::vector<TLinea> lineas;
  for (const auto& fila : m_filas) {
    const std::string nombre = NombreAlgoritmo(fila.paso.algoritmo);
    const double x = Parametro(fila.paso);
    if (fila.testAceptados) Linea(lineas, nombre + " test").puntos.emplace_back(x, static_cast<double>(*fila.testAceptados));
    if (fila.negativosAceptados)
      Linea(lineas, nombre + " negativos").puntos.emplace_back(x, static_cast<double>(*fila.negativosAceptados));
  }
  return lineas;
}

std::optional<TCierre> TFexplorarKLogica::AbrirFila(std::size_t fila, TInteraccionResultados& interaccion,
                                                    char separadorDecimal) const {
  if (fila >= m_filas.size()) return std::nullopt;
  const TPasoBarrido& paso = m_filas[fila].paso;
  std::unique_ptr<TAutomata> automata;
  if (!interaccion.EjecutarConProgreso(TextoProgresoAlgoritmo(NombreAlgoritmo(paso.algoritmo)),
                                       [&] { automata = ResultadoDePaso(m_muestras.positiva, paso); }))
    return TCierre::Cancelar;
  TSesion sesion;
  sesion.MuestraPositiva = m_muestras.positiva;
  sesion.MuestraNegativa = m_muestras.negativa;
  const TLista& positiva = m_muestras.positiva;
  return MostrarVentanaResultado(*automata, CaptionDePaso(paso, separadorDecimal), sesion, interaccion, std::nullopt,
                                 [&positiva, paso] {
                                   switch (paso.algoritmo) {
                                     case TAlgoritmoBarrido::KR: return RepetirKR(positiva, paso.k);
                                     case TAlgoritmoBarrido::KC: return RepetirKC(positiva, paso.k);
                                     case TAlgoritmoBarrido::IM1Levine: break;
                                   }
                                   return RepetirIM1(positiva, {THeuristico::Levine, paso.k, paso.cota});
                                 });
}

bool PuedeExplorarK(const TSesion& sesion, TInteraccion& interaccion) {
  if (!sesion.MuestraPositiva.empty()) return true;
  interaccion.Mensaje(kNoExisteMuestra, TIcono::Error, TBotones::Ok);
  return false;
}
