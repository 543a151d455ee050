// SalidaMealy: what telar-cli skr and skc share: reading the sample file, the search as a
// user who always asks for the next k, and the report of one k.
#pragma once

#include "cli/Argumentos.h"
#include "inference/mealy/BusquedaMealy.h"

// The syntax of "skr" or "skc": FICHERO.sya, -k K, -o FICHERO.
TSintaxisOrden SintaxisMealy(TAlgoritmoMealy algoritmo);

// Runs the order on parsed arguments:
//  - without -k: for each k from 0 to MaximoPares, the Mealy report when k is consistent,
//    else the line "No se encontró solución para K= " + k, one empty line between them;
//    0 when some k was consistent, else 1;
//  - with -k K: only that k: its report (to the -o file when given, as "Guardar" writes it),
//    or the message and 1; K outside 0..MaximoPares is 2;
//  - -o without -k, a file that is not .sya or cannot be read, a line that is no pair line,
//    or no closed sequence ("Muestra No válida"): a message on stderr and 2.
int EjecutarOrdenMealy(TAlgoritmoMealy algoritmo, const TArgumentos& argumentos);
