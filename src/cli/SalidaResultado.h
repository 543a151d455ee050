// SalidaResultado: what the result orders (kr, kc, im1) print once their automaton is
// inferred: the result window's report, or the deterministic window's, and the validation
// counts, exactly as the windows compute them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Argumentos.h"
#include "core/Lista.h"

class TAutomata;
class TFmostrarAutomataLogica;

// The options the result orders share.
struct TOpcionesSalida {
  bool determinista = false;            // --determinista
  std::optional<std::string> validar;   // --validar TEST.tst
  bool detalle = false;                 // --detalle
  std::optional<std::string> fichero;   // -o FICHERO
  std::optional<std::string> diagrama;  // --diagrama FICHERO
  bool forzar = false;                  // --forzar
  std::optional<std::string> comparar;  // --comparar AUTOMATA
  bool minimizar = false;               // --minimizar
  std::optional<std::string> objetivo;  // --objetivo AUTOMATA
  bool evaluar = false;                 // --evaluar
  std::optional<std::string> testNegativo;  // --test-negativo NEG.neg
};

// "--determinista", "--validar" (with a value), "--detalle", "-o", "--diagrama" and
// "--comparar" (with a value) and "--minimizar", for an order's syntax.
std::vector<TOpcionCli> OpcionesSalidaResultado();
// Their lines for --help (UTF-8, each ending in "\n").
extern const char* const kAyudaSalidaResultado;
// The options above as given in `argumentos`.
TOpcionesSalida LeerOpcionesSalida(const TArgumentos& argumentos);

// Prints the result of an inference. `automata` holds the acceptor and its partition
// (Bloques), `muestraPositiva` the positive sample as taken (for the report's "Muestra: "
// line and the training count), `caption` the result window's caption. With
// `ejemplosAnadidos` the window is the incremental one: each non-empty example is entered
// in its box as "&Añadir Ejemplo" takes it (each once, letter case ignored), and the
// report lists them after "Ejemplos añadidos: ".
//  - The report is the result window's (format A); with --determinista and a result that
//    is not deterministic, the deterministic window's (format B) with the same caption.
//  - It goes to stdout in UTF-8 with LF, or with -o to the file byte for byte as "Guardar"
//    writes it (Windows-1252, CR LF).
//  - With --validar, five lines follow on stdout (also with -o): "Muestra Entrenamiento: N",
//    "Muestra Test: N", "Ejemplos Aceptados: N", "Ejemplos Rechazados: N", "Aciertos: P%",
//    counted on the deterministic automaton when --determinista converted the result, else
//    with the quotient walk. The test file is read as "Validar" reads it; a wrong extension
//    or an unreadable file prints its message on stderr and nothing else.
//  - With --detalle (only with --validar), one line per test string follows, in file
//    order: "Aceptado: x" or "Rechazado: x", x written "&" when empty.
//  - With --diagrama, the automaton of the report (the deterministic one when --determinista
//    converted it) is drawn to that file after it; an extension that is no format prints
//    its message and writes nothing.
//  - With --minimizar (not with --determinista), the report (and the drawing) is that of the
//    minimal deterministic automaton of the result, in the result report's format, captioned
//    CaptionMinimo(caption); validation still counts on the result.
//  - With --comparar AUTOMATA (read before anything is written), the verdict of comparing the
//    result with AUTOMATA follows everything else (LineasComparacion: "Equivalentes", or the
//    witness and the side that accepts it); exit 1 when they are not equivalent.
//  - With --evaluar (only with --validar), the labelled validation follows the counts
//    (LineasEvaluacion): the test strings are labelled by --objetivo when given, else they
//    are all in the language and those of --test-negativo outside it.
//  - With --objetivo AUTOMATA, after everything but --comparar's verdict, whether the result
//    identifies it (LineasIdentificacion); the exit code does not change.
// Returns 0, 1 (not equivalent), or 2 after a message on stderr.
int SalidaResultado(const TAutomata& automata, const TLista& muestraPositiva, const std::string& caption,
                    const TLista* ejemplosAnadidos, const TOpcionesSalida& opciones);

// The same for a result window the caller already holds (the incremental window after its
// passes, with its caption, automaton, session and example list): shows it (FormShow) and
// prints as above. The session's MuestraValidacion is replaced by the test file's lines.
int SalidaResultado(TFmostrarAutomataLogica& ventana, const TOpcionesSalida& opciones);
