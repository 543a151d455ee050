// Umuestra: copying, checking and measuring samples, and the lines the sample viewer shows.
// Every text is Windows-1252; a sample list stores the empty string as an empty item,
// files and shown texts write it "&".
#pragma once

#include <cstddef>
#include <string>

#include "core/Lista.h"

// The text that writes the empty string in files and shown samples.
inline constexpr const char* kCadenaVacia = "&";

// Clears `destino`, then appends each line of `origen` in order: the empty string for a
// line that is exactly "&", the line lowercased (every Windows-1252 letter) otherwise.
void CargarMuestra(TLista& destino, const TLista& origen);

// Clears `destino`, then appends each line of `origen` uppercased, blank lines included.
void CargarMuestraSA(TLista& destino, const TLista& origen);

// True when there is at least one line and no line is empty (a blank line is not a way of
// writing the empty string).
bool MuestraValida(const TLista& lineas);

// Why `lineas` are not MuestraValida, for the detail of "Muestra No válida": no line (the
// file is empty, or holds only a UTF-8 byte-order mark when `soloMarca`), or the first blank
// line by its number. `nombre` names the file as the file layer's messages do (empty for lines
// typed in the editor). The empty text when the lines are valid.
std::string MotivoMuestraNoValida(const TLista& lineas, const std::string& nombre, bool soloMarca);

// "&" writes the empty string: a line that is exactly "&" is the empty example, and "&" beside
// other characters would be read as a symbol that prints as the empty string.
bool CadenaVaciaDentro(const std::string& linea);
// The first line (from 1) of `lineas` with "&" beside other characters; 0 when none.
std::size_t LineaConCadenaVaciaDentro(const TLista& lineas);
// The message that refuses such a line of a sample (`nombre` as above), or such an example
// typed in the incremental window's box (`linea` 0).
std::string MensajeCadenaVaciaDentro(std::size_t linea, const std::string& nombre);

// The length in characters of the longest item; 0 for an empty list.
std::size_t LongitudMaxima(const TLista& lista);

// The viewer's lines for a positive, negative or test sample: one per example, in order,
// the example lowercased or "&" for the empty string. Replaces `memo`.
void MostrarValoresMuestra(const TLista& muestra, TLista& memo);

// The viewer's lines for a situation/action sample: each line uppercased, blank lines
// included. Replaces `memo`.
void MostrarValoresMuestraSA(const TLista& muestra, TLista& memo);
