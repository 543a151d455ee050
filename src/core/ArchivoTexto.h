// ArchivoTexto: the system's text files (samples, reports) read into and written from
// lists of Windows-1252 lines, with a Spanish message naming the file and line on failure.
#pragma once

#include <string>
#include <string_view>

#include "core/Lista.h"

// What reading a text file gave: its lines, or the message that says why it was refused.
struct TLecturaTexto {
  TLista lineas;      // Windows-1252 lines, without their line breaks
  std::string error;  // empty when the file was read; otherwise a Windows-1252 message

  bool Correcta() const { return error.empty(); }
};

// Splits bytes into lines. A line ends at CR, LF or CR LF (each pair counts once); a final
// line break adds no line, so "a\r\n" gives [a] and "a\r\n\r\n" gives [a, (empty)]; empty
// input gives no line.
TLista PartirEnLineas(std::string_view bytes);

// Turns the bytes of a text file into Windows-1252 lines. `nombre` (Windows-1252) only
// names the file in messages. Rules:
//  - bytes that are valid UTF-8 and hold a non-ASCII character are decoded from UTF-8
//    (a leading UTF-8 byte-order mark is dropped); a character Windows-1252 cannot hold
//    is refused, naming its line and column;
//  - any other bytes are taken as Windows-1252 as they stand (every byte is a character
//    of the code page, so invalid UTF-8 from an old editor still reads);
//  - a NUL byte marks a binary file and is refused, naming its line.
TLecturaTexto DecodificarTexto(std::string_view bytes, const std::string& nombre);

// Reads the file at `ruta` (a path of the file system, UTF-8) with DecodificarTexto.
// A file that does not exist or cannot be read gives a message naming it.
TLecturaTexto LeerArchivoTexto(const std::string& ruta);

// Writes `lineas` (Windows-1252) to `ruta`, each line followed by CR LF, replacing the
// file if it exists. Returns the empty text on success, else a Windows-1252 message that
// names the file.
std::string EscribirArchivoTexto(const std::string& ruta, const TLista& lineas);

// A path of the file system as Windows-1252 text for messages: UTF-8 is converted and any
// character the code page cannot hold becomes "?".
std::string RutaVisible(std::string_view ruta);
