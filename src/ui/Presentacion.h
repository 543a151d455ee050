// Presentacion: the splash window TFpresentacion shown while the windows are created.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class TImagen;

class TFpresentacion : public QWidget {
  Q_OBJECT
 public:
  explicit TFpresentacion(QWidget* padre = nullptr);

  // One step of the progress bar, painted at once (the event loop is not running yet).
  void Paso();

  int Progreso() const;

 private:
  TImagen* m_imagen;
  QLabel* m_panel;
  QProgressBar* m_progreso;
};
