// MostrarMealy: the Mealy result window TFmostrarMealy, created for each consistent k of
// SKR or SKC.
#pragma once

#include "app/interaccion/Cierre.h"
#include "ui/Componentes.h"

class QLineEdit;
class QPushButton;
class TAyuda;
class TFmostrarMealyLogica;
class TInteraccion;

class TFmostrarMealy : public TVentanaResultado {
  Q_OBJECT
 public:
  // A fixed 601 by 434 window with a close box.
  TFmostrarMealy(TAyuda& ayuda, QWidget* padre = nullptr);

  // Shows `ventana` modally with its caption, TextoK and the state of "Siguiente K":
  // FormShow fills it, "Guardar" saves its report through `interaccion`, FormClose runs
  // when it closes. "Siguiente K" answers TCierre::SiguienteK; "Cerrar", Escape or the
  // close box TCierre::Cancelar.
  TCierre Mostrar(TFmostrarMealyLogica& ventana, TInteraccion& interaccion);

 protected:
  void done(int resultado) override;

 private:
  TAyuda& m_ayuda;
  TFmostrarMealyLogica* m_ventana = nullptr;
  TInteraccion* m_interaccion = nullptr;
  TCierre m_cierre = TCierre::Cancelar;
  QLineEdit* m_textoK;
  QPushButton* m_siguiente;
  QPushButton* m_pasoAPaso;
};
