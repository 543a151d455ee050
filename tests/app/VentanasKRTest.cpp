// The parameter dialog and the prefix acceptor window as data: bounds of k at every
// showing, the lists the acceptor window keeps while shown, and its fixed texts.
#include <gtest/gtest.h>

#include "app/ventanas/ElegirParametroLogica.h"
#include "app/ventanas/MostrarAceptorLogica.h"
#include "core/Automata.h"

namespace {

TEST(ElegirParametro, EveryShowingResetsKAndTakesTheBoundFromTheSample) {
  TLista muestra{"abc", "b"};
  TFelegirParametroLogica dialogo(muestra);
  dialogo.FormShow();
  EXPECT_EQ(dialogo.ParametroK(), 0);
  EXPECT_EQ(dialogo.Minimo(), 0);
  EXPECT_EQ(dialogo.Maximo(), 3);
  dialogo.PonerParametroK(2);
  EXPECT_EQ(dialogo.ParametroK(), 2);
  dialogo.PonerParametroK(-1);
  EXPECT_EQ(dialogo.ParametroK(), 0);

  dialogo.PonerParametroK(3);
  muestra = {""};  // only the empty example: k can only be 0
  dialogo.FormShow();
  EXPECT_EQ(dialogo.ParametroK(), 0);
  EXPECT_EQ(dialogo.Maximo(), 0);
  dialogo.PonerParametroK(1);
  EXPECT_EQ(dialogo.ParametroK(), 0);
  EXPECT_EQ(std::string(TFelegirParametroLogica::kCaption), " Par\xE1metro");
}

TEST(MostrarAceptor, ListsLiveFromShowToClose) {
  const TLista muestra{"ab", "b"};
  const TAutomata aceptor(muestra);
  TFmostrarAceptorLogica ventana(aceptor, muestra);
  EXPECT_EQ(ventana.Caption(), " \xC1rbol aceptor de prefijos");
  ventana.FormShow();
  EXPECT_EQ(ventana.AlfabetoAceptor(), (TLista{"a", "b"}));
  EXPECT_EQ(ventana.EstadosAceptor(), (TLista{"", "a", "ab", "b"}));
  EXPECT_EQ(ventana.InicialAceptor(), (TLista{""}));
  EXPECT_EQ(ventana.FinalesAceptor(), muestra);
  EXPECT_TRUE(ventana.LineasAceptor().empty());
  EXPECT_EQ(ventana.Einicial(), "&");
  EXPECT_EQ(ventana.Rejilla().Celda(1, 0), "&");
  EXPECT_FALSE(ventana.BotonImprimirHabilitado());
  ventana.FormClose();
  EXPECT_TRUE(ventana.AlfabetoAceptor().empty());
  EXPECT_TRUE(ventana.EstadosAceptor().empty());
  EXPECT_TRUE(ventana.InicialAceptor().empty());
  EXPECT_TRUE(ventana.FinalesAceptor().empty());
  EXPECT_EQ(ventana.Estados(), "{ &, a, ab, b }") << "the memos keep their text after closing";
}

}  // namespace
