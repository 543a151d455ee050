// MostrarAutomata1: the incremental result window TFmostrarAutomata1: the automaton result
// window with the example box, "&Añadir Ejemplo" and the red status text of the last pass.
#pragma once

#include "ui/MostrarAutomata.h"

class QComboBox;
class QLabel;
class TFmostrarAutomata1Logica;
class TInteraccionKR;

class TFmostrarAutomata1 : public TFmostrarAutomata {
  Q_OBJECT
 public:
  // Created once and reused; the example box sits below the table.
  TFmostrarAutomata1(TAyuda& ayuda, QWidget* padre = nullptr);

  // Shows `ventana` modally as TFmostrarAutomata::Mostrar does, without the determinism
  // test. "&Añadir Ejemplo" hands the box's text to BotonInsertarEjemploClick; when that
  // takes it, the window closes with TCierre::Reintentar. Any other way of closing it
  // answers TCierre::Cancelar.
  TCierre Mostrar(TFmostrarAutomata1Logica& ventana, TInteraccionKR& interaccion);

 protected:
  void Refrescar() override;

 private:
  void BotonInsertarEjemploClick();

  TFmostrarAutomata1Logica* m_incremental = nullptr;
  TInteraccionKR* m_interaccionKR = nullptr;
  QComboBox* m_textoEjemplo;
  QLabel* m_texto;
};
