// Imagen: SVG pictures as widgets and icons.
#include "ui/Imagen.h"

#include <QIcon>
#include <QPainter>

TImagen::TImagen(const QString& recurso, QWidget* padre) : QWidget(padre), m_dibujo(recurso) {
  m_dibujo.setAspectRatioMode(Qt::IgnoreAspectRatio);
  setMouseTracking(true);
}

QSize TImagen::sizeHint() const { return m_dibujo.defaultSize(); }

void TImagen::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing);
  m_dibujo.render(&pintor, QRectF(rect()));
}

void TImagen::mouseMoveEvent(QMouseEvent* evento) {
  emit RatonMovido();
  QWidget::mouseMoveEvent(evento);
}

QIcon IconoDe(const QString& recurso) { return QIcon(recurso); }
