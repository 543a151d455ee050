// PasoAPaso: every control calls the logic object and then Refrescar; the acceptor's
// layout is made once per window and only re-coloured, the quotient is laid out per step.
#include "ui/PasoAPaso.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QShortcut>
#include <QSlider>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/ExportarDiagrama.h"
#include "app/PasoAPasoLogica.h"
#include "ui/Ayuda.h"
#include "ui/Componentes.h"
#include "ui/TextoQt.h"
#include "ui/VistaDiagrama.h"
#include "ui/Modal.h"

namespace {

const QColor kBordePrimero("#c0392b");  // the first block of the merge
const QColor kBordeSegundo("#1e8449");  // the second block

// A light colour per block number, hues spread by the golden angle so that neighbouring
// numbers differ.
QColor ColorDeBloque(int color) {
  if (color < 0) return {};
  return QColor::fromHsv(static_cast<int>(std::fmod(color * 137.508, 360.0)), 70, 250);
}

void Pintar(TVistaDiagrama* vista, const std::vector<TAspectoEstado>& aspecto) {
  std::vector<QColor> rellenos, bordes;
  for (const auto& estado : aspecto) {
    rellenos.push_back(ColorDeBloque(estado.Color));
    bordes.push_back(estado.Resalte == 1 ? kBordePrimero : estado.Resalte == 2 ? kBordeSegundo : QColor());
  }
  vista->PonerAspecto(std::move(rellenos), std::move(bordes));
}

QGroupBox* Marco(QWidget* padre, const QString& titulo, QWidget* contenido) {
  auto* marco = new QGroupBox(titulo, padre);
  auto* capa = new QVBoxLayout(marco);
  capa->setContentsMargins(4, 4, 4, 4);
  capa->addWidget(contenido);
  return marco;
}

}  // namespace

