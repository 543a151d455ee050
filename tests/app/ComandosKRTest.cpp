// The KR and KC command flows with a scripted user: what is shown, in which order, with
// which captions and texts, and what is not shown when a command stops early.
#include "app/comandos/ComandosKR.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

#include <gtest/gtest.h>

#include "InteraccionKRGuion.h"
#include "app/comandos/ComandoIncremental.h"
#include "app/comandos/ErrorInternoEnCaja.h"
#include "app/sesion/Sesion.h"
#include "core/ErrorInterno.h"
#include "inference/AlgoritmoKR.h"

namespace {

using Transcripcion = std::vector<std::string>;

const std::string kResultadoKR0 = "Resultado: Aut\xF3mata resultado KR   K=0";

TSesion SesionCon(TLista positiva, TLista negativa = {}) {
  TSesion sesion;
  sesion.MuestraPositiva = std::move(positiva);
  sesion.MuestraNegativa = std::move(negativa);
  return sesion;
}

std::string LeerArchivo(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

TEST(ComandosKR, PlainKRShowsDialogAcceptorThenResult) {
  TSesion sesion = SesionCon({"ab", "b"});
  TInteraccionKRGuion guion;
  guion.parametros = {0};
  OpcionKRnormalClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion,
            (Transcripcion{"Parametro: max=2", "Aceptor: Aceptor de prefijos  (KR)", kResultadoKR0,
                           "Sonido: Result.wav", "Cerrado: Aut\xF3mata resultado KR   K=0"}));
  ASSERT_EQ(guion.vistasAceptor.size(), 1u);
  const auto& aceptor = guion.vistasAceptor[0];
  EXPECT_EQ(aceptor.alfabeto, "{ a, b, $ }");
  EXPECT_EQ(aceptor.efinales, "{ ab$, b$ }");
  EXPECT_EQ(aceptor.estados, "{ &, a, ab, ab$, b, b$ }");
  EXPECT_EQ(aceptor.einicial, "&");
  EXPECT_EQ(aceptor.rejilla.Columnas(), 4u);
  EXPECT_EQ(aceptor.rejilla.Filas(), 7u);
  ASSERT_EQ(guion.vistasResultado.size(), 1u);
  EXPECT_EQ(guion.vistasResultado[0].einicial, "q1 = { a, & }");
  EXPECT_EQ(guion.vistasResultado[0].estados, "  q0 = { ab, b }  q1 = { a, & }");
  EXPECT_EQ(guion.vistasResultado[0].alfabeto, "{ a, b }");
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"ab", "b"}));
}

TEST(ComandosKR, PlainKCShowsTheUnmarkedAcceptor) {
  TSesion sesion = SesionCon({"ab", "b"});
  TInteraccionKRGuion guion;
  guion.parametros = {1};
  OpcionKCnormalClick(sesion, guion);
  ASSERT_EQ(guion.vistasAceptor.size(), 1u);
  EXPECT_EQ(guion.vistasAceptor[0].caption, "Aceptor de prefijos  (KC)");
  EXPECT_EQ(guion.vistasAceptor[0].alfabeto, "{ a, b }");
  EXPECT_EQ(guion.vistasAceptor[0].efinales, "{ ab, b }");
  EXPECT_EQ(guion.vistasAceptor[0].estados, "{ &, a, ab, b }");
  ASSERT_EQ(guion.vistasResultado.size(), 1u);
  EXPECT_EQ(guion.vistasResultado[0].caption, "Aut\xF3mata resultado KC   K=1");
  EXPECT_EQ(guion.vistasResultado[0].estados, "  q0 = { & }  q1 = { a }  q2 = { ab, b }");
}

TEST(ComandosKR, TheDialogOffersZeroToTheLongestExampleAndKeepsKInside) {
  TSesion sesion = SesionCon({"abc", "b"});
  TInteraccionKRGuion guion;
  guion.parametros = {9};  // the spin box stops at its maximum
  OpcionKCnormalClick(sesion, guion);
  EXPECT_EQ(guion.maximoParametro, 3);
  ASSERT_EQ(guion.vistasResultado.size(), 1u);
  EXPECT_EQ(guion.vistasResultado[0].caption, "Aut\xF3mata resultado KC   K=3");
}

