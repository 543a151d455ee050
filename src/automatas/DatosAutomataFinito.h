// DatosAutomataFinito: a TAutomataFinito as the automaton result window shows it (state
// texts, finals, initial, the table), so the window's layout and its report serve any
// automaton: a minimal one, one read from a file or from an expression.
#pragma once

#include "automatas/AutomataFinito.h"
#include "results/DatosResultado.h"

// The window's data: state n is "q"+n as the window numbers blocks (its own name, if
// different, is not shown); Einicial "q"+i+" = "+ the set text of its prefixes;
// Efinales and Estados "  q"+n+" = "+set text for each state, as CalcularDatosResultado
// writes them. TablaDestinos holds each (state, symbol)'s targets ascending; λ-moves are
// not shown (call on a λ-free automaton: minimal, determinized or read from a file without
// them).
TDatosResultado DatosDeAutomataFinito(const TAutomataFinito& automata);
