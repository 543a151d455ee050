// The IM1 command as the user meets it: the button and menu entries, the heuristic and
// bound dialogs with their reset rules and messages, and the runs they start.
#include "app/comandos/ComandoIM1.h"

#include <gtest/gtest.h>

#include "app/ventanas/ElegirCotaSLogica.h"
#include "app/ventanas/ElegirHeuristicoLogica.h"
#include "app/comandos/FlujoIM1.h"
#include "app/sesion/Sesion.h"
#include "InteraccionIM1Guion.h"

// GCC 12 wrongly reports the std::optional members of the scripted actions in the tables
// below as maybe uninitialized when optimizing.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace {

using TAccion = TInteraccionIM1Guion::TAccionHeuristico;
using TVista = TInteraccionIM1Guion::TVistaHeuristico;

TSesion SesionCon(const TLista& positiva) {
  TSesion sesion;
  sesion.MuestraPositiva = positiva;
  return sesion;
}

// The transcript lines that are not sounds or window closings, to keep expectations short.
std::vector<std::string> Ventanas(const TInteraccionIM1Guion& guion) {
  std::vector<std::string> lineas;
  for (const auto& linea : guion.transcripcion)
    if (linea.rfind("Cerrado: ", 0) != 0 && linea.rfind("Sonido: Result", 0) != 0) lineas.push_back(linea);
  return lineas;
}

const TLista kMuestra{"a", "ab", "abb"};
const std::string kResultado = "Resultado: Aut\xF3mata resultado IM1   K=";
// {a, ab} leads by b to itself and to {abb}: the window offers the conversion
const std::string kNoDeterminista =
    "Avisos1: Aut\xF3mata NO determin\xEDstico / \xBF" "Desea convertir el aut\xF3mata?";

}  // namespace

TEST(BotonIM1Click, EmptySampleShowsTheMessageAndPlaysNothing) {
  TSesion sesion;
  TInteraccionIM1Guion guion;
  BotonIM1Click(sesion, guion);
  EXPECT_EQ(guion.transcripcion, (std::vector<std::string>{"Mensaje Error Ok: No existe Muestra"}));
}

TEST(BotonIM1Click, SoundThenTheCommand) {
  auto sesion = SesionCon(kMuestra);
  TInteraccionIM1Guion guion;
  guion.accionesHeuristico = {{"1", THeuristico::K_Sufijos}};
  BotonIM1Click(sesion, guion);
  EXPECT_EQ(Ventanas(guion), (std::vector<std::string>{
                                 "Sonido: Execute.wav", "Heuristico", "Aceptor: Aceptor de prefijos  (IM1)",
                                 kResultado + "1  K Sufijos", kNoDeterminista,
                                 "Determinista: Aut\xF3mata resultado IM1   K=1  K Sufijos", "Heuristico cerrado"}));
  ASSERT_EQ(guion.vistasResultado.size(), 1u);
  EXPECT_EQ(guion.vistasResultado[0].estados, "  q0 = { & }  q1 = { abb }  q2 = { a, ab }");
}

TEST(OpcionIM1Click, RunsPerHeuristic) {
  const struct {
    const char* nombre;
    TAccion accion;
    std::optional<std::string> cota;
    std::vector<std::string> ventanas;
    std::string estados;
  } filas[] = {
      {"KSufijosUsesTheField", {"0", THeuristico::K_Sufijos}, std::nullopt,
       {"Heuristico", "Aceptor: Aceptor de prefijos  (IM1)", kResultado + "0  K Sufijos", "Heuristico cerrado"},
       "  q0 = { & }  q1 = { a, ab, abb }"},
      {"LevineTakesTheLongestExample", {"1", THeuristico::Levine}, "2",
       {"Heuristico", "CotaS: 1 , 2", "Aceptor: Aceptor de prefijos  (IM1)", kResultado + "3  Levine   S =2",
        kNoDeterminista, "Determinista: Aut\xF3mata resultado IM1   K=3  Levine   S =2", "CotaS cerrado",
        "Heuristico cerrado"},
       "  q0 = { & }  q1 = { abb }  q2 = { a, ab }"},
      {"MicletTakesTheSmallestBound", {"2", THeuristico::Miclet}, std::nullopt,
       {"Heuristico", "Aceptor: Aceptor de prefijos  (IM1)", kResultado + "3  Miclet   S =1", "Heuristico cerrado"},
       "  q0 = { & }  q1 = { a, ab, abb }"},
  };
  for (const auto& f : filas) {
    auto sesion = SesionCon(kMuestra);
    TInteraccionIM1Guion guion;
    guion.accionesHeuristico = {f.accion};
    if (f.cota) guion.accionesCotaS = {{f.cota}};
    OpcionIM1Click(sesion, guion);
    EXPECT_EQ(Ventanas(guion), f.ventanas) << f.nombre;
    ASSERT_EQ(guion.vistasResultado.size(), 1u) << f.nombre;
    EXPECT_EQ(guion.vistasResultado[0].estados, f.estados) << f.nombre;
  }
}

