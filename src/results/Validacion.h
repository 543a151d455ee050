// Validacion: what a validation against a test sample counts, and the chart that shows it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

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
  for (const auto& ejemplo : test)
    if (acepta(ejemplo)) ++cuentas.aceptados;
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
    detalle.aceptado.push_back(acepta(ejemplo));
    (detalle.aceptado.back() ? detalle.aceptados : detalle.rechazados).push_back(TextoEjemplo(ejemplo));
  }
  detalle.conNegativa = !negativa.empty();
  for (const auto& ejemplo : negativa)
    if (acepta(ejemplo)) detalle.negativosAceptados.push_back(TextoEjemplo(ejemplo));
  return detalle;
}

// Hit percentage: aceptados / total * 100 rounded to the nearest integer, a value exactly
// halfway going to the even integer (1 of 8 gives 12, 3 of 8 gives 38). A test sample with
// no lines gives 0 instead of dividing by zero.
int PorcentajeAciertos(int aceptados, int total);

// "Aciertos: " + the percentage + "%", as the chart's label shows it without its trailing
// blanks; the CLI prints this line.
std::string TextoAciertos(int porcentaje);

// One bar of the chart: its series' name (the component), title, colour, offset of the bar
// in percent of its width, whether its value is written on it, and the value.
enum class TColorSerie { Rojo, Verde, Amarillo, Azul };
struct TSerieGrafico {
  std::string nombre;
  std::string titulo;  // Windows-1252
  TColorSerie color;
  int desplazamiento;
  bool marcasVisibles;
  int valor;
};

// The validation chart window as data: caption, chart title, axis title, the four
// single-bar series in display order and the label `Aciertos`. Texts are Windows-1252.
class TFgraficosLogica {
 public:
  // Fills the four bars with the counts and the label with the percentage; the values are
  // set directly, none is derived from another.
  void MostrarCuentas(const TCuentasValidacion& cuentas);
  // Fills the lists beside the chart: accepted and rejected test strings, and the negative
  // examples accepted. The counts, bars and label stay as MostrarCuentas left them.
  void MostrarDetalle(TDetalleValidacion detalle) { m_detalle = std::move(detalle); }

  const std::string& Caption() const { return m_caption; }
  const std::string& Titulo() const { return m_titulo; }
  const std::string& TituloEje() const { return m_tituloEje; }
  const std::array<TSerieGrafico, 4>& Series() const { return m_series; }
  // The label's caption: "Aciertos: " + percentage + "%" + six blanks.
  const std::string& Aciertos() const { return m_aciertos; }
  const TCuentasValidacion& Cuentas() const { return m_cuentas; }
  int Porcentaje() const { return m_porcentaje; }
  const TDetalleValidacion& Detalle() const { return m_detalle; }

 private:
  std::string m_caption = " Resultado validaci\xF3n";
  std::string m_titulo = "Resultado Validaci\xF3n";
  std::string m_tituloEje = "N\xBA total de ejemplos";
  std::array<TSerieGrafico, 4> m_series{{
      {"SerieMuestra", "Muestra Entrenamiento", TColorSerie::Rojo, -100, false, 0},
      {"SerieEjemplos", "Muestra Test", TColorSerie::Verde, -50, false, 0},
      {"SerieAceptados", "Ejemplos Aceptados", TColorSerie::Amarillo, 50, true, 0},
      {"SerieRechazados", "Ejemplos Rechazados", TColorSerie::Azul, 100, true, 0},
  }};
  std::string m_aciertos;
  TCuentasValidacion m_cuentas;
  int m_porcentaje = 0;
  TDetalleValidacion m_detalle;
};
