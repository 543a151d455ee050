// TextoQt: the boundary between the core's Windows-1252 texts and Qt's Unicode strings.
#pragma once

#include <QString>
#include <QStringList>
#include <QValidator>

#include "core/Lista.h"

// A Windows-1252 text of the core as a Qt string.
QString DeCp1252(const std::string& texto);
// A Qt string as Windows-1252. Characters the code page cannot hold never reach here from
// the forms (their fields use TValidadorCp1252); if one does, it becomes "?".
std::string ACp1252(const QString& texto);

QStringList DeLista(const TLista& lista);
TLista ALista(const QStringList& lineas);

// Refuses any character that Windows-1252 cannot hold, so what a user types in a field
// always reaches the core unchanged.
class TValidadorCp1252 : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& texto, int& posicion) const override;
};
