// ArchivoTexto: the system's text files (samples, reports) read into and written from
// lists of Windows-1252 lines, with a Spanish message naming the file and line on failure.
#pragma once

#include <string>
#include <string_view>

#include "core/Lista.h"
#include "core/SalidaLineas.h"

// What reading a text file gave: its lines, or the message that says why it was refused.
struct TLecturaTexto {
  TLista lineas;      // Windows-1252 lines, without their line breaks
  std::string error;  // empty when the file was read; otherwise a Windows-1252 message
  std::string nombre;      // how messages name the file (Windows-1252)
  bool soloMarca = false;  // the bytes were a UTF-8 byte-order mark and nothing else

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
//  - a NUL byte marks a binary file and is refused, naming its line (a file is refused as
//    soon as its first NUL is read: /dev/zero ends at once).
TLecturaTexto DecodificarTexto(std::string_view bytes, const std::string& nombre);

// Reads the file at `ruta` (a path of the file system, UTF-8) with DecodificarTexto.
// A file that does not exist or cannot be read gives a message naming it.
TLecturaTexto LeerArchivoTexto(const std::string& ruta);

// Reads the standard input to its end the same way; `nombre` (Windows-1252) names it in
// messages.
TLecturaTexto LeerEntradaEstandar(const std::string& nombre);

// Writes `lineas` (Windows-1252) to `ruta`, each line followed by CR LF, replacing the
// file if it exists. The text is written to a temporary file in the same folder, flushed to
// the disk and renamed over the target, so a failure (a full disk, a file-size limit) leaves
// the old file whole and no temporary behind; the replacement keeps the old file's
// permissions, and a symbolic link keeps its place (the file it points to is replaced). A
// device or pipe (/dev/null, /dev/stdout) is written in place. Returns the empty text on
// success, else a Windows-1252 message that names the file and, when it existed, ends in
// "; no se ha modificado el archivo".
std::string EscribirArchivoTexto(const std::string& ruta, const TLista& lineas);
// The same for the lines `producir` hands out, written as they come (a large report is
// never held whole).
std::string EscribirLineasTexto(const std::string& ruta, const TProductorLineas& producir);

// Why a write failed, from its errno, in Spanish (Windows-1252) ("no queda espacio en el
// disco"); the empty text for an unusual value.
std::string MotivoEscritura(int numero);

// A path of the file system as Windows-1252 text for messages: UTF-8 is converted and any
// character the code page cannot hold becomes "?".
std::string RutaVisible(std::string_view ruta);