TEST(OpcionIM1Click, WaysToEndWithoutARun) {
  const struct {
    const char* nombre;
    std::optional<TAccion> accion;
    std::optional<TInteraccionIM1Guion::TAccionCotaS> cotaS;
    std::vector<std::string> ventanas;
  } filas[] = {
      {"CancelledDialog", TAccion{std::nullopt, THeuristico::K_Sufijos, false}, std::nullopt,
       {"Heuristico", "Heuristico cerrado"}},
      {"NoChoice", TAccion{}, std::nullopt,
       {"Heuristico", "Mensaje Error Ok: Debe seleccionar un Heur\xEDstico", "Heuristico cerrado"}},
      {"OtroCannotBeChosen", TAccion{std::nullopt, THeuristico::OtroH}, std::nullopt,
       {"Heuristico", "Mensaje Error Ok: Debe seleccionar un Heur\xEDstico", "Heuristico cerrado"}},
      {"NoBoundSelected", TAccion{std::nullopt, THeuristico::Levine}, TInteraccionIM1Guion::TAccionCotaS{},
       {"Heuristico", "CotaS: 1 , 2", "Mensaje Error Ok: Debe seleccionar un valor de S", "CotaS cerrado",
        "Heuristico cerrado"}},
      {"BoundDialogClosed", TAccion{std::nullopt, THeuristico::Levine},
       TInteraccionIM1Guion::TAccionCotaS{"1", false}, {"Heuristico", "CotaS: 1 , 2", "CotaS cerrado", "Heuristico cerrado"}},
  };
  for (const auto& f : filas) {
    auto sesion = SesionCon(kMuestra);
    TInteraccionIM1Guion guion;
    if (f.accion) guion.accionesHeuristico = {*f.accion};
    if (f.cotaS) guion.accionesCotaS = {*f.cotaS};
    OpcionIM1Click(sesion, guion);
    EXPECT_EQ(Ventanas(guion), f.ventanas) << f.nombre;
    EXPECT_TRUE(guion.vistasResultado.empty()) << f.nombre;
  }
}

TEST(TFelegirHeuristicoLogica, ResetOnShowAndTheRadioButtons) {
  auto sesion = SesionCon({"abcd", "ab"});  // longest example: 4
  TInteraccionIM1Guion guion;
  guion.accionesHeuristico = {{"3", THeuristico::Levine, false}, {std::nullopt, THeuristico::K_Sufijos, false}};
  OpcionIM1Click(sesion, guion);
  OpcionIM1Click(sesion, guion);
  const TVista alMostrar{true, true, true, true, false, true, true, 0, 4};
  EXPECT_EQ(guion.vistasHeuristico, (std::vector<TVista>{alMostrar, alMostrar}));
  // Levine disables the K field, K_Sufijos enables it; the field keeps its value
  EXPECT_EQ(guion.vistasTrasClic[0], (TVista{true, true, true, true, false, false, false, 3, 4}));
  EXPECT_EQ(guion.vistasTrasClic[1], alMostrar);
}

TEST(TFelegirHeuristicoLogica, FormShowDisablesOtroAfterHabilitarHeuristicos) {
  TAutomata automata({"ab"});
  auto sesion = SesionCon({"ab"});
  TFelegirHeuristicoLogica dialogo(automata, sesion);
  EXPECT_FALSE(dialogo.Label1Habilitado());  // disabled in the form
  EXPECT_FALSE(dialogo.Habilitado(THeuristico::Levine));
  dialogo.LevineClick();  // a disabled button cannot be clicked
  EXPECT_FALSE(dialogo.Seleccion().has_value());
  HabilitarHeuristicos(dialogo, true);
  dialogo.FormShow();
  EXPECT_TRUE(dialogo.Habilitado(THeuristico::K_Sufijos));
  EXPECT_FALSE(dialogo.Habilitado(THeuristico::OtroH));
}

