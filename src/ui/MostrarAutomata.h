// MostrarAutomata: the automaton result window TFmostrarAutomata: the quotient automaton
// of a result with validation, saving and the offer to convert a non-deterministic result.
#pragma once

#include "app/interaccion/Cierre.h"
#include "ui/Componentes.h"

class QLineEdit;
class QPushButton;
class TAyuda;
class TFmostrarAutomataLogica;
class TInteraccionResultados;

class TFmostrarAutomata : public TVentanaResultado {
  Q_OBJECT
 public:
  // A fixed 605 by 356 window, created once and reused.
  TFmostrarAutomata(TAyuda& ayuda, QWidget* padre = nullptr);

  // Shows `ventana` modally with its caption. When it appears, FormShow fills it; once it
  // is shown, OfrecerConversion runs (the determinism test, which may open TFavisos1 and the
  // deterministic window above it). "Validar" and "Guardar" reach the window's handlers
  // through `interaccion`; FormClose runs when it closes. "Cerrar", Escape or the close
  // box answer TCierre::Cancelar.
  TCierre Mostrar(TFmostrarAutomataLogica& ventana, TInteraccionResultados& interaccion);

 protected:
  TFmostrarAutomata(const char* nombre, QSize tamano, TAyuda& ayuda, QWidget* padre);

  // Shows the window for `ventana` until it is closed; returns how.
  TCierre Ejecutar(TFmostrarAutomataLogica& ventana, TInteraccionResultados& interaccion);
  // Closes the window answering `cierre`.
  void Cerrar(TCierre cierre);
  // Re-reads everything the window shows from the logic object.
  virtual void Refrescar();

  void showEvent(QShowEvent* evento) override;
  void done(int resultado) override;

  TFmostrarAutomataLogica* m_ventana = nullptr;
  TInteraccionResultados* m_interaccion = nullptr;

 private:
  void Construir();
  void Activar();

  TAyuda& m_ayuda;
  TCierre m_cierre = TCierre::Cancelar;
  QLineEdit* m_textoK = nullptr;
  QPushButton* m_validar = nullptr;
  QPushButton* m_pasoAPaso = nullptr;
};
