// ErrorInternoEnCaja: how a command ends on an internal fault: the fault's code in an error
// box, and nothing more of the command.
#pragma once

#include <functional>

class TInteraccion;

// Runs `comando`; a TErrorInterno thrown from it is shown as an error box (error icon, OK
// button) with its code ("ERROR INT0KR10"...) and the command ends there. Whatever the
// command owned is released on the way out. Other exceptions pass through.
void ConErrorInternoEnCaja(TInteraccion& interaccion, const std::function<void()>& comando);
