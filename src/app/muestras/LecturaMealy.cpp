// LecturaMealy: the pair-line check first, so that a refused sample changes nothing.
#include "app/muestras/LecturaMealy.h"

#include <algorithm>

#include "inference/mealy/ParSA.h"

std::string MensajeLineaIncorrecta(std::size_t numero, const std::string& linea) {
  return "La l\xEDnea " + std::to_string(numero) +
         " de la muestra no es un par situaci\xF3n/acci\xF3n (S1/A2): \"" + linea + "\"";
}

std::string ComprobarMuestraSA(const TLista& muestra) {
  const std::size_t numero = PrimeraLineaIncorrecta(muestra);
  if (numero == 0) return {};
  return MensajeLineaIncorrecta(numero, muestra[numero - 1]);
}

TLecturaMealy LeerModeloMealy(TAlgoritmoMealy algoritmo, const TLista& muestraSA, TLista& cadenasSA) {
  TLecturaMealy lectura;
  lectura.error = ComprobarMuestraSA(muestraSA);
  if (!lectura.error.empty()) return lectura;
  cadenasSA.clear();
  auto modelo = std::make_unique<TAutomataMealy>();
  modelo->LeerMuestra(muestraSA, cadenasSA);
  // only blank lines are no sample: their sequences hold no pair, not even the null one
  const bool soloBlancas =
      std::all_of(muestraSA.begin(), muestraSA.end(), [](const std::string& linea) { return linea.empty(); });
  if (cadenasSA.empty() || soloBlancas) {
    lectura.error = kMuestraNoValida;
    return lectura;
  }
  if (algoritmo == TAlgoritmoMealy::SKR) modelo->AnadirFinDeMuestra();
  lectura.modelo = std::move(modelo);
  return lectura;
}
