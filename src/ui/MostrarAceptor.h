// MostrarAceptor: the prefix acceptor window TFmostrarAceptor, created for each use.
#pragma once

#include "ui/Componentes.h"

class TAyuda;
class TFmostrarAceptorLogica;
class TInteraccion;

class TFmostrarAceptor : public TVentanaResultado {
  Q_OBJECT
 public:
  // A fixed 542 by 353 window with no system menu and no close box.
  TFmostrarAceptor(TAyuda& ayuda, QWidget* padre = nullptr);

  // Shows `ventana` modally: FormShow fills it, "Guardar" saves its report through
  // `interaccion`, "Autómata" (or Escape) closes it, and FormClose runs when it closes.
  void Mostrar(TFmostrarAceptorLogica& ventana, TInteraccion& interaccion);

 protected:
  void done(int resultado) override;

 private:
  TAyuda& m_ayuda;
  TFmostrarAceptorLogica* m_ventana = nullptr;
  TInteraccion* m_interaccion = nullptr;
};
