// MostrarAutomataDeter: the deterministic result window TFmostrarAutomataDeter, shown
// above the automaton result window after a conversion.
#pragma once

#include "app/interaccion/Cierre.h"
#include "ui/Componentes.h"

class TAyuda;
class TFmostrarAutomataDeterLogica;
class TInteraccionResultados;

class TFmostrarAutomataDeter : public TVentanaResultado {
  Q_OBJECT
 public:
  // A fixed 600 by 353 window, created once and reused.
  TFmostrarAutomataDeter(TAyuda& ayuda, QWidget* padre = nullptr);

  // Shows `ventana` modally with its caption: FormShow fills it, "Validar" and "Guardar"
  // reach its handlers through `interaccion`, FormClose runs when it closes. Every way of
  // closing answers TCierre::Cancelar.
  TCierre Mostrar(TFmostrarAutomataDeterLogica& ventana, TInteraccionResultados& interaccion);

 protected:
  void done(int resultado) override;

 private:
  TAyuda& m_ayuda;
  TFmostrarAutomataDeterLogica* m_ventana = nullptr;
  TInteraccionResultados* m_interaccion = nullptr;
};
