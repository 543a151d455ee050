// ComandosMealy: the main window's SKR and SKC commands as flows: read the situation/action
// sample, then search k = 0, 1, ... showing each consistent machine in the Mealy result
// window and each inconsistent k in an information box.
#pragma once

#include <string>

#include "app/interaccion/InteraccionMealy.h"
#include "app/sesion/Sesion.h"
#include "inference/mealy/BusquedaMealy.h"

// The result window's caption: "Máquina Mealy Resultado SKR  K= " (or SKC) followed by k.
std::string CaptionResultadoMealy(TAlgoritmoMealy algoritmo, int k);
// The message of an inconsistent k: "No se encontró solución para K= " followed by k.
std::string MensajeSinSolucionMealy(int k);

// What one command did, for callers that report on it (telar-cli): how many result
// windows it showed and how many k it found inconsistent.
struct TResumenMealy {
  bool muestraAceptada = false;  // false when the sample was refused
  int resultados = 0;
  int sinSolucion = 0;
};

class TFmostrarMealyLogica;

// Sets what the search gives the result window of k before showing it: the caption
// "Máquina Mealy Resultado SKR  K= " + k (or SKC), TextoK with k appended, and "Siguiente
// K" disabled when k is the search's last k.
void PrepararVentanaMealy(TFmostrarMealyLogica& ventana, const TBusquedaMealy& busqueda, int k);

// The SKR or SKC command on sesion.MuestraSA:
//  - a non-empty line that is no pair line: an error box naming the line; nothing changes;
//  - otherwise CadenasSA is rebuilt; no closed sequence: the error box "Muestra No válida";
//  - otherwise for k = 0 up to MaximoPares: a consistent k opens the result window with the
//    caption "Máquina Mealy Resultado SKR  K= " + k (or SKC), TextoK ending in k and
//    "Siguiente K" disabled at the last k; "Siguiente K" goes on, any other close stops.
//    An inconsistent k shows "No se encontró solución para K= " + k in an information box
//    with the single button Retry; Retry goes on, any other answer stops the search.
// Every object of a k is released before the next k, and all of them on every way out; an
// internal fault ("ERROR INT0...") ends the command in an error box with its code.
TResumenMealy EjecutarMealy(TAlgoritmoMealy algoritmo, TSesion& sesion, TInteraccionMealy& interaccion);

// Menu commands "SKR" and "SKC".
TResumenMealy OpcionSKRClick(TSesion& sesion, TInteraccionMealy& interaccion);
TResumenMealy OpcionSKCClick(TSesion& sesion, TInteraccionMealy& interaccion);
// Tool buttons "SKR" and "SKC": the sound "Execute.wav", then the command.
TResumenMealy BotonSKRClick(TSesion& sesion, TInteraccionMealy& interaccion);
TResumenMealy BotonSKCClick(TSesion& sesion, TInteraccionMealy& interaccion);
