// Opening, saving and typing samples, with a scripted user.
#include "app/FlujosMuestra.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "InteraccionGuion.h"

namespace fs = std::filesystem;
using Transcripcion = std::vector<std::string>;

namespace {

const std::string kMensajeExtension =
    "Mensaje Error Ok: El archivo especificado no tiene extensi\xF3n correcta";

class FlujosMuestra : public testing::Test {
 protected:
  void SetUp() override {
    carpeta = fs::temp_directory_path() /
              ("telar-flujos-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
  }
  void TearDown() override { fs::remove_all(carpeta); }

  std::string Escribir(const std::string& nombre, const std::string& bytes) {
    const auto ruta = (carpeta / nombre).string();
    std::ofstream(ruta, std::ios::binary) << bytes;
    return ruta;
  }
  std::string Leer(const std::string& nombre) {
    std::ifstream f(carpeta / nombre, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  bool Abrir(const std::string& ruta) {
    guion.archivos.push_back(ruta);
    return AbrirMuestra(sesion, guion);
  }

  fs::path carpeta;
  TSesion sesion;
  TInteraccionGuion guion;
};

}  // namespace

TEST_F(FlujosMuestra, OpeningAPositiveFileTakesItAndEnablesEverything) {
  EXPECT_TRUE(Abrir(Escribir("m.pos", "ab\r\n&\r\nBA\r\n")));
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"ab", "", "ba"}));
  EXPECT_EQ(sesion.MemoMuestra(), (TLista{"ab", "&", "ba"}));
  EXPECT_TRUE(sesion.Habilitado(TAlgoritmo::IM1));
  EXPECT_TRUE(sesion.Habilitado(TAlgoritmo::KR));
  EXPECT_TRUE(sesion.Habilitado(TAlgoritmo::KC));
  EXPECT_EQ(guion.transcripcion, Transcripcion{"Abrir: Abrir"});
}

TEST_F(FlujosMuestra, DialogIsPreparedForTheCheckedKind) {
  const int indices[] = {1, 2, 3, 4};
  const char* extensiones[] = {"pos", "neg", "tst", "sya"};
  for (int i = 0; i < 4; ++i) {
    sesion.ElegirTipo(kTiposMuestra[i]);
    sesion.DarValoresSegunTipo({"a"}, guion);  // saving asks only for a sample that exists
    AbrirMuestra(sesion, guion);
    GuardarMuestraComo(sesion, guion);
  }
  ASSERT_EQ(guion.dialogos.size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) {
    const auto& d = guion.dialogos[i];
    EXPECT_EQ(d.titulo, i % 2 ? "Guardar como" : "Abrir");
    EXPECT_EQ(d.indiceFiltro, indices[i / 2]);
    EXPECT_EQ(d.extensionPorDefecto, extensiones[i / 2]);
    EXPECT_EQ(d.nombreArchivo, "");
    EXPECT_EQ(d.filtro,
              "Archivos de muestra positiva (*.pos)|*.pos|Archivos de muestra negativa (*.neg)|*.neg|"
              "Archivos de muestra test (*.tst)|*.tst|"
              "Archivos de muestra situaci\xF3n/acci\xF3n (*.sya)|*.sya" +
                  std::string(i % 2 ? "" : "|Todos los archivos (*)|*"));
    EXPECT_NE(d.carpetaInicial, "c:");
  }
  // cancelling every dialog changed nothing and showed nothing else
  EXPECT_EQ(guion.transcripcion.size(), 8u);
  EXPECT_EQ(sesion.MemoMuestra(), TLista{"A"});
}

TEST_F(FlujosMuestra, WrongExtensionIsRefusedBeforeReading) {
  Abrir(Escribir("m.pos", "a\r\nb\r\n"));
  const auto antes = sesion.MemoMuestra();
  EXPECT_FALSE(Abrir(Escribir("m.neg", "x\r\n")));
  EXPECT_FALSE(Abrir((carpeta / "no-existe.txt").string()));
  EXPECT_EQ(guion.transcripcion,
            (Transcripcion{"Abrir: Abrir", "Abrir: Abrir", kMensajeExtension, "Abrir: Abrir",
                           kMensajeExtension}));
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"a", "b"}));
  EXPECT_EQ(sesion.MemoMuestra(), antes);
}

