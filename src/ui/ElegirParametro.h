// ElegirParametro: the parameter dialog TFelegirParametro that asks for k.
#pragma once

#include <QDialog>

#include "app/interaccion/Interaccion.h"

class QSpinBox;
class TFelegirParametroLogica;

class TFelegirParametro : public QDialog {
  Q_OBJECT
 public:
  explicit TFelegirParametro(QWidget* padre = nullptr);

  // Shows the dialog modally for `dialogo`: its FormShow sets the spin box's value and
  // bounds; "Aceptar" hands the value to dialogo.PonerParametroK and answers
  // TRespuesta::Ok; "Cancelar", Escape or the close box answer TRespuesta::Cancelar.
  TRespuesta Elegir(TFelegirParametroLogica& dialogo);

 private:
  void BtnAceptarClick();

  TFelegirParametroLogica* m_dialogo = nullptr;
  QSpinBox* m_parametroK;
};
