// Graficos: the validation chart window TFgraficos: four single-bar series (training
// sample, test sample, accepted, rejected) under the title "Resultado Validación", and the
// hit percentage in the label Aciertos on the right; below the chart, the accepted and
// rejected test strings and, with a negative sample, the negatives wrongly accepted.
#pragma once

#include <QDialog>
#include <array>

class QBarSeries;
class QChart;
class QLabel;
class QListWidget;
class QValueAxis;
class TFgraficosLogica;

class TFgraficos : public QDialog {
  Q_OBJECT
 public:
  explicit TFgraficos(QWidget* padre = nullptr);

  // Fills the chart and the label from `graficos` and shows the window modally; returns
  // when the user closes it.
  void Mostrar(const TFgraficosLogica& graficos);
  // Fills the chart and the label without showing the window.
  void Rellenar(const TFgraficosLogica& graficos);

  QChart* Grafico() const { return m_grafico; }
  // The four series in display order (SerieMuestra, SerieEjemplos, SerieAceptados,
  // SerieRechazados).
  const std::array<QBarSeries*, 4>& Series() const { return m_series; }
  QValueAxis* EjeIzquierdo() const { return m_eje; }
  // The lists below the chart: accepted and rejected test strings, negatives accepted (its
  // column hidden without a negative sample); each heading carries its count.
  QListWidget* ListaAceptados() const { return m_aceptados; }
  QListWidget* ListaRechazados() const { return m_rechazados; }
  QListWidget* ListaNegativos() const { return m_negativos; }
  QLabel* TituloNegativos() const { return m_tituloNegativos; }

 private:
  QChart* m_grafico;
  std::array<QBarSeries*, 4> m_series{};
  QValueAxis* m_eje;
  QLabel* m_aciertos;
  QListWidget* m_aceptados;
  QListWidget* m_rechazados;
  QListWidget* m_negativos;
  QLabel* m_tituloAceptados;
  QLabel* m_tituloRechazados;
  QLabel* m_tituloNegativos;
};
