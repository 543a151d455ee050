// Objetivo: the forms of the "&Objetivo" menu: "Generar muestras..." (TFgenerarMuestras)
// and "Ver objetivo" (TFverObjetivo). They show and hand back; FlujosObjetivo decides.
#pragma once

#include <QDialog>

#include "app/objetivos/FlujosObjetivo.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

class TFgenerarMuestras : public QDialog {
  Q_OBJECT
 public:
  explicit TFgenerarMuestras(QWidget* padre = nullptr);
  // Shows `datos`, runs modally; on "Aceptar" leaves the figures in `datos` and returns true.
  bool Pedir(TDatosGeneracion& datos);
  // The form's fields from `datos`, for Pedir and for rendering.
  void Poner(const TDatosGeneracion& datos);

 private:
  QSpinBox* m_positivos;
  QSpinBox* m_negativos;
  QSpinBox* m_test;
  QSpinBox* m_longitud;
  QLineEdit* m_semilla;
  QComboBox* m_caracteristica;
  QSpinBox* m_k;
};

class TFverObjetivo : public QDialog {
  Q_OBJECT
 public:
  // The target's minimal automaton drawn beside its lines.
  TFverObjetivo(const TVerObjetivo& ver, QWidget* padre = nullptr);
};
