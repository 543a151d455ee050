// TFgraficosLogica: the four bars and the label from the counts of one validation.
#include "app/ventanas/GraficosLogica.h"

std::string TextoAciertos(int porcentaje) {
  return "Aciertos: " + std::to_string(porcentaje) + "%";
}

void TFgraficosLogica::MostrarCuentas(const TCuentasValidacion& cuentas) {
  m_cuentas = cuentas;
  m_series[0].valor = cuentas.entrenamiento;
  m_series[1].valor = cuentas.total;
  m_series[2].valor = cuentas.aceptados;
  m_series[3].valor = cuentas.rechazados;
  m_porcentaje = PorcentajeAciertos(cuentas.aceptados, cuentas.total);
  m_aciertos = TextoAciertos(m_porcentaje) + "      ";
}
