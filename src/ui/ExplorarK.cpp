// ExplorarK: the sweep runs in a QThread over a copy of the samples; each row crosses to
// the window's thread in a queued call, so the table and charts change only there. Closing
// the window cancels the sweep and waits for the run in progress. A sweep that runs out of
// memory keeps the rows made and says so in an error box.
#include "ui/ExplorarK.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QPainter>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>
#include <new>
#include <stdexcept>
#include <utility>

#include "app/ErrorInternoEnCaja.h"
#include "app/InteraccionResultados.h"
#include "core/Cancelacion.h"
#include "core/ErrorInterno.h"
#include "app/FlujosMuestra.h"
#include "ui/TextoQt.h"

namespace {

// Tells the window about each row from the sweep's thread; the window outlives the thread.
class TProgresoQt : public TProgresoBarrido {
 public:
  TProgresoQt(QObject* ventana, std::shared_ptr<TCancelacion> cancelado,
              std::function<void(const TFilaBarrido&, std::size_t, std::size_t)> avisar)
      : m_ventana(ventana), m_cancelado(std::move(cancelado)), m_avisar(std::move(avisar)) {}
  bool Cancelado() override { return m_cancelado->Pedida(); }
  void FilaHecha(const TFilaBarrido& fila, std::size_t hechas, std::size_t total) override {
    QMetaObject::invokeMethod(m_ventana, [avisar = m_avisar, fila, hechas, total] { avisar(fila, hechas, total); },
                              Qt::QueuedConnection);
  }

