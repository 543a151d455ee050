// TEditorMuestraSA: pair acceptance, blank removal, sequences and the counter.
#include "app/muestras/EditorMuestraSA.h"

#include <gtest/gtest.h>

#include "InteraccionGuion.h"

namespace {

struct Editor {
  TEditorMuestraSA editor;
  TInteraccionGuion interaccion;

  Editor() { editor.FormShow(); }
  bool Par(const std::string& campo) {
    editor.PonerParSA(campo);
    return editor.BotonInsertarParClick(interaccion);
  }
};

}  // namespace

TEST(EditorMuestraSA, StartsEmptyWithCounterOneAndTheButtonDisabled) {
  Editor e;
  EXPECT_TRUE(e.editor.MuestraTxt().empty());
  EXPECT_TRUE(e.editor.ListSitAcc().empty());
  EXPECT_EQ(e.editor.SucesionNum(), "1");
  EXPECT_FALSE(e.editor.NuevaSecuenciaHabilitada());
  EXPECT_EQ(e.editor.ParSA(), "S    /A    ");
}

struct CasoPar {
  const char* nombre;
  std::string campo;
  bool aceptado;
  const char* par;  // what the list receives when accepted
};

class EditorMuestraSAPares : public testing::TestWithParam<CasoPar> {};

TEST_P(EditorMuestraSAPares, AcceptsOnPositionsTwoAndEightAndRemovesBlanks) {
  const auto& caso = GetParam();
  Editor e;
  EXPECT_EQ(e.Par(caso.campo), caso.aceptado);
  EXPECT_TRUE(e.editor.NuevaSecuenciaHabilitada()) << "enabled whether or not the pair is taken";
  if (caso.aceptado) {
    EXPECT_EQ(e.editor.ListSitAcc(), TLista{caso.par});
    EXPECT_EQ(e.editor.MuestraTxt(), TLista{caso.par});
    EXPECT_EQ(e.editor.ParSA(), caso.campo) << "the field keeps its text";
    EXPECT_TRUE(e.interaccion.transcripcion.empty());
  } else {
    EXPECT_TRUE(e.editor.MuestraTxt().empty());
    EXPECT_EQ(e.editor.ParSA(), "S    /A    ") << "a rejected pair clears the field";
    EXPECT_EQ(e.interaccion.transcripcion, std::vector<std::string>{"Mensaje Error Ok: Error en el Par"});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Campos, EditorMuestraSAPares,
    testing::Values(CasoPar{"OneDigitEach", "S1   /A2   ", true, "S1/A2"},
                    CasoPar{"TrailingBlanksRemoved", "S12  /A3   ", true, "S12/A3"},
                    CasoPar{"FourDigitsEach", "S1234/A5678", true, "S1234/A5678"},
                    CasoPar{"InnerBlanksRemoved", "S1 2 /A3 4 ", true, "S12/A34"},
                    CasoPar{"NullPairIsAPair", "S0   /A0   ", true, "S0/A0"},
                    CasoPar{"LeadingZeroKept", "S01  /A2   ", true, "S01/A2"},
                    CasoPar{"EmptyField", "S    /A    ", false, ""},
                    CasoPar{"NoSituation", "S    /A1   ", false, ""},
                    CasoPar{"NoAction", "S1   /A    ", false, ""},
                    CasoPar{"SituationTypedFromPositionThree", "S 1  /A1   ", false, ""},
                    CasoPar{"ActionTypedFromPositionNine", "S1   /A 1  ", false, ""},
                    CasoPar{"ShortTextReadsBlanksPastItsEnd", "S1/A", false, ""},
                    CasoPar{"EmptyText", "", false, ""},
                    // texts the mask never reads back: no line the Mealy commands refuse
                    CasoPar{"LetterInSituation", "SX   /A1   ", false, ""},
                    CasoPar{"LetterAfterAction", "S1   /A1  X", false, ""},
                    CasoPar{"SlashMissing", "S1   XA1   ", false, ""},
                    CasoPar{"FiveDigitsPastTheField", "S1   /A12345", false, ""}),
    [](const testing::TestParamInfo<CasoPar>& info) { return std::string(info.param.nombre); });

TEST(EditorMuestraSA, TwoSequencesGiveTheSixLinesOfTheSample) {
  Editor e;
  e.Par("S1   /A1   ");
  e.Par("S2   /A2   ");
  e.editor.BotonNuevaSecuenciaClick();
  EXPECT_EQ(e.editor.SucesionNum(), "2");
  EXPECT_TRUE(e.editor.ListSitAcc().empty());
  EXPECT_FALSE(e.editor.NuevaSecuenciaHabilitada());
  EXPECT_EQ(e.editor.ParSA(), "S    /A    ");
  e.Par("S1   /A1   ");
  e.Par("S2   /A3   ");
  EXPECT_EQ(e.editor.ListSitAcc(), (TLista{"S1/A1", "S2/A3"}));
  e.editor.BotonNuevaSecuenciaClick();
  EXPECT_EQ(e.editor.MuestraTxt(), (TLista{"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""}));
  EXPECT_EQ(e.editor.SucesionNum(), "3");
}

TEST(EditorMuestraSA, SamePairTwiceIsAddedTwice) {
  Editor e;
  e.Par("S1   /A1   ");
  e.editor.BotonInsertarParClick(e.interaccion);  // the field kept "S1   /A1   "
  EXPECT_EQ(e.editor.ListSitAcc(), (TLista{"S1/A1", "S1/A1"}));
  EXPECT_EQ(e.editor.MuestraTxt(), (TLista{"S1/A1", "S1/A1"}));
}

TEST(EditorMuestraSA, RejectedPairStillEnablesAnEmptySequence) {
  Editor e;
  e.Par("S    /A    ");
  ASSERT_TRUE(e.editor.NuevaSecuenciaHabilitada());
  e.editor.BotonNuevaSecuenciaClick();
  EXPECT_EQ(e.editor.MuestraTxt(), TLista{""});
}

TEST(EditorMuestraSA, PairsAfterTheLastSequenceStayInTheSample) {
  Editor e;
  e.Par("S1   /A1   ");
  e.editor.BotonNuevaSecuenciaClick();
  e.Par("S2   /A2   ");
  EXPECT_EQ(e.editor.MuestraTxt(), (TLista{"S1/A1", "", "S2/A2"}));
}

TEST(EditorMuestraSA, CancelEmptiesTheSequenceAndResetsTheCounter) {
  Editor e;
  e.Par("S1   /A1   ");
  e.editor.BotonNuevaSecuenciaClick();
  e.Par("S2   /A2   ");
  e.editor.BotonCancelarClick();
  EXPECT_TRUE(e.editor.ListSitAcc().empty());
  EXPECT_EQ(e.editor.SucesionNum(), "1");
}

TEST(EditorMuestraSA, ShowingAgainStartsFromAnEmptySample) {
  Editor e;
  e.Par("S1   /A1   ");
  e.editor.BotonNuevaSecuenciaClick();
  e.editor.FormShow();
  EXPECT_TRUE(e.editor.MuestraTxt().empty());
  EXPECT_EQ(e.editor.SucesionNum(), "1");
  EXPECT_FALSE(e.editor.NuevaSecuenciaHabilitada());
}
