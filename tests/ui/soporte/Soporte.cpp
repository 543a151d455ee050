// Soporte: the home folder and render helpers of the Qt tests.
#include "soporte/Soporte.h"

#include <QFile>
#include <QPixmap>
#include <cstdlib>

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
  ventana->grab().save(ruta);
  return ruta;
}
