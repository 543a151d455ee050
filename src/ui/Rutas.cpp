// Rutas: data folders in search order.
#include "ui/Rutas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList CarpetasDeDatos(const QString& directorioBase) {
  QStringList carpetas{directorioBase, QCoreApplication::applicationDirPath()};
#ifdef TELAR_DATOS_INSTALADOS
  carpetas << QStringLiteral(TELAR_DATOS_INSTALADOS);
#endif
  carpetas.removeDuplicates();
  return carpetas;
}

QString BuscarArchivoDeDatos(const QString& directorioBase, const QString& relativo) {
  for (const auto& carpeta : CarpetasDeDatos(directorioBase)) {
    const QFileInfo archivo(QDir(carpeta), relativo);
    if (archivo.isFile()) return archivo.absoluteFilePath();
  }
  return {};
}
