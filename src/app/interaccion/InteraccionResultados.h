// TInteraccionResultados: the result windows of the automaton algorithms as the user sees
// them: the automaton result window, the deterministic window, the validation chart and
// the yes/no notice TFavisos1, besides the windows of the automaton operations they open.
// Qt implements it with the forms; tests with a script.
#pragma once

#include <string>

#include "app/interaccion/Cierre.h"
#include "app/interaccion/Interaccion.h"
#include "app/interaccion/InteraccionAutomatas.h"

class TFmostrarAutomataLogica;
class TFmostrarAutomataDeterLogica;
class TFgraficosLogica;

// How an implementation shows a result window (the same for both windows): call
// ventana.FormShow(*this) when it appears, then ventana.OfrecerConversion(*this) once; forward
// the buttons to the window's handlers (BotonValidarClick, BotonGuardarClick...), and
// when the window closes call ventana.FormClose() and return how it was closed. The
// window's data (texts, tables, enabled states) is read from the logic object.
class TInteraccionResultados : public virtual TInteraccionAutomatas {
 public:
  // The automaton result window TFmostrarAutomata, modal.
  virtual TCierre MostrarResultado(TFmostrarAutomataLogica& ventana) = 0;
  // The deterministic window TFmostrarAutomataDeter, modal above the result window.
  virtual TCierre MostrarDeterminista(TFmostrarAutomataDeterLogica& ventana) = 0;
  // The validation chart TFgraficos, modal; returns when the user closes it.
  virtual void MostrarGraficos(const TFgraficosLogica& graficos) = 0;
  // The notice TFavisos1 (caption "Aviso", a picture, the labels Aviso and Pregunta,
  // buttons "Sí" and "No"): TRespuesta::Si, TRespuesta::No, or TRespuesta::Cancelar when
  // it was closed another way.
  virtual TRespuesta Avisos1(const std::string& aviso, const std::string& pregunta) = 0;
};
