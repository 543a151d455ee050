// CompararAutomatas: the two windows of "Comparar...": the dialog TFelegirComparacion (an
// expression typed, or "Archivo...") and the verdict window TFcomparar, which traces the
// witness on both automata's diagrams side by side.
#pragma once

#include <QDialog>

#include "app/interaccion/Interaccion.h"

class QLineEdit;
class TAyuda;
class TFcompararLogica;
class TFelegirComparacionLogica;
class TVistaDiagrama;

class TFelegirComparacion : public QDialog {
  Q_OBJECT
 public:
  explicit TFelegirComparacion(QWidget* padre = nullptr);

  // Shows `dialogo` modally: "Aceptar" (the default) and "Archivo..." call its handlers
  // through `interaccion` and close it when they take the entry: TRespuesta::Ok.
  // "Cancelar" or the close box: TRespuesta::Cancelar.
  TRespuesta Elegir(TFelegirComparacionLogica& dialogo, TInteraccion& interaccion);

 private:
  QLineEdit* m_expresion;
  TFelegirComparacionLogica* m_dialogo = nullptr;
  TInteraccion* m_interaccion = nullptr;
};

class TFcomparar : public QDialog {
  Q_OBJECT
 public:
  // The verdict above; with a witness, A's diagram on the left and B's on the right, each
  // tracing the witness to its end. `interaccion` exports the diagrams while shown.
  TFcomparar(const TFcompararLogica& ventana, TAyuda& ayuda, TInteraccion& interaccion, QWidget* padre = nullptr);

  TVistaDiagrama* VistaA() const { return m_vistaA; }
  TVistaDiagrama* VistaB() const { return m_vistaB; }

 private:
  TVistaDiagrama* m_vistaA = nullptr;
  TVistaDiagrama* m_vistaB = nullptr;
};
