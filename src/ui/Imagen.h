// Imagen: a picture widget that draws one of the program's SVG pictures stretched to its
// size, and reports mouse moves over it (for the status-bar hints).
#pragma once

#include <QIcon>
#include <QSvgRenderer>
#include <QWidget>

class TImagen : public QWidget {
  Q_OBJECT
 public:
  // `recurso`: a picture of the program's resources, ":/imagenes/imagen_fija.svg".
  explicit TImagen(const QString& recurso, QWidget* padre = nullptr);

  bool Cargada() const { return m_dibujo.isValid(); }
  QSize sizeHint() const override;

 signals:
  void RatonMovido();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* evento) override;

 private:
  QSvgRenderer m_dibujo;
};

// The icon of a picture of the program's resources, drawn sharp at any size.
QIcon IconoDe(const QString& recurso);
