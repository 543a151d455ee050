// Every export format read back by its real parser with every byte 01-FF as a symbol (a
// control character, 7F, the five bytes Windows-1252 leaves undefined included), and a long
// chain's TikZ picture kept within TeX's largest length.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ComprobarFormatos.h"
#include "Montajes.h"
#include "diagram/Disposicion.h"
#include "diagram/EscritorDot.h"
#include "diagram/EscritorJff.h"
#include "diagram/EscritorJson.h"
#include "diagram/EscritorTikz.h"

namespace {

// The acceptor and the KC result of a sample where `simbolo` is a symbol: in a state's name,
// alone and beside another, and on an edge's label.
std::vector<TDiagrama> DiagramasCon(char simbolo) {
  const std::string s(1, simbolo);
  const TLista muestra = {"a" + s, s, s + s + "b"};
  return {DiagramaAceptor(TAutomata(muestra), false), montajes::Resultado(TAlgoritmoK::KC, muestra, 0)};
}

TEST(FormatosBienFormados, EveryByteAsASymbolGivesDocumentsTheirParsersRead) {
  for (int byte = 0x01; byte <= 0xFF; ++byte) {
    // a line break ends a sample's line, "&" alone is the empty string and never a symbol
    if (byte == '\n' || byte == '\r' || byte == '&') continue;
    SCOPED_TRACE(byte);
    for (const TDiagrama& diagrama : DiagramasCon(static_cast<char>(byte))) {
      const TDisposicion disposicion = Disponer(diagrama);
      EXPECT_EQ(formatos::ErrorDot(EscribirDot(diagrama)), "");
      EXPECT_EQ(formatos::ErrorXml(Renderizar(diagrama, "svg")), "");
      EXPECT_EQ(formatos::ErrorXml(EscribirJff(diagrama, disposicion)), "");
      EXPECT_EQ(formatos::ErrorJson(EscribirJson(diagrama)), "");
      EXPECT_EQ(formatos::ErrorTikz(EscribirTikz(diagrama, disposicion)), "");
    }
  }
}

// The checkers themselves refuse what the writers must never give.
TEST(FormatosBienFormados, TheCheckersRefuseMalformedDocuments) {
  EXPECT_NE(formatos::ErrorXml("<svg>\x01</svg>"), "");
  EXPECT_NE(formatos::ErrorJson("{\"a\": \"\x01\"}"), "");
  EXPECT_NE(formatos::ErrorJson("{\"a\": 1,}"), "");
  EXPECT_EQ(formatos::ErrorJson("{\"a\": [1, -2.5e3, \"\\u00e1\", true, null]}"), "");
  EXPECT_NE(formatos::ErrorTikz("\\node at (20000,1) {a};"), "");
  EXPECT_NE(formatos::ErrorTikz("\\node {a\x7F};"), "");
  EXPECT_NE(formatos::ErrorTikz("\\node {a};}"), "");
  EXPECT_EQ(formatos::ErrorTikz("\\node[x=1pt] (e0) at (12.5,-3) {\\{a\\}};"), "");
}

// A chain of 60 states is wider than 16383pt as laid out: the picture is drawn smaller, its
// nodes with it, and compiles (with pdflatex, when the machine has it).
TEST(FormatosBienFormados, ALongChainFitsInTeXsLargestLength) {
  std::string cadena;
  for (int i = 0; i < 60; ++i) cadena += static_cast<char>('a' + i % 26);
  const TDiagrama diagrama = DiagramaAceptor(TAutomata(TLista{cadena}), false);
  const TDisposicion disposicion = Disponer(diagrama);
  ASSERT_GT(std::max(disposicion.ancho, disposicion.alto), 16383);
  const std::string tex = EscribirTikz(diagrama, disposicion);
  EXPECT_EQ(formatos::ErrorTikz(tex), "");
  EXPECT_NE(tex.find("\\scalebox{0."), std::string::npos);
  if (std::system("command -v pdflatex >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdflatex is not installed: the TikZ document was not compiled";
  const auto carpeta = std::filesystem::temp_directory_path() / ("telar-cadena-" + std::to_string(::getpid()));
  std::filesystem::create_directories(carpeta);
  std::string todos;
  for (int byte = 0x01; byte <= 0xFF; ++byte)
    if (byte != '\n' && byte != '\r' && byte != '&') todos += static_cast<char>(byte);
  std::ofstream(carpeta / "c.tex", std::ios::binary) << tex;
  const TDiagrama bytes = DiagramaAceptor(TAutomata(TLista{todos.substr(0, 40), todos.substr(40, 90), todos.substr(130)}), false);
  std::ofstream(carpeta / "b.tex", std::ios::binary) << EscribirTikz(bytes, Disponer(bytes));
  for (const char* nombre : {"c.tex", "b.tex"}) {
    const std::string orden = "cd '" + carpeta.string() + "' && pdflatex -interaction=nonstopmode -halt-on-error " +
                              nombre + " >/dev/null 2>&1";
    EXPECT_EQ(std::system(orden.c_str()), 0) << nombre;
  }
  std::filesystem::remove_all(carpeta);
}

}  // namespace
