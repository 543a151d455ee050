// ArchivosResultado: the two file flows every result window offers: choosing a test sample
// for "Validar" (and counting it) and saving the window's report with "Guardar".
#pragma once

#include <functional>
#include <string>

#include "app/Interaccion.h"
#include "core/Lista.h"

class TFgraficosLogica;
class TInteraccionResultados;

// The open dialog of "Validar": default extension "tst", filter
// "Archivos de muestra test (*.tst)|*.tst", no file name.
TDialogoArchivo DialogoValidacion();
// The save dialog of "Guardar": default extension "aut", filter
// "Archivos de resultados (*.aut)|*.aut|Archivos de texto (*.txt)|*.txt", no file name.
// The file is replaced without asking.
TDialogoArchivo DialogoInforme();

// Asks for a test file. Cancel: false, nothing changes. A name whose extension is not "tst"
// (letter case ignored; a name without extension that is no existing file gets ".tst"):
// the error box "El archivo especificado no tiene extensión correcta", false, nothing
// changes. A file that cannot be read: the file layer's message in an error box, false.
// Otherwise `muestraValidacion` is replaced by the file's lines exactly as read (not
// lowercased; a line that is exactly "&" and an empty line are both the empty string); the
// result is true.
bool ElegirMuestraValidacion(TInteraccion& interaccion, TLista& muestraValidacion);

// Asks where to save `informe` and writes it there in Windows-1252, each line ended by
// CR LF, replacing any file of that name (a name without extension gets ".aut"). Cancel
// writes nothing. A file that cannot be written gives an error box with the file layer's
// message and nothing else changes. True when the file was written.
bool GuardarInforme(TInteraccion& interaccion, const TLista& informe);

// "Validar" as the result windows run it: the test file (ElegirMuestraValidacion) into
// `muestraValidacion`, then `validar`; when `validar` answers false (the user cancelled the
// counting), `muestraValidacion` gets back what it held before.
void ValidarArchivo(TInteraccion& interaccion, TLista& muestraValidacion, const std::function<bool()>& validar);

// The counting of a validation as long work: `contar` fills a chart; when it ends, `graficos`
// becomes that chart, which is shown, and the answer is true; when the user cancels,
// `graficos` stays as it was, nothing is shown and the answer is false.
bool ValidarConProgreso(TInteraccionResultados& interaccion, TFgraficosLogica& graficos,
                        const std::function<void(TFgraficosLogica&)>& contar);
