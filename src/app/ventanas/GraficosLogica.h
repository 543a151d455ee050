// TFgraficosLogica: the validation chart window as data: its texts, the bars' colours and
// values, the hit label and the lists beside the chart.
#pragma once

#include <array>
#include <string>
#include <utility>

#include "results/Validacion.h"

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
