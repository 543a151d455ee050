// FlujosAbbadingo: taking an Abbadingo file's samples into the session or into our sample
// files, and writing ours back, for the "&Muestra" menu and telar-cli convertir.
#pragma once

#include <string>
#include <vector>

#include "app/Abbadingo.h"
#include "app/Interaccion.h"
#include "app/Sesion.h"

// The import and export dialog: the given title, Abbadingo files ("*.abbadingo"), text
// files and all files, default extension "abbadingo".
TDialogoArchivo DialogoAbbadingo(const std::string& titulo);

// Each kind the file holds replaces the session's sample of that kind, as opening a file
// of that kind does; kinds the file lacks keep their sample. The kind checked afterwards is
// the positive one when the file has positive examples, else the first it has of negative
// and test; the viewer shows it. Each kind taken counts as read from `archivo` (not unsaved).
// Returns false (nothing changed) when the file has no string.
bool TomarMuestrasAbbadingo(TSesion& sesion, TInteraccion& interaccion, const TMuestrasAbbadingo& muestras,
                            const std::string& archivo = "");

// The session's positive, negative and test samples as an Abbadingo file holds them.
TMuestrasAbbadingo MuestrasDeSesion(const TSesion& sesion);

// "&Importar...": asks for an Abbadingo file and takes it (TomarMuestrasAbbadingo). A file
// that cannot be read or is refused: its message with the error icon, nothing changes.
// Otherwise an information box counts the strings read of each kind ("Cadenas leídas del
// archivo Abbadingo: positivas: 2, negativas: 1, test: 0").
bool ImportarClick(TSesion& sesion, TInteraccion& interaccion);

// "&Exportar...": asks where to write the session's positive, negative and test samples
// as an Abbadingo file (a name without extension gets ".abbadingo"). With no example in
// any of them, or an example that has a symbol other than a..z, or a failed write: the
// message, nothing written. Written: the kinds written count as saved, and an information
// box counts them ("Cadenas escritas en el archivo Abbadingo: positivas: ...").
bool ExportarClick(TSesion& sesion, TInteraccion& interaccion);

// The sample file of kind `tipo` beside `ruta`: `ruta` with its extension (if any) replaced
// by the kind's ("clase/m.pos" gives "clase/m.neg" for the negative kind).
std::string RutaDelTipo(const std::string& ruta, TTipoMuestra tipo);

// The sample files beside `ruta` (RutaDelTipo) of the kinds `muestras` holds (`conMuestra`),
// or of those it lacks, in the order positive, negative, test.
std::vector<std::string> RutasMuestrasAbbadingo(const TMuestrasAbbadingo& muestras, const std::string& ruta,
                                               bool conMuestra);

// Writes each kind `muestras` holds to its sample file beside `ruta` (RutaDelTipo), in
// Windows-1252 with CR LF as "&Guardar como..." writes, as one set: all are replaced, or
// none is; `escritos` gets each path written. Returns the empty text or the first error.
std::string EscribirMuestrasAbbadingo(const TMuestrasAbbadingo& muestras, const std::string& ruta,
                                      std::vector<std::string>& escritos);
