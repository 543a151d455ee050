// telar: the desktop program.
#include <QApplication>

#include "ui/Arranque.h"
#include "ui/Principal.h"
#include "ui/Sonido.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  InstalarTraducciones(aplicacion);
  TSonidos sonidos;  // lives as long as the program, so the start-up sound plays out
  auto principal = ArrancarConPresentacion(sonidos);
  principal->show();
  return QApplication::exec();
}
