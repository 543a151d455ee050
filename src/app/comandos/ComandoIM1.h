// ComandoIM1: the main window's IM1 command (tool button and menu item), as a flow that
// talks to the user only through TInteraccionIM1; the run itself is TFlujoIM1's.
#pragma once

class TFelegirHeuristicoLogica;
class TInteraccionIM1;
class TSesion;

// The tool button BotonIM1: with an empty positive sample the error box "No existe
// Muestra" and nothing else (no sound); otherwise the sound "Execute.wav", then OpcionIM1Click.
void BotonIM1Click(TSesion& sesion, TInteraccionIM1& interaccion);

// The menu item "&IM1...": AutomataActual := the acceptor of the positive sample (one symbol
// per character); HabilitarHeuristicos(true); the heuristic dialog, inside which any run happens.
// The acceptor is released when the dialog has closed, however that happened; an internal
// fault ends the command with its error box.
void OpcionIM1Click(TSesion& sesion, TInteraccionIM1& interaccion);

// Sets the enabled state of the heuristic dialog's Label1, Levine, Miclet, K_Sufijos and OtroH.
void HabilitarHeuristicos(TFelegirHeuristicoLogica& dialogo, bool habilitar);
