// Rutas: data folders in search order.
#include "ui/Rutas.h"

#include <QDir>
#include <QFileInfo>

QStringList CarpetasDeDatos(const QString& directorioBase, const QString& carpetaPrograma) {
  QStringList carpetas{directorioBase, carpetaPrograma,
                       QDir::cleanPath(carpetaPrograma + QStringLiteral("/../share/telar"))};
#ifdef TELAR_DATOS_INSTALADOS
  carpetas << QStringLiteral(TELAR_DATOS_INSTALADOS);
#endif
  carpetas.removeDuplicates();
  return carpetas;
}

QString BuscarArchivoDeDatos(const QString& directorioBase, const QString& relativo,
                             const QString& carpetaPrograma) {
  for (const auto& carpeta : CarpetasDeDatos(directorioBase, carpetaPrograma)) {
    const QFileInfo archivo(QDir(carpeta), relativo);
    if (archivo.isFile()) return archivo.absoluteFilePath();
  }
  return {};
}
