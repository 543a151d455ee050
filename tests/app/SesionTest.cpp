// TSesion: kinds, variants, enabling rules, taking samples, the viewer memo and the hints.
#include "app/Sesion.h"

#include <gtest/gtest.h>

#include "InteraccionGuion.h"
#include "app/PistasEstado.h"
#include "app/ResumenMuestras.h"

namespace {

std::string Habilitados(const TSesion& s) {
  std::string r;
  const char* nombres[] = {"IM1", "KR", "KC", "SKR", "SKC"};
  for (int i = 0; i < 5; ++i)
    if (s.Habilitado(static_cast<TAlgoritmo>(i))) r += std::string(r.empty() ? "" : " ") + nombres[i];
  return r;
}

}  // namespace

TEST(Sesion, StartState) {
  TSesion s;
  EXPECT_EQ(s.Tipo(), TTipoMuestra::TipoM_Pos);
  EXPECT_EQ(s.VarianteKR(), TVarianteKR::TipoKR_N);
  EXPECT_EQ(s.VarianteKC(), TVarianteKC::TipoKC_N);
  EXPECT_EQ(Habilitados(s), "");
  EXPECT_EQ(s.MemoMuestra(), TLista{"[No hay muestra]"});
  EXPECT_FALSE(s.MuestraAGuardar());
  const char* captions[] = {"S+", "S+", "S+", "S+", "IM1", "KR", "KC", "SKR", "SKC"};
  for (std::size_t i = 0; i < kBotonesPrincipales.size(); ++i) {
    EXPECT_EQ(s.CaptionBoton(kBotonesPrincipales[i]), captions[i]);
    EXPECT_EQ(s.BotonHabilitado(kBotonesPrincipales[i]), i < 4) << captions[i];
  }
}

struct CasoHabilitar {
  const char* nombre;
  TTipoMuestra tipo;
  TLista lineas;
  const char* habilitados;
};

class HabilitarCasos : public testing::TestWithParam<CasoHabilitar> {};

TEST_P(HabilitarCasos, TakingASampleEnablesWhatItAllows) {
  TSesion s;
  TInteraccionGuion guion;
  s.ElegirTipo(GetParam().tipo);
  s.DarValoresSegunTipo(GetParam().lineas, guion);
  EXPECT_EQ(Habilitados(s), GetParam().habilitados);
}

