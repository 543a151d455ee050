// The flows of the automaton operations with a scripted user, on the course's "ends in ab"
// sample: minimizing a result (and the minimal window's own buttons), comparing with an
// expression or a file, the expression, the accepted strings, and opening an automaton.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "../CarpetaTemporal.h"
#include "InteraccionAutomatasGuion.h"
#include "app/ventanas/AutomatasVentanas.h"
#include "app/comandos/OperacionesAutomata.h"
#include "app/sesion/Sesion.h"
#include "automatas/ExpresionRegular.h"
#include "automatas/Minimizacion.h"
#include "core/Automata.h"
#include "core/Utilidades.h"
#include "diagram/DiagramaAutomataFinito.h"
#include "diagram/EscritorJson.h"
#include "diagram/Recorrido.h"
#include "inference/AlgoritmoKR.h"

namespace {

const std::string kCaption = " Aut\xF3mata resultado";

TLista LeerMuestra(const std::string& ruta) {
  std::ifstream archivo(ruta);
  TLista lineas;
  for (std::string linea; std::getline(archivo, linea);) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    lineas.push_back(linea);
  }
  return lineas;
}

std::string Datos(const std::string& relativa) { return std::string(TELAR_TEST_DATA) + "/" + relativa; }

// A KR result window on termina-ab.pos with the given k, shown, and what its buttons get.
class OperacionesAutomata : public testing::Test {
 protected:
  TAutomataVentana Resultado(int k) {
    sesion.MuestraPositiva = LeerMuestra(Datos("../../data/muestras/termina-ab.pos"));
    automata = std::make_unique<TAutomata>(MarcarMuestra(sesion.MuestraPositiva));
    AlgoritmoKR(*automata, k, TModoInferencia::Silencioso, sesion.MuestraPositiva);
    ventana = std::make_unique<TFmostrarAutomataLogica>(*automata, sesion);
    ventana->FormShow(guion);
    return AutomataDeVentana(*ventana);
  }
  static TAutomataFinito Expresion(const std::string& texto) { return *LeerExpresion(texto).automata; }

  TSesion sesion;
  std::unique_ptr<TAutomata> automata;
  std::unique_ptr<TFmostrarAutomataLogica> ventana;
  TInteraccionAutomatasGuion guion;
};

TEST_F(OperacionesAutomata, MinimizeOpensTheMinimalWindowWhoseTipsPartitionTheResult) {
  const TAutomataVentana origen = Resultado(2);
  ASSERT_EQ(origen.automata.NumeroDeEstados(), 7);
  std::optional<TAutomataFinito> minimo;
  int estadosDelMinimoDelMinimo = 0;
  guion.accionesAutomata.push_back([&](TFmostrarAutomataFinitoLogica& v, TInteraccionAutomatasGuion& g) {
    minimo = v.Automata();
    // its own Minimizar: already minimal, each state grouping one
    g.accionesAutomata.push_back([&](TFmostrarAutomataFinitoLogica& w, TInteraccionAutomatasGuion&) {
      estadosDelMinimoDelMinimo = w.Automata().NumeroDeEstados();
    });
    OperacionAutomataClick(TOperacionAutomata::Minimizar, v.AutomataVentana(), g);
  });
  BotonMinimizarClick(origen, guion);
  ASSERT_TRUE(minimo);
  EXPECT_EQ(minimo->NumeroDeEstados(), 3);
  EXPECT_TRUE(CompararAutomatas(*minimo, origen.automata).equivalentes);
  EXPECT_TRUE(CompararAutomatas(*minimo, Expresion("(a|b)*ab")).equivalentes);
  EXPECT_EQ(estadosDelMinimoDelMinimo, 3);
  EXPECT_EQ(guion.progresos, (std::vector<std::string>{kProgresoMinimizar, kProgresoMinimizar}));
  const std::string caption = kCaption + " - M\xEDnimo";
  EXPECT_EQ(guion.transcripcion,
            (std::vector<std::string>{"Sonido: Result.wav", "Automata: " + caption, "Sonido: Result.wav",
                                      "Automata: " + caption + " - M\xEDnimo", "Sonido: Result.wav"}));
  // the last window shown was the minimal's minimal: each tip groups one state of its own
  for (std::size_t q = 0; q < guion.pistasAutomata.size(); ++q)
    EXPECT_NE(guion.pistasAutomata[q].find("\nAgrupa: q" + std::to_string(q)), std::string::npos)
        << guion.pistasAutomata[q];
  EXPECT_EQ(guion.ultimoInformeAutomata.front(), caption + " - M\xEDnimo");
  EXPECT_NE(std::find(guion.ultimoInformeAutomata.begin(), guion.ultimoInformeAutomata.end(),
                      "Muestra: " + ConjuntoATexto(sesion.MuestraPositiva)),
            guion.ultimoInformeAutomata.end())
      << "the report names the training sample";

  // the first window's tips: every result state grouped by exactly one minimal state
  guion.transcripcion.clear();
  BotonMinimizarClick(origen, guion);
  std::vector<int> vecesAgrupado(7, 0);
  for (const auto& pista : guion.pistasAutomata) {
    const auto agrupa = pista.find("\nAgrupa: ");
    ASSERT_NE(agrupa, std::string::npos) << pista;
    std::stringstream nombres(pista.substr(agrupa + 9));
    for (std::string nombre; std::getline(nombres, nombre, ',');) ++vecesAgrupado.at(std::stoi(nombre.substr(nombre.find('q') + 1)));
  }
  EXPECT_EQ(vecesAgrupado, std::vector<int>(7, 1));

  // a cancelled minimization shows nothing
  guion.transcripcion.clear();
  guion.trabajos.push_back(TInteraccionAutomatasGuion::TTrabajo::Cancelar);
  BotonMinimizarClick(origen, guion);
  EXPECT_TRUE(guion.transcripcion.empty());
}