TEST(ComandosKR, CancellingTheDialogShowsNothingMore) {
  for (auto comando : {OpcionKRnormalClick, OpcionKCnormalClick, OpcionKRincrementalClick, OpcionKCincrementalClick}) {
    TSesion sesion = SesionCon({"ab", "b"});
    TInteraccionKRGuion guion;
    guion.parametros = {std::nullopt};
    comando(sesion, guion);
    EXPECT_EQ(guion.transcripcion, (Transcripcion{"Parametro: max=2"}));
  }
}

TEST(ComandosKR, AcceptorReportIsSavedAsTheWindowShowsIt) {
  const auto ruta = std::filesystem::temp_directory_path() / "telar-kr-aceptor.aut";
  TSesion sesion = SesionCon({"ab", "b"});
  TInteraccionKRGuion guion;
  guion.parametros = {0};
  guion.archivos = {ruta.string()};
  guion.accionesAceptor.push_back([](TFmostrarAceptorLogica& v, TInteraccionKRGuion& g) { v.BotonGuardarClick(g); });
  OpcionKRnormalClick(sesion, guion);
  EXPECT_EQ(LeerArchivo(ruta),
            "Aceptor de prefijos  (KR)\r\n"
            "Muestra: { ab, b }\r\n"
            "Alfabeto: { a, b, $ }\r\n"
            "Estado Inicial: { & }\r\n"
            "Estados Finales: { ab$, b$ }\r\n"
            "Conjunto de Estados: { &, a, ab, ab$, b, b$ }\r\n"
            "Funci\xF3n de Transici\xF3n: \r\n"
            " E/A   a  b  $\r\n"
            "  &  a  b  _\r\n"
            "  a  _  ab  _\r\n"
            "  ab  _  _  ab$\r\n"
            "  ab$  _  _  _\r\n"
            "  b  _  _  b$\r\n"
            "  b$  _  _  _\r\n");
  std::filesystem::remove(ruta);
}

// A "$" in the positive sample would be taken for KR's own end marker.
TEST(ComandosKR, KRRefusesASampleThatUsesTheMarker) {
  for (auto comando : {OpcionKRnormalClick, OpcionKRincrementalClick, OpcionKRejemplosnegativosClick}) {
    TSesion sesion = SesionCon({"a$b", "b"}, {"a"});
    TInteraccionKRGuion guion;
    guion.parametros = {0};
    comando(sesion, guion);
    EXPECT_EQ(guion.transcripcion, (Transcripcion{"Mensaje Error Ok: " + MensajeMarcaFinalEnMuestra()}));
    EXPECT_EQ(sesion.MuestraPositiva, (TLista{"a$b", "b"}));
  }
  // KC has no marker: the same sample runs.
  TSesion sesion = SesionCon({"a$b", "b"});
  TInteraccionKRGuion guion;
  guion.parametros = {0};
  OpcionKCnormalClick(sesion, guion);
  EXPECT_EQ(guion.vistasResultado.size(), 1u);
}

struct CasoBoton {
  const char* nombre;
  char algoritmo;
  int variante;  // 0 plain, 1 incremental, 2 negative
  Transcripcion esperada;
};

class BotonesKRKC : public testing::TestWithParam<CasoBoton> {};

TEST_P(BotonesKRKC, SoundThenTheCheckedVariant) {
  const auto& caso = GetParam();
  TSesion sesion = SesionCon({"ab", "b"});
  if (caso.algoritmo == 'R')
    sesion.ElegirVarianteKR(static_cast<TVarianteKR>(caso.variante));
  else
    sesion.ElegirVarianteKC(static_cast<TVarianteKC>(caso.variante));
  TInteraccionKRGuion guion;  // cancels the parameter dialog
  if (caso.algoritmo == 'R')
    BotonKRClick(sesion, guion);
  else
    BotonKCClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion, caso.esperada);
}

