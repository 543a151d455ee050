// Arranque: start-up in the order the program has always followed.
#include "ui/Arranque.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/interaccion/Interaccion.h"
#include "ui/Presentacion.h"
#include "ui/Principal.h"
#include "ui/Sonido.h"

void InstalarTraducciones(QApplication& aplicacion) {
  for (const char* catalogo : {"qtbase", "qt_help"}) {
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QLocale(QLocale::Spanish), QString::fromLatin1(catalogo), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QApplication::installTranslator(traductor);
  }
}

std::unique_ptr<TFprincipal> Arrancar(TFpresentacion& presentacion, QStringList* ventanas) {
  QApplication::setApplicationName(QStringLiteral("Telar"));
  presentacion.Paso();
  auto principal = std::make_unique<TFprincipal>();
  const QStringList otras = principal->CrearVentanas([&presentacion] { presentacion.Paso(); });
  presentacion.Paso();
  if (ventanas) *ventanas = QStringList{QStringLiteral("TFprincipal")} + otras;
  return principal;
}

std::unique_ptr<TFprincipal> ArrancarConPresentacion(TSonidos& sonidos) {
  auto presentacion = std::make_unique<TFpresentacion>();
  sonidos.Reproducir(QString::fromLatin1(kSonidoPresentacion));
  presentacion->show();
  presentacion->repaint();
  QApplication::processEvents();
  presentacion->Paso();
  auto principal = Arrancar(*presentacion);
  presentacion->hide();
  presentacion.reset();
  return principal;
}
