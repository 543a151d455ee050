// Texto: Windows-1252 letter case and UTF-8 conversion.
#include "core/Texto.h"

#include <array>
#include <cstdint>

namespace {

// Unicode code points of bytes 0x80..0x9F in Windows-1252; the five undefined
// bytes map to the C1 control of the same value so that every byte round-trips.
constexpr std::array<char32_t, 32> kAltos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> ByteDe(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kAltos.size(); ++i)
    if (kAltos[i] == cp) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

void AnadirUtf8(std::string& salida, char32_t cp) {
  if (cp < 0x80) {
    salida += static_cast<char>(cp);
  } else if (cp < 0x800) {
    salida += static_cast<char>(0xC0 | (cp >> 6));
    salida += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    salida += static_cast<char>(0xE0 | (cp >> 12));
    salida += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    salida += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 character at `i`; returns its length, or 0 when the bytes are invalid.
std::size_t LeerUtf8(std::string_view s, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t largo;
  char32_t minimo;
  if (b0 < 0x80) { cp = b0; return 1; }
  if ((b0 & 0xE0) == 0xC0) { largo = 2; cp = b0 & 0x1F; minimo = 0x80; }
  else if ((b0 & 0xF0) == 0xE0) { largo = 3; cp = b0 & 0x0F; minimo = 0x800; }
  else if ((b0 & 0xF8) == 0xF0) { largo = 4; cp = b0 & 0x07; minimo = 0x10000; }
  else return 0;
  if (i + largo > s.size()) return 0;
  for (std::size_t k = 1; k < largo; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return largo;
}

}  // namespace

char MayusculaDe(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
  switch (b) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return c;
  }
}

std::string AMinusculas(std::string_view texto) {
  std::string r(texto);
  for (char& c : r) c = MinusculaDe(c);
  return r;
}

std::string AMayusculas(std::string_view texto) {
  std::string r(texto);
  for (char& c : r) c = MayusculaDe(c);
  return r;
}

bool IgualesSinMayusculas(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (MinusculaDe(a[i]) != MinusculaDe(b[i])) return false;
  return true;
}

std::string Cp1252AUtf8(std::string_view texto) {
  std::string r;
  r.reserve(texto.size() + texto.size() / 4);
  AnadirCp1252AUtf8(r, texto);
  return r;
}

void AnadirCp1252AUtf8(std::string& destino, std::string_view texto) {
  for (char c : texto) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      destino += c;
    else
      AnadirUtf8(destino, b < 0xA0 ? kAltos[b - 0x80] : char32_t{b});
  }
}

std::string Cp1252AUtf8Visible(std::string_view texto) {
  std::string r;
  r.reserve(texto.size() + texto.size() / 4);
  for (char c : texto) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 0x01 && b < 0x20) || b == 0x7F)
      AnadirUtf8(r, b == 0x7F ? char32_t{0x2421} : char32_t{0x2400} + b);
    else
      AnadirCp1252AUtf8(r, std::string_view(&c, 1));
  }
  return r;
}

std::optional<std::string> Utf8ACp1252(std::string_view texto, std::size_t* posicionError) {
  std::string r;
  r.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size();) {
    char32_t cp = 0;
    const std::size_t largo = LeerUtf8(texto, i, cp);
    const auto byte = largo ? ByteDe(cp) : std::nullopt;
    if (!byte) {
      if (posicionError) *posicionError = i;
      return std::nullopt;
    }
    r += static_cast<char>(*byte);
    i += largo;
  }
  return r;
}

bool EsUtf8NoAscii(std::string_view bytes) {
  bool noAscii = false;
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t cp = 0;
    const std::size_t largo = LeerUtf8(bytes, i, cp);
    if (largo == 0) return false;
    noAscii = noAscii || largo > 1;
    i += largo;
  }
  return noAscii;
}
