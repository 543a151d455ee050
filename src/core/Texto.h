// Texto: Windows-1252 text as the core keeps it; letter case over every letter of the
// code page, and the conversions to and from UTF-8 used at the program's boundaries.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace texto_detalle {
constexpr std::array<unsigned char, 256> TablaMinusculas() {
  std::array<unsigned char, 256> tabla{};
  for (unsigned b = 0; b < 256; ++b) {
    unsigned m = b;
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) m = b + 32;
    if (b == 0x8A || b == 0x8C || b == 0x8E) m = b + 0x10;  // Š Œ Ž
    if (b == 0x9F) m = 0xFF;                               // Ÿ
    tabla[b] = static_cast<unsigned char>(m);
  }
  return tabla;
}
inline constexpr std::array<unsigned char, 256> kMinusculas = TablaMinusculas();
}  // namespace texto_detalle

// Lower case of one Windows-1252 character (A-Z, À-Þ but ×, Š, Œ, Ž, Ÿ); others unchanged.
// One table lookup: case-insensitive hashes and comparisons call it for every byte.
inline char MinusculaDe(char c) {
  return static_cast<char>(texto_detalle::kMinusculas[static_cast<unsigned char>(c)]);
}
// Upper case of one Windows-1252 character (a-z, à-þ but ÷, š, œ, ž, ÿ); others unchanged.
char MayusculaDe(char c);

std::string AMinusculas(std::string_view texto);
std::string AMayusculas(std::string_view texto);

// True when both texts are equal once every letter is lowercased: the system's
// case-insensitive comparison of states, symbols and examples.
bool IgualesSinMayusculas(std::string_view a, std::string_view b);

// Windows-1252 text as UTF-8. The five bytes the code page leaves undefined
// (81, 8D, 8F, 90, 9D) become the control characters of the same number.
std::string Cp1252AUtf8(std::string_view texto);
// The same, appended to `destino`.
void AnadirCp1252AUtf8(std::string& destino, std::string_view texto);
// As Cp1252AUtf8, but each control character 01-1F and 7F becomes its picture (U+2401 to
// U+241F, U+2421): a text shown to a person (a terminal, a drawing, XML) that must not act
// on it. No Windows-1252 text holds a picture, so two different texts stay different.
std::string Cp1252AUtf8Visible(std::string_view texto);

// UTF-8 text as Windows-1252. Fails on invalid UTF-8 or on a character the code page
// cannot hold; `posicionError` then receives the byte offset of the offending character.
std::optional<std::string> Utf8ACp1252(std::string_view texto, std::size_t* posicionError = nullptr);

// True when the bytes are valid UTF-8 and hold at least one non-ASCII character:
// such a file was written by a UTF-8 editor and is decoded before use.
bool EsUtf8NoAscii(std::string_view bytes);
