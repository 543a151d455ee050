// telar-iconos: renders the program's SVG icon into the PNG sizes of an icon theme, as
// CARPETA/NxN/apps/NOMBRE.png. Run at build time; needs no display (offscreen platform).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc < 5) {
    std::fprintf(stderr, "Uso: telar-iconos ICONO.svg CARPETA NOMBRE TAMAÑO...\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacion(argc, argv);
  QSvgRenderer icono(QString::fromLocal8Bit(argv[1]));
  if (!icono.isValid()) {
    std::fprintf(stderr, "telar-iconos: no se puede leer %s\n", argv[1]);
    return 1;
  }
  const QString carpeta = QString::fromLocal8Bit(argv[2]);
  const QString nombre = QString::fromLocal8Bit(argv[3]);
  for (int i = 4; i < argc; ++i) {
    const int lado = QString::fromLocal8Bit(argv[i]).toInt();
    if (lado <= 0) return 2;
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    icono.render(&pintor);
    pintor.end();
    const QString destino = QStringLiteral("%1/%2x%2/apps").arg(carpeta).arg(lado);
    if (!QDir().mkpath(destino) || !imagen.save(destino + "/" + nombre + ".png")) {
      std::fprintf(stderr, "telar-iconos: no se puede escribir en %s\n", qPrintable(destino));
      return 1;
    }
  }
  return 0;
}
