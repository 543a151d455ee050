// TAplicacion: the program's QApplication. An event whose handler runs out of memory ends
// in the error box of exhausted memory instead of ending the program.
#pragma once

#include <QApplication>

class TAplicacion : public QApplication {
 public:
  TAplicacion(int& argc, char** argv);
  // Delivers the event; std::bad_alloc (or std::length_error) from its handler is shown as
  // kMemoriaInsuficiente over the active window, and the event counts as not handled.
  bool notify(QObject* receptor, QEvent* evento) override;
};

// The error box of exhausted memory, over the active modal window or the active window.
void AvisarMemoriaInsuficiente();
