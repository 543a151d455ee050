// LecturaAutomata: finite automata read back from files (Telar's JSON, JFLAP 7's .jff)
// and from a command-line or dialog argument ("er:EXPRESION" or a file name).
//
// JSON: the document data/automata.schema.json describes (tipo "automata"; a Mealy
// machine is refused). Read with nlohmann::json; texts are UTF-8 and become
// Windows-1252.
// JFLAP: <structure> with <type>fa</type>; each <state id=".." name=".."> with optional
// <initial/> and <final/> (coordinates ignored); each <transition> with <from>, <to> and
// <read>: one symbol, empty for λ, several characters a sequence of transitions through
// new states. Other types (mealy, moore, pda, turing...) are refused naming the type.
// Read with expat; the line of the fault is named.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "automatas/AutomataFinito.h"

struct TLecturaAutomata {
  std::optional<TAutomataFinito> automata;  // set when read
  std::string error;  // otherwise the Spanish message (Windows-1252), naming the line or element
};

// A JSON document as Telar writes it (UTF-8 text). States keep their names and prefixes;
// the alphabet keeps its order.
TLecturaAutomata LeerAutomataJson(std::string_view texto);
// A JFLAP 7 .jff document (UTF-8 XML). States are named by their "name" attribute (their
// id when there is none), in document order; symbols in order of first appearance.
TLecturaAutomata LeerAutomataJff(std::string_view texto);

// The file at `ruta`, by its extension (.json, .jff; letter case ignored); a missing or
// unreadable file, or another extension, is an error naming the file.
TLecturaAutomata LeerArchivoAutomata(const std::string& ruta);

// "er:EXPRESION" read as a regular expression (ExpresionRegular), anything else as a file
// name (LeerArchivoAutomata). `argumento` is UTF-8, as a command line or a dialog gives it:
// the file name as the file system spells it, the expression converted to Windows-1252.
TLecturaAutomata LeerAutomataDeArgumento(const std::string& argumento);
