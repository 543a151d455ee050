// EscritorDot: writes quoted identifiers and attributes, escaping what a DOT string and a
// Graphviz label would otherwise interpret.
#include "diagram/EscritorDot.h"

#include <set>

#include "core/Texto.h"

namespace {

// A DOT quoted string of a Windows-1252 text. Backslashes are doubled so labels show them
// as typed instead of reading escapes such as \N or \l; control characters become their
// pictures, which Graphviz's SVG (XML, where they cannot be written) carries as they are.
std::string Cita(const std::string& texto) {
  std::string salida = "\"";
  for (char c : Cp1252AUtf8Visible(texto)) {
    if (c == '"' || c == '\\') salida += '\\';
    salida += c;
  }
  return salida + "\"";
}

std::string ListaDePrefijos(const TLista& prefijos) {
  std::string texto = "{ ";
  for (std::size_t i = 0; i < prefijos.size(); ++i) texto += (i ? ", " : "") + prefijos[i];
  return texto + " }";
}

}  // namespace

std::string NombreNodoInicio(const TDiagrama& diagrama) {
  std::set<std::string> nombres;
  for (const auto& estado : diagrama.estados) nombres.insert(estado.nombre);
  std::string nombre = "inicio";
  while (nombres.count(nombre)) nombre += "_";
  return nombre;
}

std::string EscribirDot(const TDiagrama& diagrama) {
  std::string dot =
      "digraph automata {\n"
      "  rankdir=LR;\n"
      "  node [shape=circle, fontname=\"Helvetica\", fontsize=12];\n"
      "  edge [fontname=\"Helvetica\", fontsize=11, arrowsize=0.8];\n";
  const std::string inicio = Cita(NombreNodoInicio(diagrama));
  const bool conInicio =
      diagrama.inicial >= 0 && static_cast<std::size_t>(diagrama.inicial) < diagrama.estados.size();
  if (conInicio) dot += "  " + inicio + " [id=\"inicio\", shape=point, style=invis, label=\"\"];\n";
  for (std::size_t n = 0; n < diagrama.estados.size(); ++n) {
    const auto& estado = diagrama.estados[n];
    dot += "  " + Cita(estado.nombre) + " [id=\"e" + std::to_string(n) + "\", label=" + Cita(estado.nombre);
    if (estado.final) dot += ", shape=doublecircle";
    if (estado.marcado) dot += ", style=dashed";
    dot += ", tooltip=" + Cita(ListaDePrefijos(estado.prefijos)) + "];\n";
  }
  if (conInicio)
    dot += "  " + inicio + " -> " + Cita(diagrama.estados[diagrama.inicial].nombre) + " [id=\"tinicio\"];\n";
  for (std::size_t t = 0; t < diagrama.transiciones.size(); ++t) {
    const auto& arista = diagrama.transiciones[t];
    dot += "  " + Cita(diagrama.estados[arista.origen].nombre) + " -> " + Cita(diagrama.estados[arista.destino].nombre) +
           " [id=\"t" + std::to_string(t) + "\", label=" + Cita(arista.etiqueta) + "];\n";
  }
  return dot + "}\n";
}
