// ErrorInternoEnCaja: how a command ends on an internal fault or when memory runs out: an
// error box, and nothing more of the command.
#pragma once

#include <functional>

class TInteraccion;

// The box shown when a command runs out of memory.
inline constexpr const char* kMemoriaInsuficiente =
    "Memoria insuficiente: la muestra es demasiado grande para esta orden";

// Runs `comando`; a TErrorInterno thrown from it is shown as an error box (error icon, OK
// button) with its code ("ERROR INT0KR10"...), std::bad_alloc (and std::length_error, a
// container grown past what it can hold) as kMemoriaInsuficiente, and
// the command ends there. Whatever the command owned is released on the way out (the
// session's samples stay as they were). Other exceptions pass through.
void ConErrorInternoEnCaja(TInteraccion& interaccion, const std::function<void()>& comando);
