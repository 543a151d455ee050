// LecturaMealy: reading a situation/action sample for the Mealy commands and its editor,
// with the messages that refuse one.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/Lista.h"
#include "inference/mealy/AutomataMealy.h"
#include "inference/mealy/BusquedaMealy.h"

// The message of a sample that closes no sequence.
inline constexpr const char* kMuestraNoValida = "Muestra No v\xE1lida";

// The message that refuses a sample whose line `numero` (1-based) holds `linea`, which is
// not a pair line. Windows-1252.
std::string MensajeLineaIncorrecta(std::size_t numero, const std::string& linea);

// Empty when every non-empty line of `muestra` is a pair line; otherwise the message of
// MensajeLineaIncorrecta for the first line that is not.
std::string ComprobarMuestraSA(const TLista& muestra);

// What reading the sample gave: the model, or the message that refuses the sample.
struct TLecturaMealy {
  std::unique_ptr<TAutomataMealy> modelo;  // null when refused
  std::string error;                       // Windows-1252; empty when read
};

// Reads `muestraSA` for `algoritmo`. A non-empty line that is no pair line refuses the
// sample with a message naming the line, before anything changes (`cadenasSA` included).
// Otherwise `cadenasSA` is emptied and refilled with one string per closed sequence; with
// none, or when every line is blank, the sample is refused with "Muestra No válida". For SKR the model then gets its end marker (AnadirFinDeMuestra).
TLecturaMealy LeerModeloMealy(TAlgoritmoMealy algoritmo, const TLista& muestraSA, TLista& cadenasSA);
