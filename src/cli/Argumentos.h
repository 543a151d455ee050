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

// The order that `sintaxis` describes, for TRegistroOrden: its name and help come from the
// syntax, and `ejecutar` runs only on arguments that AnalizarArgumentos accepted and that
// pass two checks (else a usage message and exit code 2): "-o" never names a file the order
// reads (its files and the values of `entrada` options), so a report never replaces its
// input; and "-" (the standard input) is only a file argument, never an option's value.
struct TOrden;
TOrden OrdenConSintaxis(TSintaxisOrden sintaxis, std::function<int(const TArgumentos&)> ejecutar);
