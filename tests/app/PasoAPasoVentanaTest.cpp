// The "Paso a paso" window as every result window opens it: the run repeated with a trace,
// step 0 the acceptor with every state alone, one block fewer per step, the colours grouping
// exactly the blocks of the step, the merge's two blocks highlighted, the last step drawing
// the very automaton the result window draws, and the controls kept within the steps.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "InteraccionIM1Guion.h"
#include "app/ComandoIM1.h"
#include "app/ComandoIncremental.h"
#include "app/ComandosKR.h"
#include "app/ComandosMealy.h"
#include "app/DiagramasVentanas.h"
#include "app/MostrarMealyLogica.h"
#include "app/InteraccionMealy.h"
#include "app/Muestra.h"
#include "app/PasoAPasoLogica.h"
#include "app/Sesion.h"
#include "inference/AlgoritmoIM1.h"

namespace {

using TConjuntos = std::set<std::set<std::string>>;

void ExpectMismoDiagrama(const TDiagrama& a, const TDiagrama& b) {
  ASSERT_EQ(a.estados.size(), b.estados.size());
  for (std::size_t n = 0; n < a.estados.size(); ++n) {
    EXPECT_EQ(a.estados[n].nombre, b.estados[n].nombre);
    EXPECT_EQ(a.estados[n].prefijos, b.estados[n].prefijos);
    EXPECT_EQ(a.estados[n].final, b.estados[n].final) << a.estados[n].nombre;
  }
  EXPECT_EQ(a.inicial, b.inicial);
  ASSERT_EQ(a.transiciones.size(), b.transiciones.size());
  for (std::size_t t = 0; t < a.transiciones.size(); ++t) {
    EXPECT_EQ(a.transiciones[t].origen, b.transiciones[t].origen);
    EXPECT_EQ(a.transiciones[t].destino, b.transiciones[t].destino);
    EXPECT_EQ(a.transiciones[t].etiqueta, b.transiciones[t].etiqueta);
  }
}

// The states of the acceptor's drawing grouped by what the window shows of them.
std::map<int, std::set<std::string>> PorValor(const TFpasoAPasoLogica& ventana, int TAspectoEstado::*campo) {
  const auto aspecto = ventana.AspectoAceptor();
  const auto& estados = ventana.DiagramaAceptor().estados;
  std::map<int, std::set<std::string>> grupos;
  for (std::size_t n = 0; n < aspecto.size(); ++n) {
    const std::string& nombre = estados[n].nombre;
    grupos[aspecto[n].*campo].insert(nombre == "&" ? "" : nombre);
  }
  return grupos;
}

// Walks every step of an open window and checks what it shows against its partitions;
// ends on the last step, whose quotient must be `esperado`, the result window's drawing.
void Recorrer(TFpasoAPasoLogica& ventana, const TDiagrama& esperado) {
  ASSERT_TRUE(ventana.LlegaAlResultado());
  const std::size_t estados = ventana.DiagramaAceptor().estados.size();
  ASSERT_EQ(ventana.AspectoAceptor().size(), estados);
  EXPECT_EQ(ventana.PasoActual(), 0u);
  ventana.BotonAnteriorClick();
  EXPECT_EQ(ventana.PasoActual(), 0u);
  EXPECT_FALSE(ventana.BotonAnteriorHabilitado());
  EXPECT_EQ(ventana.ListaPasos().size(), ventana.UltimoPaso() + 1);
  std::vector<std::pair<TParticion, std::vector<TAspectoEstado>>> vistos;
  for (std::size_t i = 0;; ++i) {
    vistos.emplace_back(ventana.Particion(), ventana.AspectoAceptor());
    SCOPED_TRACE("paso " + std::to_string(i));
    ASSERT_EQ(ventana.PasoActual(), i);
    EXPECT_EQ(ventana.Particion().size(), estados - i);
    // coloured states: one colour per block of two or more states, none for those alone
    TConjuntos coloreados, varios;
    std::set<std::string> solos;
    for (const auto& [color, grupo] : PorValor(ventana, &TAspectoEstado::Color)) {
      if (color < 0)
        solos = grupo;
      else
        coloreados.insert(grupo);
    }
    for (const auto& bloque : ventana.Particion())
      if (bloque.size() > 1) varios.insert(std::set<std::string>(bloque.begin(), bloque.end()));
    EXPECT_EQ(coloreados, varios);
    for (const auto& bloque : ventana.Particion()) {
      if (bloque.size() == 1) {
        EXPECT_TRUE(solos.count(bloque.front())) << bloque.front();
      }
    }
    // the two blocks of the merge: disjoint, together the block it formed
    auto resaltes = PorValor(ventana, &TAspectoEstado::Resalte);
    if (i == 0) {
      EXPECT_EQ(resaltes.size(), 1u);
    } else {
      ASSERT_TRUE(resaltes.count(1) && resaltes.count(2));
      std::set<std::string> unidos = resaltes[1];
      unidos.insert(resaltes[2].begin(), resaltes[2].end());
      EXPECT_EQ(unidos.size(), resaltes[1].size() + resaltes[2].size());
      const bool esBloque = std::any_of(ventana.Particion().begin(), ventana.Particion().end(), [&](const TLista& b) {
        return std::set<std::string>(b.begin(), b.end()) == unidos;
      });
      EXPECT_TRUE(esBloque);
    }
    EXPECT_EQ(ventana.AspectoCociente().size(), ventana.BloquesCociente().size());
    // the count in the step's title is that of the states the quotient draws
    const std::string titulo = ventana.TextoPaso();
    EXPECT_EQ(std::stoul(titulo.substr(titulo.rfind('(') + 1)), ventana.DiagramaCociente().estados.size()) << titulo;
    if (i == ventana.UltimoPaso()) break;
    ventana.BotonSiguienteClick();
  }
  EXPECT_FALSE(ventana.BotonSiguienteHabilitado());
  // backwards each step shows what it showed forwards
  for (std::size_t i = ventana.UltimoPaso(); i-- > 0;) {
    ventana.BotonAnteriorClick();
    ASSERT_EQ(ventana.PasoActual(), i);
    EXPECT_EQ(std::pair(ventana.Particion(), ventana.AspectoAceptor()), vistos[i]) << "paso " << i;
  }
  ventana.BotonUltimoClick();
  ventana.BotonSiguienteClick();
  ventana.ElegirPaso(ventana.UltimoPaso() + 7);
  EXPECT_EQ(ventana.PasoActual(), ventana.UltimoPaso());
  // playing from the end starts over and stops at the end
  ventana.BotonReproducirClick();
  EXPECT_EQ(ventana.PasoActual(), 0u);
  EXPECT_EQ(ventana.Reproduciendo(), ventana.UltimoPaso() > 0);
  for (std::size_t t = 0; t < ventana.UltimoPaso() + 2; ++t) ventana.Tic();
  EXPECT_EQ(ventana.PasoActual(), ventana.UltimoPaso());
  EXPECT_FALSE(ventana.Reproduciendo());
  ExpectMismoDiagrama(ventana.DiagramaCociente(), esperado);
}

// A user who presses "Paso a paso" in every result window (automaton, incremental, Mealy)
// and walks the steps; the incremental window adds `ejemplo` once before closing.
class TGuionPaso : public TInteraccionIM1Guion, public TInteraccionMealy {
 public:
  std::string ejemplo;
  std::vector<std::string> abiertas;  // the caption of each step window
  TDiagrama esperado;

