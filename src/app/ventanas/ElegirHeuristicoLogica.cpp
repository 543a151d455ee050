// TFelegirHeuristicoLogica: reset on show, the radio handlers, the K field and "Aceptar".
#include "app/ventanas/ElegirHeuristicoLogica.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "app/ventanas/ElegirCotaSLogica.h"
#include "app/interaccion/InteraccionIM1.h"
#include "app/muestras/Muestra.h"
#include "app/sesion/Sesion.h"
#include "app/interaccion/TextosProgreso.h"
#include "core/Automata.h"

TFelegirHeuristicoLogica::TFelegirHeuristicoLogica(TAutomata& automata, TSesion& sesion)
    : m_sesion(sesion), m_flujo(automata, sesion.MuestraPositiva) {}

const char* TFelegirHeuristicoLogica::Texto(THeuristico opcion) {
  switch (opcion) {
    case THeuristico::Levine: return "Levine";
    case THeuristico::Miclet: return "Miclet";
    case THeuristico::K_Sufijos: return "K_Sufijos";
    case THeuristico::OtroH: return "Otro";
  }
  return "";
}

bool TFelegirHeuristicoLogica::Habilitado(THeuristico opcion) const {
  return opcion == THeuristico::OtroH ? m_otroHabilitado : m_heuristicosHabilitados;
}

void TFelegirHeuristicoLogica::FormShow() {
  m_seleccion.reset();
  m_otroHabilitado = false;
  m_kHabilitado = true;
  m_valorK = 0;
  m_maximoK = m_flujo.MaximoK();
}

void TFelegirHeuristicoLogica::LevineClick() {
  if (!Habilitado(THeuristico::Levine)) return;
  m_seleccion = THeuristico::Levine;
  m_kHabilitado = false;
}

void TFelegirHeuristicoLogica::MicletClick() {
  if (!Habilitado(THeuristico::Miclet)) return;
  m_seleccion = THeuristico::Miclet;
  m_kHabilitado = false;
}

void TFelegirHeuristicoLogica::K_SufijosClick() {
  if (!Habilitado(THeuristico::K_Sufijos)) return;
  m_seleccion = THeuristico::K_Sufijos;
  m_kHabilitado = true;
}

void TFelegirHeuristicoLogica::PonerValorK(long valor) {
  const bool sinLimite = MinimoK() == 0 && m_maximoK == 0;
  const long maximo = sinLimite ? (1L << 30) : m_maximoK;
  m_valorK = static_cast<int>(std::clamp<long>(valor, MinimoK(), maximo));
}

void TFelegirHeuristicoLogica::PonerTextoK(const std::string& texto) {
  const auto inicio = texto.find_first_not_of(' ');
  const auto fin = texto.find_last_not_of(' ');
  std::string_view numero;
  if (inicio != std::string::npos) numero = std::string_view(texto).substr(inicio, fin - inicio + 1);
  if (!numero.empty() && numero.front() == '+') numero.remove_prefix(1);
  long valor = 0;
  const auto [resto, error] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
  if (numero.empty() || error != std::errc() || resto != numero.data() + numero.size()) valor = MinimoK();
  PonerValorK(valor);
}

void TFelegirHeuristicoLogica::BtnAceptarClick(TInteraccionIM1& interaccion) {
  if (!m_seleccion || *m_seleccion == THeuristico::OtroH) {
    interaccion.Mensaje(kDebeSeleccionar, TIcono::Error, TBotones::Ok);
    return;
  }
  const bool conCotas = *m_seleccion == THeuristico::Levine || *m_seleccion == THeuristico::Miclet;
  if (conCotas && !interaccion.EjecutarConProgreso(kProgresoCotas, [&] { m_flujo.CotasStren(); })) return;
  if (*m_seleccion == THeuristico::Levine) {
    TFelegirCotaSLogica cotaS(m_flujo.CotasStren(), [&](const std::string& S) {
      m_parametros = m_flujo.Parametros(THeuristico::Levine, 0, S);
      m_flujo.Ejecutar(m_parametros, m_sesion, interaccion);
    });
    interaccion.ElegirCotaS(cotaS);
    m_flujo.LiberarDatos();  // without a run, the Stren data goes here
    return;
  }
  m_parametros = m_flujo.Parametros(*m_seleccion, m_valorK);
  m_flujo.Ejecutar(m_parametros, m_sesion, interaccion);
}
