// Modal: the dialog is parented for the time it runs to the dialog that opened it, so
// window modality chains along the open dialogs as application modality did.
#include "ui/Modal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

QWidget* VentanaEncima(QWidget* principal) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal ? modal : principal;
}

int EjecutarModal(QDialog& dialogo) {
  QPointer<QWidget> padre = dialogo.parentWidget();
  QWidget* encima = QApplication::activeModalWidget();
  const bool prestado = encima && encima != &dialogo && encima != padre && !dialogo.isAncestorOf(encima);
  if (prestado) dialogo.setParent(encima, dialogo.windowFlags());
  if (dialogo.parentWidget()) dialogo.setWindowModality(Qt::WindowModal);
  const int resultado = dialogo.exec();
  if (prestado) dialogo.setParent(padre, dialogo.windowFlags());
  return resultado;
}
