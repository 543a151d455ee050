// ComandosKR: the main window's KR and KC commands (plain, with a negative sample, and the
// tool buttons that run the checked variant), as flows that talk to the user only through
// TInteraccionKR. Each command owns its acceptor and working lists; they are released on
// every path, also when an internal fault ends the command.
#pragma once

#include <optional>
#include <string>

#include "app/interaccion/Cierre.h"
#include "app/pasos/Repeticion.h"
#include "core/Lista.h"
#include "inference/ModoInferencia.h"

class TAutomata;
class TInteraccionKR;
class TInteraccionResultados;
class TSesion;

inline constexpr const char* kNoExisteMuestra = "No existe Muestra";
inline constexpr const char* kNoExisteMuestraNegativa = "No existe Muestra Negativa";
inline constexpr const char* kCaptionAceptorKR = "Aceptor de prefijos  (KR)";
inline constexpr const char* kCaptionAceptorKC = "Aceptor de prefijos  (KC)";

// The result window's caption: "Autómata resultado KR   K=" (or KC) followed by k.
std::string CaptionResultadoKR(int k);
std::string CaptionResultadoKC(int k);
// "Autómata resultado KR NEGATIVO   K=" (or KC) followed by k.
std::string CaptionResultadoNegativo(TAlgoritmoK algoritmo, int k);
// "No se encontró solución para el rango de K = [0.." followed by the bound and "]".
std::string MensajeSinSolucion(int cota);
// The message with which the KR commands refuse a sample or example that holds "$".
std::string MensajeMarcaFinalEnMuestra();
std::string MensajeMarcaFinalEnEjemplo();

// Shows the automaton result window for `automata` with `caption`, and with TextoK
// ("Encontrada solución para K = " + k) when `textoK` is given; returns how it was closed.
// `repetir` repeats the run for "Paso a paso"; it must stay callable while the window is shown.
TCierre MostrarVentanaResultado(const TAutomata& automata, const std::string& caption, TSesion& sesion,
                                TInteraccionResultados& interaccion, std::optional<int> textoK = std::nullopt,
                                TRepetir repetir = {});

// "KR...": a positive sample holding "$" is refused with an error box and nothing else.
// Otherwise: the acceptor of the marked sample; the parameter dialog (cancel ends the
// command); the acceptor window "Aceptor de prefijos  (KR)"; KR with the chosen k, then
// the result window with the caption "Autómata resultado KR   K=" + k.
void OpcionKRnormalClick(TSesion& sesion, TInteraccionKR& interaccion);
// "KC...": as KR on the unmarked sample, with "Aceptor de prefijos  (KC)" and KC.
void OpcionKCnormalClick(TSesion& sesion, TInteraccionKR& interaccion);

// "KR ejemplos negativos...": an empty negative sample gives the error box "No existe
// Muestra Negativa" and nothing else; a positive sample holding "$" is refused as for
// "KR...". Otherwise k goes from 0 to the longest positive example; the first result that
// rejects the whole negative sample is shown with the caption "Autómata resultado KR
// NEGATIVO   K=" + k and TextoK; when none does, the information box "No se encontró
// solución para el rango de K = [0.." + bound + "]".
void OpcionKRejemplosnegativosClick(TSesion& sesion, TInteraccionKR& interaccion);
// "KC ejemplos negativos...": the same with KC and "Autómata resultado KC NEGATIVO   K=".
void OpcionKCejemplosnegativosClick(TSesion& sesion, TInteraccionKR& interaccion);

// The tool buttons BotonKR and BotonKC: with an empty positive sample the error box "No
// existe Muestra" and nothing else (no sound); otherwise the sound "Execute.wav", then the
// command of the checked variant (plain, incremental or with negative sample).
void BotonKRClick(TSesion& sesion, TInteraccionKR& interaccion);
void BotonKCClick(TSesion& sesion, TInteraccionKR& interaccion);
