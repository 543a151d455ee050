// Abbadingo: samples in the format of the field's competitions and learners. A header
// "N A" (strings, alphabet size), then one line per string "label length s1 s2 ...":
// label 1 is a positive example, 0 a negative one, -1 a test string; symbols 0..A-1 are
// the letters a, b, c... of our samples.
#pragma once

#include <string>

#include "core/Lista.h"

// The three samples an Abbadingo file holds, as sample files write them (Windows-1252,
// one example per line, "&" for the empty string), each in the file's order.
struct TMuestrasAbbadingo {
  TLista positiva;
  TLista negativa;
  TLista test;

  bool operator==(const TMuestrasAbbadingo&) const = default;
};

// What reading gave: the samples, or the Windows-1252 message naming the line that was refused.
struct TLecturaAbbadingo {
  TMuestrasAbbadingo muestras;
  std::string error;

  bool Correcta() const { return error.empty(); }
};

// Reads the lines of an Abbadingo file; `nombre` names it in messages. Refused, naming
// the line: a header that is not two whole numbers, an alphabet of more than 26 symbols,
// a label other than 1, 0 or -1, a length that is not a number or does not match the
// symbols that follow, a symbol that is not a whole number or not below A, and a count of
// strings other than the header's N. Blank lines are skipped; spaces and tabs separate.
TLecturaAbbadingo LeerAbbadingo(const TLista& lineas, const std::string& nombre);

// The lines of the Abbadingo file for `muestras`: positives, then negatives, then test
// strings, in their order; A is one more than the highest letter used. An example with a
// symbol that is not a lowercase letter a..z cannot be written: `error` then names it and
// the result is empty.
TLista EscribirAbbadingo(const TMuestrasAbbadingo& muestras, std::string& error);

// The file layer for both: reading (text rules of sample files) and writing through the
// system's one text writer. Each returns the empty text or the message, as above.
std::string LeerArchivoAbbadingo(const std::string& ruta, TMuestrasAbbadingo& muestras);
std::string EscribirArchivoAbbadingo(const std::string& ruta, const TMuestrasAbbadingo& muestras);
