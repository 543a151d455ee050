// Argumentos: the command-line syntax shared by every telar-cli order: its options (with or
// without a value, once or repeatable), its files, "--help", and the usage message on misuse.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/SalidaLineas.h"

// One option an order takes: "-o", "--kr", "-e"...
struct TOpcionCli {
  std::string nombre;
  bool conValor = false;   // takes the next argument ("-k 2") or "--opcion=valor"
  bool repetible = false;  // may be given more than once ("-e a -e b")
  bool entrada = false;    // its value names a file the order reads ("--negativa NEG.neg")
  bool salida = false;     // its value names a file the order writes ("-o", "--traza")
};

// What an order accepts.
struct TSintaxisOrden {
  std::string orden;                // "muestra"
  std::string uso;                  // UTF-8, one line: "telar-cli muestra FICHERO"
  std::string ayuda;                // UTF-8, the order's lines for --help, each ending in "\n"
  std::vector<TOpcionCli> opciones;
  std::size_t minimoFicheros = 1;
  std::size_t maximoFicheros = 1;
};

// The arguments of one call, as read by AnalizarArgumentos.
struct TArgumentos {
  std::map<std::string, std::vector<std::string>> opciones;  // each use's value ("" for flags)
  std::vector<std::string> ficheros;                          // the other arguments, in order

  bool Tiene(const std::string& opcion) const { return opciones.count(opcion) > 0; }
  // The value of an option given once; std::nullopt when absent.
  std::optional<std::string> Valor(const std::string& opcion) const;
  // Every value of a repeatable option, in order; empty when absent.
  std::vector<std::string> Valores(const std::string& opcion) const;
};

struct TAnalisis {
  TArgumentos argumentos;
  // Set when the order must end at once with this exit code: 0 after printing its help
  // ("--help" or "-h" anywhere), 2 after a usage message on stderr (unknown option, missing
  // value, an option given twice that is not repeatable, too few or too many files).
  std::optional<int> salida;
};

// Reads `argumentos` (those after the order's name). "--" ends the options; "-" alone and
// anything not starting with "-" is a file.
TAnalisis AnalizarArgumentos(const TSintaxisOrden& sintaxis, const std::vector<std::string>& argumentos);

// Prints "telar-cli ORDEN: problema" and the order's usage line to stderr; returns exit code 2.
int ErrorDeUso(const TSintaxisOrden& sintaxis, const std::string& problema);

// Prints a Windows-1252 message of the system (a file error, "Muestra No válida") to stderr
// in UTF-8; returns exit code 2.
int ErrorDeEntrada(const std::string& mensaje);

// A whole number in [minimo, maximo] written in decimal digits only; std::nullopt otherwise.
std::optional<long> LeerEntero(const std::string& texto, long minimo, long maximo);

// Sends report lines (Windows-1252) to their place: with `fichero`, written byte for byte as
// the windows' "Guardar" writes them (Windows-1252, CR LF); without it, to stdout in UTF-8
// with LF. Returns 0, or 2 after the write error's message on stderr.
int EmitirInforme(const std::vector<std::string>& lineas, const std::optional<std::string>& fichero);
// The same for the lines `producir` hands out, written as they come.
int EmitirInforme(const TProductorLineas& producir, const std::optional<std::string>& fichero);

// True when `a` and `b` name the same file: the same device and inode when both exist,
// else the same absolute path once "." and ".." are resolved.
bool MismoArchivo(const std::string& a, const std::string& b);

// One file an order would write, and what names it in messages ("-o", "--traza", "SALIDA").
struct TSalidaCli {
  std::string nombre;
  std::string ruta;
};

// The outputs `argumentos` name through the `salida` options of `sintaxis`, in their order.
std::vector<TSalidaCli> SalidasDeArgumentos(const TSintaxisOrden& sintaxis, const TArgumentos& argumentos);

// The usage problem of a call whose outputs would write over a file it reads (`entradas`;
// "-" is skipped), also through symbolic or hard links, or that names one file as two of its
// outputs; the empty text when there is none.
std::string ProblemaDeSalidas(const std::vector<std::string>& entradas, const std::vector<TSalidaCli>& salidas);

// The first output that could not be written now (its folder missing or closed to writing,
// the file a folder or read-only): its message on stderr and false; true when every one can.
bool ComprobarSalidas(const std::vector<TSalidaCli>& salidas);

// Called by every writer of an order's output (EmitirInforme, the trace, the diagram) before
// it writes: the first call checks every output the order's arguments name
// (ComprobarSalidas), so no output is written unless all of them can be; false after the
// message when one cannot. Later calls return true.
bool AntesDeLaPrimeraSalida();

// The order that `sintaxis` describes, for TRegistroOrden: its name and help come from the
// syntax, and `ejecutar` runs only on arguments that AnalizarArgumentos accepted and that
// pass these checks, before anything is read or written (else a usage message and exit code
// 2): no output (the values of `salida` options) names a file the order reads (its files and
// the values of `entrada` options), nor the same file as another output (ProblemaDeSalidas);
// and "-" (the standard input) is only a file argument, never an option's value. Whether the
// outputs can be written is checked before the first is (AntesDeLaPrimeraSalida).
struct TOrden;
TOrden OrdenConSintaxis(TSintaxisOrden sintaxis, std::function<int(const TArgumentos&)> ejecutar);