  TGuionPaso() {
    for (int i = 0; i < 8; ++i)
      accionesResultado.push_back([this](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) {
        Pulsar(v, g);
      });
  }

  void MostrarPasoAPaso(TFpasoAPasoLogica& ventana) override {
    abiertas.push_back(ventana.Caption());
    Recorrer(ventana, esperado);
  }

  TCierre MostrarIncremental(TFmostrarAutomata1Logica& ventana) override {
    ventana.FormShow(*this);
    Pulsar(ventana, *this);
    bool otraPasada = false;
    if (!ejemplo.empty()) {
      ventana.PonerTextoEjemplo(ejemplo);
      ejemplo.clear();
      otraPasada = ventana.BotonInsertarEjemploClick(*this);
    }
    ventana.FormClose();
    return otraPasada ? TCierre::Reintentar : TCierre::Cancelar;
  }

  TCierre MostrarMealy(TFmostrarMealyLogica& ventana) override {
    ventana.FormShow(*this);
    esperado = DiagramaDeVentana(ventana);
    EXPECT_TRUE(ventana.BotonPasoAPasoHabilitado());
    ventana.BotonPasoAPasoClick(*this);
    ventana.FormClose();
    return TCierre::Cancelar;
  }

 private:
  void Pulsar(TFmostrarAutomataLogica& v, TInteraccion& g) {
    esperado = DiagramaDeVentana(v);
    EXPECT_TRUE(v.BotonPasoAPasoHabilitado());
    v.BotonPasoAPasoClick(g);
  }
};

const TLista kMuestra{"b", "ab", "aab", "abab", "bb", "aaba"};
const TLista kSecuencias{"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", "", "S2/A2", "S1/A1", ""};
const std::string kCaption = "Paso a paso: Aut\xF3mata resultado ";

TEST(PasoAPaso, EveryResultWindowOpensItsSteps) {
  using THeur = TInteraccionIM1Guion::TAccionHeuristico;
  const struct {
    const char* nombre;
    std::function<void(TSesion&, TGuionPaso&)> orden;
    std::vector<std::string> abiertas;
  } filas[] = {
      {"KR",
       [](TSesion& s, TGuionPaso& g) {
         g.parametros = {1};
         OpcionKRnormalClick(s, g);
       },
       {kCaption + "KR   K=1"}},
      {"KC",
       [](TSesion& s, TGuionPaso& g) {
         g.parametros = {2};
         OpcionKCnormalClick(s, g);
       },
       {kCaption + "KC   K=2"}},
      {"KRNegativo", [](TSesion& s, TGuionPaso& g) { OpcionKRejemplosnegativosClick(s, g); },
       {kCaption + "KR NEGATIVO   K=2"}},
      {"KCIncremental",
       [](TSesion& s, TGuionPaso& g) {
         g.parametros = {1};
         g.ejemplo = "baaa";
         OpcionKCincrementalClick(s, g);
       },
       {kCaption + " KC INCREMENTAL   K=1", kCaption + " KC INCREMENTAL   K=1"}},
      {"KRIncremental",
       [](TSesion& s, TGuionPaso& g) {
         g.parametros = {0};
         g.ejemplo = "c";
         g.respuestasAvisos = {TRespuesta::Si};
         OpcionKRincrementalClick(s, g);
       },
       {kCaption + " KR INCREMENTAL   K=0", kCaption + " KR INCREMENTAL   K=0"}},
      {"IM1KSufijos",
       [](TSesion& s, TGuionPaso& g) {
         g.accionesHeuristico = {THeur{"1", THeuristico::K_Sufijos}};
         OpcionIM1Click(s, g);
       },
       {kCaption + "IM1   K=1  K Sufijos"}},
      {"IM1Levine",
       [](TSesion& s, TGuionPaso& g) {
         g.accionesHeuristico = {THeur{"1", THeuristico::Levine}};
         g.accionesCotaS = {{"2"}};
         OpcionIM1Click(s, g);
       },
       {kCaption + "IM1   K=4  Levine   S =2"}},
      {"IM1Miclet",
       [](TSesion& s, TGuionPaso& g) {
         g.accionesHeuristico = {THeur{"1", THeuristico::Miclet}};
         OpcionIM1Click(s, g);
       },
       {kCaption + "IM1   K=4  Miclet   S =1"}},
      {"SKR",
       [](TSesion& s, TGuionPaso& g) {
         s.MuestraSA = kSecuencias;
         OpcionSKRClick(s, g);
       },
       {"Paso a paso: M\xE1quina Mealy Resultado SKR  K= 0"}},
      {"SKC",
       [](TSesion& s, TGuionPaso& g) {
         s.MuestraSA = kSecuencias;
         OpcionSKCClick(s, g);
       },
       {"Paso a paso: M\xE1quina Mealy Resultado SKC  K= 0"}},
  };
  for (const auto& f : filas) {
    SCOPED_TRACE(f.nombre);
    TSesion sesion;
    sesion.MuestraPositiva = kMuestra;
    sesion.MuestraNegativa = {"a", "bab"};
    TGuionPaso guion;
    f.orden(sesion, guion);
    EXPECT_EQ(guion.abiertas, f.abiertas);
  }
}

// The logic alone on random samples: for KR, KC and the three IM1 heuristics the steps end
// in the result and the last step draws the result window's quotient.
TEST(PasoAPaso, RandomRunsEndInTheResultWindowsDrawing) {
  std::mt19937 azar(7);
  std::uniform_int_distribution<int> largo(0, 5), letra(0, 2), cuantos(1, 7);
  for (int vuelta = 0; vuelta < 40; ++vuelta) {
    TLista muestra;
    for (int n = cuantos(azar); n > 0; --n) {
      std::string e;
      for (int l = largo(azar); l > 0; --l) e += static_cast<char>('a' + letra(azar));
      if (std::find(muestra.begin(), muestra.end(), e) == muestra.end()) muestra.push_back(e);
    }
    const int k = vuelta % 3;
    const int maximo = static_cast<int>(LongitudMaxima(muestra));
    SCOPED_TRACE("vuelta " + std::to_string(vuelta));
    for (const auto& repetir : std::vector<TRepetir>{
             [&] { return RepetirKR(muestra, k); },
             [&] { return RepetirKC(muestra, k); },
             [&] { return RepetirIM1(muestra, {THeuristico::K_Sufijos, k, {}}); },
             [&] { return RepetirIM1(muestra, {THeuristico::Levine, maximo, std::string("1")}); },
             [&] { return RepetirIM1(muestra, {THeuristico::Miclet, maximo, std::string("2")}); },
         }) {
      TRepeticion repeticion = repetir();
      TSesion sesion;
      sesion.MuestraPositiva = muestra;
      TFmostrarAutomataLogica resultado(*repeticion.Resultado, sesion);
      TGuionPaso guion;
      resultado.FormShow(guion);
      const TDiagrama esperado = DiagramaDeVentana(resultado);
      TFpasoAPasoLogica ventana(std::move(repeticion), "r");
      Recorrer(ventana, esperado);
    }
  }
}

TEST(PasoAPaso, ARepeatThatEndsElsewhereOpensNothing) {
  TGuionPaso guion;
  TParticion otra{{"", "a"}};
  AbrirPasoAPaso([] { return RepetirKR({"a", "b"}, 0); }, otra, "x", guion);
  AbrirPasoAPaso({}, otra, "x", guion);
  EXPECT_TRUE(guion.abiertas.empty());
  EXPECT_EQ(guion.transcripcion, (std::vector<std::string>{std::string("Mensaje Error Ok: ") + kRepeticionDistinta}));
}

}  // namespace

