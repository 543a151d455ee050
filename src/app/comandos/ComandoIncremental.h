// ComandoIncremental: the commands "KR incremental..." and "KC incremental...": a first
// result shown in the incremental window, then one pass per example the user adds.
#pragma once

#include <memory>
#include <string>

#include "core/Lista.h"
#include "inference/ModoInferencia.h"

// The status texts of a pass.
inline constexpr const char* kReconocido = "Reconocido. No se ha modificado el aut\xF3mata";
inline constexpr const char* kAplicadoIncremental = "Aplicado el algoritmo incremental";
inline constexpr const char* kSinCambioDeAlfabeto = "   ";
// The notice shown for an example with a character outside the alphabet.
inline constexpr const char* kAvisoNuevoCaracter = "Nuevo car\xE1" "cter.";
inline constexpr const char* kPreguntaAmpliarAlfabeto = "\xBF" "Desea ampliar el alfabeto?";

// "Autómata resultado  KR INCREMENTAL   K=" (or KC) followed by k.
std::string CaptionResultadoIncremental(TAlgoritmoK algoritmo, int k);

class TAutomata;
class TFmostrarAutomata1Logica;
class TInteraccionKR;
class TSesion;

// One pass for the example in ventana.NuevoEjemplo(), with KR or KC:
// the status text becomes "Reconocido. No se ha modificado el autómata"; an example over
// the alphabet is taken as agreed, otherwise the notice "Nuevo carácter." / "¿Desea
// ampliar el alfabeto?" asks: "No" sets the status text to three blanks; agreed and not
// accepted by the current result, the status text becomes "Aplicado el algoritmo
// incremental", the example joins `muestraAmpliada` and `automata` is replaced by a new
// run (the window is pointed at it). For KR an example holding "$", and for both an example
// with "&" beside other characters, is refused with an error box before anything else: the
// pass changes nothing and the example leaves the window's list. The check of the example
// and the new run are long work: when the user cancels either, the window, `automata` and
// `muestraAmpliada` stay as they were. Returns false when the example was refused so, true
// when the pass ran or was cancelled.
bool PasoIncremental(TAlgoritmoK algoritmo, int k, TFmostrarAutomata1Logica& ventana, std::unique_ptr<TAutomata>& automata,
                     TLista& muestraAmpliada, TInteraccionKR& interaccion);

// "KR incremental...": a positive sample holding "$" is refused with an error box. The
// parameter dialog (cancel: nothing is built or shown); the window reset and captioned
// "Autómata resultado  KR INCREMENTAL   K=" + k; the first result on a copy of the
// positive sample; then the window is shown again after every pass for as long as it
// closes with "&Añadir Ejemplo". The positive sample itself never changes.
void OpcionKRincrementalClick(TSesion& sesion, TInteraccionKR& interaccion);
// "KC incremental...": the same with KC and "Autómata resultado  KC INCREMENTAL   K=".
void OpcionKCincrementalClick(TSesion& sesion, TInteraccionKR& interaccion);
