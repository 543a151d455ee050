// The graph description of each automaton kind and its DOT text: golden files for the
// worked examples, and every DOT read back by Graphviz with the names, shapes and labels
// the grid shows.
#include <graphviz/cgraph.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "Montajes.h"
#include "core/Texto.h"
#include "core/Utilidades.h"
#include "diagram/Disposicion.h"
#include "diagram/EscritorDot.h"
#include "results/Determinizacion.h"

namespace {

std::string LeerArchivo(const std::string& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  std::stringstream contenido;
  contenido << archivo.rdbuf();
  return contenido.str();
}

const TLista kEjemploSA = {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""};

struct TCasoDot {
  const char* nombre;
  TDiagrama diagrama;
  const char* archivo;
};

// Set TELAR_REGENERAR_DOT=1 to rewrite the files after a deliberate change of the writer.
TEST(Diagrama, GoldenDotOfTheWorkedExamples) {
  const TAutomata aceptorKR(MarcarMuestra({"ab", "b"}));
  const TCasoDot casos[] = {
      {"KR acceptor of [ab, b], end marks shown", DiagramaAceptor(aceptorKR, true), "aceptor-kr-ab-b.dot"},
      {"KR [ab, b] k=0: initial q1, loop by a", montajes::Resultado(TAlgoritmoK::KR, {"ab", "b"}, 0), "kr-ab-b-k0.dot"},
      {"KR [aa, ba] k=0: a and b joined on one edge", montajes::Resultado(TAlgoritmoK::KR, {"aa", "ba"}, 0), "kr-aa-ba-k0.dot"},
      {"KC [ab, bb, aab] k=1", montajes::Resultado(TAlgoritmoK::KC, {"ab", "bb", "aab"}, 1), "kc-ab-bb-aab-k1.dot"},
      {"KC [aa, ba] k=1", montajes::Resultado(TAlgoritmoK::KC, {"aa", "ba"}, 1), "kc-aa-ba-k1.dot"},
      {"SKR two sequences k=0: pairs as the grid heads them", montajes::MaquinaSKR(kEjemploSA, 0),
       "skr-ejemplo-k0.dot"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const std::string ruta = std::string(TELAR_TEST_DATA) + "/diagramas/" + caso.archivo;
    const std::string dot = EscribirDot(caso.diagrama);
    if (std::getenv("TELAR_REGENERAR_DOT")) std::ofstream(ruta, std::ios::binary) << dot;
    EXPECT_EQ(dot, LeerArchivo(ruta));
  }
}

// What Graphviz reads back from a DOT text: node name -> shape, style, label; edge
// "from->to" -> label; the start node's edge target.
struct TGrafoLeido {
  std::map<std::string, std::string> formas, estilos, etiquetasNodo;
  std::map<std::string, std::string> etiquetasArista;
  int nodos = 0;
};

TGrafoLeido Leer(const std::string& dot) {
  TGrafoLeido leido;
  Agraph_t* grafo = agmemread(dot.c_str());
  if (grafo == nullptr) return leido;
  auto atributo = [](void* objeto, const char* nombre) {
    const char* valor = agget(objeto, const_cast<char*>(nombre));
    return std::string(valor ? valor : "");
  };
  for (Agnode_t* n = agfstnode(grafo); n; n = agnxtnode(grafo, n)) {
    ++leido.nodos;
    leido.formas[agnameof(n)] = atributo(n, "shape");
    leido.estilos[agnameof(n)] = atributo(n, "style");
    leido.etiquetasNodo[agnameof(n)] = atributo(n, "label");
    for (Agedge_t* e = agfstout(grafo, n); e; e = agnxtout(grafo, e))
      leido.etiquetasArista[std::string(agnameof(agtail(e))) + "->" + agnameof(aghead(e))] = atributo(e, "label");
  }
  agclose(grafo);
  return leido;
}

TEST(Diagrama, GraphvizReadsBackNamesShapesAndLabels) {
  const TDiagrama kr = montajes::Resultado(TAlgoritmoK::KR, {"ab", "b"}, 0);
  TGrafoLeido leido = Leer(EscribirDot(kr));
  EXPECT_EQ(leido.nodos, 3);  // q0, q1 and the start node
  EXPECT_EQ(leido.formas["q0"], "doublecircle");
  EXPECT_EQ(leido.formas["q1"], "circle");
  EXPECT_EQ(leido.estilos["inicio"], "invis");
  EXPECT_EQ(leido.etiquetasArista["inicio->q1"], "");
  EXPECT_EQ(leido.etiquetasArista["q1->q1"], "a");
  EXPECT_EQ(leido.etiquetasArista["q1->q0"], "b");

  TGrafoLeido mealy = Leer(EscribirDot(montajes::MaquinaSKR(kEjemploSA, 0)));
  EXPECT_EQ(mealy.etiquetasArista["q1->q2"], "S2 / A2, S2 / A3");
  EXPECT_EQ(mealy.etiquetasArista["inicio->q0"], "");
}

// Names a user's sample may hold: quotes, backslashes, DOT keywords, the start node's own
// name, accented letters (Windows-1252 in the core, UTF-8 in the file).
TEST(Diagrama, AwkwardStateNamesSurviveTheRoundTrip) {
  const TLista muestra = {"\"", "\\n", "inicio", "node", "\xE1\xF1", "a b", "{}", "->"};
  const TAutomata aceptor(muestra);
  const TDiagrama diagrama = DiagramaAceptor(aceptor, false);
  const std::string inicio = NombreNodoInicio(diagrama);
  EXPECT_EQ(inicio, "inicio_");
  TGrafoLeido leido = Leer(EscribirDot(diagrama));
  EXPECT_EQ(leido.nodos, static_cast<int>(diagrama.estados.size()) + 1);
  for (const auto& estado : diagrama.estados) {
    // Graphviz keeps a backslash of an identifier doubled (a lone one could escape the quote)
    std::string nombre;
    for (char c : Cp1252AUtf8(estado.nombre)) nombre += c == '\\' ? std::string("\\\\") : std::string(1, c);
    ASSERT_TRUE(leido.formas.count(nombre)) << nombre;
    EXPECT_EQ(leido.formas.at(nombre), estado.final ? "doublecircle" : "circle") << nombre;
  }
  EXPECT_EQ(leido.estilos[inicio], "invis");
  EXPECT_EQ(leido.etiquetasArista.count(inicio + "->&"), 1u);
  // labels show every name as typed
  const std::string svg = Renderizar(diagrama, "svg");
  for (const char* texto : {">\\n</text>", ">\\</text>", ">&quot;</text>", ">&#45;&gt;</text>", ">\xC3\xA1\xC3\xB1</text>"})
    EXPECT_NE(svg.find(texto), std::string::npos) << texto;
}

// Over random quotients: every transition of the window's table is on exactly one edge,
// edges are one per pair of states, and Graphviz reads back one edge per diagram edge.
TEST(Diagrama, RandomQuotientsKeepEveryTransitionOnOneEdge) {
  std::mt19937 azar(1207);
  for (int prueba = 0; prueba < 60; ++prueba) {
    SCOPED_TRACE(prueba);
    const TAutomata automata = CocienteAleatorio(azar);
    const TDatosResultado datos = CalcularDatosResultado(automata);
    const TDiagrama diagrama = DiagramaCociente(automata, datos);
    std::size_t celdas = 0;
    for (const auto& fila : datos.TablaDestinos)
      for (const auto& celda : fila) celdas += celda.size();
    EXPECT_EQ(diagrama.NumeroDeTransiciones(), celdas);
    std::set<std::pair<int, int>> pares;
    for (const auto& arista : diagrama.transiciones) {
      EXPECT_TRUE(pares.insert({arista.origen, arista.destino}).second);
      for (const auto& simbolo : arista.simbolos) {
        const auto c = *IndiceDe(simbolo, automata.Alfabeto());
        const auto& destinos = datos.TablaDestinos[arista.origen][c];
        EXPECT_NE(std::find(destinos.begin(), destinos.end(), arista.destino), destinos.end());
      }
    }
    EXPECT_EQ(Leer(EscribirDot(diagrama)).etiquetasArista.size(), diagrama.transiciones.size() + 1);
  }
}

TEST(Diagrama, DeterministicResultNamesRowsAndGroupsTheirBlocksPrefixes) {
  TAutomata automata({"ab", "b"});
  automata.PonerBloques({{""}, {"a", "b"}, {"ab"}});
  const TDatosResultado datos = CalcularDatosResultado(automata);
  const TAutomataDeterminista d = ConstruirDeterminista(datos.TablaDestinos, datos.BloqueInicial, automata.Alfabeto());
  const TDiagrama diagrama = DiagramaDeterminista(automata, d, FilasFinales(d, datos.BloquesFinales));
  ASSERT_EQ(diagrama.estados.size(), d.Estados.size());
  EXPECT_EQ(diagrama.estados[0].nombre, "[q0]");
  EXPECT_EQ(diagrama.estados[0].prefijos, (TLista{"&"}));
  EXPECT_EQ(diagrama.inicial, 0);
  for (std::size_t r = 0; r < d.Estados.size(); ++r) EXPECT_EQ(diagrama.estados[r].nombre, d.NombreFila(static_cast<int>(r)));
}

}  // namespace