TEST_F(FlujosMuestra, ExtensionIgnoresLetterCaseAndDefaultsWhenMissing) {
  EXPECT_TRUE(Abrir(Escribir("M.POS", "a\n")));
  Escribir("sin.pos", "b\n");
  EXPECT_TRUE(Abrir((carpeta / "sin").string()));
  EXPECT_EQ(sesion.MuestraPositiva, TLista{"b"});
  // an existing file without extension is of no kind
  EXPECT_FALSE(Abrir(Escribir("sin", "c\n")));
  EXPECT_EQ(guion.transcripcion.back(), kMensajeExtension);
  // a dot in a folder name is no extension of the file
  fs::create_directories(carpeta / "d.neg");
  Escribir("d.neg/m.Pos", "c\n");
  EXPECT_TRUE(Abrir((carpeta / "d.neg" / "m.Pos").string()));
  EXPECT_EQ(sesion.MuestraPositiva, TLista{"c"});
}

TEST_F(FlujosMuestra, BlankLineMakesTheFileInvalidButTheMemoKeepsItsText) {
  Abrir(Escribir("buena.pos", "a\r\nb\r\n"));
  EXPECT_FALSE(Abrir(Escribir("mala.pos", "c\r\nd\r\n\r\n")));
  EXPECT_EQ(guion.transcripcion.back(), "Mensaje Error Ok: Muestra No v\xE1lida");
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"a", "b"}));
  EXPECT_EQ(sesion.MemoMuestra(), (TLista{"c", "d", ""}));
  sesion.MostrarMuestraActual();
  EXPECT_EQ(sesion.MemoMuestra(), (TLista{"a", "b"}));
}

TEST_F(FlujosMuestra, UnreadableFileShowsTheFileLayerMessageAndChangesNothing) {
  Abrir(Escribir("buena.pos", "a\n"));
  EXPECT_FALSE(Abrir((carpeta / "falta.pos").string()));
  ASSERT_EQ(guion.transcripcion.size(), 3u);
  EXPECT_NE(guion.transcripcion[2].find("Mensaje Error Ok: No se puede leer el archivo"), std::string::npos);
  EXPECT_NE(guion.transcripcion[2].find("falta.pos"), std::string::npos);
  EXPECT_FALSE(Abrir(Escribir("binario.pos", std::string("a\nb\0c\n", 6))));
  EXPECT_NE(guion.transcripcion.back().find("l\xEDnea 2"), std::string::npos);
  EXPECT_EQ(sesion.MuestraPositiva, TLista{"a"});
  EXPECT_EQ(sesion.MemoMuestra(), TLista{"a"});
}

TEST_F(FlujosMuestra, SituationActionFileIsTakenWhateverItHolds) {
  sesion.ElegirTipo(TTipoMuestra::TipoM_SA);
  EXPECT_TRUE(Abrir(Escribir("m.sya", "\r\nnada/que ver\r\n\r\n")));
  EXPECT_EQ(sesion.MuestraSA, (TLista{"", "NADA/QUE VER", ""}));
  EXPECT_TRUE(sesion.Habilitado(TAlgoritmo::SKR));
  EXPECT_TRUE(sesion.Habilitado(TAlgoritmo::SKC));
  EXPECT_FALSE(sesion.Habilitado(TAlgoritmo::KC));
}

TEST_F(FlujosMuestra, SavingWritesTheShownSampleInWindowsCodePage) {
  Abrir(Escribir("m.pos", "AB\n&\r\xD1" "a\r\n"));
  guion.archivos.push_back((carpeta / "copia.pos").string());
  EXPECT_TRUE(GuardarMuestraComo(sesion, guion));
  EXPECT_EQ(Leer("copia.pos"), "ab\r\n&\r\n\xF1" "a\r\n");
  // overwriting asks nothing
  guion.archivos.push_back((carpeta / "copia").string());
  EXPECT_TRUE(GuardarMuestraComo(sesion, guion));
  EXPECT_EQ(guion.transcripcion, (Transcripcion{"Abrir: Abrir", "Guardar: Guardar como",
                                                "Guardar: Guardar como"}));
}

TEST_F(FlujosMuestra, SavingRoundTripsAUtf8File) {
  Abrir(Escribir("u.pos", "\xC3\xB1u\n\xC3\x91U\n"));  // UTF-8 for "ñu", "ÑU"
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"\xF1u", "\xF1u"}));
  guion.archivos.push_back((carpeta / "c.pos").string());
  GuardarMuestraComo(sesion, guion);
  EXPECT_EQ(Leer("c.pos"), "\xF1u\r\n\xF1u\r\n");
}

