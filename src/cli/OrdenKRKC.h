// OrdenKRKC: what the orders "kr" and "kc" of telar-cli share: their syntax and the run of
// the plain command, the search against a negative sample and the incremental command.
#pragma once

#include "cli/Argumentos.h"
#include "inference/ModoInferencia.h"

// The syntax of "kr" or "kc": -k K, --negativa NEG.neg, -e EJEMPLO
// (repeatable), the result options of SalidaResultado, one positive sample file.
TSintaxisOrden SintaxisKRKC(TAlgoritmoK algoritmo);

// Runs the order on accepted arguments:
//  - -k K: the result of KR or KC with that k (K from 0 to the longest positive example,
//    else exit 2), printed by SalidaResultado with the caption "Autómata resultado KR   K=".
//  - --negativa NEG.neg (not with -k or -e): the search for k; the result found with its
//    NEGATIVO caption, or the system's message on stdout and exit 1. A negative file with
//    no lines: "No existe Muestra Negativa"; an invalid one: "Muestra No válida"; exit 2.
//  - -k K -e EJEMPLO...: the incremental command, each -e one press of "&Añadir Ejemplo",
//    a new character agreed to; stderr gets one line per -e (the pass's status text, or the
//    message that refused the example); the incremental window's report follows.
// KR refuses a positive sample holding "$" (exit 2).
int EjecutarKRKC(TAlgoritmoK algoritmo, const TArgumentos& argumentos);
