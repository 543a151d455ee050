// NuevMuestra: the sample editor TFnuevMuestra for positive, negative and test samples.
#pragma once

#include <QDialog>

#include "app/EditorMuestra.h"

class QLabel;
class QLineEdit;
class QListWidget;
class TAyuda;

class TFnuevMuestra : public QDialog {
  Q_OBJECT
 public:
  TFnuevMuestra(TAyuda& ayuda, QWidget* padre = nullptr);

  // The examples typed, in order (Windows-1252): what "Aceptar" hands to the main window.
  const TLista& Entradas() const { return m_editor.Entradas(); }

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void BotonInsertarClick();
  void BotonBorrarClick();
  void BotonCancelarClick();
  void BotonAyudaClick();
  void Refrescar();

  TEditorMuestra m_editor;
  TAyuda& m_ayuda;
  QLineEdit* m_linea;
  QListWidget* m_lista;
  QLabel* m_aviso;  // why the last entry was cut or refused
};
