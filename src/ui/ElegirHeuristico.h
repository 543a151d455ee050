// ElegirHeuristico: the heuristic dialog TFelegirHeuristico of IM1 and the bound dialog
// TFelegirCotaS of a Levine run.
#pragma once

#include <QDialog>
#include <array>

#include "app/interaccion/Interaccion.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QListWidget;
class QSpinBox;
class TAyuda;
class TFelegirCotaSLogica;
class TFelegirHeuristicoLogica;
class TInteraccionIM1;

class TFelegirHeuristico : public QDialog {
  Q_OBJECT
 public:
  // A fixed 368 by 229 dialog, created once and reused.
  TFelegirHeuristico(TAyuda& ayuda, QWidget* padre = nullptr);

  // Shows `dialogo` modally: FormShow resets it; the radio buttons reach LevineClick,
  // MicletClick and K_SufijosClick; "Aceptar" hands the K field's text to the logic, runs
  // BtnAceptarClick (inside which the whole run happens, with its windows above this one)
  // and answers TRespuesta::Ok. "Cancelar", Escape or the close box: TRespuesta::Cancelar.
  TRespuesta Elegir(TFelegirHeuristicoLogica& dialogo, TInteraccionIM1& interaccion);

 private:
  void Refrescar();
  void BtnAceptarClick();

  TAyuda& m_ayuda;
  TFelegirHeuristicoLogica* m_dialogo = nullptr;
  TInteraccionIM1* m_interaccion = nullptr;
  QLabel* m_label1;
  QButtonGroup* m_grupo;
  std::array<QAbstractButton*, 4> m_opciones{};  // by THeuristico
  QLabel* m_labelK;
  QSpinBox* m_parametroK;
};

class TFelegirCotaS : public QDialog {
  Q_OBJECT
 public:
  // A fixed 319 by 224 dialog with only a close box, created once and reused.
  explicit TFelegirCotaS(QWidget* padre = nullptr);

  // Shows `dialogo` modally: FormShow fills ListaCotas; a click on an item selects it;
  // "Aceptar" runs BtnAceptarClick (the Levine run happens inside) and answers
  // TRespuesta::Ok; the close box or Escape answer TRespuesta::Cancelar.
  TRespuesta Elegir(TFelegirCotaSLogica& dialogo, TInteraccionIM1& interaccion);

 private:
  void BtnAceptarClick();

  TFelegirCotaSLogica* m_dialogo = nullptr;
  TInteraccionIM1* m_interaccion = nullptr;
  QListWidget* m_listaCotas;
};
