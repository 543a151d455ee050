// Long work inside the command flows: for every command, cancelling any of its long steps
// shows nothing more than the closing of windows already open and leaves the session as it
// was; running out of memory in any of them shows the memory box, and the same command then
// runs again exactly as before. Cancelling inside a result window leaves that window as it
// was.
#include <algorithm>
#include <functional>
#include <tuple>

#include <gtest/gtest.h>

#include "../CarpetaTemporal.h"
#include "GuionMealy.h"
#include "InteraccionIM1Guion.h"
#include "app/comandos/ComandoIM1.h"
#include "app/comandos/ComandoIncremental.h"
#include "app/comandos/ComandosKR.h"
#include "app/comandos/ComandosMealy.h"
#include "app/comandos/ErrorInternoEnCaja.h"
#include "app/comandos/FlujoIM1.h"
#include "app/sesion/Sesion.h"
#include "core/Automata.h"

namespace {

using TTrabajo = TInteraccionGuion::TTrabajo;
using TTrabajos = std::deque<TTrabajo>;
using TLineas = std::vector<std::string>;

// What a run of a command showed, and where its long work started.
struct TCorrida {
  TLineas transcripcion;
  std::vector<std::size_t> lineasAlEmpezar;
  int detenidos = 0;
};

TCorrida Corrida(const TInteraccionGuion& guion) {
  return {guion.transcripcion, guion.lineasAlEmpezar, guion.detenidos};
}

TSesion SesionCon(TLista positiva, TLista negativa = {}, TLista muestraSA = {}) {
  TSesion sesion;
  sesion.MuestraPositiva = std::move(positiva);
  sesion.MuestraNegativa = std::move(negativa);
  sesion.MuestraSA = std::move(muestraSA);
  sesion.MuestraValidacion = {"ab"};
  sesion.CadenasSA = {"S9A9"};
  return sesion;
}

// The session's samples. CadenasSA is left out: it is the Mealy commands' working list,
// rebuilt once their sample has been read (a cancel of the reading keeps it, checked below).
auto Estado(const TSesion& s) {
  return std::tie(s.MuestraPositiva, s.MuestraNegativa, s.MuestraTest, s.MuestraValidacion, s.MuestraSA);
}

bool EsCierre(const std::string& linea) {
  return linea.rfind("Cerrado: ", 0) == 0 || linea == "Heuristico cerrado" || linea == "CotaS cerrado";
}

// The lines after the first `n` that are not the closing of a window.
TLineas NuevasTras(const TLineas& lineas, std::size_t n) {
  TLineas nuevas;
  for (std::size_t i = n; i < lineas.size(); ++i)
    if (!EsCierre(lineas[i])) nuevas.push_back(lineas[i]);
  return nuevas;
}

TLineas Primeras(const TLineas& lineas, std::size_t n) { return TLineas(lineas.begin(), lineas.begin() + n); }

const TLista kMuestra{"a", "ab", "abb", "b"};
const TLista kMuestraSA{"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""};

struct TCasoOrden {
  const char* nombre;
  std::function<TSesion()> sesion;
  std::function<TCorrida(TSesion&, TTrabajos)> correr;
};

template <typename TGuion, typename TPreparar, typename TOrden>
std::function<TCorrida(TSesion&, TTrabajos)> Orden(TPreparar preparar, TOrden orden) {
  return [preparar, orden](TSesion& sesion, TTrabajos trabajos) {
    TGuion guion;
    preparar(guion, sesion);
    guion.trabajos = std::move(trabajos);
    orden(sesion, guion);
    return Corrida(guion);
  };
}

std::function<TCorrida(TSesion&, TTrabajos)> OrdenIM1(THeuristico heuristico, bool conCota = false) {
  return Orden<TInteraccionIM1Guion>(
      [heuristico, conCota](TInteraccionIM1Guion& g, TSesion& s) {
        g.accionesHeuristico = {{"1", heuristico}};
        if (!conCota) return;
        TAutomata aceptor(s.MuestraPositiva);
        TFlujoIM1 flujo(aceptor, s.MuestraPositiva);
        g.accionesCotaS = {{flujo.CotasStren().front()}};
      },
      OpcionIM1Click);
}

std::function<TCorrida(TSesion&, TTrabajos)> OrdenKR(void (*orden)(TSesion&, TInteraccionKR&), int k = 1) {
  return Orden<TInteraccionKRGuion>([k](TInteraccionKRGuion& g, TSesion&) { g.parametros = {k}; }, orden);
}

std::function<TCorrida(TSesion&, TTrabajos)> OrdenMealy(TAlgoritmoMealy algoritmo) {
  return Orden<TGuionMealy>(
      [](TGuionMealy& g, TSesion&) {
        g.cierres = {TCierre::SiguienteK};
        g.respuestas = {TRespuesta::Reintentar, TRespuesta::Reintentar};
      },
      [algoritmo](TSesion& s, TGuionMealy& g) { EjecutarMealy(algoritmo, s, g); });
}

class OrdenConTrabajoLargo : public ::testing::TestWithParam<TCasoOrden> {};

TEST_P(OrdenConTrabajoLargo, CancelOrMemoryAtAnyStepChangesNothing) {
  const TCasoOrden& caso = GetParam();
  TSesion sesion = caso.sesion();
  const TSesion antes = sesion;
  const TCorrida completa = caso.correr(sesion, {});
  const std::size_t pasos = completa.lineasAlEmpezar.size();
  ASSERT_GE(pasos, 2u);
  ASSERT_TRUE(NuevasTras(completa.transcripcion, completa.lineasAlEmpezar.back()).size() > 0);
  for (std::size_t paso = 0; paso < pasos; ++paso) {
    SCOPED_TRACE("paso " + std::to_string(paso));
    const std::size_t n = completa.lineasAlEmpezar[paso];
    TTrabajos hasta(paso, TTrabajo::Terminar);

    sesion = antes;
    hasta.push_back(TTrabajo::Cancelar);
    const TCorrida cancelada = caso.correr(sesion, hasta);
    EXPECT_EQ(Primeras(cancelada.transcripcion, n), Primeras(completa.transcripcion, n));
    EXPECT_EQ(NuevasTras(cancelada.transcripcion, n), TLineas{});
    EXPECT_EQ(cancelada.lineasAlEmpezar.size(), paso + 1);
    EXPECT_TRUE(Estado(sesion) == Estado(antes));
    if (paso == 0) {
      EXPECT_EQ(sesion.CadenasSA, antes.CadenasSA);
    }

    sesion = antes;
    hasta.back() = TTrabajo::SinMemoria;
    const TCorrida sinMemoria = caso.correr(sesion, hasta);
    EXPECT_EQ(Primeras(sinMemoria.transcripcion, n), Primeras(completa.transcripcion, n));
    EXPECT_EQ(NuevasTras(sinMemoria.transcripcion, n), TLineas{std::string("Mensaje Error Ok: ") + kMemoriaInsuficiente});
    EXPECT_TRUE(Estado(sesion) == Estado(antes));
    EXPECT_EQ(caso.correr(sesion, {}).transcripcion, completa.transcripcion);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ordenes, OrdenConTrabajoLargo,
    ::testing::Values(
        TCasoOrden{"KR", [] { return SesionCon(kMuestra); }, OrdenKR(OpcionKRnormalClick)},
        TCasoOrden{"KC", [] { return SesionCon(kMuestra); }, OrdenKR(OpcionKCnormalClick)},
        TCasoOrden{"KRnegativo", [] { return SesionCon(kMuestra, {"ba"}); }, OrdenKR(OpcionKRejemplosnegativosClick)},
        TCasoOrden{"KCnegativo", [] { return SesionCon(kMuestra, {"ba"}); }, OrdenKR(OpcionKCejemplosnegativosClick)},
        TCasoOrden{"KRincremental", [] { return SesionCon(kMuestra); }, OrdenKR(OpcionKRincrementalClick, 0)},
        TCasoOrden{"IM1KSufijos", [] { return SesionCon({"a", "ab", "abb"}); }, OrdenIM1(THeuristico::K_Sufijos)},
        TCasoOrden{"IM1Levine", [] { return SesionCon(kMuestra); }, OrdenIM1(THeuristico::Levine, true)},
        TCasoOrden{"IM1Miclet", [] { return SesionCon(kMuestra); }, OrdenIM1(THeuristico::Miclet)},
        TCasoOrden{"SKR", [] { return SesionCon({}, {}, kMuestraSA); }, OrdenMealy(TAlgoritmoMealy::SKR)},
        TCasoOrden{"SKC", [] { return SesionCon({}, {}, kMuestraSA); }, OrdenMealy(TAlgoritmoMealy::SKC)}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The search over k polls between runs: a cancel stops it before its first run.
TEST(TrabajoLargo, NegativeSearchStopsAtItsCheck) {
  TSesion sesion = SesionCon(kMuestra, {"ba"});
  TInteraccionKRGuion guion;
  guion.trabajos = {TTrabajo::Cancelar};
  OpcionKRejemplosnegativosClick(sesion, guion);
  EXPECT_EQ(guion.detenidos, 1);
  EXPECT_EQ(guion.transcripcion, TLineas{});
}

// Inside a result window: a cancelled validation shows no chart and gives the session back
// its test sample; a cancelled conversion opens no window; a cancelled incremental pass
// leaves the automaton, the status text and the working sample as they were. The window
// goes on as before each time.
TEST(TrabajoLargo, CancelInsideAWindowLeavesTheWindowAsItWas) {
  TCarpetaTemporal carpeta("telar-trabajo-largo");
  const std::string test = carpeta.Escribir("t.tst", "ab\r\nba\r\n");

  TSesion sesion = SesionCon(kMuestra);
  TInteraccionKRGuion guion;
  guion.parametros = {0};
  guion.accionesResultado.push_back([&](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) {
    g.archivos = {test, test};
    g.trabajos = {TTrabajo::Cancelar};
    v.BotonValidarClick(g);
    EXPECT_EQ(sesion.MuestraValidacion, TLista{"ab"});
    EXPECT_EQ(v.Graficos().Aciertos(), "");
    v.BotonValidarClick(g);
    EXPECT_EQ(sesion.MuestraValidacion, (TLista{"ab", "ba"}));
  });
  OpcionKRnormalClick(sesion, guion);
  EXPECT_EQ(std::count_if(guion.transcripcion.begin(), guion.transcripcion.end(),
                          [](const std::string& l) { return l.rfind("Graficos: ", 0) == 0; }),
            1);

  TSesion im1 = SesionCon({"a", "ab", "abb"});
  TInteraccionIM1Guion conversion;
  conversion.accionesHeuristico = {{"1", THeuristico::K_Sufijos}};
  // the acceptor, its window, IM1 and the result window, then the conversion, cancelled
  conversion.trabajos = {TTrabajo::Terminar, TTrabajo::Terminar, TTrabajo::Terminar, TTrabajo::Terminar,
                         TTrabajo::Cancelar};
  OpcionIM1Click(im1, conversion);
  ASSERT_EQ(conversion.progresos.size(), 5u);
  EXPECT_EQ(NuevasTras(conversion.transcripcion, conversion.lineasAlEmpezar[4]), TLineas{});
  EXPECT_EQ(conversion.vistasResultado.size(), 1u);

  TSesion incremental = SesionCon({"ab", "b"});
  TInteraccionKRGuion paso;
  paso.parametros = {2};
  paso.ejemplos = {"ba", std::nullopt};
  // the first result and its window, then the check of "ba" and the new run, cancelled
  paso.trabajos = {TTrabajo::Terminar, TTrabajo::Terminar, TTrabajo::Terminar, TTrabajo::Cancelar};
  OpcionKRincrementalClick(incremental, paso);
  ASSERT_EQ(paso.vistasIncremental.size(), 2u);
  EXPECT_EQ(paso.vistasIncremental[1].estados, paso.vistasIncremental[0].estados);
  EXPECT_EQ(paso.vistasIncremental[1].texto, paso.vistasIncremental[0].texto);
  EXPECT_EQ(incremental.MuestraPositiva, (TLista{"ab", "b"}));
}

}  // namespace