TEST_F(FlujosMuestra, SavingWritesTheCheckedKindsOwnSampleOrNothing) {
  const std::string kNoExiste = "Mensaje Error Ok: No existe Muestra";
  const auto guardar = [&](const std::string& nombre) {
    guion.archivos.push_back((carpeta / nombre).string());
    return GuardarMuestraComo(sesion, guion);
  };
  // No sample at all: an existing file is left as it was, and no dialog is shown.
  Escribir("previa.pos", "x\r\n");
  EXPECT_FALSE(guardar("previa.pos"));
  EXPECT_EQ(Leer("previa.pos"), "x\r\n");
  EXPECT_EQ(guion.transcripcion, Transcripcion{kNoExiste});
  guion.archivos.clear();

  // The viewer shows the positive sample; the test kind has none yet.
  Abrir(Escribir("m.pos", "a\r\nb\r\n"));
  sesion.ElegirTipo(TTipoMuestra::TipoM_Test);
  Escribir("t.tst", "t\r\n");
  EXPECT_FALSE(guardar("t.tst"));
  EXPECT_EQ(Leer("t.tst"), "t\r\n");
  EXPECT_EQ(guion.transcripcion.back(), kNoExiste);
  guion.archivos.clear();

  // With a test sample of its own, that one is written while the viewer still shows the
  // positive sample's lines.
  sesion.MuestraTest = {"ba", ""};
  EXPECT_TRUE(guardar("t.tst"));
  EXPECT_EQ(Leer("t.tst"), "ba\r\n&\r\n");
  EXPECT_EQ(sesion.MemoMuestra(), (TLista{"a", "b"}));

  // A refused file leaves its raw lines in the viewer; the sample taken before is saved.
  sesion.ElegirTipo(TTipoMuestra::TipoM_Pos);
  EXPECT_FALSE(Abrir(Escribir("mala.pos", "c\r\n\r\n")));
  EXPECT_TRUE(guardar("copia.pos"));
  EXPECT_EQ(Leer("copia.pos"), "a\r\nb\r\n");
}

TEST_F(FlujosMuestra, SavingFailuresWriteNothing) {
  Abrir(Escribir("m.pos", "a\n"));
  guion.archivos.push_back((carpeta / "m.tst").string());
  EXPECT_FALSE(GuardarMuestraComo(sesion, guion));
  EXPECT_EQ(guion.transcripcion.back(), kMensajeExtension);
  EXPECT_FALSE(fs::exists(carpeta / "m.tst"));
  guion.archivos.push_back((carpeta / "no" / "hay.pos").string());
  EXPECT_FALSE(GuardarMuestraComo(sesion, guion));
  EXPECT_NE(guion.transcripcion.back().find("No se puede escribir el archivo"), std::string::npos);
}

TEST_F(FlujosMuestra, SampleButtonsPlayTheirSoundFirst) {
  BotonAbrirClick(sesion, guion);
  BotonGuardarClick(sesion, guion);
  BotonVerClick(sesion, guion);
  BotonNuevaClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion,
            (Transcripcion{"Sonido: Command.wav", "Abrir: Abrir", "Sonido: Command.wav",
                           "Mensaje Error Ok: No existe Muestra", "Sonido: Command.wav", "Sonido: Command.wav",
                           "Editor"}));
  EXPECT_TRUE(sesion.MemoMuestra().empty());  // viewing showed the empty positive sample
}

TEST_F(FlujosMuestra, NewSampleUsesTheEditorOfTheKind) {
  guion.ediciones = {TLista{"&", "A"}, std::nullopt, TLista{}, TLista{"s1/a1", ""}};
  CrearMuestra(sesion, guion);
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"", "a"}));
  EXPECT_EQ(sesion.MemoMuestra(), (TLista{"&", "a"}));
  CrearMuestra(sesion, guion);  // cancelled
  CrearMuestra(sesion, guion);  // accepted empty
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"", "a"}));
  sesion.ElegirTipo(TTipoMuestra::TipoM_SA);
  CrearMuestra(sesion, guion);
  EXPECT_EQ(sesion.MuestraSA, (TLista{"S1/A1", ""}));
  EXPECT_EQ(guion.transcripcion,
            (Transcripcion{"Editor", "Editor", "Editor", "Mensaje Error Ok: Muestra No v\xE1lida",
                           "EditorSA"}));
}