INSTANTIATE_TEST_SUITE_P(
    ComandosKR, BotonesKRKC,
    testing::Values(
        CasoBoton{"kr_normal", 'R', 0, {"Sonido: Execute.wav", "Parametro: max=2"}},
        CasoBoton{"kr_incremental", 'R', 1, {"Sonido: Execute.wav", "Parametro: max=2"}},
        CasoBoton{"kr_negativo", 'R', 2, {"Sonido: Execute.wav", "Mensaje Error Ok: No existe Muestra Negativa"}},
        CasoBoton{"kc_normal", 'C', 0, {"Sonido: Execute.wav", "Parametro: max=2"}},
        CasoBoton{"kc_incremental", 'C', 1, {"Sonido: Execute.wav", "Parametro: max=2"}},
        CasoBoton{"kc_negativo", 'C', 2, {"Sonido: Execute.wav", "Mensaje Error Ok: No existe Muestra Negativa"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ComandosKR, ButtonsWithoutSampleOnlySayNoExisteMuestra) {
  for (auto boton : {BotonKRClick, BotonKCClick}) {
    TSesion sesion;
    TInteraccionKRGuion guion;
    guion.parametros = {0};
    boton(sesion, guion);
    EXPECT_EQ(guion.transcripcion, (Transcripcion{"Mensaje Error Ok: No existe Muestra"}));
  }
}

TEST(ComandosKR, IncrementalVariantFromTheButtonRunsThePasses) {
  TSesion sesion = SesionCon({"ab", "b"});
  sesion.ElegirVarianteKR(TVarianteKR::TipoKR_I);
  TInteraccionKRGuion guion;
  guion.parametros = {0};
  guion.ejemplos = {"ba"};
  BotonKRClick(sesion, guion);
  ASSERT_EQ(guion.vistasIncremental.size(), 2u);
  EXPECT_EQ(guion.vistasIncremental[1].texto, "Aplicado el algoritmo incremental");
}

struct CasoNegativo {
  const char* nombre;
  char algoritmo;
  TLista positiva;
  TLista negativa;
  Transcripcion esperada;
};

class BusquedaNegativa : public testing::TestWithParam<CasoNegativo> {};

TEST_P(BusquedaNegativa, FirstKThatRejectsEveryNegativeExample) {
  const auto& caso = GetParam();
  TSesion sesion = SesionCon(caso.positiva, caso.negativa);
  TInteraccionKRGuion guion;
  if (caso.algoritmo == 'R')
    OpcionKRejemplosnegativosClick(sesion, guion);
  else
    OpcionKCejemplosnegativosClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion, caso.esperada);
  for (const auto& vista : guion.vistasResultado) {
    const std::string k = vista.caption.substr(vista.caption.size() - 1);
    EXPECT_EQ(vista.texto, "Encontrada soluci\xF3n para K = " + k);
  }
}

std::string Resultado(const std::string& caption) { return "Resultado: " + caption; }
std::string Cerrado(const std::string& caption) { return "Cerrado: " + caption; }
const std::string kKR0 = "Aut\xF3mata resultado KR NEGATIVO   K=0";
const std::string kKR1 = "Aut\xF3mata resultado KR NEGATIVO   K=1";
const std::string kKC1 = "Aut\xF3mata resultado KC NEGATIVO   K=1";

INSTANTIATE_TEST_SUITE_P(
    ComandosKR, BusquedaNegativa,
    testing::Values(
        CasoNegativo{"kr_k0", 'R', {"ab", "b"}, {"a"}, {Resultado(kKR0), "Sonido: Result.wav", Cerrado(kKR0)}},
        CasoNegativo{"kr_k1", 'R', {"ab", "b"}, {"aab"}, {Resultado(kKR1), "Sonido: Result.wav", Cerrado(kKR1)}},
        CasoNegativo{"kc_k1", 'C', {"aa", "ba"}, {"b"}, {Resultado(kKC1), "Sonido: Result.wav", Cerrado(kKC1)}},
        CasoNegativo{"caracter_nuevo_siempre_rechazado", 'R', {"ab", "b"}, {"c"},
                     {Resultado(kKR0), "Sonido: Result.wav", Cerrado(kKR0)}},
        CasoNegativo{"negativo_tambien_positivo", 'R', {"ab", "b"}, {"ab"},
                     {"Mensaje Informacion Ok: No se encontr\xF3 soluci\xF3n para el rango de K = [0..2]"}},
        CasoNegativo{"kc_sin_solucion", 'C', {"ab", "b"}, {"a", "b"},
                     {"Mensaje Informacion Ok: No se encontr\xF3 soluci\xF3n para el rango de K = [0..2]"}},
        CasoNegativo{"sin_muestra_negativa", 'C', {"ab", "b"}, {},
                     {"Mensaje Error Ok: No existe Muestra Negativa"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The incremental command on [ab, b] with k = 0, whose first result accepts a*b.
class Incremental : public testing::Test {
 protected:
  TSesion sesion = SesionCon({"ab", "b"});
  TInteraccionKRGuion guion;

  void Ejecutar(char letra, int k, std::deque<std::optional<std::string>> ejemplos) {
    guion.parametros = {k};
    guion.ejemplos = std::move(ejemplos);
    if (letra == 'R')
      OpcionKRincrementalClick(sesion, guion);
    else
      OpcionKCincrementalClick(sesion, guion);
  }
  std::vector<std::string> Textos() const {
    std::vector<std::string> r;
    for (const auto& v : guion.vistasIncremental) r.push_back(v.texto);
    return r;
  }
};

TEST_F(Incremental, AcceptedExampleChangesNothingRejectedOneReruns) {
  Ejecutar('R', 0, {"aab", "ba"});
  EXPECT_EQ(Textos(), (std::vector<std::string>{"", "Reconocido. No se ha modificado el aut\xF3mata",
                                                "Aplicado el algoritmo incremental"}));
  const auto& vistas = guion.vistasIncremental;
  EXPECT_EQ(vistas[0].caption, "Aut\xF3mata resultado  KR INCREMENTAL   K=0");
  EXPECT_EQ(vistas[1].estados, vistas[0].estados);
  EXPECT_NE(vistas[2].estados, vistas[1].estados);
  EXPECT_EQ(vistas[2].ejemplosIntroducidos, (TLista{"aab", "ba"}));
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"ab", "b"}));
  for (const auto& linea : guion.transcripcion) EXPECT_EQ(linea.rfind("Avisos", 0), std::string::npos);
}

TEST_F(Incremental, NewCharacterAsksAndNoLeavesTheAutomaton) {
  guion.respuestasAvisos = {TRespuesta::No, TRespuesta::Si};
  Ejecutar('R', 0, {"c", "c"});
  EXPECT_EQ(Textos(), (std::vector<std::string>{"", "   ", "Aplicado el algoritmo incremental"}));
  const std::string aviso = "Avisos: Nuevo car\xE1" "cter. / \xBF" "Desea ampliar el alfabeto?";
  EXPECT_EQ(std::count(guion.transcripcion.begin(), guion.transcripcion.end(), aviso), 2);
  EXPECT_EQ(guion.vistasIncremental[1].alfabeto, "{ a, b }");
  EXPECT_EQ(guion.vistasIncremental[2].alfabeto, "{ a, b, c }");
}

TEST_F(Incremental, ClosingTheNoticeOtherwiseKeepsTheFirstStatusText) {
  Ejecutar('C', 1, {"c"});  // no answer scripted: the notice is closed
  EXPECT_EQ(Textos(), (std::vector<std::string>{"", "Reconocido. No se ha modificado el aut\xF3mata"}));
  EXPECT_EQ(guion.vistasIncremental[1].alfabeto, "{ a, b }");
}

TEST_F(Incremental, EmptyBoxSaysDebeInsertarUnEjemploAndMakesNoPass) {
  Ejecutar('R', 0, {"", "ba"});
  EXPECT_EQ(Textos(), (std::vector<std::string>{"", "Aplicado el algoritmo incremental"}));
  const auto primeraVista = std::find(guion.transcripcion.begin(), guion.transcripcion.end(),
                                      "Mensaje Error Ok: Debe insertar un ejemplo");
  EXPECT_NE(primeraVista, guion.transcripcion.end());
}

TEST_F(Incremental, TypedCapitalsAreTestedLowercasedAndListedAsTyped) {
  Ejecutar('R', 0, {"ABa", "aba"});
  EXPECT_EQ(Textos(), (std::vector<std::string>{"", "Aplicado el algoritmo incremental",
                                                "Reconocido. No se ha modificado el aut\xF3mata"}));
  EXPECT_EQ(guion.vistasIncremental[2].ejemplosIntroducidos, (TLista{"ABa"}));
}

// An accented capital is lowercased as samples are, so it matches its own alphabet.
TEST_F(Incremental, AccentedCapitalsMatchTheLowercasedSample) {
  sesion.MuestraPositiva = {"\xE1" "b", "b"};
  Ejecutar('R', 0, {"\xC1" "b", "\xC1\xC1" "b"});
  EXPECT_EQ(Textos(), (std::vector<std::string>{"", "Reconocido. No se ha modificado el aut\xF3mata",
                                                "Reconocido. No se ha modificado el aut\xF3mata"}));
  for (const auto& linea : guion.transcripcion) EXPECT_EQ(linea.rfind("Avisos", 0), std::string::npos);
}

TEST_F(Incremental, KRRefusesAnExampleWithTheMarker) {
  guion.respuestasAvisos = {TRespuesta::Si};
  Ejecutar('R', 0, {"a$", "ba"});
  EXPECT_EQ(Textos(), (std::vector<std::string>{"", "", "Aplicado el algoritmo incremental"}));
  EXPECT_NE(std::find(guion.transcripcion.begin(), guion.transcripcion.end(),
                      "Mensaje Error Ok: " + MensajeMarcaFinalEnEjemplo()),
            guion.transcripcion.end());
  // KC has no marker: "$" is a new character like any other.
  TInteraccionKRGuion kc;
  kc.parametros = {0};
  kc.ejemplos = {"a$"};
  kc.respuestasAvisos = {TRespuesta::Si};
  OpcionKCincrementalClick(sesion, kc);
  ASSERT_EQ(kc.vistasIncremental.size(), 2u);
  EXPECT_EQ(kc.vistasIncremental[1].alfabeto, "{ a, b, $ }");
}

TEST_F(Incremental, ReportListsTheExamplesAdded) {
  TLista informe;
  // Save from the last showing: wrap the script so that the window's report is built.
  struct TGuardar : TInteraccionKRGuion {
    TLista* informe;
    TCierre MostrarIncremental(TFmostrarAutomata1Logica& v) override {
      const TCierre c = TInteraccionKRGuion::MostrarIncremental(v);
      if (c != TCierre::Reintentar) {
        v.FormShow(*this);
        v.GuardarResultados();
        *informe = v.Informe();
      }
      return c;
    }
  } g;
  g.informe = &informe;
  g.parametros = {0};
  g.ejemplos = {"ba", "aab"};
  OpcionKRincrementalClick(sesion, g);
  ASSERT_GE(informe.size(), 3u);
  EXPECT_EQ(informe[0], "Aut\xF3mata resultado  KR INCREMENTAL   K=0");
  EXPECT_EQ(informe[1], "Muestra: { ab, b }");
  EXPECT_EQ(informe[2], "Ejemplos a\xF1" "adidos: { ba, aab }");
}

TEST(ComandosKR, InternalFaultEndsTheCommandInAnErrorBox) {
  TInteraccionKRGuion guion;
  bool despues = false;
  ConErrorInternoEnCaja(guion, [&] {
    throw TErrorInterno("ERROR INT0KR10");
    despues = true;
  });
  EXPECT_FALSE(despues);
  EXPECT_EQ(guion.transcripcion, (Transcripcion{"Mensaje Error Ok: ERROR INT0KR10"}));
}

TEST(ComandosKR, RunningOutOfMemoryEndsTheCommandInAnErrorBoxAndKeepsTheSample) {
  TSesion sesion = SesionCon({"ab", "b"});
  TInteraccionKRGuion guion;
  guion.parametros = {0, 0};
  // memory runs out while the acceptor is shown
  guion.accionesAceptor.push_back([](TFmostrarAceptorLogica&, TInteraccionKRGuion&) { throw std::bad_alloc(); });
  OpcionKRnormalClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion,
            (Transcripcion{"Parametro: max=2", "Aceptor: Aceptor de prefijos  (KR)",
                           std::string("Mensaje Error Ok: ") + kMemoriaInsuficiente}));
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"ab", "b"}));
  // the program goes on: the same command runs in full
  guion.transcripcion.clear();
  OpcionKRnormalClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion.size(), 5u);
  EXPECT_EQ(guion.transcripcion[2], kResultadoKR0);
}

TEST(ComandosKR, ResultCaptions) {
  EXPECT_EQ(CaptionResultadoKR(3), "Aut\xF3mata resultado KR   K=3");
  EXPECT_EQ(CaptionResultadoKC(0), "Aut\xF3mata resultado KC   K=0");
}

}  // namespace
