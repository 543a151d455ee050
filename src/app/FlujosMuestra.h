// FlujosMuestra: the main window's sample commands (open, save, view, new), as flows that
// talk to the user only through TInteraccion.
#pragma once

#include <optional>
#include <string>

#include "app/Interaccion.h"
#include "app/Sesion.h"
#include "core/ArchivoTexto.h"

// Title of the open dialog.
inline constexpr const char* kTituloAbrir = "Abrir";
// Title of the save dialog.
inline constexpr const char* kTituloGuardar = "Guardar como";
// The message of a chosen file whose extension is not the checked kind's.
inline constexpr const char* kExtensionIncorrecta =
    "El archivo especificado no tiene extensi\xF3n correcta";

// The filter of both sample dialogs, the four kinds in order
// ("Archivos de muestra positiva (*.pos)|*.pos|...").
std::string FiltroMuestras();

// The dialog for a kind: the given title, FiltroMuestras, the kind's extension as default
// extension and its filter index, no file name, the user's home ($HOME; empty when unset,
// which the interface also reads as the home) as initial folder.
TDialogoArchivo DialogoMuestra(TTipoMuestra tipo, const std::string& titulo);

// What the common dialogs do with a default extension: a file name without any extension
// gets "." + `extension` appended; other paths are returned unchanged.
std::string ConExtensionPorDefecto(const std::string& ruta, const std::string& extension);

// True when the file name in `ruta` ends in "." + `extension`, letter case ignored.
bool TieneExtension(const std::string& ruta, const std::string& extension);

// The sample kind whose extension `ruta` has (letter case ignored), if any.
std::optional<TTipoMuestra> TipoPorExtension(const std::string& ruta);

// "&Abrir...": asks for a file of the checked kind (the dialog's filter also offers
// "Todos los archivos (*)" after the four kinds); a name without extension that is not an
// existing file (of any sort: /dev/null is taken as named) gets the kind's extension. Cancel: nothing happens. A file of
// another extension: "El archivo especificado no tiene extensión correcta" and nothing is
// loaded. A file that cannot be read or decoded: the file layer's message, nothing changes.
// Otherwise the file's lines go into the viewer memo as they stand and then to
// DarValoresSegunTipo. Every box has the error icon and the OK button. Returns true when a
// sample was taken.
bool AbrirMuestra(TSesion& sesion, TInteraccion& interaccion);

// The part of "&Abrir..." after the file is read, for text read elsewhere (telar-cli's
// standard input): a failed reading shows its message; otherwise the lines are taken as
// above with the checked kind. Returns true when a sample was taken.
bool TomarMuestraLeida(TSesion& sesion, const TLecturaTexto& lectura, TInteraccion& interaccion);

// Opens the file at `ruta` as the program does when started with a file (a double-click
// in a file manager): the kind its extension names (letter case ignored) is checked, and the
// file is then read and taken as "&Abrir..." takes a chosen file, with the same boxes. An
// extension of no sample kind: "El archivo especificado no tiene extensión correcta",
// nothing changes. Returns true when a sample was taken.
bool AbrirArchivoMuestra(TSesion& sesion, TInteraccion& interaccion, const std::string& ruta);

// "&Guardar como...": when the checked kind has no sample, the error box "No existe
// Muestra" and no dialog. Otherwise asks where to save (same dialog data as opening; the
// dialog itself confirms replacing an existing file); a name without extension gets the
// kind's extension. Cancel: nothing. Wrong extension: the extension message, nothing
// written. Otherwise the kind's sample as the viewer shows it (TSesion::MuestraAGuardar)
// is written in Windows-1252 with CR LF; a write failure shows its message. Returns true
// when the file was written.
bool GuardarMuestraComo(TSesion& sesion, TInteraccion& interaccion);

// The viewer's FormShow as "&Ver" runs it: fills the memo from the checked kind. The window
// then shows the viewer (not modal).
void MostrarMuestraEnVisor(TSesion& sesion);

// "&Nueva...": the situation/action editor for TipoM_SA, the sample editor otherwise; on
// "Aceptar" its lines go to DarValoresSegunTipo, on "Cancelar" nothing is taken.
void CrearMuestra(TSesion& sesion, TInteraccion& interaccion);

// The question before quitting with samples that were typed and never saved.
inline constexpr const char* kSalirSinGuardar = "Hay muestras sin guardar. \xBF" "Desea salir?";

// "&Salir" and the window's close box: true (quit) when every sample of the session was
// opened or saved since it was last taken; otherwise asks kSalirSinGuardar (question, Sí/No)
// and answers true only for Sí.
bool PuedeSalir(const TSesion& sesion, TInteraccion& interaccion);

// The four sample buttons: the sound "Command.wav", then the command above.
void BotonAbrirClick(TSesion& sesion, TInteraccion& interaccion);
void BotonGuardarClick(TSesion& sesion, TInteraccion& interaccion);
void BotonVerClick(TSesion& sesion, TInteraccion& interaccion);
void BotonNuevaClick(TSesion& sesion, TInteraccion& interaccion);
