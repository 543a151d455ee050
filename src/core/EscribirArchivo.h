// EscribirArchivo: the file layer's atomic writes: any bytes (a picture, a UTF-8 text), a set
// of files replaced together, and the checks an order makes before its first write. Defined
// beside EscribirArchivoTexto (ArchivoTexto.h), which they share.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Lista.h"

// Writes `bytes` to `ruta` as they are, with the guarantees of EscribirArchivoTexto: a
// temporary file beside the target, flushed to the disk and renamed over it, so a failure
// leaves the old file whole; then the folder is flushed, so the new name survives a crash.
// A folder that cannot be opened or flushed (a file system without it) is let be; a flush
// that fails with an input/output error is reported, the file already replaced.
// Returns the empty text on success, else a Windows-1252 message that names the file.
std::string EscribirArchivo(const std::string& ruta, const std::string& bytes);

// write() until every byte of `texto` is out on `descriptor` (a file, a pipe), again after
// EINTR; false with errno set on the first failure (a reader that went away included).
bool EscribirTodo(int descriptor, std::string_view texto);

// The file a write to `ruta` replaces: `ruta` itself, or, through a chain of symbolic links,
// the path the last link names (which need not exist: a dangling link gets its target
// created, never replaced by a regular file).
std::filesystem::path DestinoDeEscritura(const std::string& ruta);

// What writing `ruta` now would meet before its first byte: the empty text when its folder
// exists and lets a file be created there and the file (if any) may be replaced; otherwise
// the message the write would give ("... (la carpeta no existe)"). Nothing is written.
std::string ComprobarEscritura(const std::string& ruta);

// A test seam: the flush every write calls, on the new file before it takes its name and on
// its folder after. ::fsync in the program; a test puts a function that fails instead, and
// tells the two calls apart by the descriptor (the folder's is a directory).
using TFsync = int (*)(int descriptor);
TFsync& FsyncDeEscritura();

struct TEscrituraPendiente;

// A set of text files replaced together: Anadir writes each to a temporary beside its
// target, Confirmar renames them all over their targets. Until Confirmar, no target is
// touched; a set abandoned (destroyed unconfirmed) removes its temporaries. The renames are
// within each target's folder and were checked writable, so once every Anadir succeeded the
// set is replaced whole (only a failure of rename itself, or an input/output error flushing
// a folder, could stop it part way).
class TEscrituraConjunta {
 public:
  TEscrituraConjunta();
  ~TEscrituraConjunta();
  TEscrituraConjunta(const TEscrituraConjunta&) = delete;
  TEscrituraConjunta& operator=(const TEscrituraConjunta&) = delete;

  // Writes `lineas` (Windows-1252, CR LF after each) for `ruta`. Returns the empty text, or
  // the message of EscribirArchivoTexto.
  std::string Anadir(const std::string& ruta, const TLista& lineas);
  // Replaces every target. Returns the empty text, or the first rename's message.
  std::string Confirmar();

 private:
  std::vector<std::unique_ptr<TEscrituraPendiente>> m_pendientes;
};
