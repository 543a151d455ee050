// DiagramasVentanas: each window's automaton through the diagram module's adapter.
#include "app/ventanas/DiagramasVentanas.h"

#include "app/comandos/ComandosKR.h"
#include "app/ventanas/MostrarMealyLogica.h"
#include "app/ventanas/MostrarAceptorLogica.h"
#include "app/ventanas/MostrarAutomataDeterLogica.h"
#include "app/ventanas/MostrarAutomataLogica.h"
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
