// TAplicacion: the last place where exhausted memory is caught; the commands catch it
// themselves (ConErrorInternoEnCaja), this covers the rest (opening a sample, a window's
// button). By the time the box shows, the failed operation's memory has been freed.
#include "ui/Aplicacion.h"

#include <QMessageBox>
#include <new>
#include <stdexcept>

#include "app/ErrorInternoEnCaja.h"
#include "ui/Modal.h"
#include "ui/TextoQt.h"

TAplicacion::TAplicacion(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAplicacion::notify(QObject* receptor, QEvent* evento) {
  try {
    return QApplication::notify(receptor, evento);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  AvisarMemoriaInsuficiente();
  return false;
}

void AvisarMemoriaInsuficiente() {
  QWidget* encima = QApplication::activeModalWidget();
  if (encima == nullptr) encima = QApplication::activeWindow();
  QMessageBox caja(QMessageBox::Critical, QStringLiteral("Error"), DeCp1252(kMemoriaInsuficiente), QMessageBox::Ok,
                   encima);
  caja.setObjectName("Mensaje");
  EjecutarModal(caja);
}
