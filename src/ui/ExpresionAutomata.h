// ExpresionAutomata: the window TFexpresion of "Expresión regular": the expression in a
// selectable read-only box with "Copiar", or the sentence saying why there is none.
#pragma once

#include <QDialog>

class TAyuda;
class TFexpresionLogica;

class TFexpresion : public QDialog {
  Q_OBJECT
 public:
  TFexpresion(const TFexpresionLogica& ventana, TAyuda& ayuda, QWidget* padre = nullptr);
};
