// Guion: answers, in order, the modal windows that a command opens, so a test can run a
// command from the main window through its real windows. Each step names the window it
// expects (its objectName: "TFmostrarAutomata", "Mensaje", "SaveDialog1"...) and acts on
// it: checks what it shows and presses its buttons. A step runs from the event loop of the
// window's own exec(), once the window is the active modal widget and its activation has
// run, so it may press buttons that open further windows (their steps follow).
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QWidget;

class TGuion {
 public:
  using TAccion = std::function<void(QWidget*)>;

  // Adds a step for the window named `ventana`.
  TGuion& En(const QString& ventana, TAccion accion);
  // Adds a step that presses the button named `boton` of the window `ventana`.
  TGuion& Pulsar(const QString& ventana, const char* boton);

  // Runs `orden` (which opens the first window) and returns when it has returned. A
  // window that stays the active one for `limiteMs` without a step for it, and steps left
  // when the command ends, are failures; after the first failure every window that opens
  // is closed, so the command always ends. Returns the failures (empty: all went well).
  QStringList Ejecutar(const std::function<void()>& orden, int limiteMs = 4000);

  // The windows the steps acted on, in order.
  const QStringList& Vistas() const { return m_vistas; }

 private:
  struct TPaso {
    QString ventana;
    TAccion accion;
  };
  std::deque<TPaso> m_pasos;
  QStringList m_vistas;
  QStringList m_fallos;
};

// Runs a command through `guion` and fails the test with the script's failures.
#define EJECUTAR_GUION(guion, orden)                                             \
  do {                                                                           \
    const QStringList fallos_ = (guion).Ejecutar([&] { orden; });                \
    QVERIFY2(fallos_.isEmpty(), qPrintable(fallos_.join(QStringLiteral("; ")))); \
  } while (false)
