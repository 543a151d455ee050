// The layout read back from Graphviz, the pictures it renders and the TikZ document drawn
// from the layout.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "Montajes.h"
#include "diagram/Disposicion.h"
#include "diagram/EscritorTikz.h"

namespace {

double Distancia(const TPunto& a, const TPunto& b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The point lies on the node's outline or close to it (Graphviz clips edges at the border).
bool EnBorde(const TPunto& p, const TNodoDispuesto& nodo) {
  const double radio = nodo.ancho / 2;
  return std::abs(Distancia(p, nodo.centro) - radio) < 3.0;
}

// Layout properties on random quotients: every state inside the drawing, no two states on
// one spot, every edge a Bézier curve that leaves its origin's outline and whose arrow tip
// touches its target's, every label inside the drawing; and the same numbers every time.
TEST(Disposicion, RandomQuotientsAreLaidOutWhereTheyBelongAndAlwaysAlike) {
  std::mt19937 azar(3101);
  for (int prueba = 0; prueba < 25; ++prueba) {
    SCOPED_TRACE(prueba);
    const TAutomata automata = CocienteAleatorio(azar, 6);
    const TDiagrama diagrama = DiagramaCociente(automata, CalcularDatosResultado(automata));
    const TDisposicion disposicion = Disponer(diagrama);
    ASSERT_EQ(disposicion.estados.size(), diagrama.estados.size());
    ASSERT_EQ(disposicion.transiciones.size(), diagrama.transiciones.size());
    for (std::size_t n = 0; n < disposicion.estados.size(); ++n) {
      const auto& nodo = disposicion.estados[n];
      EXPECT_GT(nodo.ancho, 0);
      EXPECT_GE(nodo.centro.x - nodo.ancho / 2, -0.5);
      EXPECT_LE(nodo.centro.x + nodo.ancho / 2, disposicion.ancho + 0.5);
      EXPECT_GE(nodo.centro.y - nodo.alto / 2, -0.5);
      EXPECT_LE(nodo.centro.y + nodo.alto / 2, disposicion.alto + 0.5);
      for (std::size_t m = 0; m < n; ++m) EXPECT_GT(Distancia(nodo.centro, disposicion.estados[m].centro), 1.0);
    }
    for (std::size_t t = 0; t < disposicion.transiciones.size(); ++t) {
      const auto& arista = disposicion.transiciones[t];
      const auto& datos = diagrama.transiciones[t];
      ASSERT_GE(arista.curva.size(), 4u);
      EXPECT_EQ(arista.curva.size() % 3, 1u);
      ASSERT_TRUE(arista.punta.has_value());
      EXPECT_TRUE(EnBorde(arista.curva.front(), disposicion.estados[datos.origen]));
      EXPECT_TRUE(EnBorde(*arista.punta, disposicion.estados[datos.destino]));
      ASSERT_TRUE(arista.etiqueta.has_value());
      EXPECT_GE(arista.etiqueta->x, 0);
      EXPECT_LE(arista.etiqueta->y, disposicion.alto);
    }
    EXPECT_EQ(disposicion.flechaInicial.has_value(), diagrama.inicial >= 0);
    EXPECT_EQ(Disponer(diagrama), disposicion);
  }
}

TEST(Disposicion, LeftToRightFromTheInitialState) {
  const TDiagrama diagrama = DiagramaAceptor(TAutomata({"abc"}), false);
  const TDisposicion disposicion = Disponer(diagrama);
  for (std::size_t n = 1; n < disposicion.estados.size(); ++n)
    EXPECT_GT(disposicion.estados[n].centro.x, disposicion.estados[n - 1].centro.x);
  EXPECT_LT(disposicion.flechaInicial->curva.front().x, disposicion.estados[0].centro.x);
}

TEST(Disposicion, GraphvizRendersSvgAndPngAndRefusesAnUnknownFormat) {
  const TDiagrama diagrama = montajes::Resultado(TAlgoritmoK::KR, {"ab", "b"}, 0);
  const std::string svg = Renderizar(diagrama, "svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find(">q1</text>"), std::string::npos);
  const std::string png = Renderizar(diagrama, "png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  // at twice the scale, the bitmap is twice as wide (its width: bytes 16 to 19 of IHDR)
  auto ancho = [](const std::string& imagen) {
    return (static_cast<unsigned char>(imagen[16]) << 24) | (static_cast<unsigned char>(imagen[17]) << 16) |
           (static_cast<unsigned char>(imagen[18]) << 8) | static_cast<unsigned char>(imagen[19]);
  };
  const std::string doble = Renderizar(diagrama, "png", 2);
  ASSERT_GT(doble.size(), 24u);
  EXPECT_NEAR(ancho(doble), 2.0 * ancho(png), 4.0);
  EXPECT_THROW(Renderizar(diagrama, "no-such-format"), std::runtime_error);
}

// The TikZ document compiles with pdflatex when the machine has it.
TEST(Disposicion, TikzDocumentCompilesWithPdflatex) {
  const TLista muestra = {"ab", "b", "\xE1"};  // an accented symbol reaches LaTeX as UTF-8
  const TAutomata aceptor(MarcarMuestra(muestra));
  const TDiagrama diagrama = DiagramaAceptor(aceptor, true);  // names hold "&" and "$"
  const std::string tex = EscribirTikz(diagrama, Disponer(diagrama));
  EXPECT_NE(tex.find("\\usetikzlibrary{automata"), std::string::npos);
  EXPECT_NE(tex.find("{ab\\$}"), std::string::npos);
  EXPECT_NE(tex.find("{\\&}"), std::string::npos);
  EXPECT_NE(tex.find("accepting"), std::string::npos);
  if (std::system("command -v pdflatex >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdflatex is not installed: the TikZ document was not compiled";
  const auto carpeta = std::filesystem::temp_directory_path() / ("telar-tikz-" + std::to_string(::getpid()));
  std::filesystem::create_directories(carpeta);
  std::ofstream(carpeta / "d.tex", std::ios::binary) << tex;
  const std::string orden = "cd '" + carpeta.string() + "' && pdflatex -interaction=nonstopmode -halt-on-error d.tex >/dev/null 2>&1";
  EXPECT_EQ(std::system(orden.c_str()), 0) << tex;
  EXPECT_TRUE(std::filesystem::exists(carpeta / "d.pdf"));
  std::filesystem::remove_all(carpeta);
}

}  // namespace
