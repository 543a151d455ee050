// Situation/action samples: the pair-line syntax, the usable-sample rule and the model
// read from a sample (situations, actions, tokens, pairs, sequence strings, bounds, groups).
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/muestras/LecturaMealy.h"
#include "core/Automata.h"
#include "inference/mealy/AutomataMealy.h"
#include "inference/mealy/ParSA.h"

namespace {

// The two-sequence sample used throughout: S1/A1 S2/A2, then S1/A1 S2/A3.
const TLista kEjemplo = {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""};

struct TCasoLinea {
  const char* nombre;
  const char* linea;
  bool esPar;
};

class LineaDePar : public ::testing::TestWithParam<TCasoLinea> {};

TEST_P(LineaDePar, FollowsThePairSyntax) {
  EXPECT_EQ(EsLineaDePar(GetParam().linea), GetParam().esPar) << '"' << GetParam().linea << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LineaDePar,
    ::testing::Values(TCasoLinea{"Simple", "S1/A2", true}, TCasoLinea{"FourDigits", "S1234/A9999", true},
                      TCasoLinea{"LeadingZero", "S01/A2", true}, TCasoLinea{"NullPair", "S0/A0", true},
                      TCasoLinea{"EditorBlanks", "S12 /A3   ", true}, TCasoLinea{"NoSlash", "S1A2", true},
                      TCasoLinea{"ManySlashes", "S/1//A/2", true}, TCasoLinea{"Empty", "", false},
                      TCasoLinea{"OnlyBlanks", "  \t ", false}, TCasoLinea{"NoA", "S12", false},
                      TCasoLinea{"NoActionDigit", "S1/A", false}, TCasoLinea{"NoSituationDigit", "S/A1", false},
                      TCasoLinea{"FiveDigits", "S12345/A1", false}, TCasoLinea{"FiveActionDigits", "S1/A12345", false},
                      TCasoLinea{"OtherLetter", "S1/B2", false}, TCasoLinea{"Lowercase", "s1/a2", false},
                      TCasoLinea{"TrailingText", "S1/A2X", false}, TCasoLinea{"TabIsABlank", "S1\t/A2\t", true},
                      TCasoLinea{"TwoPairs", "S1/A2S3/A4", false}, TCasoLinea{"OnlyA", "A1", false}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(MuestraSA, FirstBadLineIsNamedWithItsNumberAndText) {
  EXPECT_EQ(PrimeraLineaIncorrecta(kEjemplo), 0u);
  EXPECT_EQ(ComprobarMuestraSA(kEjemplo), "");
  const TLista mala = {"S1/A1", "", "   ", "S1"};
  EXPECT_EQ(PrimeraLineaIncorrecta(mala), 3u);
  EXPECT_EQ(ComprobarMuestraSA(mala),
            "La l\xEDnea 3 de la muestra no es un par situaci\xF3n/acci\xF3n (S1/A2): \"   \"");
}

TEST(MuestraSA, UsableOnlyWithAnEmptyLine) {
  EXPECT_TRUE(MuestraSAUtilizable(kEjemplo));
  EXPECT_TRUE(MuestraSAUtilizable({""}));
  EXPECT_FALSE(MuestraSAUtilizable({"S1/A1", "S2/A2"}));
  EXPECT_FALSE(MuestraSAUtilizable({}));
}

TEST(AutomataMealy, ReadsTheTwoSequenceExample) {
  TAutomataMealy modelo;
  TLista cadenas;
  modelo.LeerMuestra(kEjemplo, cadenas);
  EXPECT_EQ(modelo.Situaciones(), (TLista{"S1", "S2"}));
  EXPECT_EQ(modelo.AccionesPorSituacion(), (std::vector<TLista>{{"A1"}, {"A2", "A3"}}));
  EXPECT_EQ(modelo.Pares(), (TLista{"S1A1", "S2A2", "S2A3"}));
  EXPECT_EQ(modelo.Tokens(), (TLista{"S1A1", "/", "S2A2", "/", "*", "S1A1", "/", "S2A3", "/", "*"}));
  EXPECT_EQ(cadenas, (TLista{"S1A1S2A2", "S1A1S2A3"}));
  EXPECT_EQ(modelo.MaximoPares(), 2);
  EXPECT_EQ(modelo.GruposDeConflicto(), (std::vector<TLista>{{"S2A2", "S2A3"}}));
  modelo.AnadirFinDeMuestra();
  EXPECT_EQ(modelo.Pares().back(), "$");
  EXPECT_EQ(modelo.Tokens().back(), "$");
  EXPECT_EQ(modelo.MaximoPares(), 2);
}

struct TCasoSecuencia {
  const char* nombre;
  TLista muestra;
  TLista tokens;
  TLista cadenas;
  TLista pares;
  int maximo;
};

class Secuencia : public ::testing::TestWithParam<TCasoSecuencia> {};

TEST_P(Secuencia, GivesItsTokensStringsAndPairs) {
  const auto& caso = GetParam();
  TAutomataMealy modelo;
  TLista cadenas;
  modelo.LeerMuestra(caso.muestra, cadenas);
  EXPECT_EQ(modelo.Tokens(), caso.tokens);
  EXPECT_EQ(cadenas, caso.cadenas);
  EXPECT_EQ(modelo.Pares(), caso.pares);
  EXPECT_EQ(modelo.MaximoPares(), caso.maximo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Secuencia,
    ::testing::Values(
        TCasoSecuencia{"OnlyNullPair", {"S0/A0", ""}, {"", "/", "*"}, {""}, {}, 1},
        TCasoSecuencia{"NullPairFirst", {"S0/A0", "S1/A1", ""}, {"", "/", "S1A1", "/", "*"}, {"S1A1"}, {"S1A1"}, 2},
        TCasoSecuencia{"NullPairLast", {"S1/A1", "S0/A0", ""}, {"S1A1", "/", "", "/", "*"}, {"S1A1S0A0"}, {"S1A1"}, 2},
        TCasoSecuencia{"TwoNullPairsFirst", {"S0/A0", "S0/A0", "S1/A1", ""},
                       {"", "/", "", "/", "S1A1", "/", "*"}, {"S1A1"}, {"S1A1"}, 3},
        TCasoSecuencia{"EmptyLineFirst", {"", "S1/A1", ""}, {"*", "S1A1", "/", "*"}, {"", "S1A1"}, {"S1A1"}, 1},
        TCasoSecuencia{"TwoEmptyLines", {"S1/A1", "", ""}, {"S1A1", "/", "*", "*"}, {"S1A1", ""}, {"S1A1"}, 1},
        TCasoSecuencia{"SameSequenceTwice", {"S1/A1", "", "S1/A1", ""},
                       {"S1A1", "/", "*", "S1A1", "/", "*"}, {"S1A1", "S1A1"}, {"S1A1"}, 1},
        TCasoSecuencia{"PairsAfterLastEmptyLine", {"S1/A1", "", "S2/A2"}, {"S1A1", "/", "*"}, {"S1A1"},
                       {"S1A1", "S2A2"}, 1},
        TCasoSecuencia{"NoClosedSequence", {"S1/A1", "S2/A2"}, {}, {}, {"S1A1", "S2A2"}, 0},
        TCasoSecuencia{"LeadingZeroIsAnotherPair", {"S01/A2", "S1/A2", ""}, {"S01A2", "/", "S1A2", "/", "*"},
                       {"S01A2S1A2"}, {"S01A2", "S1A2"}, 2}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(AutomataMealy, ActionsPerSituationEachOnceInOrder) {
  TAutomataMealy modelo;
  TLista cadenas;
  modelo.LeerMuestra({"S2/A2", "S2/A2", "S3/A1", "S2/A3", "", "S9/A9"}, cadenas);
  EXPECT_EQ(modelo.Situaciones(), (TLista{"S2", "S3", "S9"}));
  EXPECT_EQ(modelo.AccionesPorSituacion(), (std::vector<TLista>{{"A2", "A3"}, {"A1"}, {"A9"}}));
  EXPECT_EQ(modelo.GruposDeConflicto(), (std::vector<TLista>{{"S2A2", "S2A3"}}));
}

TEST(AutomataMealy, MembershipIgnoresLetterCase) {
  TAutomataMealy modelo;
  modelo.AnadirPar("S1A1");
  modelo.AnadirPar("s1a1");
  modelo.AnadirAccion("S1", "A1");
  modelo.AnadirAccion("s1", "a1");
  modelo.AnadirAccion("s1", "A2");
  EXPECT_EQ(modelo.Pares(), (TLista{"S1A1"}));
  EXPECT_EQ(modelo.Situaciones(), (TLista{"S1"}));
  EXPECT_EQ(modelo.AccionesPorSituacion(), (std::vector<TLista>{{"A1", "A2"}}));
}

TEST(AutomataMealy, RefusesABadLineBeforeReadingAnything) {
  TAutomataMealy modelo;
  TLista cadenas = {"previous"};
  EXPECT_THROW(modelo.LeerMuestra({"S1/A1", "", "S1 A", ""}, cadenas), std::invalid_argument);
  EXPECT_EQ(cadenas, (TLista{"previous"}));
  EXPECT_TRUE(modelo.Pares().empty());
  EXPECT_TRUE(modelo.Tokens().empty());
}

TEST(AutomataMealy, AcceptorsInMealyModeForSkrAndSkc) {
  TAutomataMealy modelo;
  TLista cadenas;
  modelo.LeerMuestra(kEjemplo, cadenas);
  const TAutomata skc(cadenas, TConstruccion::Mealy, modelo.Tokens(), modelo.Pares());
  EXPECT_EQ(skc.Estados().Lista(), (TLista{"", "S1A1", "S1A1S2A2", "S1A1S2A3"}));
  EXPECT_EQ(skc.Alfabeto().Lista(), (TLista{"S1A1", "S2A2", "S2A3"}));
  EXPECT_EQ(skc.Finales().Lista(), cadenas);

  modelo.AnadirFinDeMuestra();
  const TLista marcadas = {"S1A1S2A2$", "S1A1S2A3$"};
  const TAutomata skr(marcadas, TConstruccion::Mealy, modelo.Tokens(), modelo.Pares());
  EXPECT_EQ(skr.Estados().Lista(),
            (TLista{"", "S1A1", "S1A1S2A2", "S1A1S2A3", "S1A1S2A2$", "S1A1S2A3$"}));
  EXPECT_EQ(skr.Alfabeto().Lista(), (TLista{"S1A1", "S2A2", "S2A3", "$"}));
}

TEST(AutomataMealy, NullPairsAddNoStateToTheAcceptor) {
  TAutomataMealy modelo;
  TLista cadenas;
  modelo.LeerMuestra({"S0/A0", "S1/A1", "S0/A0", ""}, cadenas);
  const TAutomata aceptor(cadenas, TConstruccion::Mealy, modelo.Tokens(), modelo.Pares());
  EXPECT_EQ(aceptor.Estados().Lista(), (TLista{"", "S1A1"}));
  EXPECT_EQ(cadenas, (TLista{"S1A1S0A0"}));
}

TEST(AutomataMealy, ParesDeSituacionJoinsSituationAndEachAction) {
  EXPECT_EQ(TAutomataMealy::ParesDeSituacion("S2", {"A2", "A3"}), (TLista{"S2A2", "S2A3"}));
  EXPECT_TRUE(TAutomataMealy::ParesDeSituacion("S2", {}).empty());
}

}  // namespace
