// BotonesAutomata: the four buttons of the automaton operations that every automaton window
// has beside its own.
#pragma once

#include <functional>
#include <optional>

#include "app/comandos/OperacionesAutomata.h"

class QBoxLayout;
class QWidget;

// Adds "Minimizar" (BotonMinimizar), "Comparar..." (BotonComparar), "Expresión regular"
// (BotonExpresion), "Cadenas..." (BotonCadenas) and "Validar con etiquetas"
// (BotonValidarEtiquetas) to `columna`, children of `ventana`; each
// calls `accion` with its operation.
void AnadirBotonesAutomata(QWidget* ventana, QBoxLayout* columna, std::function<void(TOperacionAutomata)> accion);

// A label (EtiquetaIdentifica) added to `columna` that, each time `ventana` is shown, says
// whether the automaton `origen` gives identifies the session's target, with the witness
// otherwise (LineasIdentificacionVentana); hidden when no target is set or `origen` gives none.
void AnadirIdentificacion(QWidget* ventana, QBoxLayout* columna, std::function<std::optional<TAutomataVentana>()> origen);
