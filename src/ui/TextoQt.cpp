// TextoQt: conversions between Windows-1252 and Qt strings.
#include "ui/TextoQt.h"

#include "core/Texto.h"

QString DeCp1252(const std::string& texto) {
  return QString::fromStdString(Cp1252AUtf8(texto));
}

std::string ACp1252(const QString& texto) {
  if (auto entero = Utf8ACp1252(texto.toStdString())) return *entero;
  std::string resultado;
  for (const QChar c : texto) {
    const auto byte = Utf8ACp1252(QString(c).toStdString());
    resultado += byte ? *byte : std::string("?");
  }
  return resultado;
}

QStringList DeLista(const TLista& lista) {
  QStringList lineas;
  lineas.reserve(static_cast<qsizetype>(lista.size()));
  for (const auto& item : lista) lineas << DeCp1252(item);
  return lineas;
}

TLista ALista(const QStringList& lineas) {
  TLista lista;
  lista.reserve(static_cast<std::size_t>(lineas.size()));
  for (const auto& linea : lineas) lista.push_back(ACp1252(linea));
  return lista;
}

QValidator::State TValidadorCp1252::validate(QString& texto, int&) const {
  return Utf8ACp1252(texto.toStdString()) ? Acceptable : Invalid;
}
