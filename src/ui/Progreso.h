// Progreso: a command's long work run away from the user interface, and the dialog
// TFprogreso ("Cancelar" and a busy bar) that appears when the work lasts.
#pragma once

#include <QProgressDialog>
#include <functional>

class QPushButton;
class TCancelacion;

class TFprogreso : public QProgressDialog {
  Q_OBJECT
 public:
  // Application-modal over `padre`, saying `texto`; "Cancelar" (and Escape, and the close
  // box) asks `cancelacion` to stop and leaves the dialog up, saying so, until the work ends.
  TFprogreso(const QString& texto, TCancelacion& cancelacion, QWidget* padre);

  // The text while the work is asked to stop.
  static QString TextoCancelando() { return QStringLiteral("Cancelando..."); }
  QPushButton* BotonCancelar() const { return m_cancelar; }

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  void Cancelar();

  TCancelacion& m_cancelacion;
  QPushButton* m_cancelar;
};

// Runs `trabajo` in a thread of its own while this thread's event loop goes on, so windows
// keep painting; user input waits meanwhile. Work that ends within EsperaDialogoMs shows
// nothing; longer work shows TFprogreso over `padre` (at once when another long work ended
// just before, so a command's steps read as one). Returns when the work has ended: true
// when it ran to its end and nobody cancelled it; false when "Cancelar" was pressed (the
// work stops at its next ComprobarCancelacion, or ends, and its result is not wanted).
// What the work threw is thrown again here.
bool EjecutarConProgresoQt(const QString& texto, const std::function<void()>& trabajo, QWidget* padre);

// How long work runs before the dialog appears, in milliseconds.
inline constexpr int EsperaDialogoMs = 500;
