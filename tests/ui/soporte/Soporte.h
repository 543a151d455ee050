// Soporte: helpers shared by the Qt tests: answering modal dialogs from inside their event
// loop, finding widgets by objectName, a clean home folder, and saving renders.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs `accion` on the next modal widget of type T once it is shown (from inside its
// exec()). Call it before the action that opens the dialog. Fails the test if none opens
// within `esperaMs`.
template <typename T>
void AlAbrirseModal(std::function<void(T*)> accion, int esperaMs = 10000) {
  auto* sondeo = new QTimer(qApp);
  auto* limite = new QTimer(sondeo);
  limite->setSingleShot(true);
  QObject::connect(limite, &QTimer::timeout, sondeo, [sondeo] {
    sondeo->deleteLater();
    QFAIL("no se abrió el diálogo modal esperado");
  });
  QObject::connect(sondeo, &QTimer::timeout, sondeo, [sondeo, accion] {
    auto* dialogo = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!dialogo || !dialogo->isVisible()) return;
    sondeo->stop();
    sondeo->deleteLater();
    accion(dialogo);
  });
  sondeo->start(10);
  limite->start(esperaMs);
}

// Answers the next file dialog with `archivo` (a name in its folder or a full path), after
// running `comprobar` on it once. The name is typed into the dialog's name field; the
// dialog fills its folder in the background and may reset that field meanwhile, so the
// name is typed again until the dialog takes it. A box the dialog opens over itself (the
// question before replacing a file) is left to the caller to answer.
void ResponderDialogoArchivo(const QString& archivo, std::function<void(class QFileDialog*)> comprobar = {});

// The child of `padre` with objectName `nombre` and type T; fails the test if none.
template <typename T>
T* Hijo(QObject* padre, const char* nombre) {
  T* hijo = padre->findChild<T*>(QString::fromLatin1(nombre));
  if (!hijo) qWarning("falta el componente %s", nombre);
  return hijo;
}

// A temporary folder made the user's home folder (HOME) for the lifetime of the object,
// so file dialogs start in it; the previous value is restored afterwards.
class TCasaTemporal {
 public:
  TCasaTemporal();
  ~TCasaTemporal();
  QString Ruta() const { return m_carpeta.path(); }
  // Writes `contenido` (bytes as given) to `nombre` inside the folder; returns its path.
  QString Escribir(const QString& nombre, const QByteArray& contenido) const;

 private:
  QTemporaryDir m_carpeta;
  QByteArray m_casaAnterior;
};

// Saves a render of `ventana` (QWidget::grab) as <build>/capturas/<nombre>.png; returns the path.
QString GuardarCaptura(QWidget* ventana, const QString& nombre);

// The folder where the program's data (Ayuda/, Tutorial/, Sonidos/) is built.
inline QString CarpetaDatosPrograma() { return QStringLiteral(TELAR_DATOS_PROGRAMA); }
