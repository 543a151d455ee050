// TFlujoIM1: the IM1 run and the texts of its windows.
#include "app/comandos/FlujoIM1.h"

#include <algorithm>

#include "app/comandos/ComandosKR.h"
#include "app/interaccion/InteraccionIM1.h"
#include "app/ventanas/MostrarAceptorLogica.h"
#include "app/muestras/Muestra.h"
#include "app/pasos/Repeticion.h"
#include "app/sesion/Sesion.h"
#include "app/interaccion/TextosProgreso.h"
#include "core/Automata.h"

std::string CaptionResultadoIM1(const TParametrosIM1& parametros, char separadorDecimal) {
  const auto S = [&] {
    if (const auto real = VarianteAReal(parametros.S)) return RealEnFormaGeneral(*real, separadorDecimal);
    if (const auto* texto = std::get_if<std::string>(&parametros.S)) return *texto;
    return std::string();
  };
  std::string caption = "Aut\xF3mata resultado IM1   K=" + std::to_string(parametros.K);
  switch (parametros.Heuristico) {
    case THeuristico::Levine: return caption + "  Levine   S =" + S();
    case THeuristico::Miclet: return caption + "  Miclet   S =" + S();
    case THeuristico::K_Sufijos: return caption + "  K Sufijos";
    case THeuristico::OtroH: return caption;
  }
  return caption;
}

TFlujoIM1::TFlujoIM1(TAutomata& automata, const TLista& muestra)
    : m_automata(automata),
      m_maximoK(static_cast<int>(std::min<std::size_t>(LongitudMaxima(muestra), 1 << 30))) {}

const TLista& TFlujoIM1::CotasStren() {
  if (!m_datos) m_datos = CalcularDatosStren(m_automata, m_maximoK);
  return *m_datos->Cotas;
}

TParametrosIM1 TFlujoIM1::Parametros(THeuristico heuristico, int k, TVariante cota) {
  switch (heuristico) {
    case THeuristico::Levine: return {heuristico, m_maximoK, std::move(cota)};
    case THeuristico::Miclet: return {heuristico, m_maximoK, ObtenerCotaMenor(CotasStren())};
    case THeuristico::K_Sufijos:
    case THeuristico::OtroH: break;
  }
  return {heuristico, k, {}};
}

std::unique_ptr<TDatosStren> TFlujoIM1::Fusionar(const TParametrosIM1& parametros, TObservadorFusiones* observador) {
  if (parametros.Heuristico == THeuristico::Levine || parametros.Heuristico == THeuristico::Miclet) CotasStren();
  std::unique_ptr<TDatosStren> datos = std::move(m_datos);
  AlgoritmoIM1(m_automata, parametros, datos ? datos->Tabla.get() : nullptr, observador);
  return datos;
}

void TFlujoIM1::Inferir(const TParametrosIM1& parametros, TObservadorFusiones* observador) {
  Fusionar(parametros, observador);
}

void TFlujoIM1::Ejecutar(const TParametrosIM1& parametros, TSesion& sesion, TInteraccionIM1& interaccion) {
  {
    TFmostrarAceptorLogica aceptor(m_automata, sesion.MuestraPositiva);
    aceptor.PonerCaption(kCaptionAceptorIM1);
    if (!interaccion.EjecutarConProgreso(kProgresoVentanaAceptor, [&] { aceptor.PrepararDatos(); })) return;
    interaccion.MostrarAceptor(aceptor);
  }
  std::unique_ptr<TDatosStren> datos;
  if (!interaccion.EjecutarConProgreso(TextoProgresoAlgoritmo("IM1"), [&] { datos = Fusionar(parametros, nullptr); }))
    return;
  const TTablaStren* tabla = datos ? datos->Tabla.get() : nullptr;
  MostrarVentanaResultado(m_automata, CaptionResultadoIM1(parametros, interaccion.SeparadorDecimal()), sesion,
                          interaccion, std::nullopt,
                          [&sesion, &parametros, tabla] { return RepetirIM1(sesion.MuestraPositiva, parametros, tabla); });
}
