// OperacionesAutomata: the flows of the four buttons every automaton window has beside its
// own ("Minimizar", "Comparar...", "Expresión regular", "Cadenas...") and of the menu item
// "Abrir autómata...". Each works on the automaton module and shows its answer through
// the interaction interface.
#pragma once

#include <string>

#include "app/interaccion/Interaccion.h"
#include "automatas/AutomataFinito.h"

class TInteraccionResultados;
class TSesion;

// What the buttons of a window work on: the automaton it shows, its caption and the session.
struct TAutomataVentana {
  TAutomataFinito automata;
  std::string caption;        // Windows-1252
  TSesion* sesion = nullptr;  // never null: validation and reports read its samples
};

// ValidarConEtiquetas: "Validar con etiquetas" (FlujosObjetivo).
enum class TOperacionAutomata { Minimizar, Comparar, Expresion, Cadenas, ValidarConEtiquetas };

// The long work's texts.
inline constexpr const char* kProgresoMinimizar = "Minimizando el aut\xF3mata...";
inline constexpr const char* kProgresoComparar = "Comparando los aut\xF3matas...";
inline constexpr const char* kProgresoExpresion = "Calculando la expresi\xF3n regular...";
inline constexpr const char* kProgresoLeerAutomata = "Leyendo el aut\xF3mata...";

// "Minimizar": the minimal deterministic automaton (without dead state; for the empty
// language, one non-final state) as long work, shown in TFmostrarAutomataFinito captioned
// CaptionMinimo(caption), each state's tip naming the window's states it groups, its report
// naming the positive sample. Cancelled: nothing is shown.
void BotonMinimizarClick(const TAutomataVentana& origen, TInteraccionResultados& interaccion);

// "Comparar...": asks for the other automaton (TFelegirComparacion: an expression, or a
// .json/.jff file); cancelled: nothing. Then compares as long work and shows TFcomparar with
// the verdict (LineasComparacion: the window's caption as A's name, the expression or the
// file's name as B's).
void BotonCompararClick(const TAutomataVentana& origen, TInteraccionResultados& interaccion);

// "Expresión regular": the expression of the language (ExpresionRegular) as long work, shown
// in TFexpresion; when the language is empty or the expression was capped, its sentence.
void BotonExpresionClick(const TAutomataVentana& origen, TInteraccionResultados& interaccion);

// "Cadenas...": TFcadenas with the first 20 accepted strings and the counts per length.
void BotonCadenasClick(const TAutomataVentana& origen, TInteraccionResultados& interaccion);

// One of the four above.
void OperacionAutomataClick(TOperacionAutomata operacion, const TAutomataVentana& origen,
                            TInteraccionResultados& interaccion);

// The open dialog for an automaton: `titulo`, filter "Autómatas (*.json;*.jff)|*.json;*.jff|
// JSON (*.json)|*.json|JFLAP (*.jff)|*.jff", default extension "json".
TDialogoArchivo DialogoAutomata(const std::string& titulo);

// The file's name without its folders, for captions and verdicts (Windows-1252).
std::string NombreDeArchivo(const std::string& ruta);

// "Abrir autómata...": asks for a .json or .jff file and shows its automaton in
// TFmostrarAutomataFinito captioned "Autómata " + the file's name; a file without prefixes
// lists each state's own name as its prefix. An automaton with λ-moves is shown
// determinized (on sets, Determinizar), the caption saying so. A file that cannot
// be read: the module's message in an error box, nothing shown. True when shown.
bool AbrirAutomataClick(TSesion& sesion, TInteraccionResultados& interaccion);
