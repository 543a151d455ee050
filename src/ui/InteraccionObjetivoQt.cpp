// InteraccionObjetivoQt: the target's dialogs, each created for its showing above the
// window that asked.
#include <QInputDialog>

#include "ui/InteraccionVentanas.h"
#include "ui/Objetivo.h"
#include "ui/TextoQt.h"

std::optional<std::string> TInteraccionVentanasQt::PedirExpresionObjetivo(const std::string& actual) {
  bool aceptado = false;
  const QString texto = QInputDialog::getText(Encima(), QStringLiteral("Definir el objetivo"),
                                              QStringLiteral("Expresión regular del lenguaje objetivo:"),
                                              QLineEdit::Normal, DeCp1252(actual), &aceptado);
  if (!aceptado) return std::nullopt;
  return ACp1252(texto);
}

bool TInteraccionVentanasQt::PedirGeneracion(TDatosGeneracion& datos) {
  TFgenerarMuestras dialogo(Encima());
  return dialogo.Pedir(datos);
}

void TInteraccionVentanasQt::MostrarObjetivo(const TVerObjetivo& ventana) {
  TFverObjetivo ver(ventana, Encima());
  ver.exec();
}