TFpasoAPaso::TFpasoAPaso(TAyuda& ayuda, QWidget* padre) : QDialog(padre), m_ayuda(ayuda) {
  setObjectName(QStringLiteral("TFpasoAPaso"));
  setWindowTitle(QString::fromLatin1(TFpasoAPasoLogica::kCaption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);

  m_textoPaso = CrearEtiqueta(this, "TextoPaso", {});
  QFont negrita = m_textoPaso->font();
  negrita.setBold(true);
  negrita.setPointSizeF(negrita.pointSizeF() * 1.15);
  m_textoPaso->setFont(negrita);
  m_frase = CrearEtiqueta(this, "Frase", {});
  m_frase->setWordWrap(true);

  m_aceptor = new TVistaDiagrama(this);
  m_aceptor->setObjectName(QStringLiteral("VistaAceptor"));
  m_aceptor->OcultarPrueba();
  m_cociente = new TVistaDiagrama(this);
  m_cociente->setObjectName(QStringLiteral("VistaCociente"));
  m_cociente->OcultarPrueba();  // strings are tried in the result window; here the drawing has the room
  m_lista = new QListWidget(this);
  m_lista->setObjectName(QStringLiteral("ListaPasos"));
  connect(m_lista, &QListWidget::currentRowChanged, this, [this](int fila) {
    if (!m_ventana || fila < 0 || static_cast<std::size_t>(fila) == m_ventana->PasoActual()) return;
    m_ventana->ElegirPaso(static_cast<std::size_t>(fila));
    Refrescar();
  });

  auto* divisor = new QSplitter(Qt::Horizontal, this);
  divisor->setObjectName(QStringLiteral("Divisor"));
  divisor->setChildrenCollapsible(false);
  divisor->addWidget(Marco(divisor, QStringLiteral("Árbol aceptor de prefijos"), m_aceptor));
  divisor->addWidget(Marco(divisor, QStringLiteral("Autómata cociente"), m_cociente));
  divisor->addWidget(Marco(divisor, QStringLiteral("Pasos"), m_lista));
  divisor->setStretchFactor(0, 5);
  divisor->setStretchFactor(1, 4);
  divisor->setStretchFactor(2, 2);
  divisor->setSizes({460, 360, 220});

  // the controls
  const struct {
    QPushButton** boton;
    const char* nombre;
    const char* texto;
    const char* pista;
    void (TFpasoAPasoLogica::*accion)();
  } botones[] = {
      {&m_primero, "BotonPrimero", "|◀", "Primer paso", &TFpasoAPasoLogica::BotonPrimeroClick},
      {&m_anterior, "BotonAnterior", "◀", "Paso anterior", &TFpasoAPasoLogica::BotonAnteriorClick},
      {&m_reproducir, "BotonReproducir", "Reproducir", "Reproducir o detener", &TFpasoAPasoLogica::BotonReproducirClick},
      {&m_siguiente, "BotonSiguiente", "▶", "Paso siguiente", &TFpasoAPasoLogica::BotonSiguienteClick},
      {&m_ultimo, "BotonUltimo", "▶|", "Último paso", &TFpasoAPasoLogica::BotonUltimoClick},
  };
  auto* controles = new QHBoxLayout;
  for (const auto& b : botones) {
    *b.boton = CrearBoton(this, b.nombre, QString::fromUtf8(b.texto), QString::fromUtf8(b.pista));
    if (b.boton != &m_reproducir) (*b.boton)->setFixedWidth(44);
    connect(*b.boton, &QPushButton::clicked, this, [this, accion = b.accion] {
      if (!m_ventana) return;
      (m_ventana->*accion)();
      Refrescar();
    });
    controles->addWidget(*b.boton);
  }
  // the keyboard moves through the steps as the buttons do
  const std::pair<Qt::Key, QPushButton*> teclas[] = {
      {Qt::Key_Home, m_primero}, {Qt::Key_End, m_ultimo}, {Qt::Key_Left, m_anterior}, {Qt::Key_Right, m_siguiente}};
  for (const auto& [tecla, boton] : teclas) {
    auto* atajo = new QShortcut(QKeySequence(tecla), this);
    connect(atajo, &QShortcut::activated, boton, &QPushButton::click);
  }
  m_reproducir->setMinimumWidth(100);
  controles->addSpacing(16);
  controles->addWidget(CrearEtiqueta(this, "EtiquetaVelocidad", QStringLiteral("Velocidad: ")));
  m_velocidad = new QSlider(Qt::Horizontal, this);
  m_velocidad->setObjectName(QStringLiteral("Velocidad"));
  m_velocidad->setRange(TFpasoAPasoLogica::kVelocidadMinima, TFpasoAPasoLogica::kVelocidadMaxima);
  m_velocidad->setPageStep(1);
  m_velocidad->setTickPosition(QSlider::TicksBelow);
  m_velocidad->setFixedWidth(120);
  connect(m_velocidad, &QSlider::valueChanged, this, [this](int valor) {
    if (!m_ventana) return;
    m_ventana->PonerVelocidad(valor);
    m_reloj->setInterval(m_ventana->IntervaloMs());
  });
  controles->addWidget(m_velocidad);
  controles->addStretch(1);
  auto* cerrar = CrearBoton(this, "BitBtn1", QStringLiteral("Cerrar"));
  connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
  auto* ayudaBoton = CrearBotonAyuda(this);
  connect(ayudaBoton, &QPushButton::clicked, this, [this] {
    if (m_ventana) m_ayuda.Tema(ArchivoAyuda, QString::fromLatin1(m_ventana->TemaAyuda()));
  });
  controles->addWidget(cerrar);
  controles->addWidget(ayudaBoton);

  m_reloj = new QTimer(this);
  connect(m_reloj, &QTimer::timeout, this, [this] {
    if (!m_ventana) return;
    m_ventana->Tic();
    Refrescar();
  });

  // what the rings, colours and dashes of both drawings mean
  auto* leyenda = CrearEtiqueta(this, "Leyenda", {});
  leyenda->setTextFormat(Qt::RichText);
  leyenda->setWordWrap(true);
  leyenda->setText(QStringLiteral(
      "<span style='color:%1; font-size:large'>&#9711;</span> primer bloque que se une &nbsp;&nbsp; "
      "<span style='color:%2; font-size:large'>&#9711;</span> segundo bloque &nbsp;&nbsp; "
      "<span style='background:%3'>&nbsp;&nbsp;&nbsp;&nbsp;</span> un mismo color: un mismo bloque &nbsp;&nbsp; "
      "&#9675; blanco: estado aún solo &nbsp;&nbsp; &#9678; doble círculo: estado final &nbsp;&nbsp; "
      "&#9676; discontinuo: ejemplo con la marca final $")
                       .arg(kBordePrimero.name(), kBordeSegundo.name(), ColorDeBloque(3).name()));

  auto* capa = new QVBoxLayout(this);
  capa->addWidget(m_textoPaso);
  capa->addWidget(m_frase);
  capa->addWidget(divisor, 1);
  capa->addWidget(leyenda);
  capa->addLayout(controles);
  resize(1080, 620);
}

void TFpasoAPaso::Mostrar(TFpasoAPasoLogica& ventana, TInteraccion& interaccion) {
  m_ventana = &ventana;
  setWindowTitle(DeCp1252(ventana.Caption()));
  const auto exportar = [&interaccion](const TDiagrama& d) { ExportarDiagramaClick(interaccion, d); };
  m_aceptor->PonerExportar(exportar);
  m_cociente->PonerExportar(exportar);
  m_aceptor->Mostrar(ventana.DiagramaAceptor());
  {
    const QSignalBlocker bloqueo(m_lista);
    m_lista->clear();
    m_lista->addItems(DeLista(ventana.ListaPasos()));
    for (int fila = 0; fila < m_lista->count(); ++fila)
      m_lista->item(fila)->setToolTip(DeCp1252(ventana.FraseDePaso(static_cast<std::size_t>(fila))));
  }
  {
    const QSignalBlocker bloqueo(m_velocidad);
    m_velocidad->setValue(ventana.Velocidad());
  }
  m_reloj->setInterval(ventana.IntervaloMs());
  Refrescar();
  EjecutarModal(*this);
  m_reloj->stop();
  m_ventana = nullptr;
}

void TFpasoAPaso::Refrescar() {
  if (!m_ventana) return;
  m_textoPaso->setText(DeCp1252(m_ventana->TextoPaso()));
  m_frase->setText(DeCp1252(m_ventana->Frase()));
  Pintar(m_aceptor, m_ventana->AspectoAceptor());
  m_cociente->Mostrar(m_ventana->DiagramaCociente());
  Pintar(m_cociente, m_ventana->AspectoCociente());
  {
    const QSignalBlocker bloqueo(m_lista);
    m_lista->setCurrentRow(static_cast<int>(m_ventana->PasoActual()));
  }
  m_primero->setEnabled(m_ventana->BotonAnteriorHabilitado());
  m_anterior->setEnabled(m_ventana->BotonAnteriorHabilitado());
  m_siguiente->setEnabled(m_ventana->BotonSiguienteHabilitado());
  m_ultimo->setEnabled(m_ventana->BotonSiguienteHabilitado());
  m_reproducir->setText(DeCp1252(m_ventana->TextoReproducir()));
  if (m_ventana->Reproduciendo() && !m_reloj->isActive()) m_reloj->start();
  if (!m_ventana->Reproduciendo()) m_reloj->stop();
}
