// telar: the desktop program.
#include <csignal>

#include "core/TemporalesPendientes.h"
#include "ui/Aplicacion.h"
#include "ui/Arranque.h"
#include "ui/Principal.h"
#include "ui/Sonido.h"

int main(int argc, char* argv[]) {
  // beyond a file-size limit saving fails with its message and the old file kept, instead of
  // the program ending with the user's work
  std::signal(SIGXFSZ, SIG_IGN);
  // ended by a signal while saving, no half-written temporary stays beside the file
  BorrarTemporalesAlTerminar();
  TAplicacion aplicacion(argc, argv);
  InstalarTraducciones(aplicacion);
  TSonidos sonidos;  // lives as long as the program, so the start-up sound plays out
  auto principal = ArrancarConPresentacion(sonidos);
  principal->show();
  // A file given on the command line (a double-click in a file manager) opens as a sample.
  const QStringList argumentos = QApplication::arguments();
  if (argumentos.size() > 1) principal->AbrirArchivo(argumentos[1]);
  return QApplication::exec();
}
