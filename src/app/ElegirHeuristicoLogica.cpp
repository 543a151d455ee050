// TFelegirHeuristicoLogica: reset on show, the radio handlers, the K field and "Aceptar".
#include "app/ElegirHeuristicoLogica.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "app/ComandoIM1.h"
#include "app/ElegirCotaSLogica.h"
#include "app/InteraccionIM1.h"
#include "app/Muestra.h"
#include "app/Sesion.h"
#include "core/Automata.h"

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
  m_maximoK = static_cast<int>(std::min<std::size_t>(LongitudMaxima(m_sesion.MuestraPositiva), 1 << 30));
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

void TFelegirHeuristicoLogica::Ejecutar(const TParametrosIM1& parametros, std::unique_ptr<TDatosStren> datos,
                                        TInteraccionIM1& interaccion) {
  m_parametros = parametros;
  EjecutarIM1(m_automata, m_sesion, m_parametros, std::move(datos), interaccion);
}

void TFelegirHeuristicoLogica::BtnAceptarClick(TInteraccionIM1& interaccion) {
  if (!m_seleccion) {
    interaccion.Mensaje(kDebeSeleccionar, TIcono::Error, TBotones::Ok);
    return;
  }
  switch (*m_seleccion) {
    case THeuristico::Levine: {
      auto datos = CalcularDatosStren(m_automata, m_maximoK);
      TFelegirCotaSLogica cotaS(*datos->Cotas, [&](const std::string& S) {
        Ejecutar({kHeuristicoLevine, m_maximoK, S}, std::move(datos), interaccion);
      });
      interaccion.ElegirCotaS(cotaS);
      return;  // without a run, the Stren data goes here
    }
    case THeuristico::Miclet: {
      auto datos = CalcularDatosStren(m_automata, m_maximoK);
      TVariante S = ObtenerCotaMenor(*datos->Cotas);
      Ejecutar({kHeuristicoMiclet, m_maximoK, std::move(S)}, std::move(datos), interaccion);
      return;
    }
    case THeuristico::K_Sufijos:
      Ejecutar({kHeuristicoKSufijos, m_valorK, {}}, nullptr, interaccion);
      return;
    case THeuristico::OtroH:
      interaccion.Mensaje(kDebeSeleccionar, TIcono::Error, TBotones::Ok);
      return;
  }
}
