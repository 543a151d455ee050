// NuevaMuestraSA: the situation/action editor TFnuevaMuestraSA.
#pragma once

#include <QDialog>

#include "app/muestras/EditorMuestraSA.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class TAyuda;
class TInteraccion;

// The input mask of the pair field: "S", four optional digits, "/", "A", four optional
// digits; an empty position shows "?".
inline constexpr const char* kMascaraParSA = "S0000/\\A0000;?";

class TFnuevaMuestraSA : public QDialog {
  Q_OBJECT
 public:
  TFnuevaMuestraSA(TInteraccion& interaccion, TAyuda& ayuda, QWidget* padre = nullptr);

  // The sample typed (pair lines and the empty lines closing sequences): what "Aceptar"
  // hands to the main window.
  const TLista& MuestraTxt() const { return m_editor.MuestraTxt(); }

  // The pair field's text as it reads back: always 11 characters, blanks where nothing
  // was typed ("S12  /A3   ").
  QString TextoParSA() const;

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void ParSAEnter();
  void BotonInsertarParClick();
  void BotonNuevaSecuenciaClick();
  // Back to the pair field after a button or Enter, as entering it: the first situation
  // digit selected, so what is typed next starts a new pair.
  void VolverAlPar();
  void BotonCancelarClick();
  void BotonAyudaClick();
  void Refrescar();

  TEditorMuestraSA m_editor;
  TInteraccion& m_interaccion;
  TAyuda& m_ayuda;
  QLineEdit* m_parSA;
  QLineEdit* m_sucesionNum;
  QPushButton* m_nuevaSecuencia;
  QListWidget* m_listSitAcc;
  QListWidget* m_muestraTxt;
};