 private:
  QObject* m_ventana;
  std::shared_ptr<TCancelacion> m_cancelado;
  std::function<void(const TFilaBarrido&, std::size_t, std::size_t)> m_avisar;
};

// A whole step of 1, 2 or 5 times a power of ten that divides 0..maximo in at most ten.
double PasoEntero(double maximo) {
  for (double potencia = 1;; potencia *= 10)
    for (const double factor : {1.0, 2.0, 5.0})
      if (maximo <= 10 * factor * potencia) return factor * potencia;
}

QChart* NuevoGrafico(const QString& titulo) {
  auto* grafico = new QChart;
  grafico->setTitle(titulo);
  grafico->legend()->setAlignment(Qt::AlignBottom);
  grafico->setMargins(QMargins(2, 2, 2, 2));
  return grafico;
}

void Dibujar(QChart* grafico, const std::vector<TFexplorarKLogica::TLinea>& lineas, const QString& ejeX) {
  grafico->removeAllSeries();
  for (QAbstractAxis* eje : grafico->axes()) {
    grafico->removeAxis(eje);
    delete eje;
  }
  auto* x = new QValueAxis;
  x->setTitleText(ejeX);
  x->setLabelFormat(QStringLiteral("%d"));
  auto* y = new QValueAxis;
  y->setLabelFormat(QStringLiteral("%d"));
  // whole numbers in a small chart: shown whole rather than cut to "…"
  for (QValueAxis* eje : {x, y}) eje->setTruncateLabels(false);
  grafico->addAxis(x, Qt::AlignBottom);
  grafico->addAxis(y, Qt::AlignLeft);
  double maxX = 1, maxY = 1;
  // lines that coincide stay apart: each its own colour, dash pattern and marker size
  const Qt::PenStyle trazos[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
  const QColor colores[] = {QColor("#1f6fd1"), QColor("#c0392b"), QColor("#1e8449"), QColor("#d68910")};
  std::size_t numero = 0;
  for (const auto& linea : lineas) {
    auto* serie = new QLineSeries;
    serie->setName(DeCp1252(linea.nombre));
    serie->setPointsVisible(true);
    serie->setMarkerSize(11.0 - 2.0 * static_cast<double>(numero % 4));
    QPen pluma(colores[numero % 4], 2.2, trazos[numero % 4]);
    serie->setPen(pluma);
    ++numero;
    for (const auto& [px, py] : linea.puntos) {
      serie->append(px, py);
      maxX = std::max(maxX, px);
      maxY = std::max(maxY, py);
    }
    grafico->addSeries(serie);
    serie->attachAxis(x);
    serie->attachAxis(y);
  }
  for (auto [eje, maximo] : {std::pair{x, maxX}, std::pair{y, maxY}}) {
    const double paso = PasoEntero(maximo);
    eje->setTickType(QValueAxis::TicksDynamic);
    eje->setTickAnchor(0);
    eje->setTickInterval(paso);
    eje->setRange(0, std::ceil(maximo / paso) * paso);
  }
}

}  // namespace

TFexplorarK::TFexplorarK(const TSesion& sesion, TInteraccionResultados& interaccion, char separadorDecimal,
                         QWidget* padre)
    : QDialog(padre), m_logica(sesion), m_interaccion(interaccion), m_separadorDecimal(separadorDecimal) {
  setObjectName("TFexplorarK");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowTitle(DeCp1252(TFexplorarKLogica::kCaption));

  m_seleccion = new QComboBox(this);
  m_seleccion->setObjectName("Seleccion");
  m_seleccion->addItem(QStringLiteral("KR y KC, K de 0 al ejemplo más largo"));
  m_seleccion->addItem(QStringLiteral("IM1 Levine, cada cota S"));
  m_explorar = new QPushButton(QStringLiteral("&Explorar"), this);
  m_explorar->setObjectName("BotonExplorar");
  m_cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
  m_cancelar->setObjectName("BotonCancelar");
  m_cancelar->setEnabled(false);
  m_progreso = new QProgressBar(this);
  m_progreso->setObjectName("Progreso");
  m_progreso->setFormat(QStringLiteral("%v de %m"));
  m_estado = new QLabel(this);
  m_estado->setObjectName("Estado");

  m_tabla = new QTableWidget(this);
  m_tabla->setObjectName("Tabla");
  m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
  m_tabla->verticalHeader()->setVisible(false);
  m_tabla->setToolTip(QStringLiteral("Doble clic en una fila: ver su autómata resultado"));

  m_estados = NuevoGrafico(QStringLiteral("Estados por K"));
  m_aceptados = NuevoGrafico(QStringLiteral("Ejemplos aceptados por K"));
  auto* vistaEstados = new QChartView(m_estados);
  vistaEstados->setObjectName("GraficoEstados");
  vistaEstados->setRenderHint(QPainter::Antialiasing);
  auto* vistaAceptados = new QChartView(m_aceptados);
  vistaAceptados->setObjectName("GraficoAceptados");
  vistaAceptados->setRenderHint(QPainter::Antialiasing);
  auto* graficos = new QSplitter(Qt::Vertical);
  m_graficos = graficos;
  graficos->addWidget(vistaEstados);
  graficos->addWidget(vistaAceptados);
  graficos->setMinimumWidth(400);
  auto* division = new QSplitter(Qt::Horizontal, this);
  division->addWidget(m_tabla);
  division->addWidget(graficos);
  division->setStretchFactor(0, 1);
  division->setStretchFactor(1, 1);
  division->setSizes({560, 420});

  auto* cerrar = new QPushButton(QStringLiteral("C&errar"), this);
  cerrar->setObjectName("BotonCerrar");
  auto* guardarTabla = new QPushButton(QStringLiteral("Guardar &tabla..."), this);
  guardarTabla->setObjectName("BotonGuardarTabla");
  guardarTabla->setToolTip(QStringLiteral("Guardar la tabla como CSV"));
  auto* guardarGrafico = new QPushButton(QStringLiteral("Guardar &gráfico..."), this);
  guardarGrafico->setObjectName("BotonGuardarGrafico");
  guardarGrafico->setToolTip(QStringLiteral("Guardar los dos gráficos como PNG o SVG"));
  connect(guardarTabla, &QPushButton::clicked, this, [this] { m_logica.GuardarTablaClick(m_interaccion); });
  connect(guardarGrafico, &QPushButton::clicked, this, &TFexplorarK::GuardarGrafico);

  auto* arriba = new QHBoxLayout;
  arriba->addWidget(m_seleccion);
  arriba->addWidget(m_explorar);
  arriba->addWidget(m_cancelar);
  arriba->addWidget(m_progreso, 1);
  auto* abajo = new QHBoxLayout;
  abajo->addWidget(m_estado, 1);
  abajo->addWidget(guardarTabla);
  abajo->addWidget(guardarGrafico);
  abajo->addWidget(cerrar);
  auto* capa = new QVBoxLayout(this);
  capa->addLayout(arriba);
  capa->addWidget(division, 1);
  capa->addLayout(abajo);
  resize(1120, 600);

  connect(m_explorar, &QPushButton::clicked, this, &TFexplorarK::Explorar);
  connect(m_cancelar, &QPushButton::clicked, this, &TFexplorarK::Cancelar);
  connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_tabla, &QTableWidget::cellDoubleClicked, this, [this](int fila, int) { AbrirFila(fila); });
  connect(m_seleccion, &QComboBox::currentIndexChanged, this, [this](int indice) {
    m_logica.Elegir(indice == 1 ? TFexplorarKLogica::TSeleccion::IM1Levine : TFexplorarKLogica::TSeleccion::KRyKC);
  });
}

