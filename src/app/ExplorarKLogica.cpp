// TFexplorarKLogica: the rows are kept as the sweep made them; the charts' lines are read
// off the rows, so a cancelled sweep draws what it made.
#include "app/ExplorarKLogica.h"

#include <cstdlib>

#include "app/ComandosKR.h"
#include "app/FlujosMuestra.h"
#include "app/Interaccion.h"
#include "app/InteraccionResultados.h"
#include "app/Sesion.h"
#include "app/TextosProgreso.h"
#include "core/ArchivoTexto.h"
#include "core/Automata.h"
#include "inference/AlgoritmoIM1.h"
#include "inference/AlgoritmoKR.h"

namespace {

// A CSV field, quoted when it must be.
std::string Campo(const std::string& texto) {
  const bool comillas = texto.find_first_of(";\"\r\n") != std::string::npos ||
                        (!texto.empty() && (texto.front() == ' ' || texto.back() == ' '));
  if (!comillas) return texto;
  std::string campo = "\"";
  for (char c : texto) campo += c == '"' ? std::string("\"\"") : std::string(1, c);
  return campo + "\"";
}

std::string Linea(const std::vector<std::string>& campos) {
  std::string linea;
  for (std::size_t i = 0; i < campos.size(); ++i) linea += (i ? ";" : "") + Campo(campos[i]);
  return linea;
}

}  // namespace

TLista TFexplorarKLogica::LineasTabla() const {
  TLista lineas{Linea(Columnas())};
  for (std::size_t fila = 0; fila < m_filas.size(); ++fila) lineas.push_back(Linea(TextosDeFila(fila)));
  return lineas;
}

bool TFexplorarKLogica::GuardarTablaClick(TInteraccion& interaccion) const {
  if (m_filas.empty()) {
    interaccion.Mensaje("No hay filas que guardar", TIcono::Error, TBotones::Ok);
    return false;
  }
  TDialogoArchivo dialogo;
  dialogo.titulo = "Guardar tabla";
  dialogo.filtro = "Tabla CSV (*.csv)|*.csv";
  dialogo.extensionPorDefecto = "csv";
  const auto elegido = interaccion.ElegirArchivoGuardar(dialogo);
  if (!elegido) return false;
  const std::string error = EscribirArchivoTexto(ConExtensionPorDefecto(*elegido, "csv"), LineasTabla());
  if (error.empty()) return true;
  interaccion.Mensaje(error, TIcono::Error, TBotones::Ok);
  return false;
}

TDialogoArchivo TFexplorarKLogica::DialogoGrafico() {
  TDialogoArchivo dialogo;
  dialogo.titulo = "Guardar gr\xE1" "fico";
  dialogo.filtro = "Imagen PNG (*.png)|*.png|Imagen SVG (*.svg)|*.svg";
  dialogo.extensionPorDefecto = "png";
  return dialogo;
}

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
