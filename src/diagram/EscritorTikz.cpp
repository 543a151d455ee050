// EscritorTikz: coordinates are written in points with y turned upwards, as TikZ has it.
#include "diagram/EscritorTikz.h"

#include "core/Texto.h"
#include "diagram/Decimal.h"

namespace {

// A Windows-1252 text as LaTeX text in UTF-8, every special character escaped.
std::string TextoLatex(const std::string& texto) {
  std::string salida;
  for (char c : texto) {
    switch (c) {
      case '\\': salida += "\\textbackslash{}"; break;
      case '{': salida += "\\{"; break;
      case '}': salida += "\\}"; break;
      case '$': salida += "\\$"; break;
      case '&': salida += "\\&"; break;
      case '#': salida += "\\#"; break;
      case '%': salida += "\\%"; break;
      case '_': salida += "\\_"; break;
      case '^': salida += "\\textasciicircum{}"; break;
      case '~': salida += "\\textasciitilde{}"; break;
      case '\n': case '\r': break;
      default: salida += Cp1252AUtf8(std::string_view(&c, 1));
    }
  }
  return salida;
}

std::string Numero(double valor) { return Decimal(valor, 2); }

class TEscritor {
 public:
  explicit TEscritor(double alto) : m_alto(alto) {}
  std::string Punto(const TPunto& p) const { return "(" + Numero(p.x) + "," + Numero(m_alto - p.y) + ")"; }

  // The curve as a TikZ path, ending at the arrowhead's tip.
  std::string Camino(const TAristaDispuesta& arista) const {
    if (arista.curva.empty()) return {};
    std::string camino = Punto(arista.curva[0]);
    for (std::size_t i = 1; i + 2 < arista.curva.size(); i += 3)
      camino += " .. controls " + Punto(arista.curva[i]) + " and " + Punto(arista.curva[i + 1]) + " .. " +
                Punto(arista.curva[i + 2]);
    if (arista.punta) camino += " -- " + Punto(*arista.punta);
    return camino;
  }

 private:
  double m_alto;
};

}  // namespace

std::string EscribirTikz(const TDiagrama& diagrama, const TDisposicion& disposicion) {
  const TEscritor escritor(disposicion.alto);
  std::string tex =
      "\\documentclass[tikz,border=4pt]{standalone}\n"
      "\\usepackage[T1]{fontenc}\n"
      "\\usepackage[utf8]{inputenc}\n"
      "\\usetikzlibrary{automata,arrows.meta}\n"
      "\\begin{document}\n"
      "\\begin{tikzpicture}[x=1pt, y=1pt, >={Stealth[length=6pt]}, font=\\sffamily\\small,\n"
      "  every state/.style={draw, circle, inner sep=1pt, minimum size=0pt},\n"
      "  etiqueta/.style={inner sep=1pt, font=\\sffamily\\footnotesize}]\n";
  for (std::size_t n = 0; n < diagrama.estados.size() && n < disposicion.estados.size(); ++n) {
    const auto& estado = diagrama.estados[n];
    const auto& nodo = disposicion.estados[n];
    std::string estilo = "state";
    if (estado.final) estilo += ", accepting";
    if (estado.marcado) estilo += ", dashed";
    // accepting draws a double line around the node: the node takes the layout size less that line
    const double diametro = estado.final ? nodo.ancho - 4 : nodo.ancho;
    estilo += ", minimum size=" + Numero(diametro) + "pt";
    tex += "  \\node[" + estilo + "] (e" + std::to_string(n) + ") at " + escritor.Punto(nodo.centro) + " {" +
           TextoLatex(estado.nombre) + "};\n";
  }
  if (disposicion.flechaInicial && !disposicion.flechaInicial->curva.empty())
    tex += "  \\draw[->] " + escritor.Camino(*disposicion.flechaInicial) + ";\n";
  for (std::size_t t = 0; t < diagrama.transiciones.size() && t < disposicion.transiciones.size(); ++t) {
    const auto& arista = disposicion.transiciones[t];
    if (arista.curva.empty()) continue;
    tex += "  \\draw[->] " + escritor.Camino(arista) + ";\n";
    if (arista.etiqueta)
      tex += "  \\node[etiqueta] at " + escritor.Punto(*arista.etiqueta) + " {" +
             TextoLatex(diagrama.transiciones[t].etiqueta) + "};\n";
  }
  return tex + "\\end{tikzpicture}\n\\end{document}\n";
}
