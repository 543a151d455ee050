// FlujosObjetivo: the flows of the "&Objetivo" menu (define, open, show, generate samples,
// remove the session's target) and what the result windows add when a target is set: the
// identification verdict and "Validar con etiquetas".
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "automatas/AutomataFinito.h"
#include "core/Lista.h"

class TInteraccionObjetivo;
class TSesion;
struct TAutomataVentana;

// The session's target: its automaton and how the user named it (the expression, or the
// file's name), Windows-1252.
struct TObjetivo {
  TAutomataFinito automata;
  std::string nombre;
  bool expresion = false;  // `nombre` is the expression typed
};

// The menu's items, named as they are captioned.
inline constexpr const char* kMenuObjetivo = "&Objetivo";
inline constexpr const char* kDefinirExpresion = "Definir expresi\xF3n...";
inline constexpr const char* kAbrirAutomataObjetivo = "Abrir aut\xF3mata...";
inline constexpr const char* kVerObjetivo = "Ver objetivo";
inline constexpr const char* kGenerarMuestras = "Generar muestras...";
inline constexpr const char* kQuitarObjetivo = "Quitar objetivo";
inline constexpr const char* kValidarConEtiquetas = "Validar con etiquetas";

// The main window's sign that a target is set: "Objetivo: nombre"; empty without one.
std::string TextoEstadoObjetivo(const TSesion& sesion);
// Whether "Ver objetivo", "Generar muestras..." and "Quitar objetivo" are enabled.
bool HayObjetivo(const TSesion& sesion);

// "Definir expresión...": asks for the expression (starting from the current target's, if
// it was one). Cancelled: nothing changes. Malformed: the reader's message in an error box,
// nothing changes. A symbol that cannot be written in a sample: the same. Otherwise it is
// the session's target (the previous one, if any, replaced). True when set.
bool DefinirExpresionClick(TSesion& sesion, TInteraccionObjetivo& interaccion);
// "Abrir autómata...": a .json or .jff file as the target; as above.
bool AbrirObjetivoClick(TSesion& sesion, TInteraccionObjetivo& interaccion);
// "Quitar objetivo".
void QuitarObjetivoClick(TSesion& sesion);

// What "Ver objetivo" shows: the caption, the target's minimal automaton for the diagram,
// and the lines beside it (its name, the expression of its language, states, whether it is
// k-reversible for some small k).
struct TVerObjetivo {
  std::string caption;
  TAutomataFinito minimo;
  TLista lineas;
};
TVerObjetivo DatosVerObjetivo(const TObjetivo& objetivo);
// "Ver objetivo": shows it; without a target, an information box.
void VerObjetivoClick(const TSesion& sesion, TInteraccionObjetivo& interaccion);

// The figures of "Generar muestras...".
enum class TCaracteristica { Ninguna, RPNI, KR };
struct TDatosGeneracion {
  std::size_t positivos = 20;
  std::size_t negativos = 20;
  std::size_t test = 50;
  std::size_t longitud = 10;
  std::uint64_t semilla = 1;
  TCaracteristica caracteristica = TCaracteristica::Ninguna;
  int k = 0;
};
// "Generar muestras...": asks for the figures (the seed offered is `semillaNueva`); then
// replaces the session's positive, negative and test samples with what was drawn (a
// characteristic sample first, then the random strings not in it), enables the algorithms,
// shows the positive sample in the viewer and says in an information box how many of each
// were drawn and with which seed, with any shortfall. A target that is not k-reversible for
// the chosen k: the error box saying so (and the least k that is), nothing changes. True
// when the samples were replaced.
bool GenerarMuestrasClick(TSesion& sesion, TInteraccionObjetivo& interaccion, std::uint64_t semillaNueva);

// A result window's verdict when a target is set (LineasIdentificacion); empty otherwise.
TLista LineasIdentificacionVentana(const TAutomataVentana& ventana);

// "Validar con etiquetas": with a target, asks for a test file and labels its strings by
// the target; without one, asks for a test file of strings in the language and then one of
// strings outside it. Then shows the labelled figures (LineasEvaluacion). A cancelled or
// refused file: nothing more. True when shown.
bool ValidarConEtiquetasClick(const TAutomataVentana& ventana, TInteraccionObjetivo& interaccion);
