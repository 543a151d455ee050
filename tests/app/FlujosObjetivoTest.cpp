// The "&Objetivo" flows, scripted: define and replace the target, refuse a bad expression,
// generate samples into the session (seed kept, shortfall said, non-reversible target
// refused), and the labelled validation of a result window against the target.
#include <gtest/gtest.h>

#include "../CarpetaTemporal.h"
#include "InteraccionGuion.h"
#include "app/comandos/OperacionesAutomata.h"
#include "app/sesion/Sesion.h"
#include "app/objetivos/FlujosObjetivo.h"
#include "app/objetivos/InteraccionObjetivo.h"
#include "automatas/LecturaAutomata.h"

namespace {

class TGuionObjetivo : public TInteraccionGuion, public TInteraccionObjetivo {
 public:
  std::deque<std::optional<std::string>> expresiones;
  std::optional<TDatosGeneracion> generacion;  // the figures the user leaves; nullopt cancels
  std::vector<TLista> evaluaciones;
  std::vector<TVerObjetivo> vistas;

  std::optional<std::string> PedirExpresionObjetivo(const std::string& actual) override {
    transcripcion.push_back("Expresion: " + actual);
    auto e = expresiones.front();
    expresiones.pop_front();
    return e;
  }
  bool PedirGeneracion(TDatosGeneracion& datos) override {
    transcripcion.push_back("Generar: semilla " + std::to_string(datos.semilla));
    if (!generacion) return false;
    datos = *generacion;
    return true;
  }
  void MostrarObjetivo(const TVerObjetivo& ventana) override { vistas.push_back(ventana); }
  void MostrarEvaluacion(const TLista& lineas) override { evaluaciones.push_back(lineas); }
};

TEST(FlujosObjetivo, DefinirReemplazarQuitarYVer) {
  TSesion sesion;
  TGuionObjetivo guion;
  guion.expresiones = {"(a|b)*ab", "(ab", "(ab)*", std::nullopt};
  EXPECT_TRUE(DefinirExpresionClick(sesion, guion));
  EXPECT_EQ(TextoEstadoObjetivo(sesion), "Objetivo: (a|b)*ab");
  EXPECT_FALSE(DefinirExpresionClick(sesion, guion));  // malformed: an error box, the target stays
  EXPECT_EQ(guion.transcripcion[1], "Expresion: (a|b)*ab");
  EXPECT_EQ(guion.transcripcion[2].rfind("Mensaje Error Ok: ", 0), 0u);
  EXPECT_EQ(TextoEstadoObjetivo(sesion), "Objetivo: (a|b)*ab");
  EXPECT_TRUE(DefinirExpresionClick(sesion, guion));  // at most one target: replaced
  EXPECT_EQ(TextoEstadoObjetivo(sesion), "Objetivo: (ab)*");
  EXPECT_FALSE(DefinirExpresionClick(sesion, guion));  // cancelled
  EXPECT_TRUE(HayObjetivo(sesion));
  VerObjetivoClick(sesion, guion);
  ASSERT_EQ(guion.vistas.size(), 1u);
  EXPECT_EQ(guion.vistas[0].minimo.NumeroDeEstados(), 2);
  EXPECT_EQ(guion.vistas[0].lineas.back(), "Es k-reversible desde k = 0");
  QuitarObjetivoClick(sesion);
  EXPECT_EQ(TextoEstadoObjetivo(sesion), "");
  VerObjetivoClick(sesion, guion);
  EXPECT_EQ(guion.transcripcion.back(), "Mensaje Informacion Ok: No hay objetivo");
}

TEST(FlujosObjetivo, GenerarLlenaLasMuestrasDeLaSesion) {
  TSesion sesion;
  TGuionObjetivo guion;
  guion.expresiones = {"(a|b)*ab"};
  ASSERT_TRUE(DefinirExpresionClick(sesion, guion));
  guion.generacion = TDatosGeneracion{.positivos = 5, .negativos = 4, .test = 6, .longitud = 5, .semilla = 42,
                                      .caracteristica = TCaracteristica::KR, .k = 2};
  ASSERT_TRUE(GenerarMuestrasClick(sesion, guion, 7));
  EXPECT_EQ(guion.transcripcion[1], "Generar: semilla 7");
  EXPECT_GE(sesion.MuestraPositiva.size(), 9u);  // the characteristic sample, then the random strings
  EXPECT_EQ(sesion.MuestraNegativa.size(), 4u);
  EXPECT_EQ(sesion.MuestraTest.size(), 6u);
  EXPECT_TRUE(sesion.Habilitado(TAlgoritmo::KR));
  EXPECT_EQ(guion.transcripcion.back().find("Mensaje Informacion Ok: Semilla 42: "), 0u);
  const TLista antes = sesion.MuestraPositiva;
  ASSERT_TRUE(GenerarMuestrasClick(sesion, guion, 8));  // the same seed typed: the same samples
  EXPECT_EQ(sesion.MuestraPositiva, antes);

  guion.generacion->k = 0;  // not 0-reversible: refused, nothing changes
  EXPECT_FALSE(GenerarMuestrasClick(sesion, guion, 9));
  EXPECT_NE(guion.transcripcion.back().find("no es 0-reversible; el menor k para el que lo es es 2"), std::string::npos);
  EXPECT_EQ(sesion.MuestraPositiva, antes);

  guion.generacion = TDatosGeneracion{.positivos = 50, .longitud = 2, .semilla = 1};
  ASSERT_TRUE(GenerarMuestrasClick(sesion, guion, 9));
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"ab"}));
  EXPECT_NE(guion.transcripcion.back().find("solo hay 1"), std::string::npos);
  guion.generacion.reset();
  EXPECT_FALSE(GenerarMuestrasClick(sesion, guion, 9));
}

TEST(FlujosObjetivo, ValidarConEtiquetasYVeredicto) {
  TCarpetaTemporal carpeta("telar-flujos-objetivo");
  const auto test = carpeta.Escribir("t.tst", "ab\nba\nabab\n");
  const auto negativos = carpeta.Escribir("n.tst", "ba\n");
  TSesion sesion;
  TGuionObjetivo guion;
  const TAutomataVentana ventana{*LeerAutomataDeArgumento("er:(ab)*").automata, "KR", &sesion};
  // without a target: a file of strings in the language, then one of strings outside it
  guion.archivos = {test, negativos};
  ASSERT_TRUE(ValidarConEtiquetasClick(ventana, guion));
  EXPECT_EQ(guion.evaluaciones.back()[2], "Falsos negativos: 1");
  EXPECT_TRUE(LineasIdentificacionVentana(ventana).empty());
  // with one: the labels are the target's, and the verdict follows
  guion.expresiones = {"ab(ab)*"};
  ASSERT_TRUE(DefinirExpresionClick(sesion, guion));
  guion.archivos = {test};
  ASSERT_TRUE(ValidarConEtiquetasClick(ventana, guion));
  EXPECT_EQ(guion.evaluaciones.back()[5], "Exactitud: 100,00%");
  EXPECT_EQ(LineasIdentificacionVentana(ventana), (TLista{"Identifica el objetivo: no", "Testigo: &",
                                                           "Aceptada por el resultado y no por el objetivo"}));
  guion.archivos = {std::nullopt};
  EXPECT_FALSE(ValidarConEtiquetasClick(ventana, guion));
}

}  // namespace
