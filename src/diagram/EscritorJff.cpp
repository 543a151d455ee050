// EscritorJff: the exported automaton in JFLAP's XML.
#include "diagram/EscritorJff.h"

#include "core/Texto.h"
#include "core/Utilidades.h"
#include "diagram/Decimal.h"

namespace {

// A Windows-1252 text as XML character data, also inside an attribute. Tabs and line breaks
// are character references, which attributes keep; XML 1.0 has no way to write the other
// control characters a sample may hold, so each becomes its picture (U+2400 + code), which
// no Windows-1252 text contains: two different names stay different.
std::string Xml(const std::string& texto) {
  std::string xml;
  for (char c : Cp1252AUtf8(texto)) {
    switch (c) {
      case '&': xml += "&amp;"; break;
      case '<': xml += "&lt;"; break;
      case '>': xml += "&gt;"; break;
      case '"': xml += "&quot;"; break;
      case '\t': xml += "&#9;"; break;
      case '\n': xml += "&#10;"; break;
      case '\r': xml += "&#13;"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          xml += "\xE2\x90";
          xml += static_cast<char>(0x80 + c);
        } else {
          xml += c;
        }
    }
  }
  return xml;
}

std::string Numero(double valor) { return Decimal(valor, 1); }

// JFLAP reads the empty string as a transition with an empty <read/>, and our acceptor
// names the empty prefix "&".
std::string Lectura(const std::string& simbolo) { return simbolo.empty() ? "<read/>" : "<read>" + Xml(simbolo) + "</read>"; }

}  // namespace

std::string EscribirJff(const TDiagrama& d, const TDisposicion& disposicion) {
  const bool mealy = d.paresSA;
  // A margin, so that no state touches the edge of JFLAP's canvas.
  constexpr double kMargen = 40;
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  xml += "<!--Exportado por Telar-->\n";
  xml += "<structure>\n";
  xml += std::string("\t<type>") + (mealy ? "mealy" : "fa") + "</type>\n";
  xml += "\t<automaton>\n";
  for (std::size_t n = 0; n < d.estados.size(); ++n) {
    const auto& e = d.estados[n];
    const TPunto centro = n < disposicion.estados.size() ? disposicion.estados[n].centro : TPunto{};
    xml += "\t\t<state id=\"" + std::to_string(n) + "\" name=\"" + Xml(e.nombre) + "\">\n";
    xml += "\t\t\t<x>" + Numero(centro.x + kMargen) + "</x>\n";
    xml += "\t\t\t<y>" + Numero(centro.y + kMargen) + "</y>\n";
    if (static_cast<int>(n) == d.inicial) xml += "\t\t\t<initial/>\n";
    if (e.final) xml += "\t\t\t<final/>\n";
    xml += "\t\t</state>\n";
  }
  for (const auto& t : d.transiciones) {
    for (const auto& simbolo : t.simbolos) {
      xml += "\t\t<transition>\n";
      xml += "\t\t\t<from>" + std::to_string(t.origen) + "</from>\n";
      xml += "\t\t\t<to>" + std::to_string(t.destino) + "</to>\n";
      if (mealy) {
        std::string situacion, accion;
        PartirEnA(simbolo, situacion, accion);
        xml += "\t\t\t" + Lectura(situacion) + "\n";
        xml += "\t\t\t<transout>" + Xml(accion) + "</transout>\n";
      } else {
        xml += "\t\t\t" + Lectura(simbolo) + "\n";
      }
      xml += "\t\t</transition>\n";
    }
  }
  xml += "\t</automaton>\n";
  xml += "</structure>\n";
  return xml;
}
