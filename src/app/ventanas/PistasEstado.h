// PistasEstado: the texts the main window's status bar shows as the mouse moves over the
// tool bar and the picture, and as menus open.
#pragma once

#include <string>

#include "app/sesion/Sesion.h"

// Text of status panel 0 at start.
inline constexpr const char* kTextoInicialEstado = "Telar 99";
// Text for the fixed picture and the menus "&Muestra", "&Algoritmos", "&Configuración", "Ay&uda".
inline constexpr const char* kPistaTelar = " Telar 99 ";
// Text for the menu "&Tutorial".
inline constexpr const char* kPistaTutorial = "Tutorial";

// The menus of the main window's menu bar.
enum class TMenuPrincipal { Muestra, Algoritmos, Configuracion, Ayuda, Tutorial };

// A button's hint, one blank and its current caption: "Ejecutar algoritmo KR i",
// "Abrir archivo muestra S-".
std::string PistaBoton(const TSesion& sesion, TBotonPrincipal boton);

// The text shown when a menu opens: "Tutorial" for TMenuPrincipal::Tutorial, " Telar 99 "
// for the others.
std::string PistaMenu(TMenuPrincipal menu);
