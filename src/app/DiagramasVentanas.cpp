// DiagramasVentanas: each window's automaton through the diagram module's adapter.
#include "app/DiagramasVentanas.h"

#include "app/ComandosKR.h"
#include "app/MostrarMealyLogica.h"
#include "app/MostrarAceptorLogica.h"
#include "app/MostrarAutomataDeterLogica.h"
#include "app/MostrarAutomataLogica.h"
#include "diagram/DiagramaDeAutomata.h"

TDiagrama DiagramaDeVentana(const TFmostrarAceptorLogica& ventana) {
  return DiagramaAceptor(ventana.Aceptor(), ventana.Caption() == kCaptionAceptorKR);
}

TDiagrama DiagramaDeVentana(const TFmostrarAutomataLogica& ventana) {
  return DiagramaCociente(ventana.Automata(), ventana.Datos());
}

TDiagrama DiagramaDeVentana(const TFmostrarAutomataDeterLogica& ventana) {
  return DiagramaDeterminista(ventana.Automata(), ventana.FuncionDeterminista(), ventana.FilasFinales());
}

TDiagrama DiagramaDeVentana(const TFmostrarMealyLogica& ventana) { return DiagramaMealy(ventana.Maquina()); }
