// EscribirArchivo: the file layer's atomic write for any bytes (a picture, a UTF-8 text),
// the one EscribirArchivoTexto (ArchivoTexto.h) uses for its lines; defined beside it.
#pragma once

#include <string>

// Writes `bytes` to `ruta` as they are, with the guarantees of EscribirArchivoTexto: a
// temporary file beside the target renamed over it, so a failure leaves the old file whole.
// Returns the empty text on success, else a Windows-1252 message that names the file.
std::string EscribirArchivo(const std::string& ruta, const std::string& bytes);