INSTANTIATE_TEST_SUITE_P(
    Sesion, HabilitarCasos,
    testing::Values(
        CasoHabilitar{"positiva_de_tres", TTipoMuestra::TipoM_Pos, {"ab", "&", "BA"}, "IM1 KR KC"},
        CasoHabilitar{"positiva_de_una", TTipoMuestra::TipoM_Pos, {"ab"}, "KC"},
        CasoHabilitar{"positiva_vacia_unica", TTipoMuestra::TipoM_Pos, {"&"}, "KC"},
        CasoHabilitar{"positiva_invalida", TTipoMuestra::TipoM_Pos, {"ab", ""}, ""},
        CasoHabilitar{"negativa", TTipoMuestra::TipoM_Neg, {"a", "b"}, ""},
        CasoHabilitar{"test", TTipoMuestra::TipoM_Test, {"a", "b"}, ""},
        CasoHabilitar{"sa_cualquiera", TTipoMuestra::TipoM_SA, {}, "SKR SKC"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Sesion, CommandsAreNeverDisabledAgain) {
  TSesion s;
  TInteraccionGuion guion;
  s.DarValoresSegunTipo({"a", "b"}, guion);
  s.DarValoresSegunTipo({"a"}, guion);
  s.DarValoresSegunTipo({}, guion);
  EXPECT_EQ(Habilitados(s), "IM1 KR KC");
  EXPECT_EQ(s.MuestraPositiva, TLista{"a"});
  EXPECT_TRUE(s.BotonHabilitado(TBotonPrincipal::BotonKR));
  EXPECT_FALSE(s.BotonHabilitado(TBotonPrincipal::BotonSKR));
}

TEST(Sesion, InvalidSampleKeepsThePreviousOneAndSaysSo) {
  TSesion s;
  TInteraccionGuion guion;
  s.ElegirTipo(TTipoMuestra::TipoM_Neg);
  ASSERT_TRUE(s.DarValoresSegunTipo({"X"}, guion));
  EXPECT_TRUE(guion.transcripcion.empty());
  EXPECT_FALSE(s.DarValoresSegunTipo({"y", ""}, guion));
  EXPECT_EQ(guion.transcripcion, std::vector<std::string>{"Mensaje Error Ok: Muestra No v\xE1lida"});
  EXPECT_EQ(s.MuestraNegativa, TLista{"x"});
  EXPECT_EQ(s.MemoMuestra(), TLista{"x"});
}

TEST(Sesion, ANewSampleReplacesOnlyItsOwnKind) {
  TSesion s;
  TInteraccionGuion guion;
  s.DarValoresSegunTipo({"a"}, guion);
  s.ElegirTipo(TTipoMuestra::TipoM_Test);
  s.DarValoresSegunTipo({"T", "&"}, guion);
  s.ElegirTipo(TTipoMuestra::TipoM_SA);
  s.DarValoresSegunTipo({"s1/a1", ""}, guion);
  EXPECT_EQ(s.MuestraPositiva, TLista{"a"});
  EXPECT_EQ(s.MuestraTest, (TLista{"t", ""}));
  EXPECT_EQ(s.MuestraSA, (TLista{"S1/A1", ""}));
  EXPECT_EQ(s.MemoMuestra(), (TLista{"S1/A1", ""}));
}

TEST(Sesion, ViewerShowsTheCheckedKindOrNothing) {
  TSesion s;
  TInteraccionGuion guion;
  s.DarValoresSegunTipo({"&", "a"}, guion);
  EXPECT_EQ(s.MemoMuestra(), (TLista{"&", "a"}));
  s.ElegirTipo(TTipoMuestra::TipoM_Neg);
  EXPECT_EQ(s.MemoMuestra(), (TLista{"&", "a"}));  // only showing the viewer refreshes it
  s.MostrarMuestraActual();
  EXPECT_TRUE(s.MemoMuestra().empty());
}

TEST(Sesion, KindAndVariantsSetTheirButtonCaptions) {
  TSesion s;
  s.ElegirTipo(TTipoMuestra::TipoM_Neg);
  EXPECT_EQ(s.CaptionBoton(TBotonPrincipal::BotonNueva), "S-");
  EXPECT_EQ(s.CaptionBoton(TBotonPrincipal::BotonKR), "KR");
  s.ElegirTipo(TTipoMuestra::TipoM_Test);
  EXPECT_EQ(s.CaptionBoton(TBotonPrincipal::BotonVer), "S test");
  s.ElegirTipo(TTipoMuestra::TipoM_SA);
  EXPECT_EQ(s.CaptionBoton(TBotonPrincipal::BotonAbrir), "S/A");
  const char* kr[] = {"KR", "KR i", "KR -"};
  const char* kc[] = {"KC", "KC i", "KC -"};
  for (int i = 0; i < 3; ++i) {
    s.ElegirVarianteKR(static_cast<TVarianteKR>(i));
    s.ElegirVarianteKC(static_cast<TVarianteKC>(i));
    EXPECT_EQ(s.CaptionBoton(TBotonPrincipal::BotonKR), kr[i]);
    EXPECT_EQ(s.CaptionBoton(TBotonPrincipal::BotonKC), kc[i]);
  }
  EXPECT_STREQ(DatosVarianteKC(TVarianteKC::TipoKC_E).caption, "KC ejemplos negativos");
}

TEST(Sesion, EveryChangeIsAnnounced) {
  TSesion s;
  TInteraccionGuion guion;
  int avisos = 0;
  s.AlCambiar([&] { ++avisos; });
  s.ElegirTipo(TTipoMuestra::TipoM_Neg);
  s.ElegirVarianteKR(TVarianteKR::TipoKR_I);
  s.ElegirVarianteKC(TVarianteKC::TipoKC_E);
  s.MostrarMuestraActual();
  EXPECT_EQ(avisos, 4);
  s.DarValoresSegunTipo({"a"}, guion);
  EXPECT_GT(avisos, 4);
}

TEST(PistasEstado, ButtonHintIsHintBlankCaption) {
  TSesion s;
  s.ElegirVarianteKR(TVarianteKR::TipoKR_I);
  s.ElegirTipo(TTipoMuestra::TipoM_Neg);
  EXPECT_EQ(PistaBoton(s, TBotonPrincipal::BotonKR), "Ejecutar algoritmo KR i");
  EXPECT_EQ(PistaBoton(s, TBotonPrincipal::BotonAbrir), "Abrir archivo muestra S-");
  EXPECT_EQ(PistaBoton(s, TBotonPrincipal::BotonGuardar), "Guardar archivo muestra S-");
  EXPECT_EQ(PistaBoton(s, TBotonPrincipal::BotonVer), "Ver muestra actual S-");
  EXPECT_EQ(PistaBoton(s, TBotonPrincipal::BotonNueva), "Nueva muestra S-");
  EXPECT_EQ(PistaBoton(s, TBotonPrincipal::BotonSKC), "Ejecutar algoritmo SKC");
  EXPECT_EQ(PistaMenu(TMenuPrincipal::Configuracion), " Telar 99 ");
  EXPECT_EQ(PistaMenu(TMenuPrincipal::Tutorial), "Tutorial");
}

// The panel and the viewer name each sample's file, or say it was typed and not saved, and
// count its strings (pairs for situation/action samples, blank lines aside).
TEST(ResumenMuestras, NamesTheFileOrSaysUnsavedAndCounts) {
  TSesion sesion;
  TInteraccionGuion guion;
  EXPECT_EQ(LineaMuestras(sesion), "Sin muestras");
  EXPECT_EQ(TituloVisor(sesion), "Muestra positiva: no hay");
  ASSERT_TRUE(sesion.DarValoresSegunTipo({"ab", "&", "b"}, guion));
  EXPECT_EQ(ResumenMuestra(sesion, TTipoMuestra::TipoM_Pos), "sin guardar, 3 cadenas");
  sesion.MarcarGuardada(TTipoMuestra::TipoM_Pos, "/clase/ejemplo.pos");
  EXPECT_EQ(TituloVisor(sesion), "Muestra positiva: ejemplo.pos, 3 cadenas");
  sesion.ElegirTipo(TTipoMuestra::TipoM_Neg);
  ASSERT_TRUE(sesion.DarValoresSegunTipo({"ba"}, guion));
  sesion.ElegirTipo(TTipoMuestra::TipoM_SA);
  ASSERT_TRUE(sesion.DarValoresSegunTipo({"S1/A1", "S2/A2", "", "S1/A1", ""}, guion));
  sesion.MarcarGuardada(TTipoMuestra::TipoM_SA, "m.sya");
  EXPECT_EQ(LineaMuestras(sesion), "S+ ejemplo.pos (3)  \xB7  S- sin guardar (1)  \xB7  S/A m.sya (3)");
  EXPECT_EQ(DetalleMuestras(sesion), (TLista{"Positiva: ejemplo.pos, 3 cadenas", "Negativa: sin guardar, 1 cadena",
                                             "Situaci\xF3n/Acci\xF3n: m.sya, 3 pares"}));
  EXPECT_EQ(TituloVisor(sesion), "Muestra situaci\xF3n/acci\xF3n: m.sya, 3 pares");
}
