// Graficos: a Qt Charts bar chart; each series holds one bar set of one value, so the four
// bars stand side by side in the order of the series, each in its own colour.
#include "ui/Graficos.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "app/GraficosLogica.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

namespace {

const QColor kAzulMarino(0, 0, 128);

QColor ColorDe(TColorSerie color) {
  switch (color) {
    case TColorSerie::Rojo: return Qt::red;
    case TColorSerie::Verde: return Qt::green;
    case TColorSerie::Amarillo: return Qt::yellow;
    case TColorSerie::Azul: return Qt::blue;
  }
  return Qt::gray;
}

// The axis counts in whole numbers: a step of 1 while that gives at most ten steps,
// otherwise the smallest step of 1, 2 or 5 times a power of ten that does.
int PasoDelEje(int maximo) {
  for (long long potencia = 1;; potencia *= 10)
    for (const long long factor : {1, 2, 5})
      if (maximo <= 10 * factor * potencia) return static_cast<int>(factor * potencia);
}

}  // namespace

TFgraficos::TFgraficos(QWidget* padre) : QDialog(padre), m_grafico(new QChart), m_eje(new QValueAxis) {
  setObjectName("TFgraficos");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  const TFgraficosLogica datos;
  setWindowTitle(DeCp1252(datos.Caption()));

  m_grafico->setObjectName("Chart1");
  m_grafico->setTitle(DeCp1252(datos.Titulo()));
  QFont titulo(QStringLiteral("Arial"));
  titulo.setBold(true);
  titulo.setPointSize(11);
  m_grafico->setTitleFont(titulo);
  m_grafico->setTitleBrush(kAzulMarino);
  m_grafico->legend()->setAlignment(Qt::AlignRight);
  QFont leyenda = m_grafico->legend()->font();
  leyenda.setPointSize(7);
  m_grafico->legend()->setFont(leyenda);
  m_grafico->setMargins(QMargins(4, 4, 4, 4));

  auto* categorias = new QBarCategoryAxis;
  categorias->append(QStringLiteral(" "));
  categorias->setVisible(false);
  m_grafico->addAxis(categorias, Qt::AlignBottom);
  m_eje->setTitleText(DeCp1252(datos.TituloEje()));
  m_eje->setLabelFormat(QStringLiteral("%d"));
  m_eje->setTickType(QValueAxis::TicksDynamic);
  m_eje->setTickAnchor(0);
  m_eje->setTickInterval(1);
  m_grafico->addAxis(m_eje, Qt::AlignLeft);

  for (std::size_t i = 0; i < m_series.size(); ++i) {
    const TSerieGrafico& s = datos.Series()[i];
    auto* serie = new QBarSeries;
    serie->setObjectName(QString::fromLatin1(s.nombre.c_str()));
    serie->setName(DeCp1252(s.titulo));
    serie->setLabelsVisible(s.marcasVisibles);
    serie->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    auto* barra = new QBarSet(DeCp1252(s.titulo));
    barra->setColor(ColorDe(s.color));
    barra->setLabelColor(Qt::black);
    barra->append(0);
    serie->append(barra);
    m_grafico->addSeries(serie);
    serie->attachAxis(categorias);
    serie->attachAxis(m_eje);
    m_series[i] = serie;
  }

  auto* vista = new QChartView(m_grafico, this);
  vista->setObjectName("Chart1Vista");
  vista->setRenderHint(QPainter::Antialiasing);

  m_aciertos = new QLabel(this);
  m_aciertos->setObjectName("Aciertos");
  QFont negrita = m_aciertos->font();
  negrita.setBold(true);
  m_aciertos->setFont(negrita);
  QPalette colores = m_aciertos->palette();
  colores.setColor(QPalette::WindowText, kAzulMarino);
  m_aciertos->setPalette(colores);

  // The chart keeps its client area of 536 by 348; the lists go below it.
  auto* grafico = new QWidget(this);
  grafico->setObjectName("AreaGrafico");
  grafico->setFixedSize(536, 348);
  auto* capa = new QHBoxLayout(grafico);
  capa->setContentsMargins(0, 0, 6, 0);
  capa->setSpacing(2);
  capa->addWidget(vista, 1);
  capa->addWidget(m_aciertos, 0, Qt::AlignVCenter);

  auto* listas = new QHBoxLayout;
  listas->setContentsMargins(6, 4, 6, 6);
  auto columna = [&](const char* nombre, QLabel*& titulo, QListWidget*& lista) {
    auto* capaColumna = new QVBoxLayout;
    titulo = new QLabel(this);
    titulo->setObjectName(QString::fromLatin1(nombre) + "Titulo");
    lista = new QListWidget(this);
    lista->setObjectName(nombre);
    lista->setSelectionMode(QAbstractItemView::NoSelection);
    capaColumna->addWidget(titulo);
    capaColumna->addWidget(lista);
    listas->addLayout(capaColumna);
  };
  columna("ListaAceptados", m_tituloAceptados, m_aceptados);
  columna("ListaRechazados", m_tituloRechazados, m_rechazados);
  columna("ListaNegativos", m_tituloNegativos, m_negativos);

  auto* todo = new QVBoxLayout(this);
  todo->setContentsMargins(0, 0, 0, 0);
  todo->setSpacing(0);
  todo->addWidget(grafico);
  todo->addLayout(listas);
  setFixedSize(536, 348 + 170);
}

void TFgraficos::Rellenar(const TFgraficosLogica& graficos) {
  int maximo = 1;
  for (std::size_t i = 0; i < m_series.size(); ++i) {
    const int valor = graficos.Series()[i].valor;
    m_series[i]->barSets().first()->replace(0, valor);
    maximo = std::max(maximo, valor);
  }
  const int paso = PasoDelEje(maximo);
  m_eje->setTickInterval(paso);
  m_eje->setRange(0, static_cast<double>((static_cast<long long>(maximo) + paso - 1) / paso * paso));
  m_aciertos->setText(DeCp1252(graficos.Aciertos()));
  // The label's trailing blanks take no room from the chart.
  m_aciertos->setFixedWidth(m_aciertos->fontMetrics().horizontalAdvance(m_aciertos->text().trimmed()) + 2);

  const TDetalleValidacion& detalle = graficos.Detalle();
  auto llenar = [](QListWidget* lista, const TLista& textos) {
    lista->clear();
    for (const auto& texto : textos) lista->addItem(DeCp1252(texto));
  };
  llenar(m_aceptados, detalle.aceptados);
  llenar(m_rechazados, detalle.rechazados);
  llenar(m_negativos, detalle.negativosAceptados);
  m_tituloAceptados->setText(QStringLiteral("Test aceptados: %1").arg(detalle.aceptados.size()));
  m_tituloRechazados->setText(QStringLiteral("Test rechazados: %1").arg(detalle.rechazados.size()));
  m_tituloNegativos->setText(QStringLiteral("Negativos aceptados: %1").arg(detalle.negativosAceptados.size()));
  m_tituloNegativos->setVisible(detalle.conNegativa);
  m_negativos->setVisible(detalle.conNegativa);
}

void TFgraficos::Mostrar(const TFgraficosLogica& graficos) {
  Rellenar(graficos);
  EjecutarModal(*this);
}