TEST(TFelegirHeuristicoLogica, KFieldBounds) {
  const struct {
    const char* nombre;
    TLista muestra;
    std::string texto;
    int valor;
  } filas[] = {
      {"WithinBounds", {"abcd"}, "2", 2},
      {"AboveTheLongestExample", {"abcd"}, "9", 4},
      {"Negative", {"abcd"}, "-3", 0},
      {"NotANumber", {"abcd"}, "dos", 0},
      {"Empty", {"abcd"}, "", 0},
      {"NoLimitWhenTheMaximumIsZero", {"", ""}, "7", 7},
  };
  for (const auto& f : filas) {
    TAutomata automata(f.muestra);
    auto sesion = SesionCon(f.muestra);
    TFelegirHeuristicoLogica dialogo(automata, sesion);
    dialogo.FormShow();
    dialogo.PonerTextoK(f.texto);
    EXPECT_EQ(dialogo.ValorK(), f.valor) << f.nombre;
  }
}

TEST(TFelegirCotaSLogica, BoundsAreListedAsTexts) {
  EXPECT_EQ(OrdenarComoListBox({"2", "10", "0.5"}), (TLista{"0.5", "10", "2"}));
  // a and b share ten tails, m and n two, every two final states the empty one
  TLista muestra;
  for (char c = 'c'; c <= 'l'; ++c) {
    muestra.push_back(std::string("a") + c);
    muestra.push_back(std::string("b") + c);
  }
  for (const char* cadena : {"mcc", "mdd", "ncc", "ndd"}) muestra.push_back(cadena);
  auto sesion = SesionCon(muestra);
  TInteraccionIM1Guion guion;
  guion.accionesHeuristico = {{std::nullopt, THeuristico::Levine}};
  guion.accionesCotaS = {{"10"}};
  OpcionIM1Click(sesion, guion);
  EXPECT_EQ(guion.vistasCotaS, (std::vector<TLista>{{"1", "10", "2"}}));
  ASSERT_EQ(guion.vistasResultado.size(), 1u);
  EXPECT_EQ(guion.vistasResultado[0].caption, "Aut\xF3mata resultado IM1   K=3  Levine   S =10");
}

TEST(TFelegirCotaSLogica, SelectionOutsideTheListSelectsNothing) {
  std::string ejecutada;
  TFelegirCotaSLogica dialogo({"3", "1"}, [&](const std::string& S) { ejecutada = S; });
  dialogo.FormShow();
  dialogo.Seleccionar(5);
  EXPECT_FALSE(dialogo.Seleccionado().has_value());
  dialogo.Seleccionar(1);
  TInteraccionIM1Guion guion;
  dialogo.BtnAceptarClick(guion);
  EXPECT_EQ(ejecutada, "3");
  EXPECT_TRUE(guion.transcripcion.empty());
}

TEST(CaptionResultadoIM1, TextPerHeuristic) {
  const struct {
    const char* nombre;
    TParametrosIM1 parametros;
    char separador;
    const char* esperado;
  } filas[] = {
      {"KSufijos", {THeuristico::K_Sufijos, 2, {}}, ',', "Aut\xF3mata resultado IM1   K=2  K Sufijos"},
      {"LevineText", {THeuristico::Levine, 4, std::string("2")}, ',', "Aut\xF3mata resultado IM1   K=4  Levine   S =2"},
      {"MicletReal", {THeuristico::Miclet, 3, 1.0}, ',', "Aut\xF3mata resultado IM1   K=3  Miclet   S =1"},
      {"FractionComma", {THeuristico::Levine, 3, std::string("0.5")}, ',', "Aut\xF3mata resultado IM1   K=3  Levine   S =0,5"},
      {"FractionPoint", {THeuristico::Miclet, 3, 0.25}, '.', "Aut\xF3mata resultado IM1   K=3  Miclet   S =0.25"},
      {"Otro", {THeuristico::OtroH, 1, {}}, ',', "Aut\xF3mata resultado IM1   K=1"},
  };
  for (const auto& f : filas) EXPECT_EQ(CaptionResultadoIM1(f.parametros, f.separador), f.esperado) << f.nombre;
}

TEST(RealEnFormaGeneral, ShortestFormUpTo15Digits) {
  const struct {
    double valor;
    const char* esperado;
  } filas[] = {
      {2, "2"}, {10, "10"}, {0.5, "0,5"}, {-1.5, "-1,5"}, {1.0 / 3, "0,333333333333333"},
      {123456789012345.0, "123456789012345"}, {1e15, "1E15"}, {0.0001, "0,0001"},
      {0.00001, "1E-5"}, {2.5e-7, "2,5E-7"}, {0, "0"},
  };
  for (const auto& f : filas) EXPECT_EQ(RealEnFormaGeneral(f.valor, ','), f.esperado) << f.valor;
}
