// Arranque: the program's start-up: splash, title, the windows created once in order.
#pragma once

#include <QStringList>
#include <memory>

class QApplication;
class TFpresentacion;
class TFprincipal;
class TSonidos;

// Qt's own texts in Spanish, each catalogue when it exists: qtbase (standard buttons, file
// dialogs and their prompts) and qt_help (the help window's search and index widgets).
void InstalarTraducciones(QApplication& aplicacion);

// Runs the start-up with `presentacion` already shown (and stepped once): the application
// title becomes "Telar"; the progress bar steps once before the main window is created and
// once before each of the other windows, then a last time, so it ends at 16. `ventanas` receives the
// names of the windows in creation order, the main window first. The caller hides and
// destroys the splash and shows the main window.
std::unique_ptr<TFprincipal> Arrancar(TFpresentacion& presentacion, QStringList* ventanas = nullptr);

// The whole start-up of the program, from an empty screen to the main window shown:
// the splash with the sound "Present.wav" (played by `sonidos`), then Arrancar.
std::unique_ptr<TFprincipal> ArrancarConPresentacion(TSonidos& sonidos);
