// ComandoIM1: the main window's IM1 command (tool button and menu item) and the IM1 run
// with its windows, as flows that talk to the user only through TInteraccionIM1.
#pragma once

#include <memory>

#include "inference/AlgoritmoIM1.h"

class TAutomata;
class TFelegirHeuristicoLogica;
class TInteraccionIM1;
class TSesion;

// The tool button BotonIM1: with an empty positive sample the error box "No existe
// Muestra" and nothing else (no sound); otherwise the sound "Execute.wav", then OpcionIM1Click.
void BotonIM1Click(TSesion& sesion, TInteraccionIM1& interaccion);

// The menu item "&IM1...": AutomataActual := the acceptor of the positive sample (mode
// 'N'); HabilitarHeuristicos(true); the heuristic dialog, inside which any run happens.
// The acceptor is released when the dialog has closed, however that happened; an internal
// fault ends the command with its error box.
void OpcionIM1Click(TSesion& sesion, TInteraccionIM1& interaccion);

// Sets the enabled state of the heuristic dialog's Label1, Levine, Miclet, K_Sufijos and OtroH.
void HabilitarHeuristicos(TFelegirHeuristicoLogica& dialogo, bool habilitar);

// The IM1 run: the acceptor window "Aceptor de prefijos  (IM1)" (however it is closed, the
// run goes on); Bloques := the partition merged pair by pair by the heuristic; the result
// window with CaptionResultadoIM1 (S written with the interface's decimal separator).
// `datos`, the Stren data of an 'L' or 'M' run, is released when the run ends, on every path.
void EjecutarIM1(TAutomata& automata, TSesion& sesion, const TParametrosIM1& parametros,
                 std::unique_ptr<TDatosStren> datos, TInteraccionIM1& interaccion);
