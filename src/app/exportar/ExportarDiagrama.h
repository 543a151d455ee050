// ExportarDiagrama: the file formats a diagram is exported to, chosen by the file name's
// extension. The table of formats is the one place a new writer is added; the windows'
// "Exportar diagrama" and telar-cli's --diagrama both go through ExportarDiagrama.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/interaccion/Interaccion.h"
#include "diagram/Diagrama.h"

struct TFormatoDiagrama {
  std::string extension;    // lower case, without the dot: "dot"
  std::string descripcion;  // for a file dialog's filter (Windows-1252): "Graphviz DOT"
  // The file's bytes. May throw std::exception (a renderer that fails).
  std::function<std::string(const TDiagrama&)> escribir;
  bool dispone = true;  // lays the diagram out through Graphviz first (long for a big one)
};

// Every format, in the order a file dialog lists them: dot, svg, png, tex, json, jff.
const std::vector<TFormatoDiagrama>& FormatosDiagrama();

// The format of `ruta` by its extension (letter case ignored); null when none has it.
const TFormatoDiagrama* FormatoDeRuta(const std::string& ruta);

// The message for a name whose extension is no format (Windows-1252), listing the formats.
std::string MensajeFormatoDiagrama(const std::string& ruta);

// Writes `diagrama` to `ruta` (UTF-8 path) in the format of its extension, through
// EscribirArchivo (a failure leaves any file of that name as it was). Returns the empty
// text, or a Windows-1252 message: the extension is no format (nothing is written),
// Graphviz failed ("No se pudo dibujar el diagrama: " and its reason), or the file could not
// be written. Running out of memory and internal faults are thrown on, to the handler of the
// command that exports.
std::string ExportarDiagrama(const TDiagrama& diagrama, const std::string& ruta);

// The save dialog of "Exportar diagrama": title "Exportar diagrama", one filter per format
// ("Imagen SVG (*.svg)|*.svg|..."), SVG chosen, default extension "svg".
TDialogoArchivo DialogoDiagrama();

// "Exportar diagrama": asks where to save; cancel writes nothing. A name without extension
// gets ".svg". Any failure of ExportarDiagrama is shown in an error
// box. True when the file was written.
bool ExportarDiagramaClick(TInteraccion& interaccion, const TDiagrama& diagrama);
