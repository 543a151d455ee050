// VerMuestra: the sample viewer TFverMuestra, shown without blocking the main window.
#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

class TFverMuestra : public QDialog {
  Q_OBJECT
 public:
  explicit TFverMuestra(QWidget* padre = nullptr);

  // Replaces the memo's lines.
  void MostrarLineas(const QStringList& lineas);
  // The line under "Muestra en uso:" that says which kind the memo shows, and its file.
  void MostrarTipo(const QString& texto);
  QStringList Lineas() const;
};