// "Muestra No válida" keeps its text; its detail says why, naming the file when there is one.
// An "&" beside other characters is refused naming its line, from a file or the editor.
TEST_F(FlujosMuestra, RefusedSamplesSayWhyAndAnAmpersandInsideAnExampleIsRefused) {
  Abrir(Escribir("buena.pos", "a\r\nb\r\n"));
  const std::string mala = Escribir("mala.pos", "c\r\n\r\nd\r\n");
  const std::string vacia = Escribir("vacia.pos", "");
  const std::string marca = Escribir("marca.pos", "\xEF\xBB\xBF");
  const std::string dentro = Escribir("dentro.pos", "ab\r\nb&\r\n");
  for (const auto& ruta : {mala, vacia, marca, dentro}) EXPECT_FALSE(Abrir(ruta));
  guion.ediciones = {TLista{"ab", ""}, TLista{}, TLista{"&", "a&b"}};
  for (int i = 0; i < 3; ++i) CrearMuestra(sesion, guion);
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"a", "b"}));
  EXPECT_EQ(guion.detalles,
            (std::vector<std::string>{
                "El archivo \"" + mala + "\", l\xEDnea 2: en blanco (la cadena vac\xED" "a se escribe \"&\")",
                "El archivo \"" + vacia + "\" est\xE1 vac\xEDo",
                "El archivo \"" + marca + "\" solo contiene la marca de orden de bytes (BOM) de UTF-8",
                "La l\xEDnea 2 est\xE1 en blanco (la cadena vac\xED" "a se escribe \"&\")",
                "La muestra no tiene ning\xFAn ejemplo"}));
  const std::string caracter = ": el car\xE1" "cter \"&\" escribe la cadena vac\xED" "a y no puede ir dentro de un ejemplo";
  EXPECT_EQ(guion.transcripcion,
            (Transcripcion{"Abrir: Abrir", "Abrir: Abrir", "Mensaje Error Ok: Muestra No v\xE1lida", "Abrir: Abrir",
                           "Mensaje Error Ok: Muestra No v\xE1lida", "Abrir: Abrir",
                           "Mensaje Error Ok: Muestra No v\xE1lida", "Abrir: Abrir",
                           "Mensaje Error Ok: El archivo \"" + dentro + "\", l\xEDnea 2" + caracter, "Editor",
                           "Mensaje Error Ok: Muestra No v\xE1lida", "Editor", "Mensaje Error Ok: Muestra No v\xE1lida",
                           "Editor", "Mensaje Error Ok: La l\xEDnea 2" + caracter}));
}

