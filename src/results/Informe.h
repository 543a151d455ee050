// Informe: the lines of the text reports that result windows show and save. Every report
// (the window's "Guardar", the command-line tool) is built here, so all write the same lines.
#pragma once

#include <string>

#include "core/Lista.h"
#include "core/SalidaLineas.h"
#include "core/TablaTexto.h"

class TAutomata;
struct TDatosResultado;
struct TDatosDeterminista;

// The two layouts of a transition table in a report.
//  A (automaton and acceptor windows): the corner writes " E/A ", other cells "  " + text.
//  B (deterministic window): the corner writes " E/A      ", other cells "    " + text.
// After an empty cell (the corner included) A appends " -" and B appends "-".
//  Mealy (Mealy result window): row 0 is "        " (eight blanks, whatever the corner
//  holds) then "   " + header + "   " per column; every other row is "   " + row header +
//  "   ", then "      " + cell + "      " per cell, an empty cell written " -".
enum class TFormatoTabla { A, B, Mealy };

// One line per table row, row 0 first, cells column by column. The corner's own text is
// never written.
TLista LineasDeTabla(const TTablaTexto& tabla, TFormatoTabla formato);
// The same lines handed to `salida` one at a time as each is formed, from row `desdeFila`
// on (A and B only; row 0 is the header row wherever the table starts).
void EmitirLineasDeTabla(const TTablaTexto& tabla, TFormatoTabla formato, const TSalidaLineas& salida,
                         std::size_t desdeFila = 0);

// The header lines followed by the table's lines.
TLista LineasDeInforme(const TLista& cabecera, const TTablaTexto& tabla, TFormatoTabla formato);

// The report of the prefix acceptor window: its caption, "Muestra: " with the positive
// sample as the user gave it (without end markers), the alphabet, the initial state
// "{ & }", the final states and the states as set texts, then the acceptor's grid in
// format A. Every text is Windows-1252.
TLista InformeAceptor(const std::string& titulo, const TLista& muestraPositiva, const TAutomata& aceptor);
// The same lines handed to `salida` one at a time.
void EmitirInformeAceptor(const std::string& titulo, const TLista& muestraPositiva, const TAutomata& aceptor,
                          const TSalidaLineas& salida);

// The header lines of the automaton result window's report: its caption; "Muestra: " with
// the positive sample; only for the incremental window (`ejemplosAnadidos` given),
// "Ejemplos añadidos: " with the examples entered there; "Alfabeto: "; "Estado Inicial: ",
// "Estados Finales: " and "Conjunto de Estados: " with the window's texts as they stand
// (the last two begin with two blanks); "Función de Transición: ". The table follows in
// format A.
TLista CabeceraInformeResultado(const std::string& titulo, const TLista& muestraPositiva,
                                const TLista* ejemplosAnadidos, const TDatosResultado& datos);
// The same lines handed to `salida`; when `datos` was computed without its state texts,
// they are written from `automata` (the automaton it was computed from) piece by piece.
void EmitirCabeceraResultado(const std::string& titulo, const TLista& muestraPositiva, const TLista* ejemplosAnadidos,
                             const TDatosResultado& datos, const TAutomata* automata, const TSalidaLineas& salida);

// The header lines of the Mealy result window's report: its caption, then "Situaciones: ",
// "Acciones: ", "Estado Inicial: ", "Estados Finales: " and "Conjunto de Estados: " each
// followed by the line the window shows, then "Función de Transición: ". The table
// follows in the Mealy layout.
TLista CabeceraInformeMealy(const std::string& titulo, const std::string& situaciones,
                            const std::string& acciones, const std::string& inicial,
                            const std::string& finales, const std::string& estados);

// The header lines of the deterministic window's report: as above without the examples
// line, the three state texts between braces ("Estado Inicial: {[q0]}", "Estados Finales:
// {}" when none is final). The table follows in format B.
TLista CabeceraInformeDeterminista(const std::string& titulo, const TLista& muestraPositiva,
                                   const TDatosDeterminista& datos);
