// Avisos: the two yes/no notices, TFavisos (a new character in an incremental example) and
// TFavisos1 (a result that is not deterministic): caption "Aviso", a picture, the labels
// Aviso and Pregunta, and the buttons "Sí" (the default) and "No", which Escape also
// chooses.
#pragma once

#include <QDialog>
#include <string>

#include "app/interaccion/Interaccion.h"

class QLabel;

class TDialogoAviso : public QDialog {
  Q_OBJECT
 public:
  // Shows the dialog modally with the two texts (Windows-1252): TRespuesta::Si for "Sí",
  // TRespuesta::No for "No" or Escape, TRespuesta::Cancelar when it was closed another way
  // (its close box).
  TRespuesta Preguntar(const std::string& aviso, const std::string& pregunta);

 protected:
  TDialogoAviso(const char* nombre, const QString& imagen, QWidget* padre);
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  static constexpr int kSi = 2;
  static constexpr int kNo = 3;
  QLabel* m_aviso;
  QLabel* m_pregunta;
};

class TFavisos : public TDialogoAviso {
  Q_OBJECT
 public:
  explicit TFavisos(QWidget* padre = nullptr);
};

class TFavisos1 : public TDialogoAviso {
  Q_OBJECT
 public:
  explicit TFavisos1(QWidget* padre = nullptr);
};
