// SalidaAutomatas: what the automaton orders (minimizar, comparar, expresion, cadenas) and
// the inference orders' --comparar and --minimizar share: reading an AUTOMATA argument and
// printing a finite automaton or a verdict.
#pragma once

#include <optional>
#include <string>

#include "automatas/AutomataFinito.h"
#include "cli/Argumentos.h"
#include "core/Lista.h"

// The --help lines that say what an AUTOMATA argument is (UTF-8, each ending in "\n").
extern const char* const kAyudaArgumentoAutomata;

// The automaton an AUTOMATA argument names: a .json or .jff file, or "er:EXPRESION".
// nullopt after the message on stderr (the order then exits 2).
std::optional<TAutomataFinito> LeerAutomataCli(const std::string& argumento);

// The argument as the verdict names it (Windows-1252).
std::string NombreDeArgumento(const std::string& argumento);

// The report of `automata` (EmitirInformeAutomata) to stdout or, with `fichero`, to that
// file as "Guardar" writes; then its drawing to `diagrama` when given. Returns 0 or 2.
int EmitirAutomataFinito(const std::string& titulo, const TLista* muestraPositiva, const TAutomataFinito& automata,
                         const std::optional<std::string>& fichero, const std::optional<std::string>& diagrama);

// Prints the verdict lines (LineasComparacion) to stdout; returns 0 when equivalent
// (included), 1 otherwise.
int EmitirComparacion(const TAutomataFinito& a, const TAutomataFinito& b, bool inclusion, const std::string& nombreA,
                      const std::string& nombreB);
