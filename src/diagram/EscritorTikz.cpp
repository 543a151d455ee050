// EscritorTikz: coordinates are written in points with y turned upwards, as TikZ has it. TeX
// holds no length beyond 16383pt, so a picture wider or taller than kLadoMaximo is drawn
// smaller: every coordinate and node size scaled by one factor, and every text by it too.
#include "diagram/EscritorTikz.h"

#include <algorithm>

#include "core/Texto.h"
#include "diagram/Decimal.h"

namespace {

// The longest side, in points, a picture keeps as laid out.
constexpr double kLadoMaximo = 8000;

// A Windows-1252 text as LaTeX text in UTF-8, every special character escaped. Control
// characters (which TeX would read as commands or refuse) are written in caret notation,
// "^A" for 01 and "^?" for 7F; the five bytes the code page leaves undefined, which no font
// encoding holds, as their code in hexadecimal ("\x81").
std::string TextoLatex(const std::string& texto) {
  std::string salida;
  for (char c : texto) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      // the caret's letter may be special itself: 1C gives "\\", 1F gives "_"
      salida += "\\textasciicircum{}" + TextoLatex(std::string(1, byte == 0x7F ? '?' : static_cast<char>(0x40 + byte)));
      continue;
    }
    if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
      static const char* kHex = "0123456789ABCDEF";
      salida += "\\textbackslash{}x";
      salida += kHex[byte >> 4];
      salida += kHex[byte & 0xF];
      continue;
    }
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
      case '\xA0': salida += "~"; break;
      default: salida += Cp1252AUtf8(std::string_view(&c, 1));
    }
  }
  return salida;
}

std::string Numero(double valor) { return Decimal(valor, 2); }

class TEscritor {
 public:
  TEscritor(double alto, double escala) : m_alto(alto), m_escala(escala) {}
  std::string Punto(const TPunto& p) const {
    return "(" + Numero(p.x * m_escala) + "," + Numero((m_alto - p.y) * m_escala) + ")";
  }

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
  double m_escala;
};

}  // namespace

std::string EscribirTikz(const TDiagrama& diagrama, const TDisposicion& disposicion) {
  const double lado = std::max(disposicion.ancho, disposicion.alto);
  const double escala = lado > kLadoMaximo ? kLadoMaximo / lado : 1.0;
  const TEscritor escritor(disposicion.alto, escala);
  // a node drawn smaller with the picture: its size scaled as the coordinates are, its text
  // through \scalebox (graphicx, which TikZ loads), so no length written grows past the limit
  const auto texto = [&](const std::string& t) {
    return escala < 1.0 ? "\\scalebox{" + Decimal(escala, 4) + "}{" + TextoLatex(t) + "}" : TextoLatex(t);
  };
  std::string tex =
      "\\documentclass[tikz,border=4pt]{standalone}\n"
      "\\usepackage[T1]{fontenc}\n"
      "\\usepackage[utf8]{inputenc}\n"
      + std::string(escala < 1.0 ? "\\usepackage{graphicx}\n" : "") +
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
    estilo += ", minimum size=" + Numero(diametro * escala) + "pt";
    tex += "  \\node[" + estilo + "] (e" + std::to_string(n) + ") at " + escritor.Punto(nodo.centro) + " {" +
           texto(estado.nombre) + "};\n";
  }
  if (disposicion.flechaInicial && !disposicion.flechaInicial->curva.empty())
    tex += "  \\draw[->] " + escritor.Camino(*disposicion.flechaInicial) + ";\n";
  for (std::size_t t = 0; t < diagrama.transiciones.size() && t < disposicion.transiciones.size(); ++t) {
    const auto& arista = disposicion.transiciones[t];
    if (arista.curva.empty()) continue;
    tex += "  \\draw[->] " + escritor.Camino(arista) + ";\n";
    if (arista.etiqueta)
      tex += "  \\node[etiqueta] at " + escritor.Punto(*arista.etiqueta) + " {" +
             texto(diagrama.transiciones[t].etiqueta) + "};\n";
  }
  return tex + "\\end{tikzpicture}\n\\end{document}\n";
}
