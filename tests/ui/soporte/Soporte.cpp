// Soporte: the home folder and render helpers of the Qt tests.
#include "soporte/Soporte.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPixmap>
#include <QTest>
#include <cstdlib>

#include "diagram/Disposicion.h"
#include "ui/VistaDiagrama.h"

TCasaTemporal::TCasaTemporal() : m_casaAnterior(qgetenv("HOME")) { qputenv("HOME", m_carpeta.path().toLocal8Bit()); }

TCasaTemporal::~TCasaTemporal() { qputenv("HOME", m_casaAnterior); }

QString TCasaTemporal::Escribir(const QString& nombre, const QByteArray& contenido) const {
  const QString ruta = m_carpeta.filePath(nombre);
  QFile archivo(ruta);
  if (archivo.open(QIODevice::WriteOnly)) archivo.write(contenido);
  return ruta;
}

QString GuardarCaptura(QWidget* ventana, const QString& nombre) {
  QDir().mkpath(QStringLiteral(TELAR_CAPTURAS));
  const QString ruta = QDir(QStringLiteral(TELAR_CAPTURAS)).filePath(nombre + QStringLiteral(".png"));
  // a diagram shown is laid out away from the window's thread: wait for it (unless it waits
  // for a click); the hidden windows a main window owns have nothing to wait for
  for (auto* vista : ventana->findChildren<TVistaDiagrama*>())
    if (vista->isVisible())
      (void)QTest::qWaitFor([vista] { return vista->Dibujado() || !DibujoInmediato(vista->Diagrama()); }, 20000);
  ventana->grab().save(ruta);
  return ruta;
}

void ResponderDialogoArchivo(const QString& archivo, std::function<void(QFileDialog*)> comprobar) {
  auto* sondeo = new QTimer(qApp);
  auto elegido = std::make_shared<QPointer<QFileDialog>>();  // the dialog this answer belongs to
  auto enganchado = std::make_shared<bool>(false);
  QTimer::singleShot(10000, sondeo, [sondeo] {
    sondeo->deleteLater();
    QFAIL("no se abrió el diálogo de archivos esperado");
  });
  QObject::connect(sondeo, &QTimer::timeout, sondeo, [=] {
    if (!*enganchado) {
      auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialogo || !dialogo->isVisible()) return;
      *elegido = dialogo;
      *enganchado = true;
      if (comprobar) comprobar(dialogo);
    }
    QFileDialog* dialogo = *elegido;
    if (!dialogo || !dialogo->isVisible()) {
      sondeo->deleteLater();
      return;
    }
    // A box of the dialog's own (the question before replacing a file) is answered by its
    // own step; meanwhile the dialog waits.
    if (QApplication::activeModalWidget() != dialogo) return;
    // Typed into the name field, as a user would; the dialog reads it when accepting.
    if (auto* campo = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); campo && campo->text() != archivo)
      campo->setText(archivo);
    const QString nombre = QFileInfo(dialogo->selectedFiles().value(0)).fileName();
    if (nombre.startsWith(QFileInfo(archivo).fileName())) QMetaObject::invokeMethod(dialogo, "accept");
  });
  sondeo->start(10);
}
