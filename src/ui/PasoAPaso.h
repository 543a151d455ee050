// PasoAPaso: the step-by-step window TFpasoAPaso: the prefix-tree acceptor drawn once and
// coloured by blocks, the current merge and its cause, the quotient automaton beside it,
// the step controls with play/pause and speed, and the list of steps.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTimer;
class TAyuda;
class TFpasoAPasoLogica;
class TInteraccion;
class TVistaDiagrama;

class TFpasoAPaso : public QDialog {
  Q_OBJECT
 public:
  TFpasoAPaso(TAyuda& ayuda, QWidget* padre = nullptr);

  // Shows `ventana` modally until it is closed; "Exportar diagrama" asks for its file
  // through `interaccion`.
  void Mostrar(TFpasoAPasoLogica& ventana, TInteraccion& interaccion);

  TVistaDiagrama* VistaAceptor() const { return m_aceptor; }
  TVistaDiagrama* VistaCociente() const { return m_cociente; }

 private:
  // Re-reads the current step from the logic object.
  void Refrescar();

  TAyuda& m_ayuda;
  TFpasoAPasoLogica* m_ventana = nullptr;
  QLabel* m_textoPaso;
  QLabel* m_frase;
  TVistaDiagrama* m_aceptor;
  TVistaDiagrama* m_cociente;
  QListWidget* m_lista;
  QPushButton* m_primero;
  QPushButton* m_anterior;
  QPushButton* m_siguiente;
  QPushButton* m_ultimo;
  QPushButton* m_reproducir;
  QSlider* m_velocidad;
  QTimer* m_reloj;
};
