// Presentacion: picture, navy panel "Cargando... Espere" and a progress bar 0 to 18.
#include "ui/Presentacion.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "ui/Imagen.h"

TFpresentacion::TFpresentacion(QWidget* padre)
    : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("TFpresentacion");
  setWindowTitle(QStringLiteral(" Inducción Gramatical"));
  setFixedSize(500, 400);

  m_imagen = new TImagen(QStringLiteral(":/imagenes/presentacion.svg"), this);
  m_imagen->setObjectName("Image1");
  m_imagen->setGeometry(0, 0, 500, 400);

  m_panel = new QLabel(QStringLiteral("Cargando... Espere"), this);
  m_panel->setObjectName("Panel1");
  m_panel->setAlignment(Qt::AlignCenter);
  m_panel->setAutoFillBackground(true);
  QPalette paleta = m_panel->palette();
  paleta.setColor(QPalette::Window, QColor(0, 0, 128));  // navy
  paleta.setColor(QPalette::WindowText, Qt::white);
  m_panel->setPalette(paleta);
  QFont letra = m_panel->font();
  letra.setBold(true);
  m_panel->setFont(letra);
  m_panel->setGeometry(120, 318, 260, 28);

  m_progreso = new QProgressBar(this);
  m_progreso->setObjectName("ProgressBar1");
  m_progreso->setRange(0, 18);
  m_progreso->setValue(0);
  m_progreso->setTextVisible(false);
  m_progreso->setGeometry(120, 352, 260, 14);

  if (const QScreen* pantalla = QApplication::primaryScreen())
    move(pantalla->availableGeometry().center() - rect().center());
}

void TFpresentacion::Paso() {
  m_progreso->setValue(m_progreso->value() + 1);
  if (isVisible()) repaint();
}

int TFpresentacion::Progreso() const { return m_progreso->value(); }
