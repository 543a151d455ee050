// AutomatasVentanas: each window's automaton through the module's adapters.
#include "app/ventanas/AutomatasVentanas.h"

#include "app/ventanas/MostrarAutomataDeterLogica.h"
#include "app/ventanas/MostrarAutomataLogica.h"
#include "automatas/AutomataDeResultado.h"

TAutomataVentana AutomataDeVentana(const TFmostrarAutomataLogica& ventana) {
  return {AutomataDeCociente(ventana.Automata(), ventana.Datos()), ventana.Caption(), &ventana.Sesion()};
}

TAutomataVentana AutomataDeVentana(const TFmostrarAutomataDeterLogica& ventana) {
  return {AutomataDeDeterminista(ventana.Automata(), ventana.FuncionDeterminista(), ventana.FilasFinales()),
          ventana.Caption(), &ventana.Sesion()};
}
