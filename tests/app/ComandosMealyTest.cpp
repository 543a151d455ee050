// The SKR and SKC commands as a user runs them: transcripts of windows and message boxes
// for next k, stop and Retry, refused samples, and the Mealy report and its saving.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/comandos/ComandosMealy.h"
#include "app/muestras/EditorMuestraSA.h"
#include "app/muestras/LecturaMealy.h"
#include "app/sesion/Sesion.h"
#include "GuionMealy.h"

namespace {

const TLista kEjemplo = {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""};
const std::string kSinSolucion = "Mensaje Informacion Reintentar: No se encontr\xF3 soluci\xF3n para K= ";
const std::string kSonido = "Sonido: Result.wav";

std::string Ventana(const char* algoritmo, int k, bool siguiente) {
  return std::string("Mealy: M\xE1quina Mealy Resultado ") + algoritmo + "  K= " + std::to_string(k) +
         " | Encontrada soluci\xF3n para K = " + std::to_string(k) + " | Siguiente K " +
         (siguiente ? "on" : "off");
}

TSesion SesionCon(const TLista& muestraSA) {
  TSesion sesion;
  sesion.MuestraSA = muestraSA;
  return sesion;
}

struct TCasoFlujo {
  const char* nombre;
  TAlgoritmoMealy algoritmo;
  TLista muestra;
  std::deque<TCierre> cierres;
  std::deque<TRespuesta> respuestas;
  std::vector<std::string> transcripcion;
};

class FlujoMealy : public ::testing::TestWithParam<TCasoFlujo> {};

TEST_P(FlujoMealy, ShowsWhatTheScriptLeadsTo) {
  const auto& caso = GetParam();
  TSesion sesion = SesionCon(caso.muestra);
  TGuionMealy guion;
  guion.cierres = caso.cierres;
  guion.respuestas = caso.respuestas;
  EjecutarMealy(caso.algoritmo, sesion, guion);
  EXPECT_EQ(guion.transcripcion, caso.transcripcion);
  EXPECT_EQ(sesion.MuestraSA, caso.muestra);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FlujoMealy,
    ::testing::Values(
        TCasoFlujo{"SkrNextKThenRetryTwice", TAlgoritmoMealy::SKR, kEjemplo, {TCierre::SiguienteK},
                   {TRespuesta::Reintentar, TRespuesta::Reintentar},
                   {kSonido, Ventana("SKR", 0, true), kSinSolucion + "1", kSinSolucion + "2"}},
        TCasoFlujo{"SkrStopAtTheFirstWindow", TAlgoritmoMealy::SKR, kEjemplo, {TCierre::Cancelar}, {},
                   {kSonido, Ventana("SKR", 0, true)}},
        TCasoFlujo{"InconsistencyBoxClosedWithoutRetryStops", TAlgoritmoMealy::SKR, kEjemplo,
                   {TCierre::SiguienteK}, {TRespuesta::Cancelar},
                   {kSonido, Ventana("SKR", 0, true), kSinSolucion + "1"}},
        TCasoFlujo{"SkcNextKThenRetryTwice", TAlgoritmoMealy::SKC, kEjemplo, {TCierre::SiguienteK},
                   {TRespuesta::Reintentar, TRespuesta::Reintentar},
                   {kSonido, Ventana("SKC", 0, true), kSinSolucion + "1", kSinSolucion + "2"}},
        TCasoFlujo{"LastKHasNextDisabled", TAlgoritmoMealy::SKR, {"S1/A1", "", "S2/A2", ""},
                   {TCierre::SiguienteK, TCierre::SiguienteK}, {},
                   {kSonido, Ventana("SKR", 0, true), kSonido, Ventana("SKR", 1, false)}},
        TCasoFlujo{"UpperBoundCountsNullPairs", TAlgoritmoMealy::SKC, {"S0/A0", "S1/A1", ""},
                   {TCierre::SiguienteK, TCierre::SiguienteK, TCierre::SiguienteK}, {},
                   {kSonido, Ventana("SKC", 0, true), kSonido, Ventana("SKC", 1, true), kSonido,
                    Ventana("SKC", 2, false)}},
        TCasoFlujo{"NoClosedSequence", TAlgoritmoMealy::SKR, {"S1/A1", "S2/A2"}, {}, {},
                   {"Mensaje Error Ok: Muestra No v\xE1lida"}},
        TCasoFlujo{"EmptySample", TAlgoritmoMealy::SKC, {}, {}, {}, {"Mensaje Error Ok: Muestra No v\xE1lida"}},
        TCasoFlujo{"LineWithoutA", TAlgoritmoMealy::SKR, {"S1/A1", "", "S12", ""}, {}, {},
                   {"Mensaje Error Ok: La l\xEDnea 3 de la muestra no es un par situaci\xF3n/acci\xF3n "
                    "(S1/A2): \"S12\""}},
        TCasoFlujo{"LineOfBlanks", TAlgoritmoMealy::SKC, {"S1/A1", "  ", ""}, {}, {},
                   {"Mensaje Error Ok: La l\xEDnea 2 de la muestra no es un par situaci\xF3n/acci\xF3n "
                    "(S1/A2): \"  \""}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ComandosMealy, SampleTypedInTheEditorRunsLikeTheFile) {
  TEditorMuestraSA editor;
  TGuionMealy guion;
  editor.FormShow();
  for (const char* par : {"S1   /A1   ", "S2   /A2   ", "", "S1   /A1   ", "S2   /A3   ", ""}) {
    if (*par == '\0') {
      editor.BotonNuevaSecuenciaClick();
    } else {
      editor.PonerParSA(par);
      editor.BotonInsertarParClick(guion);
    }
  }
  TSesion sesion;
  sesion.ElegirTipo(TTipoMuestra::TipoM_SA);
  ASSERT_TRUE(sesion.DarValoresSegunTipo(editor.MuestraTxt(), guion));
  EXPECT_EQ(sesion.MuestraSA, kEjemplo);
  guion.cierres = {TCierre::SiguienteK};
  guion.respuestas = {TRespuesta::Reintentar, TRespuesta::Reintentar};
  OpcionSKRClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion,
            (std::vector<std::string>{kSonido, Ventana("SKR", 0, true), kSinSolucion + "1", kSinSolucion + "2"}));
}

TEST(ComandosMealy, RefusedSampleKeepsTheSequencesOfTheLastRun) {
  TSesion sesion = SesionCon(kEjemplo);
  TGuionMealy guion;
  OpcionSKRClick(sesion, guion);
  EXPECT_EQ(sesion.CadenasSA, (TLista{"S1A1S2A2", "S1A1S2A3"}));
  sesion.MuestraSA = {"S1/B1", ""};
  OpcionSKRClick(sesion, guion);
  EXPECT_EQ(sesion.CadenasSA, (TLista{"S1A1S2A2", "S1A1S2A3"}));
  EXPECT_EQ(sesion.MuestraSA, (TLista{"S1/B1", ""}));
  sesion.MuestraSA = {"S1/A1"};
  OpcionSKCClick(sesion, guion);
  EXPECT_TRUE(sesion.CadenasSA.empty());
}

TEST(ComandosMealy, EveryKInconsistentGivesOneMessagePerKAndNoWindow) {
  // From the initial state S1 is answered A1 and A2 into different states for every k.
  TSesion sesion = SesionCon({"S1/A1", "S2/A1", "", "S1/A2", "S3/A1", ""});
  TGuionMealy guion;
  guion.respuestas = {TRespuesta::Reintentar, TRespuesta::Reintentar, TRespuesta::Reintentar};
  const TResumenMealy resumen = OpcionSKRClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion, (std::vector<std::string>{kSinSolucion + "0", kSinSolucion + "1",
                                                           kSinSolucion + "2"}));
  EXPECT_EQ(resumen.resultados, 0);
  EXPECT_EQ(resumen.sinSolucion, 3);
}

TEST(ComandosMealy, ButtonsPlayExecuteFirstAndRunsRepeatAlike) {
  TSesion sesion = SesionCon(kEjemplo);
  TGuionMealy primero;
  primero.cierres = {TCierre::SiguienteK};
  primero.respuestas = {TRespuesta::Reintentar, TRespuesta::Reintentar};
  BotonSKRClick(sesion, primero);
  ASSERT_FALSE(primero.transcripcion.empty());
  EXPECT_EQ(primero.transcripcion.front(), "Sonido: Execute.wav");

  TGuionMealy segundo;
  segundo.cierres = {TCierre::SiguienteK};
  segundo.respuestas = {TRespuesta::Reintentar, TRespuesta::Reintentar};
  BotonSKRClick(sesion, segundo);
  EXPECT_EQ(segundo.transcripcion, primero.transcripcion);
  EXPECT_EQ(segundo.informes, primero.informes);

  TGuionMealy skc;
  BotonSKCClick(sesion, skc);
  EXPECT_EQ(skc.transcripcion.front(), "Sonido: Execute.wav");
}

TEST(FmostrarMealy, ReportOfTheSkrResultForKZero) {
  TSesion sesion = SesionCon(kEjemplo);
  TGuionMealy guion;
  OpcionSKRClick(sesion, guion);
  ASSERT_EQ(guion.informes.size(), 1u);
  const TLista esperado = {
      "M\xE1quina Mealy Resultado SKR  K= 0",
      "Situaciones: S1 , S2",
      "Acciones: A1 , A2 , A3",
      "Estado Inicial: q0",
      "Estados Finales:   q2",
      "Conjunto de Estados:   q0  q1  q2",
      "Funci\xF3n de Transici\xF3n: ",
      "           S1 / A1      S2 / A2      S2 / A3   ",
      "    q0         q1             -             -      ",
      "    q1          -            q2            q2      ",
      "    q2          -             -             -      ",
  };
  EXPECT_EQ(guion.informes[0], esperado);
}

TEST(FmostrarMealy, ReportOfTheSkcResultForKZeroAndTheWindowData) {
  TSesion sesion = SesionCon(kEjemplo);
  TGuionMealy guion;
  OpcionSKCClick(sesion, guion);
  ASSERT_EQ(guion.informes.size(), 1u);
  const TLista& informe = guion.informes[0];
  ASSERT_EQ(informe.size(), 9u);
  EXPECT_EQ(informe[0], "M\xE1quina Mealy Resultado SKC  K= 0");
  EXPECT_EQ(informe[4], "Estados Finales:   q0");
  EXPECT_EQ(informe[8], "    q0         q0            q0            q0      ");
  EXPECT_EQ(TFmostrarMealyLogica::RejillaDrawCell(0, 0), std::optional<std::string>("  E/SA  "));
  EXPECT_EQ(TFmostrarMealyLogica::RejillaDrawCell(1, 0), std::nullopt);
  EXPECT_EQ(guion.rejillas[0].Celda(0, 1), "S1 / A1");
}

TEST(FmostrarMealy, DesignStateBeforeTheSearchSetsIt) {
  TSesion sesion = SesionCon(kEjemplo);
  TLista cadenas;
  const TLecturaMealy lectura = LeerModeloMealy(TAlgoritmoMealy::SKR, sesion.MuestraSA, cadenas);
  const TBusquedaMealy busqueda(TAlgoritmoMealy::SKR, *lectura.modelo, cadenas);
  const TPasoMealy paso = busqueda.Paso(0);
  TFmostrarMealyLogica ventana(*paso.maquina);
  EXPECT_EQ(ventana.Caption(), " M\xE1quina Mealy");
  EXPECT_EQ(ventana.TextoK(), "Encontrada soluci\xF3n para K = ");
  EXPECT_TRUE(ventana.BotonSiguienteHabilitado());
  EXPECT_FALSE(ventana.BotonImprimirHabilitado());
  EXPECT_STREQ(ventana.TemaAyuda(), "IDH_AlgSKR");
  PrepararVentanaMealy(ventana, busqueda, 2);
  EXPECT_EQ(ventana.TextoK(), "Encontrada soluci\xF3n para K = 2");
  EXPECT_FALSE(ventana.BotonSiguienteHabilitado());
  TGuionMealy guion;
  ventana.FormShow(guion);
  ventana.GuardarResultados();
  EXPECT_FALSE(ventana.Informe().empty());
  ventana.FormClose();
  EXPECT_TRUE(ventana.Informe().empty());
  EXPECT_EQ(ventana.Situaciones(), "S1 , S2");
}

TEST(FmostrarMealy, EmptyAlphabetAndNoFinalBlock) {
  // A single null pair: no symbol at all; the one sequence is empty, so q0 is final.
  TSesion sesion = SesionCon({"S0/A0", ""});
  TGuionMealy guion;
  OpcionSKCClick(sesion, guion);
  ASSERT_EQ(guion.informes.size(), 1u);
  const TLista& informe = guion.informes[0];
  EXPECT_EQ(informe[1], "Situaciones: ");
  EXPECT_EQ(informe[4], "Estados Finales:   q0");
  EXPECT_EQ(informe[7], "        ");
  EXPECT_EQ(informe[8], "    q0   ");
}

TEST(FmostrarMealy, SavingWritesOneReportWithCrLfEachTime) {
  const auto ruta = std::filesystem::temp_directory_path() / "telar-mealy-informe.aut";
  TSesion sesion = SesionCon(kEjemplo);
  for (int vez = 0; vez < 2; ++vez) {
    TGuionMealy guion;
    guion.guardarEnVentana = 0;
    guion.archivos = {ruta.string()};
    OpcionSKRClick(sesion, guion);
    ASSERT_EQ(guion.dialogos.size(), 1u);
    EXPECT_EQ(guion.dialogos[0].extensionPorDefecto, "aut");
    EXPECT_EQ(guion.dialogos[0].filtro, "Archivos de resultados (*.aut)|*.aut|Archivos de texto (*.txt)|*.txt");
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream bytes;
    bytes << f.rdbuf();
    std::string esperado;
    for (const auto& linea : guion.informes[0]) esperado += linea + "\r\n";
    EXPECT_EQ(bytes.str(), esperado);
  }
  std::filesystem::remove(ruta);
}

TEST(FmostrarMealy, CancelledSaveWritesNothing) {
  TSesion sesion = SesionCon(kEjemplo);
  TGuionMealy guion;
  guion.guardarEnVentana = 0;
  OpcionSKRClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion, (std::vector<std::string>{kSonido, Ventana("SKR", 0, true), "Guardar: "}));
}

}  // namespace
