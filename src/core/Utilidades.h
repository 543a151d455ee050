// Utilidades: the text-set helpers on which the automaton core rests. States, symbols and
// sets of states are texts and text lists; these functions build, compare, look up and
// write them. Their texts end up verbatim in windows and reports.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Lista.h"

// A partition of states: its blocks (text lists used as sets of state names), in order.
// Blocks are held by value; two blocks are equal when their lists are equal exactly.
using TParticion = std::vector<TLista>;

// The one-item block [-] that stands for no state (an undefined transition).
inline const std::string kSinTransicion = "-";

// Case-insensitive membership: true if some item equals `texto` ignoring letter case.
bool EsMiembro(std::string_view texto, const TLista& lista);
// Position of the first item equal to `texto` ignoring letter case; nullopt if none.
std::optional<std::size_t> IndiceDe(std::string_view texto, const TLista& lista);

// A block holding the one item `texto`.
TLista ConjuntoUnitario(std::string texto);
// One singleton block per item of `lista`, in order: the partition before any merge.
TParticion ParticionUnitaria(const TLista& lista);
// Every item followed by one blank, in order ("a b " for [a, b]); empty for an empty list.
std::string ListaConBlancos(const TLista& lista);
// Appends to `lista1` each item of `lista2` not yet a member of it (tested as lista1 grows),
// in lista2's order, and returns a copy of the extended lista1.
TLista Unir(TLista& lista1, const TLista& lista2);
// The last n characters of `texto`; all of it if it is shorter; empty for n = 0.
std::string Sufijo(std::string_view texto, std::size_t n);
// True if `texto` is a substring (exact, case-sensitive) of some item.
bool EstaEnAlguno(std::string_view texto, const TLista& lista);
// True if `lista` is exactly the block [-].
bool EsSinTransicion(const TLista& lista);
// True if every character of `cadena` is in some symbol of `alfabeto` (EstaEnAlguno);
// true for the empty string.
bool SobreAlfabeto(std::string_view cadena, const TLista& alfabeto);
// The name of block n of a partition, the state n of the quotient automaton: "q" + n in
// decimal.
std::string NombreBloque(std::size_t bloque);
// `texto` without its blanks.
std::string QuitarBlancos(std::string_view texto);
// `texto` without its blanks (spaces and tabs) and slashes.
std::string QuitarBlancosYBarras(std::string_view texto);
// The set text: "{ a, &, ab }", the empty item written "&"; "{}" for an empty list.
std::string ConjuntoATexto(const TLista& lista);
// The items joined by " , "; empty for an empty list.
std::string ListaATexto(const TLista& lista);
// Appends to `primero` what precedes the first capital "A" of `texto` and to `segundo`
// the rest, "A" included. Without an "A" the whole text goes to `primero`.
void PartirEnA(std::string_view texto, std::string& primero, std::string& segundo);
