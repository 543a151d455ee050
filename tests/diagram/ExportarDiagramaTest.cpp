// Exporting a diagram by the file name's extension: every format written whole, any other
// extension refused without touching the disk, a failed write reported.
#include "app/exportar/ExportarDiagrama.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../app/InteraccionGuion.h"
#include "Montajes.h"
#include "diagram/EscritorDot.h"

namespace {

namespace fs = std::filesystem;

struct TCarpeta {
  fs::path ruta = fs::temp_directory_path() / ("telar-exportar-" + std::to_string(::getpid()));
  TCarpeta() { fs::create_directories(ruta); }
  ~TCarpeta() { fs::remove_all(ruta); }
};

std::string Leer(const fs::path& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  std::stringstream contenido;
  contenido << archivo.rdbuf();
  return contenido.str();
}

TEST(ExportarDiagrama, EachExtensionWritesItsFormat) {
  TCarpeta carpeta;
  const TDiagrama diagrama = montajes::Resultado(TAlgoritmoK::KR, {"ab", "b"}, 0);
  const struct {
    const char* nombre;
    const char* comienzo;
  } casos[] = {{"d.dot", "digraph automata {"}, {"d.SVG", "<?xml"}, {"d.png", "\x89PNG"},
               {"d.tex", "\\documentclass"}, {"d.json", "{\n  \"formato\": \"telar-automata\""},
               {"d.Jff", "<?xml version=\"1.0\" encoding=\"UTF-8\""}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const fs::path ruta = carpeta.ruta / caso.nombre;
    EXPECT_EQ(ExportarDiagrama(diagrama, ruta.string()), "");
    EXPECT_EQ(Leer(ruta).rfind(caso.comienzo, 0), 0u);
  }
  EXPECT_EQ(Leer(carpeta.ruta / "d.dot"), EscribirDot(diagrama));
  EXPECT_EQ(std::distance(fs::directory_iterator(carpeta.ruta), fs::directory_iterator()), 6);  // no temporary left
}

TEST(ExportarDiagrama, UnknownExtensionWritesNothing) {
  TCarpeta carpeta;
  const TDiagrama diagrama = montajes::Resultado(TAlgoritmoK::KC, {"aa", "ba"}, 1);
  for (const char* nombre : {"d.pdf", "d", ".dot", "d.dot.txt"}) {
    SCOPED_TRACE(nombre);
    EXPECT_EQ(FormatoDeRuta(nombre), nullptr);
    const std::string mensaje = ExportarDiagrama(diagrama, (carpeta.ruta / nombre).string());
    EXPECT_NE(mensaje.find(".dot, .svg, .png, .tex, .json o .jff"), std::string::npos) << mensaje;
  }
  EXPECT_TRUE(fs::is_empty(carpeta.ruta));
}

TEST(ExportarDiagrama, AFailedWriteIsAMessage) {
  TCarpeta carpeta;
  const TDiagrama diagrama = montajes::Resultado(TAlgoritmoK::KC, {"aa", "ba"}, 1);
  EXPECT_NE(ExportarDiagrama(diagrama, (carpeta.ruta / "no-such-folder" / "d.dot").string()), "");
  fs::create_directories(carpeta.ruta / "d.svg");  // a folder has the name
  EXPECT_NE(ExportarDiagrama(diagrama, (carpeta.ruta / "d.svg").string()), "");
  EXPECT_TRUE(fs::is_directory(carpeta.ruta / "d.svg"));
}

// The window's button: the dialog offers every format, cancel writes nothing, a bare name
// becomes SVG, a wrong extension is an error box and no file.
TEST(ExportarDiagrama, ButtonAsksForTheFileAndReportsAWrongExtensionInABox) {
  TCarpeta carpeta;
  const TDiagrama diagrama = montajes::Resultado(TAlgoritmoK::KC, {"aa", "ba"}, 1);
  TInteraccionGuion guion;
  guion.archivos = {std::nullopt, (carpeta.ruta / "dibujo").string(), (carpeta.ruta / "d.gif").string()};
  EXPECT_FALSE(ExportarDiagramaClick(guion, diagrama));
  EXPECT_TRUE(ExportarDiagramaClick(guion, diagrama));
  EXPECT_EQ(Leer(carpeta.ruta / "dibujo.svg").rfind("<?xml", 0), 0u);
  EXPECT_FALSE(ExportarDiagramaClick(guion, diagrama));
  EXPECT_FALSE(fs::exists(carpeta.ruta / "d.gif"));
  ASSERT_EQ(guion.dialogos.size(), 3u);
  EXPECT_EQ(guion.dialogos[0].filtro,
            "Graphviz DOT (*.dot)|*.dot|Imagen SVG (*.svg)|*.svg|Imagen PNG (*.png)|*.png|LaTeX TikZ (*.tex)|*.tex|"
            "Aut\xF3mata JSON (*.json)|*.json|JFLAP (*.jff)|*.jff");
  EXPECT_EQ(guion.dialogos[0].indiceFiltro, 2);
  ASSERT_FALSE(guion.transcripcion.empty());
  EXPECT_EQ(guion.transcripcion.back().rfind("Mensaje Error Ok: El diagrama no se puede guardar", 0), 0u)
      << guion.transcripcion.back();
}

}  // namespace