// A file given to the program (a double-click): the kind follows the extension, and each
// refusal is the box the open dialog shows, leaving the session as it was.
TEST_F(FlujosMuestra, OpeningAGivenFileTakesItAsTheKindItsExtensionNames) {
  struct Caso {
    const char* nombre;
    std::string bytes;
    bool tomada;
    TTipoMuestra tipo;    // checked afterwards
    const char* mensaje;  // part of the one box, "" for none
  };
  const Caso casos[] = {
      {"m.pos", "ab\r\nb\r\n", true, TTipoMuestra::TipoM_Pos, ""},
      {"m.NEG", "ba\n", true, TTipoMuestra::TipoM_Neg, ""},
      {"m.tst", "&\n", true, TTipoMuestra::TipoM_Test, ""},
      {"m.sya", "s0/a1\n", true, TTipoMuestra::TipoM_SA, ""},
      {"m.txt", "ab\n", false, TTipoMuestra::TipoM_Pos, "El archivo especificado no tiene extensi\xF3n correcta"},
      {"m.aut", "ab\n", false, TTipoMuestra::TipoM_Pos, "El archivo especificado no tiene extensi\xF3n correcta"},
      {"m.neg", "ab\n\nb\n", false, TTipoMuestra::TipoM_Neg, "Muestra No v\xE1lida"},
      {"binario.tst", std::string("a\n\0b\n", 5), false, TTipoMuestra::TipoM_Test, "nulo"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    TSesion nueva;
    guion.transcripcion.clear();
    EXPECT_EQ(AbrirArchivoMuestra(nueva, guion, Escribir(caso.nombre, caso.bytes)), caso.tomada);
    EXPECT_EQ(nueva.Tipo(), caso.tipo);
    if (*caso.mensaje == '\0') {
      EXPECT_TRUE(guion.transcripcion.empty());
      EXPECT_FALSE(nueva.MuestraDelTipo(caso.tipo).empty());
    } else {
      ASSERT_EQ(guion.transcripcion.size(), 1u);
      EXPECT_NE(guion.transcripcion[0].find("Mensaje Error Ok: "), std::string::npos);
      EXPECT_NE(guion.transcripcion[0].find(caso.mensaje), std::string::npos) << guion.transcripcion[0];
      EXPECT_TRUE(nueva.MuestraDelTipo(caso.tipo).empty());
    }
  }
  guion.transcripcion.clear();
  TSesion nueva;
  EXPECT_FALSE(AbrirArchivoMuestra(nueva, guion, (carpeta / "falta.pos").string()));
  ASSERT_EQ(guion.transcripcion.size(), 1u);
  EXPECT_NE(guion.transcripcion[0].find("falta.pos"), std::string::npos);
}

// Quitting asks only while a sample taken since the last open or save was never saved: each
// row does its steps on a fresh session, then quits answering `respuesta` to any question.
TEST_F(FlujosMuestra, QuittingAsksWhileATypedSampleIsUnsaved) {
  const std::string pos = Escribir("m.pos", "ab\r\nb\r\n");
  const std::string neg = Escribir("m.neg", "ba\r\n");
  enum Paso { Teclear, AbrirPos, AbrirNeg, GuardarPos, TeclearMal, TeclearSA, TipoNeg, TipoSA };
  struct Caso {
    const char* nombre;
    std::vector<Paso> pasos;
    TRespuesta respuesta;
    bool pregunta;
    bool sale;
  };
  const Caso casos[] = {
      {"nothing taken", {}, TRespuesta::No, false, true},
      {"opened only", {AbrirPos, AbrirNeg}, TRespuesta::No, false, true},
      {"typed, answer no", {Teclear}, TRespuesta::No, true, false},
      {"typed, answer yes", {Teclear}, TRespuesta::Si, true, true},
      {"typed then saved", {Teclear, GuardarPos}, TRespuesta::No, false, true},
      {"typed then opened over it", {Teclear, AbrirPos}, TRespuesta::No, false, true},
      {"opened then typed over it", {AbrirPos, Teclear}, TRespuesta::No, true, false},
      {"a refused typed sample changes nothing", {AbrirPos, TeclearMal}, TRespuesta::No, false, true},
      {"typed positive, saved while negative is checked", {Teclear, TipoNeg, AbrirNeg, GuardarPos},
       TRespuesta::No, true, false},
      {"typed situation/action sample", {TipoSA, TeclearSA}, TRespuesta::No, true, false},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    TSesion nueva;
    TInteraccionGuion usuario;
    for (Paso paso : caso.pasos) {
      switch (paso) {
        case Teclear: usuario.ediciones.push_back(TLista{"a", "b"}); CrearMuestra(nueva, usuario); break;
        case TeclearMal: usuario.ediciones.push_back(TLista{"a", ""}); CrearMuestra(nueva, usuario); break;
        case TeclearSA: usuario.ediciones.push_back(TLista{"s1/a1"}); CrearMuestra(nueva, usuario); break;
        case AbrirPos: AbrirArchivoMuestra(nueva, usuario, pos); break;
        case AbrirNeg: AbrirArchivoMuestra(nueva, usuario, neg); break;
        case GuardarPos:
          usuario.archivos.push_back((carpeta / "guardada").string());
          ASSERT_TRUE(GuardarMuestraComo(nueva, usuario));
          break;
        case TipoNeg: nueva.ElegirTipo(TTipoMuestra::TipoM_Neg); break;
        case TipoSA: nueva.ElegirTipo(TTipoMuestra::TipoM_SA); break;
      }
    }
    usuario.transcripcion.clear();
    usuario.respuestas = {caso.respuesta};
    EXPECT_EQ(PuedeSalir(nueva, usuario), caso.sale);
    EXPECT_EQ(usuario.transcripcion,
              caso.pregunta ? Transcripcion{"Mensaje Pregunta SiNo: Hay muestras sin guardar. \xBF" "Desea salir?"}
                            : Transcripcion{});
  }
}
