// Modal: dialogs run modal over the window that opened them only, so the help and tutorial
// windows, which belong to no other window, stay usable while any dialog is open.
#pragma once

class QDialog;
class QWidget;

// The window a new dialog goes over: the modal dialog open now, else `principal`.
QWidget* VentanaEncima(QWidget* principal);

// Runs `dialogo` as exec() does, but window-modal: it blocks the window it is shown over
// (the modal dialog open now, or else its own parent) and that window's parents, nothing
// else. While it runs it is a child of that window; afterwards it gets its own parent back.
// Returns exec()'s result.
int EjecutarModal(QDialog& dialogo);
