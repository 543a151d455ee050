// MostrarAutomataFinito: the window TFmostrarAutomataFinito of any finite automaton (a
// minimal one, one opened from a file), laid out as the automaton result window.
#pragma once

#include "ui/Componentes.h"

class TAyuda;
class TFmostrarAutomataFinitoLogica;
class TInteraccionResultados;

class TFmostrarAutomataFinito : public TVentanaResultado {
  Q_OBJECT
 public:
  // Created for each use; its design size is the result window's.
  TFmostrarAutomataFinito(TAyuda& ayuda, QWidget* padre = nullptr);

  // Shows `ventana` modally with its caption: FormShow when it appears, its memos, table and
  // diagram (with each state's tip), "Validar", "Guardar" and the four operations through
  // `interaccion`, FormClose when it closes.
  void Mostrar(TFmostrarAutomataFinitoLogica& ventana, TInteraccionResultados& interaccion);

 protected:
  void done(int resultado) override;

 private:
  TAyuda& m_ayuda;
  TFmostrarAutomataFinitoLogica* m_ventana = nullptr;
  TInteraccionResultados* m_interaccion = nullptr;
};
