// The JSON and JFLAP writers on hand-built diagrams: what the readers of both formats
// rely on (escaping, ids, the layout's coordinates, initial and final flags, one transition
// per symbol, a Mealy machine's actions). Whole exports are checked against the schema and
// parsed as JFLAP reads them by tests/exportes/comprobar-exportes.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

#include "diagram/EscritorJff.h"
#include "diagram/EscritorJson.h"
#include "diagram/EscritorTikz.h"

namespace {

// Two states: "&" (initial, grouping the empty prefix) and a name with characters both
// formats must escape; edges on "a" and "b" (one edge), and a loop.
TDiagrama Automata() {
  TDiagrama d;
  d.alfabeto = {"a", "b"};
  d.estados = {{"&", {"&"}, false, false}, {"q\"<\xF1>\\", {"a", "b\x01"}, true, false}};
  d.inicial = 0;
  d.transiciones = {{0, 1, {"a", "b"}, "a, b"}, {1, 1, {"a"}, "a"}};
  return d;
}

TDiagrama Mealy() {
  TDiagrama d;
  d.alfabeto = {"S0A1", "S1A0"};
  d.paresSA = true;
  d.estados = {{"q0", {"&"}, false, false}, {"q1", {"S0A1"}, true, false}};
  d.inicial = 0;
  d.transiciones = {{0, 1, {"S0A1"}, "S0 / A1"}, {1, 0, {"S1A0"}, "S1 / A0"}};
  return d;
}

TDisposicion Disposicion() {
  TDisposicion p;
  p.estados = {{{10, 20}, 30, 30}, {{110.25, 20}, 30, 30}};
  return p;
}

}  // namespace

TEST(EscritorJson, WritesTheAutomatonWithEscapesAndOneTransitionPerSymbol) {
  EXPECT_EQ(EscribirJson(Automata()),
            "{\n"
            "  \"formato\": \"telar-automata\",\n"
            "  \"version\": 1,\n"
            "  \"tipo\": \"automata\",\n"
            "  \"alfabeto\": [\"a\", \"b\"],\n"
            "  \"estados\": [\n"
            "    {\"id\": 0, \"nombre\": \"&\", \"prefijos\": [\"\"], \"final\": false},\n"
            "    {\"id\": 1, \"nombre\": \"q\\\"<\xC3\xB1>\\\\\", \"prefijos\": [\"a\", \"b\\u0001\"], \"final\": true}\n"
            "  ],\n"
            "  \"inicial\": 0,\n"
            "  \"finales\": [1],\n"
            "  \"transiciones\": [\n"
            "    {\"origen\": 0, \"destino\": 1, \"simbolo\": \"a\"},\n"
            "    {\"origen\": 0, \"destino\": 1, \"simbolo\": \"b\"},\n"
            "    {\"origen\": 1, \"destino\": 1, \"simbolo\": \"a\"}\n"
            "  ]\n"
            "}\n");
}

TEST(EscritorJson, MealyTransitionsReadTheSituationAndGiveTheAction) {
  const std::string json = EscribirJson(Mealy());
  EXPECT_NE(json.find("\"tipo\": \"mealy\""), std::string::npos);
  EXPECT_NE(json.find("\"alfabeto\": [\"S0\", \"S1\"]"), std::string::npos);
  EXPECT_NE(json.find("{\"origen\": 1, \"destino\": 0, \"simbolo\": \"S1\", \"accion\": \"A0\"}"), std::string::npos);
  TDiagrama vacio;
  EXPECT_NE(EscribirJson(vacio).find("\"estados\": [],\n  \"inicial\": null,\n  \"finales\": [],\n  \"transiciones\": []\n"),
            std::string::npos);
}

TEST(EscritorJff, StatesCarryIdsNamesCoordinatesAndFlags) {
  const std::string jff = EscribirJff(Automata(), Disposicion());
  EXPECT_EQ(jff.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"", 0), 0u);
  EXPECT_NE(jff.find("<structure>\n\t<type>fa</type>\n\t<automaton>\n"), std::string::npos);
  EXPECT_NE(jff.find("\t\t<state id=\"0\" name=\"&amp;\">\n\t\t\t<x>50.0</x>\n\t\t\t<y>60.0</y>\n"
                     "\t\t\t<initial/>\n\t\t</state>\n"),
            std::string::npos);
  EXPECT_NE(jff.find("\t\t<state id=\"1\" name=\"q&quot;&lt;\xC3\xB1&gt;\\\">\n\t\t\t<x>150.2</x>\n"
                     "\t\t\t<y>60.0</y>\n\t\t\t<final/>\n\t\t</state>\n"),
            std::string::npos);
  EXPECT_NE(jff.find("<transition>\n\t\t\t<from>0</from>\n\t\t\t<to>1</to>\n\t\t\t<read>b</read>\n\t\t</transition>"),
            std::string::npos);
  EXPECT_EQ(jff.find("<initial/>"), jff.rfind("<initial/>"));
  EXPECT_NE(jff.find("</automaton>\n</structure>\n"), std::string::npos);
}

// A sample may hold control characters, which XML 1.0 cannot carry as such: the file stays
// well formed and different names stay different.
TEST(EscritorJff, ControlCharactersStayDistinctAndTheXmlWellFormed) {
  TDiagrama d = Automata();
  d.estados[0].nombre = "a\x01\x1F";
  d.estados[1].nombre = "a\tb\r\n";
  const std::string jff = EscribirJff(d, Disposicion());
  EXPECT_NE(jff.find("name=\"a\xE2\x90\x81\xE2\x90\x9F\""), std::string::npos) << jff;
  EXPECT_NE(jff.find("name=\"a&#9;b&#13;&#10;\""), std::string::npos) << jff;
  EXPECT_EQ(std::find_if(jff.begin(), jff.end(), [](unsigned char c) { return c < 0x20 && c != '\n' && c != '\t'; }),
            jff.end());
}

TEST(EscritorJff, MealyMachinesWriteTheirActionsAsOutput) {
  const std::string jff = EscribirJff(Mealy(), Disposicion());
  EXPECT_NE(jff.find("<type>mealy</type>"), std::string::npos);
  EXPECT_NE(jff.find("<from>1</from>\n\t\t\t<to>0</to>\n\t\t\t<read>S1</read>\n\t\t\t<transout>A0</transout>"),
            std::string::npos);
}

// The desktop program runs under the user's locale (Qt sets it), where printf would write
// "150,2": coordinates keep their decimal point in every format that has them.
TEST(EscritorJff, CoordinatesKeepTheDecimalPointUnderACommaLocale) {
  const std::string anterior = std::setlocale(LC_NUMERIC, nullptr);
  bool coma = false;
  for (const char* nombre : {"es_ES.UTF-8", "es_ES.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_NUMERIC, nombre) != nullptr) {
      coma = true;
      break;
    }
  if (!coma) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const std::string jff = EscribirJff(Automata(), Disposicion());
  const std::string tikz = EscribirTikz(Automata(), Disposicion());
  std::setlocale(LC_NUMERIC, anterior.c_str());
  EXPECT_NE(jff.find("<x>150.2</x>"), std::string::npos) << jff;
  EXPECT_NE(tikz.find("(110.25,"), std::string::npos) << tikz;
}
