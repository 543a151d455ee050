// PistasEstado: status-bar texts of the main window.
#include "app/ventanas/PistasEstado.h"

std::string PistaBoton(const TSesion& sesion, TBotonPrincipal boton) {
  return std::string(DatosBoton(boton).hint) + " " + sesion.CaptionBoton(boton);
}

std::string PistaMenu(TMenuPrincipal menu) {
  return menu == TMenuPrincipal::Tutorial ? kPistaTutorial : kPistaTelar;
}
