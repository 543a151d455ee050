// InformeAutomata: the report lines and the sentences of the automaton operations, shared
// by the windows and telar-cli: a finite automaton in the result report's format, the
// verdict of a comparison, the captions of the new windows. Texts are Windows-1252.
#pragma once

#include <string>

#include "automatas/AutomataFinito.h"
#include "automatas/Comparacion.h"
#include "core/Lista.h"
#include "core/SalidaLineas.h"

// The caption of the minimal automaton's window for a result window captioned `caption`
// ("Autómata resultado KR   K=2 - Mínimo"); "Autómata mínimo" for an empty caption.
std::string CaptionMinimo(const std::string& caption);

// The report of `automata` in the automaton result window's format (DatosDeAutomataFinito):
// `titulo`; "Muestra: " with `muestraPositiva` when given; "Alfabeto: ", "Estado Inicial: ",
// "Estados Finales: ", "Conjunto de Estados: ", "Función de Transición: "; the table in
// format A.
void EmitirInformeAutomata(const std::string& titulo, const TLista* muestraPositiva, const TAutomataFinito& automata,
                           const TSalidaLineas& salida);

// The verdict of comparing A (`nombreA`) with B (`nombreB`). Equivalence: "Equivalentes",
// or "No equivalentes", "Testigo: x" (x written "&" when empty), "Aceptada por: " the side
// that accepts it and "Rechazada por: " the other. Inclusion (L(A) ⊆ L(B)): "Incluido", or
// "No incluido" and the same three lines.
TLista LineasComparacion(const TComparacion& comparacion, bool inclusion, const std::string& nombreA,
                         const std::string& nombreB);

// The automaton with every state's prefixes replaced by its own name when it has none at
// all (one read from a file or an expression), so the states of a minimal automaton list
// the given states they group.
TAutomataFinito ConNombresComoPrefijos(TAutomataFinito automata);