TFexplorarK::~TFexplorarK() { Detener(); }

void TFexplorarK::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (!m_empezada) {
    m_empezada = true;
    QMetaObject::invokeMethod(this, &TFexplorarK::Explorar, Qt::QueuedConnection);
  }
}

void TFexplorarK::done(int resultado) {
  Detener();
  QDialog::done(resultado);
}

void TFexplorarK::Detener() {
  if (!m_hilo) return;
  m_cancelado->Pedir();
  m_hilo->wait();
  m_hilo.reset();
}

void TFexplorarK::Explorar() {
  if (m_hilo) return;
  m_logica.Empezar();
  const auto algoritmos = m_logica.Algoritmos();
  const auto columnas = m_logica.Columnas();
  m_tabla->clear();
  m_tabla->setRowCount(0);
  m_tabla->setColumnCount(static_cast<int>(columnas.size()));
  QStringList cabecera;
  for (const auto& columna : columnas) cabecera << DeCp1252(columna);
  m_tabla->setHorizontalHeaderLabels(cabecera);
  m_tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  DibujarGraficos();
  m_progreso->setRange(0, 1);
  m_progreso->setValue(0);
  m_estado->setText(DeCp1252(m_logica.Aviso()));

  m_cancelado = std::make_shared<TCancelacion>();
  m_error = std::make_shared<std::string>();
  auto progreso = std::make_shared<TProgresoQt>(
      this, m_cancelado, [this, barrido = ++m_barrido](const TFilaBarrido& fila, std::size_t hechas, std::size_t total) {
        if (barrido == m_barrido) FilaHecha(fila, hechas, total);  // not a row of a sweep stopped before
      });
  m_hilo.reset(QThread::create([muestras = m_logica.Muestras(), algoritmos, progreso, cancelado = m_cancelado,
                                 error = m_error] {
    const TAmbitoCancelacion ambito(*cancelado);
    try {
      Barrido(muestras, algoritmos, progreso.get());
    } catch (const TCancelado&) {
    } catch (const TErrorInterno& fallo) {
      *error = fallo.Codigo();
    } catch (const std::bad_alloc&) {
      *error = kMemoriaInsuficiente;
    } catch (const std::length_error&) {
      *error = kMemoriaInsuficiente;
    }
  }));
  connect(m_hilo.get(), &QThread::finished, this, &TFexplorarK::AlTerminar, Qt::QueuedConnection);
  m_explorar->setEnabled(false);
  m_seleccion->setEnabled(false);
  m_cancelar->setEnabled(true);
  m_hilo->start();
}

