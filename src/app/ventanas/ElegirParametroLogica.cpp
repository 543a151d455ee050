// TFelegirParametroLogica: the bounds of k follow the positive sample at every showing.
#include "app/ventanas/ElegirParametroLogica.h"

#include <algorithm>

#include "app/muestras/Muestra.h"

void TFelegirParametroLogica::FormShow() {
  m_valor = 0;
  m_maximo = static_cast<int>(LongitudMaxima(m_muestra));
}

void TFelegirParametroLogica::PonerParametroK(int valor) { m_valor = std::clamp(valor, Minimo(), m_maximo); }
