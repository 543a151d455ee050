// Incremental: the runs of incremental inference: the first result on the positive sample
// and a complete new run each time an example is added to the working sample.
#pragma once

#include <memory>
#include <string>

#include "core/Lista.h"

class TAutomata;
class TObservadorFusiones;

// The status texts of a pass.
inline constexpr const char* kReconocido = "Reconocido. No se ha modificado el aut\xF3mata";
inline constexpr const char* kAplicadoIncremental = "Aplicado el algoritmo incremental";
inline constexpr const char* kSinCambioDeAlfabeto = "   ";
// The notice shown for an example with a character outside the alphabet.
inline constexpr const char* kAvisoNuevoCaracter = "Nuevo car\xE1" "cter.";
inline constexpr const char* kPreguntaAmpliarAlfabeto = "\xBF" "Desea ampliar el alfabeto?";

// "Autómata resultado  KR INCREMENTAL   K=" (or KC) followed by k.
std::string CaptionResultadoIncremental(char letra, int k);

// InferenciaInicial: letra 'R': the acceptor of MarcarMuestra(muestra) merged by KR; 'C':
// the acceptor of `muestra` merged by KC; both silently. Null for any other letter.
// `observador`, when given, hears the run's merges.
std::unique_ptr<TAutomata> InferenciaInicial(int k, char letra, const TLista& muestra,
                                             TObservadorFusiones* observador = nullptr);

// AnadirEjemploKR / AnadirEjemploKC: appends `ejemplo` to `muestraAmpliada` and returns the
// result of a complete new run on it (the caller drops the previous automaton).
std::unique_ptr<TAutomata> AnadirEjemploKR(int k, const std::string& ejemplo, TLista& muestraAmpliada);
std::unique_ptr<TAutomata> AnadirEjemploKC(int k, const std::string& ejemplo, TLista& muestraAmpliada);