TEST_F(OperacionesAutomata, TheMinimalWindowValidatesAsTheResultDoes) {
  TCarpetaTemporal carpeta("telar-validar-minimo");
  const std::string test = carpeta.Escribir("test.tst", "ab\r\nba\r\naab\r\n\r\nbbab\r\nabc\r\n");
  const TAutomataVentana origen = Resultado(2);
  sesion.MuestraNegativa = {"b", "abab"};
  TCuentasValidacion cuentas;
  TDetalleValidacion detalle;
  guion.archivos.push_back(test);
  guion.accionesAutomata.push_back([&](TFmostrarAutomataFinitoLogica& v, TInteraccionAutomatasGuion& g) {
    v.BotonValidarClick(g);
    cuentas = v.CuentasValidacion(sesion.MuestraValidacion);
    detalle = v.DetalleValidacion(sesion.MuestraValidacion);
  });
  BotonMinimizarClick(origen, guion);
  // the result window's own counting of the same file agrees
  const TCuentasValidacion delResultado = ventana->CuentasValidacion(sesion.MuestraValidacion);
  EXPECT_EQ(cuentas.total, 6);
  EXPECT_EQ(cuentas.aceptados, 3) << "ab, aab and bbab; the empty string, ba and abc (c is no symbol) are not";
  EXPECT_EQ(cuentas.aceptados, delResultado.aceptados);
  EXPECT_EQ(cuentas.entrenamiento, 9);
  EXPECT_EQ(detalle.negativosAceptados, TLista{"abab"});
  EXPECT_NE(std::find(guion.transcripcion.begin(), guion.transcripcion.end(), "Graficos: " + guion.ultimoGrafico.Aciertos()),
            guion.transcripcion.end());
}

