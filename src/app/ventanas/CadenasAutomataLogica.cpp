// TFcadenasLogica: the listing and the counts through the module's enumeration.
#include "app/ventanas/CadenasAutomataLogica.h"

#include <algorithm>

#include "app/ventanas/CompararAutomataLogica.h"
#include "automatas/Enumeracion.h"

TFcadenasLogica::TFcadenasLogica(TAutomataFinito automata, const std::string& caption)
    : m_automata(std::move(automata)), m_caption("Cadenas - " + NombreDeVentana(caption)) {
  m_tamano = PrimerasCadenas(m_automata, 1).empty() ? "Lenguaje vac\xEDo"
             : LenguajeFinito(m_automata)              ? "Lenguaje finito"
                                                       : "Lenguaje infinito";
  PonerNumero(kNumeroInicial);
}

void TFcadenasLogica::PonerNumero(int numero) {
  m_numero = std::clamp(numero, 1, kNumeroMaximo);
  m_cadenas.clear();
  std::size_t longitud = kLongitudMinima;
  for (const auto& cadena : PrimerasCadenas(m_automata, static_cast<std::size_t>(m_numero))) {
    m_cadenas.push_back(m_automata.TextoCadena(cadena));
    longitud = std::max(longitud, cadena.size());
  }
  m_cuentas.clear();
  const auto cuentas = CuentasPorLongitud(m_automata, longitud);
  for (std::size_t l = 0; l < cuentas.size(); ++l)
    m_cuentas.push_back("Longitud " + std::to_string(l) + ": " + (cuentas[l].desborda ? "m\xE1s de " : "") +
                        std::to_string(cuentas[l].cadenas));
}
