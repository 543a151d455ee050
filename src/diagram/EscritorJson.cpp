// EscritorJson: the exported automaton as JSON.
#include "diagram/EscritorJson.h"

#include <algorithm>

#include "core/Texto.h"
#include "core/Utilidades.h"

namespace {

// A Windows-1252 text as a JSON string.
std::string Cadena(const std::string& texto) {
  static const char* kHex = "0123456789abcdef";
  std::string json = "\"";
  for (unsigned char c : Cp1252AUtf8(texto)) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += static_cast<char>(c);
    } else if (c < 0x20) {
      json += "\\u00";
      json += kHex[c >> 4];
      json += kHex[c & 0xF];
    } else {
      json += static_cast<char>(c);
    }
  }
  return json + "\"";
}

// How the diagram writes the empty prefix.
std::string Prefijo(const std::string& prefijo) { return prefijo == "&" ? "" : prefijo; }

template <typename T, typename Escribir>
std::string Lista(const std::vector<T>& items, Escribir escribir) {
  std::string json = "[";
  for (std::size_t i = 0; i < items.size(); ++i) json += (i ? ", " : "") + escribir(items[i]);
  return json + "]";
}

bool EsMealy(const TDiagrama& diagrama) { return diagrama.paresSA; }

// A Mealy machine's symbol split into the situation read and the action given.
std::pair<std::string, std::string> Par(const std::string& simbolo) {
  std::string situacion, accion;
  PartirEnA(simbolo, situacion, accion);
  return {situacion, accion};
}

}  // namespace

std::string EscribirJson(const TDiagrama& d) {
  const bool mealy = EsMealy(d);
  TLista alfabeto;
  for (const auto& simbolo : d.alfabeto) {
    const std::string entrada = mealy ? Par(simbolo).first : simbolo;
    if (std::find(alfabeto.begin(), alfabeto.end(), entrada) == alfabeto.end()) alfabeto.push_back(entrada);
  }
  std::vector<int> finales;
  for (std::size_t n = 0; n < d.estados.size(); ++n)
    if (d.estados[n].final) finales.push_back(static_cast<int>(n));

  std::string json = "{\n";
  json += "  \"formato\": \"telar-automata\",\n";
  json += "  \"version\": 1,\n";
  json += std::string("  \"tipo\": \"") + (mealy ? "mealy" : "automata") + "\",\n";
  json += "  \"alfabeto\": " + Lista(alfabeto, Cadena) + ",\n";
  json += "  \"estados\": [";
  for (std::size_t n = 0; n < d.estados.size(); ++n) {
    const auto& e = d.estados[n];
    json += (n ? ",\n    " : "\n    ");
    json += "{\"id\": " + std::to_string(n) + ", \"nombre\": " + Cadena(e.nombre) +
            ", \"prefijos\": " + Lista(e.prefijos, [](const std::string& p) { return Cadena(Prefijo(p)); }) +
            ", \"final\": " + (e.final ? "true" : "false") + "}";
  }
  json += d.estados.empty() ? "],\n" : "\n  ],\n";
  json += "  \"inicial\": " + (d.inicial >= 0 ? std::to_string(d.inicial) : std::string("null")) + ",\n";
  json += "  \"finales\": " + Lista(finales, [](int n) { return std::to_string(n); }) + ",\n";
  json += "  \"transiciones\": [";
  bool primera = true;
  for (const auto& t : d.transiciones) {
    for (const auto& simbolo : t.simbolos) {
      json += primera ? "\n    " : ",\n    ";
      primera = false;
      json += "{\"origen\": " + std::to_string(t.origen) + ", \"destino\": " + std::to_string(t.destino);
      if (mealy) {
        const auto [situacion, accion] = Par(simbolo);
        json += ", \"simbolo\": " + Cadena(situacion) + ", \"accion\": " + Cadena(accion) + "}";
      } else {
        json += ", \"simbolo\": " + Cadena(simbolo) + "}";
      }
    }
  }
  json += primera ? "]\n" : "\n  ]\n";
  return json + "}\n";
}
