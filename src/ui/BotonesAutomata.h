// BotonesAutomata: the four buttons of the automaton operations that every automaton window
// has beside its own.
#pragma once

#include <functional>

#include "app/OperacionesAutomata.h"

class QBoxLayout;
class QWidget;

// Adds "Minimizar" (BotonMinimizar), "Comparar..." (BotonComparar), "Expresión regular"
// (BotonExpresion), "Cadenas..." (BotonCadenas) and "Validar con etiquetas"
// (BotonValidarEtiquetas) to `columna`, children of `ventana`; each
// calls `accion` with its operation.
void AnadirBotonesAutomata(QWidget* ventana, QBoxLayout* columna, std::function<void(TOperacionAutomata)> accion);
