// The result windows' flows with a scripted user: the determinism question, the
// deterministic window, validation and saving, TextoK, and the incremental window's box.
#include <gtest/gtest.h>

#include "../inference/FuncionReferencia.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "InteraccionResultadosGuion.h"
#include "app/MostrarAutomata1Logica.h"
#include "app/Sesion.h"
#include "core/Automata.h"
#include "core/Utilidades.h"

namespace fs = std::filesystem;

namespace {

std::string LeerBytes(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string Datos(const std::string& relativa) { return std::string(TELAR_TEST_DATA) + "/" + relativa; }

const std::string kCaption = " Aut\xF3mata resultado";
const std::string kAvisos1 = "Avisos1: Aut\xF3mata NO determin\xEDstico / \xBF" "Desea convertir el aut\xF3mata?";

class VentanasResultado : public testing::Test {
 protected:
  void SetUp() override {
    carpeta = fs::temp_directory_path() /
              ("telar-resultados-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
  }
  void TearDown() override { fs::remove_all(carpeta); }

  std::string Fichero(const std::string& nombre, const std::string& bytes) {
    const fs::path ruta = carpeta / nombre;
    std::ofstream(ruta, std::ios::binary) << bytes;
    return ruta.string();
  }

  // KR with k = 0 on [ab, b]: q0 = {ab, b} final, q1 = {a, &} initial; accepts a*b.
  TAutomata KrAbB() {
    sesion.MuestraPositiva = {"ab", "b"};
    TAutomata automata(sesion.MuestraPositiva);
    automata.PonerBloques({{"ab", "b"}, {"a", ""}});
    return automata;
  }
  // The unitary partition of [&, a]: accepts the empty string and a.
  TAutomata UnitariaVaciaA() {
    sesion.MuestraPositiva = {"", "a"};
    TAutomata automata(sesion.MuestraPositiva);
    automata.PonerBloques(ParticionUnitaria(automata.Estados()));
    return automata;
  }
  // [aa, ba] with q1 = {a, b}: q1 goes by a to q2 and q3, so the result is not deterministic.
  TAutomata NoDeterminista() {
    sesion.MuestraPositiva = {"aa", "ba"};
    TAutomata automata(sesion.MuestraPositiva);
    automata.PonerBloques({{""}, {"a", "b"}, {"aa"}, {"ba"}});
    return automata;
  }

  fs::path carpeta;
  TSesion sesion;
  TInteraccionResultadosGuion guion;
};

TEST_F(VentanasResultado, DeterministicResultAsksNothing) {
  TAutomata automata(TLista{"ab", "b"});
  automata.PonerBloques(ParticionUnitaria(automata.Estados()));
  sesion.MuestraPositiva = {"ab", "b"};
  TFmostrarAutomataLogica ventana(automata, sesion);
  bool validarHabilitado = false;
  guion.accionesResultado.push_back([&](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion&) {
    validarHabilitado = v.BotonValidarHabilitado();
    EXPECT_FALSE(v.BotonImprimirHabilitado());
    EXPECT_NE(v.FuncionValidacion(), nullptr);
  });
  EXPECT_EQ(guion.MostrarResultado(ventana), TCierre::Cancelar);
  EXPECT_EQ(guion.transcripcion, (std::vector<std::string>{"Resultado: " + kCaption, "Sonido: Result.wav",
                                                            "Cerrado: " + kCaption}));
  EXPECT_TRUE(validarHabilitado);
  EXPECT_EQ(ventana.FuncionValidacion(), nullptr);  // freed on close
  EXPECT_EQ(ventana.Einicial(), "q0 = { & }");     // the memos keep their text
  EXPECT_EQ(ventana.BloqueInicial(), 0);
}

TEST_F(VentanasResultado, AnsweringNoKeepsValidateDisabled) {
  const TAutomata automata = NoDeterminista();
  TFmostrarAutomataLogica ventana(automata, sesion);
  guion.respuestas = {TRespuesta::No};
  guion.accionesResultado.push_back([&](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) {
    EXPECT_FALSE(v.BotonValidarHabilitado());
    v.BotonValidarClick(g);  // a disabled button does nothing
  });
  guion.MostrarResultado(ventana);
  EXPECT_EQ(guion.transcripcion, (std::vector<std::string>{"Resultado: " + kCaption, "Sonido: Result.wav",
                                                            kAvisos1, "Cerrado: " + kCaption}));
}

TEST_F(VentanasResultado, ConversionShowsTheDeterministicWindowWithTheCaption) {
  for (const TRespuesta respuesta : {TRespuesta::Si, TRespuesta::Cancelar}) {
    SCOPED_TRACE(respuesta == TRespuesta::Si ? "yes" : "closed otherwise");
    guion.transcripcion.clear();
    const TAutomata automata = NoDeterminista();
    TFmostrarAutomataLogica ventana(automata, sesion);
    const std::string caption = "Aut\xF3mata resultado KR   K=0";
    ventana.PonerCaption(caption);
    guion.respuestas = {respuesta};
    guion.MostrarResultado(ventana);
    EXPECT_EQ(guion.transcripcion,
              (std::vector<std::string>{"Resultado: " + caption, "Sonido: Result.wav", kAvisos1,
                                        "Determinista: " + caption, "Sonido: Result.wav", "Cerrado: " + caption,
                                        "Cerrado: " + caption}));
    std::string esperado;
    for (const auto& linea : guion.ultimoInformeDeterminista) esperado += linea + "\r\n";
    EXPECT_EQ(esperado, LeerBytes(Datos("resultados/aa-ba-determinista.aut")));
    EXPECT_FALSE(ventana.BotonValidarHabilitado());
  }
}

TEST_F(VentanasResultado, DeterministicWindowValidatesWithItsOwnWalk) {
  const TAutomata automata = NoDeterminista();
  TFmostrarAutomataLogica ventana(automata, sesion);
  guion.respuestas = {TRespuesta::Si};
  guion.archivos = {Fichero("prueba.tst", "aa\r\nba\r\na\r\nab\r\n\r\n")};
  guion.accionesDeterminista.push_back([](TFmostrarAutomataDeterLogica& d, TInteraccionResultadosGuion& g) {
    EXPECT_EQ(d.Einicial(), "[q0]");
    EXPECT_EQ(d.Estados(), "[q0][q1][q2q3]");
    EXPECT_EQ(d.Efinales(), "[q2q3]");
    EXPECT_TRUE(d.BotonValidarHabilitado());
    d.BotonValidarClick(g);
  });
  guion.MostrarResultado(ventana);
  EXPECT_EQ(sesion.MuestraValidacion, (TLista{"aa", "ba", "a", "ab", ""}));
  const auto& c = guion.ultimoGrafico.Cuentas();
  EXPECT_EQ(c.entrenamiento, 2);
  EXPECT_EQ(c.total, 5);
  EXPECT_EQ(c.aceptados, 2);
  EXPECT_EQ(c.rechazados, 3);
  EXPECT_EQ(guion.ultimoGrafico.Aciertos(), "Aciertos: 40%      ");
}

struct CasoValidacion {
  const char* nombre;
  const char* fichero;    // name in the test folder; nullptr cancels the dialog
  const char* contenido;  // bytes written to it; nullptr writes no file
  const char* ultimaLinea;
  TLista muestraValidacion;
  bool conVacia = false;  // the automaton accepts a and the empty string instead of a*b
};

class Validacion : public VentanasResultado, public testing::WithParamInterface<CasoValidacion> {};

TEST_P(Validacion, ChoosesReadsAndCounts) {
  const auto& caso = GetParam();
  const TAutomata automata = caso.conVacia ? UnitariaVaciaA() : KrAbB();
  sesion.MuestraValidacion = {"previa"};
  TFmostrarAutomataLogica ventana(automata, sesion);
  if (caso.fichero == nullptr) {
    guion.archivos = {std::nullopt};
  } else {
    const std::string ruta = (carpeta / caso.fichero).string();
    if (caso.contenido) Fichero(caso.fichero, caso.contenido);
    guion.archivos = {ruta};
  }
  guion.accionesResultado.push_back(
      [](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) { v.BotonValidarClick(g); });
  guion.MostrarResultado(ventana);
  ASSERT_GE(guion.transcripcion.size(), 4u);
  EXPECT_EQ(guion.transcripcion[2], "Abrir: ");
  const std::string ultima = guion.transcripcion[guion.transcripcion.size() - 2];
  EXPECT_EQ(ultima.substr(0, std::string(caso.ultimaLinea).size()), caso.ultimaLinea);
  EXPECT_EQ(sesion.MuestraValidacion, caso.muestraValidacion);
  EXPECT_EQ(guion.dialogos.back().extensionPorDefecto, "tst");
  EXPECT_EQ(guion.dialogos.back().filtro, "Archivos de muestra test (*.tst)|*.tst");
}

INSTANTIATE_TEST_SUITE_P(
    Resultados, Validacion,
    testing::Values(
        CasoValidacion{"cancelled", nullptr, nullptr, "Abrir: ", {"previa"}},
        CasoValidacion{"wrong_extension", "prueba.pos", "ab\r\n",
                       "Mensaje Error Ok: El archivo especificado no tiene extensi\xF3n correcta", {"previa"}},
        CasoValidacion{"existing_file_without_extension", "prueba", "b\r\n",
                       "Mensaje Error Ok: El archivo especificado no tiene extensi\xF3n correcta", {"previa"}},
        CasoValidacion{"missing_file", "falta.tst", nullptr, "Mensaje Error Ok: ", {"previa"}},
        // a*b accepts b, ab, aab; "&" is the empty string, "AB" fails the alphabet's letter case
        CasoValidacion{"three_of_eight", "prueba.tst", "b\r\nab\r\naab\r\nba\r\n\r\n&\r\nAB\r\nbb\r\n",
                       "Graficos: Aciertos: 38%      ", {"b", "ab", "aab", "ba", "", "", "AB", "bb"}},
        // the editor writes the empty string "&", which [&, a] accepts
        CasoValidacion{"ampersand_is_the_empty_string", "vacia.tst", "&\r\na\r\nb\r\n",
                       "Graficos: Aciertos: 67%      ", {"", "a", "b"}, true},
        CasoValidacion{"one_of_eight", "PRUEBA.TST", "b\nx\nx\nx\nx\nx\nx\nx\n", "Graficos: Aciertos: 12%      ",
                       {"b", "x", "x", "x", "x", "x", "x", "x"}},
        CasoValidacion{"empty_file_gives_zero", "vacia.tst", "", "Graficos: Aciertos: 0%      ", {}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(VentanasResultado, ValidatingTwiceShowsOnlyTheSecondFile) {
  const TAutomata automata = KrAbB();
  TFmostrarAutomataLogica ventana(automata, sesion);
  guion.archivos = {Fichero("uno.tst", "b\nab\n"), Fichero("dos.tst", "ba\nb\nbb\n")};
  guion.accionesResultado.push_back([](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) {
    v.BotonValidarClick(g);
    v.BotonValidarClick(g);
  });
  guion.MostrarResultado(ventana);
  EXPECT_EQ(sesion.MuestraValidacion, (TLista{"ba", "b", "bb"}));
  EXPECT_EQ(guion.ultimoGrafico.Cuentas().total, 3);
  EXPECT_EQ(guion.ultimoGrafico.Cuentas().aceptados, 1);
  EXPECT_EQ(guion.ultimoGrafico.Aciertos(), "Aciertos: 33%      ");
}

TEST_F(VentanasResultado, SavingWritesOneReportEachTime) {
  TAutomata automata(TLista{"ab", "b"});
  automata.PonerBloques(ParticionUnitaria(automata.Estados()));
  sesion.MuestraPositiva = {"ab", "b"};
  TFmostrarAutomataLogica ventana(automata, sesion);
  const fs::path destino = carpeta / "informe.aut";
  guion.archivos = {std::nullopt, destino.string(), destino.string(), (carpeta / "sin-extension").string()};
  guion.accionesResultado.push_back([&](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) {
    v.BotonGuardarClick(g);  // cancelled: nothing written
    EXPECT_FALSE(fs::exists(destino));
    v.BotonGuardarClick(g);
    v.BotonGuardarClick(g);  // replaced without a question
    v.BotonGuardarClick(g);  // a name without extension gets ".aut"
  });
  guion.MostrarResultado(ventana);
  const std::string esperado = LeerBytes(Datos("resultados/ab-b-unitaria.aut"));
  EXPECT_EQ(LeerBytes(destino), esperado);
  EXPECT_EQ(LeerBytes(carpeta / "sin-extension.aut"), esperado);
  ASSERT_EQ(guion.dialogos.size(), 4u);
  EXPECT_EQ(guion.dialogos[0].extensionPorDefecto, "aut");
  EXPECT_EQ(guion.dialogos[0].filtro, "Archivos de resultados (*.aut)|*.aut|Archivos de texto (*.txt)|*.txt");
  EXPECT_EQ(std::count(guion.transcripcion.begin(), guion.transcripcion.end(), "Guardar: "), 4);
}

TEST_F(VentanasResultado, UnwritableFileGivesAnErrorBox) {
  const TAutomata automata = KrAbB();
  TFmostrarAutomataLogica ventana(automata, sesion);
  guion.archivos = {(carpeta / "no-existe" / "informe.aut").string()};
  guion.accionesResultado.push_back(
      [](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) { v.BotonGuardarClick(g); });
  guion.MostrarResultado(ventana);
  ASSERT_EQ(guion.transcripcion.size(), 5u);
  EXPECT_EQ(guion.transcripcion[3].rfind("Mensaje Error Ok: ", 0), 0u) << guion.transcripcion[3];
  EXPECT_FALSE(fs::exists(carpeta / "no-existe"));
}

TEST_F(VentanasResultado, TextoKIsShownBySearchesAndHiddenOnClose) {
  const TAutomata automata = KrAbB();
  TFmostrarAutomataLogica ventana(automata, sesion);
  EXPECT_FALSE(ventana.TextoKVisible());
  ventana.MostrarTextoK(0);
  EXPECT_EQ(ventana.TextoK(), "Encontrada soluci\xF3n para K = 0");
  bool visible = false;
  guion.accionesResultado.push_back(
      [&](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion&) { visible = v.TextoKVisible(); });
  guion.MostrarResultado(ventana);
  EXPECT_TRUE(visible);
  EXPECT_FALSE(ventana.TextoKVisible());
}

TEST_F(VentanasResultado, SecondShowFollowsTheNewAutomaton) {
  const TAutomata primero = NoDeterminista();
  TAutomata segundo(TLista{""});
  segundo.PonerBloques({{""}});
  TFmostrarAutomataLogica ventana(primero, sesion);
  guion.respuestas = {TRespuesta::No};
  guion.MostrarResultado(ventana);
  EXPECT_EQ(ventana.Rejilla().Filas(), 5u);
  ventana.PonerAutomata(segundo);
  guion.MostrarResultado(ventana);
  EXPECT_EQ(ventana.Rejilla().Filas(), 2u);
  EXPECT_EQ(ventana.Rejilla().Columnas(), 1u);
  EXPECT_EQ(ventana.Estados(), "  q0 = { & }");
  EXPECT_EQ(ventana.Alfabeto(), "{}");
}

TEST_F(VentanasResultado, IncrementalWindowMakesNoDeterminismTest) {
  const TAutomata automata = NoDeterminista();
  TFmostrarAutomata1Logica ventana(automata, sesion);
  EXPECT_EQ(ventana.Caption(), " Aut\xF3mata Resultado");
  EXPECT_STREQ(ventana.TemaAyuda(), "IDH_AlgKR");
  ventana.PonerTextoEjemplo("aab");
  ASSERT_TRUE(ventana.BotonInsertarEjemploClick(guion));
  ventana.PonerTextoEjemplo("ABa");
  ASSERT_TRUE(ventana.BotonInsertarEjemploClick(guion));
  guion.archivos = {Fichero("p.tst", "aa\nba\nb\n")};
  guion.accionesResultado.push_back([](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) {
    EXPECT_TRUE(v.BotonValidarHabilitado());
    v.BotonValidarClick(g);  // the quotient walk of a non-deterministic result
    v.GuardarResultados();
    EXPECT_EQ(v.Informe()[2], "Ejemplos a\xF1" "adidos: { aab, ABa }");
    EXPECT_EQ(v.Informe()[3], "Alfabeto: { a, b }");
  });
  guion.MostrarResultado(ventana);
  EXPECT_EQ(std::count(guion.transcripcion.begin(), guion.transcripcion.end(), kAvisos1), 0);
  EXPECT_EQ(guion.ultimoGrafico.Cuentas().aceptados, 2);
}

TEST_F(VentanasResultado, ExampleBox) {
  const TAutomata automata = KrAbB();
  TFmostrarAutomata1Logica ventana(automata, sesion);
  struct Paso {
    const char* texto;
    bool cierra;
    const char* nuevoEjemplo;
    TLista lista;
  } pasos[] = {
      {"", false, "", {}},
      {"ABa", true, "aba", {"ABa"}},
      {"aba", true, "aba", {"ABa"}},                           // already in the list, letter case ignored
      {"\xC9" "b", true, "\xE9" "b", {"ABa", "\xC9" "b"}},     // accented capitals lowercase like samples
      {"", false, "\xE9" "b", {"ABa", "\xC9" "b"}},
  };
  for (const auto& paso : pasos) {
    SCOPED_TRACE(paso.texto);
    guion.transcripcion.clear();
    ventana.PonerTextoEjemplo(paso.texto);
    EXPECT_EQ(ventana.BotonInsertarEjemploClick(guion), paso.cierra);
    EXPECT_EQ(ventana.NuevoEjemplo(), paso.nuevoEjemplo);
    EXPECT_EQ(ventana.EjemplosIntroducidos(), paso.lista);
    EXPECT_EQ(guion.transcripcion, paso.cierra ? std::vector<std::string>{}
                                               : std::vector<std::string>{"Mensaje Error Ok: Debe insertar un ejemplo"});
  }
  ventana.PonerTexto("Aplicado el algoritmo incremental");
  ventana.ReiniciarEjemplo();
  EXPECT_EQ(ventana.TextoEjemplo(), "");
  EXPECT_TRUE(ventana.EjemplosIntroducidos().empty());
  EXPECT_EQ(ventana.Texto(), "");
}

}  // namespace
