// Validacion: what a validation against a test sample counts.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/Cancelacion.h"
#include "core/Lista.h"

// The four counts of one validation. `total` is the number of test lines, `rechazados`
// is `total - aceptados`, `entrenamiento` the number of examples of the positive sample.
struct TCuentasValidacion {
  int entrenamiento = 0;
  int total = 0;
  int aceptados = 0;
  int rechazados = 0;
};

// Counts a validation: every line of `test` is one example (an empty line is the empty
// string) and `acepta(ejemplo)` decides it; `entrenamiento` is the training sample's size.
template <typename Acepta>
TCuentasValidacion ContarValidacion(const TLista& test, std::size_t entrenamiento, Acepta&& acepta) {
  TCuentasValidacion cuentas;
  cuentas.entrenamiento = static_cast<int>(entrenamiento);
  cuentas.total = static_cast<int>(test.size());
  for (const auto& ejemplo : test) {
    ComprobarCancelacion();
    if (acepta(ejemplo)) ++cuentas.aceptados;
  }
  cuentas.rechazados = cuentas.total - cuentas.aceptados;
  return cuentas;
}

// The strings of a validation by outcome, each written as the sample viewer writes it
// ("&" for the empty string), in test file order; and, when a negative sample is loaded,
// its examples that the automaton wrongly accepts, in sample order.
struct TDetalleValidacion {
  std::vector<bool> aceptado;  // per test string, in file order
  TLista aceptados;
  TLista rechazados;
  bool conNegativa = false;
  TLista negativosAceptados;
};

// A string as shown in a list: "&" for the empty string, the text itself otherwise.
inline std::string TextoEjemplo(const std::string& ejemplo) { return ejemplo.empty() ? "&" : ejemplo; }

// Sorts `test` and `negativa` (empty: none loaded) by `acepta(ejemplo)`.
template <typename Acepta>
TDetalleValidacion DetallarValidacion(const TLista& test, const TLista& negativa, Acepta&& acepta) {
  TDetalleValidacion detalle;
  for (const auto& ejemplo : test) {
    ComprobarCancelacion();
    detalle.aceptado.push_back(acepta(ejemplo));
    (detalle.aceptado.back() ? detalle.aceptados : detalle.rechazados).push_back(TextoEjemplo(ejemplo));
  }
  detalle.conNegativa = !negativa.empty();
  for (const auto& ejemplo : negativa) {
    ComprobarCancelacion();
    if (acepta(ejemplo)) detalle.negativosAceptados.push_back(TextoEjemplo(ejemplo));
  }
  return detalle;
}

// Hit percentage: aceptados / total * 100 rounded to the nearest integer, a value exactly
// halfway going to the even integer (1 of 8 gives 12, 3 of 8 gives 38). A test sample with
// no lines gives 0 instead of dividing by zero.
int PorcentajeAciertos(int aceptados, int total);