// A blank is a symbol like any other: every step of KR, KC and IM1 on a sample with blanks
// reads as a sentence that names its blocks, never as the trace's text; KR's merges of
// marked examples say the quotient stays as it was.
TEST(PasoAPaso, EveryCauseIsASentenceOnASampleWithABlankSymbol) {
  const TLista muestra = {" ", "a ", "a  ", " a"};
  TParametrosIM1 ksufijos;
  ksufijos.Heuristico = THeuristico::K_Sufijos;
  ksufijos.K = 1;
  const struct {
    const char* nombre;
    TRepetir repetir;
  } casos[] = {
      {"KR k=0", [&] { return RepetirKR(muestra, 0); }},
      {"KR k=1", [&] { return RepetirKR(muestra, 1); }},
      {"KC k=1", [&] { return RepetirKC(muestra, 1); }},
      {"IM1 k-sufijos", [&] { return RepetirIM1(muestra, ksufijos); }},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    TRepeticion repeticion = caso.repetir();
    const auto pasos = repeticion.Pasos;
    ASSERT_FALSE(pasos.empty());
    const bool kr = repeticion.MarcaKR;
    TFpasoAPasoLogica ventana(std::move(repeticion), "r");
    const auto marcadosEn = [](const TFusionTrazada& f) { return f.Primero.ends_with("$") || f.Segundo.ends_with("$"); };
    for (std::size_t paso = 1; paso <= pasos.size(); ++paso) {
      const std::string frase = ventana.FraseDePaso(paso);
      const TFusionTrazada& fusion = pasos[paso - 1];
      SCOPED_TRACE(fusion.Causa);
      EXPECT_TRUE(frase.starts_with("Causa: ")) << frase;
      EXPECT_EQ(frase.find(fusion.Causa), std::string::npos) << frase;  // never the trace's text
      const bool conRegla = frase.find(" son ejemplos de la muestra") != std::string::npos ||
                            frase.find(" deben unirse") != std::string::npos ||
                            frase.find(" terminan en el mismo sufijo ") != std::string::npos ||
                            frase.find(" tienen las mismas k-colas") != std::string::npos;
      EXPECT_TRUE(conRegla) << frase;
      // the blocks named by their states ("q2 = { a, aa }"; a block the quotient leaves out,
      // without number)
      EXPECT_NE(frase.find(kr && marcadosEn(fusion) ? "{ " : " = { "), std::string::npos) << frase;
      EXPECT_FALSE(ventana.ReglaDePaso(paso).empty());
      const bool marcados = marcadosEn(fusion);
      EXPECT_EQ(ventana.CambiaCociente(paso), !(kr && marcados)) << frase;
      EXPECT_EQ(frase.find("El cociente no cambia") != std::string::npos, kr && marcados) << frase;
    }
  }
}
