// Automata read back: every .json and .jff Telar writes (results of KR and KC on the
// example samples, their deterministic forms, their minimal automata) reads back as the
// same automaton; hand-written JFLAP files read as JFLAP means them; bad files get a
// message that names what is wrong and where.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Referencia.h"
#include "automatas/AutomataDeResultado.h"
#include "automatas/Comparacion.h"
#include "automatas/ExpresionRegular.h"
#include "automatas/LecturaAutomata.h"
#include "automatas/Minimizacion.h"
#include "core/ArchivoTexto.h"
#include "core/Automata.h"
#include "diagram/DiagramaAutomataFinito.h"
#include "diagram/DiagramaDeAutomata.h"
#include "diagram/EscritorJff.h"
#include "diagram/EscritorJson.h"
#include "inference/Incremental.h"
#include "results/DatosResultado.h"
#include "results/Determinizacion.h"

namespace {

std::string Datos(const std::string& relativa) { return std::string(TELAR_TEST_DATA) + "/" + relativa; }

// Same states with the same names, finals, initial and transitions (prefixes aside). A .jff
// has no alphabet: its symbols come in the order the transitions use them, so `leido` is
// first put over the original's alphabet.
void MismoAutomataConNombres(const TAutomataFinito& jff, const TAutomataFinito& original, const std::string& caso) {
  const TAutomataFinito leido = RenumeradoAlAlfabeto(jff, original.Alfabeto());
  ASSERT_EQ(leido.NumeroDeEstados(), original.NumeroDeEstados()) << caso;
  EXPECT_EQ(leido.Alfabeto(), original.Alfabeto()) << caso;
  EXPECT_EQ(leido.Inicial(), original.Inicial()) << caso;
  for (int q = 0; q < original.NumeroDeEstados(); ++q) {
    EXPECT_EQ(leido.Nombre(q), original.Nombre(q)) << caso;
    EXPECT_EQ(leido.EsFinal(q), original.EsFinal(q)) << caso;
    EXPECT_EQ(leido.Salidas(q), original.Salidas(q)) << caso;
  }
  EXPECT_TRUE(Isomorfos(leido, original)) << caso;
  EXPECT_TRUE(CompararAutomatas(leido, original).equivalentes) << caso;
}

void SeReleeIgual(const TAutomataFinito& original, const TDiagrama& diagrama, const std::string& caso) {
  const auto json = LeerAutomataJson(EscribirJson(diagrama));
  ASSERT_TRUE(json.automata) << caso << ": " << json.error;
  EXPECT_EQ(*json.automata, original) << caso << " (JSON, prefijos incluidos)";
  const auto jff = LeerAutomataJff(EscribirJff(diagrama, TDisposicion{}));
  ASSERT_TRUE(jff.automata) << caso << ": " << jff.error;
  MismoAutomataConNombres(*jff.automata, original, caso + " (.jff)");
}

TEST(LecturaAutomata, CadaExportacionDeTelarSeReleeComoElMismoAutomata) {
  const std::string muestras = std::string(TELAR_TEST_DATA) + "/../../data/muestras";
  int casos = 0;
  for (const auto& entrada : std::filesystem::directory_iterator(muestras)) {
    if (entrada.path().extension() != ".pos") continue;
    auto lectura = LeerArchivoTexto(entrada.path().string());
    ASSERT_TRUE(lectura.Correcta());
    for (auto& linea : lectura.lineas)  // a sample writes the empty example "&"
      if (linea == "&") linea.clear();
    for (const auto algoritmo : {TAlgoritmoK::KR, TAlgoritmoK::KC})
      for (int k = 0; k <= 3; ++k) {
        const std::string caso = entrada.path().filename().string() + (algoritmo == TAlgoritmoK::KR ? " KR" : " KC") +
                                 " k=" + std::to_string(k);
        const auto automata = InferenciaInicial(k, algoritmo, lectura.lineas);
        const TDatosResultado datos = CalcularDatosResultado(*automata);
        const auto cociente = AutomataDeCociente(*automata, datos);
        SeReleeIgual(cociente, DiagramaCociente(*automata, datos), caso);
        const auto determinista =
            ConstruirDeterminista(datos.TablaDestinos, datos.BloqueInicial, automata->Alfabeto().Lista());
        const auto filas = FilasFinales(determinista, datos.BloquesFinales);
        const auto deter = AutomataDeDeterminista(*automata, determinista, filas);
        SeReleeIgual(deter, DiagramaDeterminista(*automata, determinista, filas), caso + " determinista");
        EXPECT_TRUE(CompararAutomatas(cociente, deter).equivalentes) << caso;
        const auto minimo = Minimizar(cociente).automata;
        SeReleeIgual(minimo, DiagramaDeAutomataFinito(minimo), caso + " minimo");
        ++casos;
      }
  }
  EXPECT_GE(casos, 8 * 4);
}

TEST(LecturaAutomata, UnAutomataConLambdaSeExportaYSeRelee) {
  const auto expresion = *LeerExpresion("(a|b)*ab|&").automata;
  const auto jff = LeerAutomataJff(EscribirJff(DiagramaDeAutomataFinito(expresion), TDisposicion{}));
  ASSERT_TRUE(jff.automata) << jff.error;
  EXPECT_TRUE(jff.automata->TieneLambda());
  MismoAutomataConNombres(*jff.automata, expresion, "expresion");
}

std::string Contenido(const std::string& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

TEST(LecturaAutomata, ArchivosDeJflapEscritosAMano) {
  struct TFila {
    const char* archivo;
    const char* lenguaje;  // an expression of the language the file means
    int estados;           // states read (a label of n characters adds n-1)
    bool lambda;
  } filas[] = {
      // λ from inicio to medio, "ab" from medio to fin, no coordinates, &#13; after tags
      {"automatas/jflap-lambda-etiqueta-larga.jff", "b*ab(ab*ab)*", 4, true},
      // JFLAP 6: states right under <structure>, no name attribute
      {"automatas/jflap6-sin-automaton.jff", "(aa)*", 2, false},
  };
  for (const auto& fila : filas) {
    const auto lectura = LeerArchivoAutomata(Datos(fila.archivo));
    ASSERT_TRUE(lectura.automata) << fila.archivo << ": " << lectura.error;
    EXPECT_EQ(lectura.automata->NumeroDeEstados(), fila.estados) << fila.archivo;
    EXPECT_EQ(lectura.automata->TieneLambda(), fila.lambda) << fila.archivo;
    const auto esperado = *LeerExpresion(fila.lenguaje).automata;
    const auto comparacion = CompararAutomatas(*lectura.automata, esperado);
    EXPECT_TRUE(comparacion.equivalentes) << fila.archivo << ": testigo " << comparacion.TextoTestigo();
  }
  const auto nombres = *LeerArchivoAutomata(Datos("automatas/jflap-lambda-etiqueta-larga.jff")).automata;
  EXPECT_EQ(nombres.Nombre(0), "inicio");
  EXPECT_EQ(nombres.Nombre(nombres.Inicial()), "inicio");
  EXPECT_TRUE(nombres.EsFinal(2));
  EXPECT_EQ(LeerArchivoAutomata(Datos("automatas/jflap6-sin-automaton.jff")).automata->Nombre(1), "1");
}

TEST(LecturaAutomata, LosArchivosMalosDanUnMensajeQueDiceDonde) {
  struct TFila {
    const char* nombre;
    std::string texto;
    bool json;
    const char* mensaje;  // a part of the message
  } filas[] = {
      {"mealy", Contenido(Datos("automatas/maquina-mealy.jff")), false, "\"mealy\" (m\xE1quina de Mealy)"},
      {"pda", "<structure><type>pda</type></structure>", false, "aut\xF3mata con pila"},
      {"turing", "<structure><type>turing</type></structure>", false, "m\xE1quina de Turing"},
      {"moore", "<structure><type>moore</type></structure>", false, "m\xE1quina de Moore"},
      {"xml roto", Contenido(Datos("automatas/roto.jff")), false, "l\xEDnea 6"},
      {"sin type", "<structure>\n<automaton/>\n</structure>", false, "<type>"},
      {"otra raiz", "<automata/>", false, "<automata>"},
      {"vacio", "", false, "XML mal formado"},
      {"destino desconocido",
       "<structure><type>fa</type><automaton>\n<state id=\"0\"/>\n<transition><from>0</from>\n<to>5</to>"
       "<read>a</read></transition></automaton></structure>",
       false, "<to> no es el id de un estado (l\xEDnea 4)"},
      {"id repetido", "<structure><type>fa</type>\n<state id=\"0\"/>\n<state id=\"0\"/></structure>", false,
       "id repetido \"0\" (l\xEDnea 3)"},
      {"dos iniciales", "<structure><type>fa</type>\n<state id=\"0\"><initial/></state>\n<state id=\"1\"><initial/></state></structure>",
       false, "M\xE1s de un estado inicial (l\xEDnea 3)"},
      {"json coma", Contenido(Datos("automatas/coma-de-mas.json")), true, "l\xEDnea 9"},
      {"json mealy", R"({"formato":"telar-automata","version":1,"tipo":"mealy","alfabeto":[],"estados":[],"inicial":null,"finales":[],"transiciones":[]})",
       true, "m\xE1quina de Mealy"},
      {"json otro", R"({"a": 1})", true, "telar-automata"},
      {"json simbolo", R"({"formato":"telar-automata","version":1,"tipo":"automata","alfabeto":["a"],"estados":[{"id":0,"nombre":"q0","prefijos":[],"final":false}],"inicial":0,"finales":[],"transiciones":[{"origen":0,"destino":0,"simbolo":"b"}]})",
       true, "transiciones[0].simbolo"},
      {"json destino", R"({"formato":"telar-automata","version":1,"tipo":"automata","alfabeto":["a"],"estados":[{"id":0,"nombre":"q0","prefijos":[],"final":false}],"inicial":0,"finales":[],"transiciones":[{"origen":0,"destino":3,"simbolo":"a"}]})",
       true, "transiciones[0].destino"},
      {"json id", R"({"formato":"telar-automata","version":1,"tipo":"automata","alfabeto":[],"estados":[{"id":4,"nombre":"q0","prefijos":[],"final":false}],"inicial":null,"finales":[],"transiciones":[]})",
       true, "estados[0]"},
      {"json finales", R"({"formato":"telar-automata","version":1,"tipo":"automata","alfabeto":[],"estados":[{"id":0,"nombre":"q0","prefijos":[],"final":true}],"inicial":0,"finales":[],"transiciones":[]})",
       true, "\"finales\""},
      {"json tipos", R"({"formato":"telar-automata","version":1,"tipo":"automata","alfabeto":[3],"estados":[],"inicial":null,"finales":[],"transiciones":[]})",
       true, "alfabeto[0]: no es un texto"},
  };
  for (const auto& fila : filas) {
    const auto lectura = fila.json ? LeerAutomataJson(fila.texto) : LeerAutomataJff(fila.texto);
    EXPECT_FALSE(lectura.automata) << fila.nombre;
    EXPECT_NE(lectura.error.find(fila.mensaje), std::string::npos) << fila.nombre << ": " << lectura.error;
  }
  // by file: the name leads the message; an unknown extension or a missing file is named too
  EXPECT_EQ(LeerArchivoAutomata(Datos("automatas/roto.jff")).error.rfind(Datos("automatas/roto.jff"), 0), 0u);
  EXPECT_NE(LeerArchivoAutomata("x.txt").error.find("\"x.txt\""), std::string::npos);
  EXPECT_NE(LeerArchivoAutomata("/no/existe.jff").error.find("No se puede abrir"), std::string::npos);
  EXPECT_NE(LeerAutomataDeArgumento("er:(a").error.find("posici\xF3n 1"), std::string::npos);
}

}  // namespace