TEST_F(OperacionesAutomata, CompareWithAnExpressionOrAFileGivesTheVerdictAndATraceableWitness) {
  TCarpetaTemporal carpeta("telar-comparar");
  const std::string jsonMinimo = carpeta.Escribir("minimo.json", EscribirJson(DiagramaDeAutomataFinito(
                                                                     Minimizar(Expresion("(a|b)*ab")).automata)));
  struct TCaso {
    const char* nombre;
    int k;
    std::vector<TInteraccionAutomatasGuion::TEntradaComparacion> entradas;
    std::vector<std::optional<std::string>> archivos;
    std::vector<std::string> esperado;  // the transcript after the dialog
  };
  const std::string dialogo = std::string("Comparar: ") + TFelegirComparacionLogica::kCaption;
  const std::string abrir = "Abrir: Comparar con un aut\xF3mata";
  const TCaso casos[] = {
      {"equivalent expression", 2, {{false, " (a|b)*ab "}}, {}, {dialogo, "Comparacion: Equivalentes"}},
      {"witness, the empty string", 0, {{false, "(a|b)*ab"}}, {},
       {dialogo, "Comparacion: No equivalentes / Testigo: & / Aceptada por: Aut\xF3mata resultado / Rechazada por: "
                 "(a|b)*ab"}},
      {"witness on the other side", 2, {{false, "(a|b)*b"}}, {},
       {dialogo, "Comparacion: No equivalentes / Testigo: b / Aceptada por: (a|b)*b / Rechazada por: Aut\xF3mata "
                 "resultado"}},
      {"blank, then malformed, then cancelled", 2, {{false, "  "}, {false, "(ab"}}, {},
       {dialogo, std::string("Mensaje Error Ok: ") + TFelegirComparacionLogica::kFaltaExpresion,
        "Mensaje Error Ok: Falta el par\xE9ntesis de cierre del abierto en la posici\xF3n 1"}},
      {"a file Telar wrote", 2, {{true, ""}}, {jsonMinimo}, {dialogo, abrir, "Comparacion: Equivalentes"}},
      {"a broken file, then a cancelled dialog", 2, {{true, ""}, {true, ""}}, {Datos("automatas/roto.jff"), std::nullopt},
       {dialogo, abrir, "*roto.jff", abrir}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    guion = TInteraccionAutomatasGuion();
    const TAutomataVentana origen = Resultado(caso.k);
    guion.transcripcion.clear();
    guion.entradasComparacion.assign(caso.entradas.begin(), caso.entradas.end());
    guion.archivos.assign(caso.archivos.begin(), caso.archivos.end());
    BotonCompararClick(origen, guion);
    ASSERT_EQ(guion.transcripcion.size(), caso.esperado.size());
    for (std::size_t i = 0; i < caso.esperado.size(); ++i) {
      if (caso.esperado[i].front() == '*') {
        EXPECT_EQ(guion.transcripcion[i].rfind("Mensaje Error Ok: ", 0), 0u);
        EXPECT_NE(guion.transcripcion[i].find(caso.esperado[i].substr(1)), std::string::npos) << guion.transcripcion[i];
      } else {
        EXPECT_EQ(guion.transcripcion[i], caso.esperado[i]);
      }
    }
    if (!guion.ultimaComparacion) continue;
    if (!guion.ultimaComparacion->HayTestigo()) {
      EXPECT_EQ(guion.ultimaComparacion->Explicacion(),
                "Aut\xF3mata resultado y " + guion.ultimaComparacion->NombreB() + " aceptan el mismo lenguaje.");
      continue;
    }
    // the witness traced on both diagrams: accepted on one side, rejected on the other
    const auto& c = *guion.ultimaComparacion;
    const bool enA = Recorrer(c.DiagramaA(), c.CadenaTestigo()).Aceptada(c.DiagramaA());
    const bool enB = Recorrer(c.DiagramaB(), c.CadenaTestigo()).Aceptada(c.DiagramaB());
    EXPECT_NE(enA, enB);
    EXPECT_EQ(enA, c.Comparacion().aceptaA);
  }
}

TEST_F(OperacionesAutomata, ExpressionIsTheLanguageOrSaysWhyNot) {
  BotonExpresionClick(Resultado(2), guion);
  EXPECT_EQ(guion.progresos, std::vector<std::string>{kProgresoExpresion});
  ASSERT_EQ(guion.transcripcion.back(), "Expresion: " + guion.ultimaExpresion);
  EXPECT_TRUE(CompararAutomatas(Expresion(guion.ultimaExpresion), Expresion("(a|b)*ab")).equivalentes);

  const TFexpresionLogica capada(Expresion("(a|b)*ab(a|bb)*(ba|b)*"), kCaption, 5);
  EXPECT_TRUE(capada.Truncada());
  EXPECT_FALSE(capada.HayExpresion());
  EXPECT_FALSE(capada.Mensaje().empty());
  EXPECT_EQ(capada.Caption(), "Expresi\xF3n regular - Aut\xF3mata resultado");

  TAutomataFinito vacio(TLista{"a"});
  vacio.PonerInicial(vacio.AnadirEstado());
  const TFexpresionLogica ninguna(vacio, "");
  EXPECT_FALSE(ninguna.HayExpresion());
  EXPECT_FALSE(ninguna.Mensaje().empty());
}

TEST_F(OperacionesAutomata, StringsListTheFirstNAndCountEachLength) {
  guion.numerosCadenas = {8};
  BotonCadenasClick(Resultado(2), guion);
  EXPECT_EQ(guion.transcripcion.back(), "Cadenas: Cadenas - Aut\xF3mata resultado");
  EXPECT_EQ(guion.ultimasCadenas, (TLista{"ab", "aab", "bab", "aaab", "abab", "baab", "bbab", "aaaab"}));
  ASSERT_EQ(guion.ultimasCuentas.size(), TFcadenasLogica::kLongitudMinima + 1);
  for (std::size_t l = 0; l < guion.ultimasCuentas.size(); ++l)
    EXPECT_EQ(guion.ultimasCuentas[l],
              "Longitud " + std::to_string(l) + ": " + std::to_string(l < 2 ? 0 : 1u << (l - 2)));
  EXPECT_EQ(guion.ultimoTamano, "Lenguaje infinito");

  // k = 0 accepts everything, the empty string first; the number is kept within bounds
  guion.numerosCadenas = {0};
  BotonCadenasClick(Resultado(0), guion);
  EXPECT_EQ(guion.ultimasCadenas, TLista{"&"});
  TFcadenasLogica ventanaCadenas(Expresion("ab|b"), kCaption);
  EXPECT_EQ(ventanaCadenas.Numero(), TFcadenasLogica::kNumeroInicial);
  EXPECT_EQ(ventanaCadenas.Cadenas(), (TLista{"b", "ab"}));
  EXPECT_EQ(ventanaCadenas.Tamano(), "Lenguaje finito");
  ventanaCadenas.PonerNumero(TFcadenasLogica::kNumeroMaximo + 1);
  EXPECT_EQ(ventanaCadenas.Numero(), TFcadenasLogica::kNumeroMaximo);
  EXPECT_EQ(TFcadenasLogica(Expresion("a"), "").Cadenas(), TLista{"a"});
}

TEST_F(OperacionesAutomata, OpenAutomatonShowsItOrTheModulesMessage) {
  TCarpetaTemporal carpeta("telar-abrir");
  const std::string json = carpeta.Escribir(
      "termina-ab.json", EscribirJson(DiagramaDeAutomataFinito(Minimizar(Expresion("(a|b)*ab")).automata)));
  struct TCaso {
    const char* nombre;
    std::optional<std::string> archivo;
    std::string esperado;  // the line after the dialog ("" for none); "*" + part of an error box
  };
  const TCaso casos[] = {
      {"Telar's JSON", json, "Automata: Aut\xF3mata termina-ab.json"},
      {"JFLAP with a lambda move", Datos("automatas/jflap-lambda-etiqueta-larga.jff"),
       "Automata: Aut\xF3mata jflap-lambda-etiqueta-larga.jff (determinista)"},
      {"a Mealy machine", Datos("automatas/maquina-mealy.jff"), "*m\xE1quina de Mealy"},
      {"broken XML", Datos("automatas/roto.jff"), "*l\xEDnea 6"},
      {"missing file", carpeta.Ruta("no-existe.json"), "*no-existe.json"},
      {"another extension", carpeta.Escribir("muestra.pos", "ab\n"), "*muestra.pos"},
      {"cancelled", std::nullopt, ""},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    guion = TInteraccionAutomatasGuion();
    std::optional<TAutomataFinito> abierto;
    guion.archivos.push_back(caso.archivo);
    guion.accionesAutomata.push_back([&](TFmostrarAutomataFinitoLogica& v, TInteraccionAutomatasGuion&) {
      abierto = v.Automata();
    });
    EXPECT_EQ(AbrirAutomataClick(sesion, guion), caso.esperado.rfind("Automata: ", 0) == 0);
    ASSERT_GE(guion.transcripcion.size(), 1u);
    EXPECT_EQ(guion.transcripcion[0], "Abrir: Abrir aut\xF3mata");
    EXPECT_EQ(guion.dialogos[0].filtro,
              "Aut\xF3matas (*.json;*.jff)|*.json;*.jff|JSON (*.json)|*.json|JFLAP (*.jff)|*.jff");
    if (caso.esperado.empty()) {
      EXPECT_EQ(guion.transcripcion.size(), 1u);
    } else if (caso.esperado.front() == '*') {
      ASSERT_EQ(guion.transcripcion.size(), 2u);
      EXPECT_EQ(guion.transcripcion[1].rfind("Mensaje Error Ok: ", 0), 0u);
      EXPECT_NE(guion.transcripcion[1].find(caso.esperado.substr(1)), std::string::npos) << guion.transcripcion[1];
    } else {
      ASSERT_GE(guion.transcripcion.size(), 2u);
      EXPECT_EQ(guion.transcripcion[1], caso.esperado);
      ASSERT_TRUE(abierto);
      EXPECT_TRUE(abierto->EsDeterminista());
      for (int q = 0; q < abierto->NumeroDeEstados(); ++q) EXPECT_EQ(abierto->Nombre(q), "q" + std::to_string(q));
    }
  }
  // the file Telar wrote reads back as the same language
  guion = TInteraccionAutomatasGuion();
  guion.archivos.push_back(json);
  std::optional<TAutomataFinito> abierto;
  guion.accionesAutomata.push_back(
      [&](TFmostrarAutomataFinitoLogica& v, TInteraccionAutomatasGuion&) { abierto = v.Automata(); });
  ASSERT_TRUE(AbrirAutomataClick(sesion, guion));
  EXPECT_TRUE(CompararAutomatas(*abierto, Expresion("(a|b)*ab")).equivalentes);
}

}  // namespace