void TFexplorarK::Cancelar() {
  if (m_cancelado) m_cancelado->Pedir();
  m_cancelar->setEnabled(false);
}

void TFexplorarK::FilaHecha(const TFilaBarrido& fila, std::size_t hechas, std::size_t total) {
  m_logica.AnadirFila(fila);
  const int n = m_tabla->rowCount();
  m_tabla->insertRow(n);
  const auto textos = m_logica.TextosDeFila(static_cast<std::size_t>(n));
  for (std::size_t c = 0; c < textos.size(); ++c) {
    auto* celda = new QTableWidgetItem(DeCp1252(textos[c]));
    celda->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    if (fila.Consistente()) celda->setBackground(QColor(200, 240, 200));
    m_tabla->setItem(n, static_cast<int>(c), celda);
  }
  m_progreso->setRange(0, static_cast<int>(total));
  m_progreso->setValue(static_cast<int>(hechas));
  m_estado->setText(DeCp1252(TFexplorarKLogica::TextoProgreso(hechas, total)));
  DibujarGraficos();
}

void TFexplorarK::AlTerminar() {
  if (!m_hilo) return;
  m_hilo->wait();
  m_hilo.reset();
  const bool cancelada = m_cancelado->Pedida();
  m_explorar->setEnabled(true);
  m_seleccion->setEnabled(true);
  m_cancelar->setEnabled(false);
  QString texto = DeCp1252(m_logica.Aviso());
  if (cancelada) texto = QStringLiteral("Cancelado: ") + DeCp1252(TFexplorarKLogica::TextoProgreso(
                                                             m_logica.Filas().size(), static_cast<std::size_t>(m_progreso->maximum())));
  else if (m_logica.Filas().empty()) texto = QStringLiteral("Nada que explorar");
  if (!m_error->empty()) texto = DeCp1252(*m_error);
  m_estado->setText(texto);
  if (!m_error->empty()) m_interaccion.Mensaje(*m_error, TIcono::Error, TBotones::Ok);
  emit Terminada();
}

void TFexplorarK::DibujarGraficos() {
  const QString ejeX = DeCp1252(m_logica.TituloEjeX());
  // the charts name the parameter swept: K for KR and KC, S for IM1
  const QString parametro = ejeX.toUpper();
  m_estados->setTitle(QStringLiteral("Estados por %1").arg(parametro));
  m_aceptados->setTitle(QStringLiteral("Ejemplos aceptados por %1").arg(parametro));
  Dibujar(m_estados, m_logica.LineasEstados(), ejeX);
  Dibujar(m_aceptados, m_logica.LineasAceptados(), ejeX);
}

void TFexplorarK::GuardarGrafico() {
  const auto elegido = m_interaccion.ElegirArchivoGuardar(TFexplorarKLogica::DialogoGrafico());
  if (!elegido) return;
  const QString ruta = QString::fromStdString(ConExtensionPorDefecto(*elegido, "png"));
  bool escrito = false;
  if (ruta.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setFileName(ruta);
    svg.setSize(m_graficos->size());
    svg.setViewBox(m_graficos->rect());
    svg.setTitle(windowTitle().trimmed());
    QPainter pintor;
    escrito = pintor.begin(&svg);
    if (escrito) {
      m_graficos->render(&pintor);
      escrito = pintor.end();
    }
  } else {
    QPixmap imagen(m_graficos->size() * 2);
    imagen.setDevicePixelRatio(2);
    imagen.fill(Qt::white);
    m_graficos->render(&imagen);
    escrito = imagen.save(ruta, "PNG");
  }
  if (!escrito)
    m_interaccion.Mensaje(ACp1252(QStringLiteral("No se puede escribir el archivo \"%1\"").arg(ruta)), TIcono::Error,
                          TBotones::Ok);
}

void TFexplorarK::AbrirFila(int fila) {
  if (fila < 0) return;
  m_logica.AbrirFila(static_cast<std::size_t>(fila), m_interaccion, m_separadorDecimal);
}
