// CadenasAutomata: the window TFcadenas of "Cadenas...": how many strings to list, the
// first accepted strings and the counts per length.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QSpinBox;
class TAyuda;
class TFcadenasLogica;

class TFcadenas : public QDialog {
  Q_OBJECT
 public:
  // The number field starts at the logic object's number; each change lists again.
  TFcadenas(TFcadenasLogica& ventana, TAyuda& ayuda, QWidget* padre = nullptr);

 private:
  void Refrescar();

  TFcadenasLogica& m_ventana;
  QSpinBox* m_numero;
  QListWidget* m_cadenas;
  QListWidget* m_cuentas;
};
