// Texto: Windows-1252 text as the core keeps it; letter case over every letter of the
// code page, and the conversions to and from UTF-8 used at the program's boundaries.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Lower case of one Windows-1252 character (A-Z, À-Þ but ×, Š, Œ, Ž, Ÿ); others unchanged.
char MinusculaDe(char c);
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

// UTF-8 text as Windows-1252. Fails on invalid UTF-8 or on a character the code page
// cannot hold; `posicionError` then receives the byte offset of the offending character.
std::optional<std::string> Utf8ACp1252(std::string_view texto, std::size_t* posicionError = nullptr);

// True when the bytes are valid UTF-8 and hold at least one non-ASCII character:
// such a file was written by a UTF-8 editor and is decoded before use.
bool EsUtf8NoAscii(std::string_view bytes);
