// GenerarMuestras: random positive, negative and test samples drawn from a target language.
//
// Method: on the complete minimal automaton of the target, c[l][q] counts the strings of
// length l that lead from q to a final state (to a non-final one for negatives, to any for
// test strings); a string of length l is drawn uniformly by choosing each symbol with
// weight c[rest][next state] (the standard ranking method; Hopcroft, Motwani and Ullman's
// counting of accepted strings, and Bernardi and Giménez for uniform generation). The
// length is drawn uniformly among 0..L, skipping lengths already exhausted, and repeated
// strings are drawn again, so no string repeats where the language allows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "automatas/AutomataFinito.h"
#include "automatas/objetivos/Azar.h"
#include "core/Lista.h"

struct TPeticionMuestras {
  std::size_t positivos = 0;
  std::size_t negativos = 0;
  std::size_t test = 0;
  std::size_t longitud = 10;  // the longest string drawn
  std::uint64_t semilla = 1;
};

// Three samples as sample files hold them (Windows-1252, the empty string as an empty
// item), and what could not be drawn as asked, one Spanish sentence each.
struct TMuestrasGeneradas {
  TLista positiva;
  TLista negativa;
  TLista test;
  std::vector<std::string> avisos;
};

// Why `objetivo` cannot give samples (a symbol that is not one character, or that sample
// files use for something else: "&", "$"); the empty text when it can.
std::string ProblemaDeObjetivo(const TAutomataFinito& objetivo);

// A sample string (symbol texts run together, the empty string empty).
std::string TextoDeMuestra(const TAutomataFinito& automata, const TCadenaSimbolos& cadena);
// Whether `objetivo` accepts the sample string `texto` (a character outside its alphabet rejects).
bool AceptaTexto(const TAutomataFinito& objetivo, const std::string& texto);

// Draws the samples. Requires ProblemaDeObjetivo(objetivo) empty. When fewer strings than
// asked exist up to the length, all of them are taken and an aviso says how many.
TMuestrasGeneradas GenerarMuestras(const TAutomataFinito& objetivo, const TPeticionMuestras& peticion);
