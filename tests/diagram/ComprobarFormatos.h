// ComprobarFormatos: each exported format read back by a real parser or a strict reader of
// its grammar: XML (SVG, .jff) by expat, DOT by Graphviz's cgraph, JSON by a reader of RFC
// 8259 that accepts nothing else, and the TikZ document's structure (what makes pdflatex
// stop: unbalanced braces, control characters, characters no font encoding of the preamble
// holds, lengths beyond TeX's 16383pt). Each returns the empty text or what is wrong.
// Shared by the diagram tests and the diagram fuzz target.
#pragma once

#include <graphviz/cgraph.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <expat.h>
#include <string>
#include <string_view>

#include "core/Texto.h"

namespace formatos {

inline std::string ErrorXml(const std::string& xml) {
  XML_Parser lector = XML_ParserCreate("UTF-8");
  std::string error;
  if (XML_Parse(lector, xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_ERROR)
    error = std::string(XML_ErrorString(XML_GetErrorCode(lector))) + " en la l\xC3\xADnea " +
            std::to_string(XML_GetCurrentLineNumber(lector));
  XML_ParserFree(lector);
  return error;
}

inline std::string ErrorDot(const std::string& dot) {
  Agraph_t* grafo = agmemread(dot.c_str());
  if (grafo == nullptr) return "cgraph no lee el DOT";
  agclose(grafo);
  return "";
}

// A strict JSON reader: one value, then only white space.
class TLectorJson {
 public:
  explicit TLectorJson(std::string_view texto) : m_texto(texto) {}

  std::string Error() {
    Blancos();
    if (!Valor()) return m_error.empty() ? "valor no v\xC3\xA1lido en " + std::to_string(m_i) : m_error;
    Blancos();
    return m_i == m_texto.size() ? "" : "sobra texto en " + std::to_string(m_i);
  }

 private:
  bool Valor(int profundidad = 0) {
    if (profundidad > 200 || m_i >= m_texto.size()) return false;
    const char c = m_texto[m_i];
    if (c == '{') return Objeto(profundidad);
    if (c == '[') return Lista(profundidad);
    if (c == '"') return Cadena();
    if (c == '-' || (c >= '0' && c <= '9')) return Numero();
    return Palabra("true") || Palabra("false") || Palabra("null");
  }
  bool Objeto(int profundidad) {
    ++m_i;
    Blancos();
    if (Toma('}')) return true;
    do {
      Blancos();
      if (m_i >= m_texto.size() || m_texto[m_i] != '"' || !Cadena()) return false;
      Blancos();
      if (!Toma(':')) return false;
      Blancos();
      if (!Valor(profundidad + 1)) return false;
      Blancos();
    } while (Toma(','));
    return Toma('}');
  }
  bool Lista(int profundidad) {
    ++m_i;
    Blancos();
    if (Toma(']')) return true;
    do {
      Blancos();
      if (!Valor(profundidad + 1)) return false;
      Blancos();
    } while (Toma(','));
    return Toma(']');
  }
  bool Cadena() {
    const std::size_t inicio = ++m_i;
    while (m_i < m_texto.size() && m_texto[m_i] != '"') {
      const auto c = static_cast<unsigned char>(m_texto[m_i]);
      if (c < 0x20) return Falla("car\xC3\xA1" "cter de control sin escapar en " + std::to_string(m_i));
      if (c == '\\') {
        if (++m_i >= m_texto.size()) return false;
        const char e = m_texto[m_i];
        if (e == 'u') {
          for (int k = 1; k <= 4; ++k)
            if (m_i + k >= m_texto.size() || !std::isxdigit(static_cast<unsigned char>(m_texto[m_i + k]))) return false;
          m_i += 4;
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          return Falla("escape no v\xC3\xA1lido en " + std::to_string(m_i));
        }
      }
      ++m_i;
    }
    if (m_i >= m_texto.size()) return false;
    if (!EsUtf8(m_texto.substr(inicio, m_i - inicio)))
      return Falla("UTF-8 no v\xC3\xA1lido en " + std::to_string(inicio));
    ++m_i;
    return true;
  }
  bool Numero() {
    const std::size_t inicio = m_i;
    Toma('-');
    if (Toma('0')) {
    } else if (!Digitos()) {
      return false;
    }
    if (Toma('.') && !Digitos()) return false;
    if (Toma('e') || Toma('E')) {
      if (!Toma('+')) Toma('-');
      if (!Digitos()) return false;
    }
    return m_i > inicio;
  }
  bool Digitos() {
    const std::size_t inicio = m_i;
    while (m_i < m_texto.size() && m_texto[m_i] >= '0' && m_texto[m_i] <= '9') ++m_i;
    return m_i > inicio;
  }
  bool Palabra(std::string_view palabra) {
    if (m_texto.substr(m_i, palabra.size()) != palabra) return false;
    m_i += palabra.size();
    return true;
  }
  bool Toma(char c) {
    if (m_i < m_texto.size() && m_texto[m_i] == c) {
      ++m_i;
      return true;
    }
    return false;
  }
  void Blancos() {
    while (m_i < m_texto.size() && std::string_view(" \t\n\r").find(m_texto[m_i]) != std::string_view::npos) ++m_i;
  }
  bool Falla(std::string error) {
    m_error = std::move(error);
    return false;
  }
  static bool EsUtf8(std::string_view texto) {
    return EsUtf8NoAscii(texto) ||
           std::all_of(texto.begin(), texto.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  }

  std::string_view m_texto;
  std::size_t m_i = 0;
  std::string m_error;
};

inline std::string ErrorJson(const std::string& json) { return TLectorJson(json).Error(); }

// The TikZ document: braces balanced outside "\{" and "\}", no control character but the line
// breaks, UTF-8 whose every character is one Windows-1252 prints (what inputenc's utf8 with
// the T1 and TS1 encodings declares), and every number of a coordinate or a size below
// 16383 in absolute value.
inline std::string ErrorTikz(const std::string& tex) {
  int nivel = 0;
  for (std::size_t i = 0; i < tex.size(); ++i) {
    const auto c = static_cast<unsigned char>(tex[i]);
    if (c == '\\') {
      ++i;  // the next character is escaped or begins a command
      continue;
    }
    if ((c < 0x20 && c != '\n') || c == 0x7F) return "car\xC3\xA1" "cter de control " + std::to_string(c);
    if (c == '{') ++nivel;
    if (c == '}' && --nivel < 0) return "llave cerrada de m\xC3\xA1s en " + std::to_string(i);
  }
  if (nivel != 0) return "llaves sin cerrar";
  const auto texto = Utf8ACp1252(tex);
  if (!texto && EsUtf8NoAscii(tex)) return "car\xC3\xA1" "cter que Windows-1252 no tiene";
  if (!texto) return "UTF-8 no v\xC3\xA1lido";
  for (const unsigned char c : *texto)
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return "byte sin car\xC3\xA1" "cter " + std::to_string(c);
  // Lengths: every number outside the texts of the nodes (what follows "at (x,y) {" on a
  // line is a label, where digits are only text).
  for (std::size_t i = 0; i < tex.size(); ++i) {
    if (tex[i] == '{' && i >= 2 && tex.compare(i - 2, 2, ") ") == 0) {
      i = std::min(tex.find('\n', i), tex.size());
      continue;
    }
    if (!(tex[i] == '-' || (tex[i] >= '0' && tex[i] <= '9')) || (i > 0 && std::isalnum(static_cast<unsigned char>(tex[i - 1]))))
      continue;
    char* fin = nullptr;
    const double valor = std::strtod(tex.c_str() + i, &fin);
    if (std::abs(valor) >= 16383) return "longitud " + std::to_string(valor) + " mayor que 16383pt";
    i = static_cast<std::size_t>(fin - tex.c_str());
  }
  return "";
}

}  // namespace formatos
