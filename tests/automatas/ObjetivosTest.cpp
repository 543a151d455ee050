// Samples drawn from a target: membership, reproducibility, the Abbadingo generator's
// targets, the KR characteristic-sample claim and the labelled figures against counts.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "automatas/AutomataDeResultado.h"
#include "automatas/Comparacion.h"
#include "automatas/Enumeracion.h"
#include "automatas/LecturaAutomata.h"
#include "automatas/Minimizacion.h"
#include "automatas/objetivos/EvaluacionEtiquetada.h"
#include "automatas/objetivos/GenerarMuestras.h"
#include "automatas/objetivos/MuestraCaracteristica.h"
#include "automatas/objetivos/ObjetivoAbbadingo.h"
#include "core/Automata.h"
#include "inference/Incremental.h"
#include "results/DatosResultado.h"
#include "Referencia.h"

namespace {

TAutomataFinito Expresion(const std::string& texto) { return *LeerAutomataDeArgumento("er:" + texto).automata; }

TAutomataFinito KR(const TLista& muestra, int k) {
  const auto automata = InferenciaInicial(k, TAlgoritmoK::KR, muestra);
  return AutomataDeCociente(*automata, CalcularDatosResultado(*automata));
}

// The product of two deterministic automata over the same alphabet, final where `final`
// says of the two sides (missing transitions go to an implicit dead state).
template <typename Final>
TAutomataFinito Producto(const TAutomataFinito& a, const TAutomataFinito& b, Final final) {
  const TAutomataFinito ca = Minimizar(a, TModoMinimo::Completo).automata;
  const TAutomataFinito cb = Minimizar(RenumeradoAlAlfabeto(b, a.Alfabeto()), TModoMinimo::Completo).automata;
  TAutomataFinito p(a.Alfabeto());
  const int nb = cb.NumeroDeEstados();
  for (int x = 0; x < ca.NumeroDeEstados(); ++x)
    for (int y = 0; y < nb; ++y) p.AnadirEstado({}, {}, final(ca.EsFinal(x), cb.EsFinal(y)));
  for (int x = 0; x < ca.NumeroDeEstados(); ++x)
    for (int y = 0; y < nb; ++y)
      for (int s = 0; s < p.NumeroDeSimbolos(); ++s) p.AnadirTransicion(x * nb + y, s, ca.Destino(x, s) * nb + cb.Destino(y, s));
  p.PonerInicial(ca.Inicial() * nb + cb.Inicial());
  return p;
}

std::uint64_t CuantasHasta(const TAutomataFinito& a, std::size_t longitud) {
  std::uint64_t total = 0;
  for (const auto& cuenta : CuentasPorLongitud(a, longitud)) total += cuenta.cadenas;
  return total;
}

TEST(GenerarMuestras, PositivosDentroNegativosFueraSinRepetirYReproducibles) {
  std::mt19937 azar(7);
  for (int caso = 0; caso < 60; ++caso) {
    const TAutomataFinito objetivo = AutomataAleatorio(azar, 1 + caso % 8, 2 + caso % 2, 0.8, caso % 3 != 0);
    const TPeticionMuestras peticion{.positivos = 30, .negativos = 30, .test = 20, .longitud = 6,
                                     .semilla = static_cast<std::uint64_t>(caso)};
    const TMuestrasGeneradas muestras = GenerarMuestras(objetivo, peticion);
    for (const auto& cadena : muestras.positiva) EXPECT_TRUE(AceptaTexto(objetivo, cadena)) << caso << " " << cadena;
    for (const auto& cadena : muestras.negativa) EXPECT_FALSE(AceptaTexto(objetivo, cadena)) << caso << " " << cadena;
    for (const TLista* lista : {&muestras.positiva, &muestras.negativa, &muestras.test}) {
      EXPECT_EQ(std::set<std::string>(lista->begin(), lista->end()).size(), lista->size()) << caso;
      for (const auto& cadena : *lista) EXPECT_LE(cadena.size(), 6u);
    }
    // as many as asked, or every string there is, with a warning
    const std::uint64_t dentro = CuantasHasta(objetivo, 6);
    const std::uint64_t todasTest = objetivo.NumeroDeSimbolos() == 2 ? 127 : 1093;
    EXPECT_EQ(muestras.positiva.size(), std::min<std::uint64_t>(30, dentro)) << caso;
    EXPECT_EQ(muestras.negativa.size(), std::min<std::uint64_t>(30, todasTest - dentro)) << caso;
    EXPECT_EQ(muestras.avisos.empty(), dentro >= 30 && todasTest - dentro >= 30) << caso;
    const TMuestrasGeneradas otra = GenerarMuestras(objetivo, peticion);
    EXPECT_EQ(otra.positiva, muestras.positiva);
    EXPECT_EQ(otra.negativa, muestras.negativa);
    EXPECT_EQ(otra.test, muestras.test);
  }
}

TEST(GenerarMuestras, LenguajeVacioOPequenoLoDice) {
  TAutomataFinito vacio(TLista{"a", "b"});
  vacio.PonerInicial(vacio.AnadirEstado());
  const auto sinPositivos = GenerarMuestras(vacio, {.positivos = 5, .negativos = 5, .longitud = 3});
  EXPECT_TRUE(sinPositivos.positiva.empty());
  EXPECT_EQ(sinPositivos.negativa.size(), 5u);
  ASSERT_EQ(sinPositivos.avisos.size(), 1u);
  EXPECT_NE(sinPositivos.avisos[0].find("no hay positivos"), std::string::npos);

  const auto pocos = GenerarMuestras(Expresion("a|b"), {.positivos = 10, .longitud = 3});
  EXPECT_EQ(std::set<std::string>(pocos.positiva.begin(), pocos.positiva.end()), (std::set<std::string>{"a", "b"}));
  ASSERT_EQ(pocos.avisos.size(), 1u);
  EXPECT_NE(pocos.avisos[0].find("solo hay 2"), std::string::npos);

  TAutomataFinito largo(TLista{"ab"});
  EXPECT_FALSE(ProblemaDeObjetivo(largo).empty());
  EXPECT_TRUE(ProblemaDeObjetivo(Expresion("(a|b)*ab")).empty());
}

TEST(ObjetivoAbbadingo, TamanoYProfundidadDelProtocolo) {
  for (int n : {8, 16, 32, 64}) {
    for (std::uint64_t semilla = 1; semilla <= 3; ++semilla) {
      const TAutomataFinito objetivo = ObjetivoAbbadingo(n, semilla);
      EXPECT_TRUE(objetivo.EsCompleto());
      EXPECT_EQ(Profundidad(objetivo), ProfundidadAbbadingo(n));
      EXPECT_LE(objetivo.NumeroDeEstados(), 5 * n / 4);
      EXPECT_EQ(Minimizar(objetivo, TModoMinimo::Completo).automata.NumeroDeEstados(), objetivo.NumeroDeEstados());
      EXPECT_TRUE(Isomorfos(objetivo, ObjetivoAbbadingo(n, semilla)));
    }
  }
  EXPECT_EQ(ProfundidadAbbadingo(64), 10);
  EXPECT_EQ(LongitudAbbadingo(64), 15);
  const TAutomataFinito objetivo = ObjetivoAbbadingo(16, 5);
  const auto muestras = MuestrasAbbadingo(objetivo, 200, 100, LongitudAbbadingo(16), 9);
  EXPECT_EQ(muestras.positiva.size() + muestras.negativa.size(), 200u);
  EXPECT_EQ(muestras.test.size(), 100u);
  std::set<std::string> todas;
  for (const auto& c : muestras.positiva) EXPECT_TRUE(AceptaTexto(objetivo, c));
  for (const auto& c : muestras.negativa) EXPECT_FALSE(AceptaTexto(objetivo, c));
  todas.insert(muestras.positiva.begin(), muestras.positiva.end());
  todas.insert(muestras.negativa.begin(), muestras.negativa.end());
  todas.insert(muestras.test.begin(), muestras.test.end());
  EXPECT_EQ(todas.size(), 300u);
  // fewer strings than asked: every one of them
  EXPECT_EQ(MuestrasAbbadingo(Expresion("a*"), 10, 10, 3, 1).positiva.size(), 4u);
}

// KR on Angluin's sample returns the target, for random k-reversible targets (KR's own
// results on random samples, and random automata that pass the test), also with random
// strings of the target added.
TEST(MuestraCaracteristica, KRIdentificaObjetivosKReversibles) {
  std::mt19937 azar(11);
  int probados = 0;
  for (int caso = 0; caso < 240; ++caso) {
    const int k = caso % 4;
    TAutomataFinito objetivo;
    if (caso % 2 == 0) {
      TLista muestra;
      std::uniform_int_distribution<int> longitud(0, 6), letra(0, 1);
      for (int i = 0; i < 4; ++i) {
        std::string cadena;
        for (int l = longitud(azar); l > 0; --l) cadena += static_cast<char>('a' + letra(azar));
        muestra.push_back(cadena);
      }
      objetivo = Minimizar(KR(muestra, k)).automata;
      ASSERT_TRUE(EsKReversible(objetivo, k)) << caso;
    } else {
      objetivo = Minimizar(AutomataAleatorio(azar, 2 + caso % 9, 2, 0.7, true)).automata;
      if (objetivo.NumeroDeEstados() == 0 || !EsKReversible(objetivo, k)) continue;
    }
    if (objetivo.NumeroDeEstados() == 0) continue;
    ++probados;
    TLista caracteristica = CaracteristicaKR(objetivo, k);
    const TComparacion comparacion = CompararAutomatas(KR(caracteristica, k), objetivo);
    EXPECT_TRUE(comparacion.equivalentes) << caso << " k=" << k << " testigo " << comparacion.TextoTestigo();
    const auto extra = GenerarMuestras(objetivo, {.positivos = 5, .longitud = 8, .semilla = static_cast<std::uint64_t>(caso)});
    caracteristica.insert(caracteristica.end(), extra.positiva.begin(), extra.positiva.end());
    EXPECT_TRUE(CompararAutomatas(KR(caracteristica, k), objetivo).equivalentes) << caso;
  }
  EXPECT_GT(probados, 150);
}

TEST(MuestraCaracteristica, ReversibilidadDeLenguajesConocidos) {
  // (ab)* is 0-reversible; "ends in ab" needs the last two symbols
  EXPECT_EQ(MenorKReversible(Expresion("(ab)*"), 3), std::optional<int>(0));
  EXPECT_FALSE(EsKReversible(Expresion("(a|b)*ab"), 0));
  EXPECT_EQ(MenorKReversible(Expresion("(a|b)*ab"), 3), std::optional<int>(2));
  // a^k reaches both the state before the b and the one after it, which share the tail a^j
  EXPECT_EQ(MenorKReversible(Expresion("a*|a*ba*"), 5), std::nullopt);
}

TEST(MuestraCaracteristica, RPNIContieneNucleoYSeparaEstados) {
  std::mt19937 azar(3);
  for (int caso = 0; caso < 40; ++caso) {
    const TAutomataFinito objetivo = Minimizar(AutomataAleatorio(azar, 2 + caso % 9, 2, 0.8, true)).automata;
    const TMuestraCaracteristica muestra = CaracteristicaRPNI(objetivo);
    if (objetivo.NumeroDeEstados() == 0) {
      EXPECT_TRUE(muestra.positiva.empty());
      continue;
    }
    for (const auto& c : muestra.positiva) EXPECT_TRUE(AceptaTexto(objetivo, c));
    for (const auto& c : muestra.negativa) EXPECT_FALSE(AceptaTexto(objetivo, c));
    // every state is reached by a prefix of a positive string
    std::set<std::string> prefijos;
    for (const auto& c : muestra.positiva)
      for (std::size_t l = 0; l <= c.size(); ++l) prefijos.insert(c.substr(0, l));
    std::set<int> estados;
    for (const auto& p : prefijos) {
      int q = objetivo.Inicial();
      for (char c : p) q = objetivo.Destino(q, *objetivo.SimboloDe(std::string(1, c)));
      estados.insert(q);
    }
    EXPECT_EQ(static_cast<int>(estados.size()), objetivo.NumeroDeEstados()) << caso;
  }
}

// The labelled figures against counts of the product automata, on every string up to a
// length labelled by a random target and classified by a random hypothesis.
TEST(EvaluacionEtiquetada, CuentasContraProductos) {
  std::mt19937 azar(5);
  for (int caso = 0; caso < 40; ++caso) {
    const TAutomataFinito objetivo = AutomataAleatorio(azar, 1 + caso % 6, 2, 0.8, true);
    const TAutomataFinito hipotesis = AutomataAleatorio(azar, 1 + caso % 5, 2, 0.8, true);
    TLista positivos, negativos;
    for (const auto& cadena : CadenasHastaReferencia(objetivo.Alfabeto(), 5)) {
      std::string texto;
      for (const auto& s : cadena) texto += s;
      (AceptaTexto(objetivo, texto) ? positivos : negativos).push_back(texto);
    }
    const TEvaluacion e = Evaluar(positivos, negativos, [&](const std::string& c) { return AceptaTexto(hipotesis, c); });
    EXPECT_EQ(e.verdaderosPositivos, CuantasHasta(Producto(objetivo, hipotesis, [](bool a, bool b) { return a && b; }), 5));
    EXPECT_EQ(e.falsosNegativos, CuantasHasta(Producto(objetivo, hipotesis, [](bool a, bool b) { return a && !b; }), 5));
    EXPECT_EQ(e.falsosPositivos, CuantasHasta(Producto(objetivo, hipotesis, [](bool a, bool b) { return !a && b; }), 5));
    EXPECT_EQ(e.Total(), 63u);
    EXPECT_EQ(e.malPositivos.size(), e.falsosNegativos);
    EXPECT_EQ(e.malNegativos.size(), e.falsosPositivos);
    if (e.Exactitud()) {
      EXPECT_NEAR(*e.Exactitud(), double(e.verdaderosPositivos + e.verdaderosNegativos) / 63, 1e-12);
    }
  }
  // the exact automaton is 100% right on strings outside its language, as "Aciertos" is not
  const TAutomataFinito ab = Expresion("(ab)*");
  const TEvaluacion e = Evaluar({"", "ab"}, {"ba"}, [&](const std::string& c) { return AceptaTexto(ab, c); });
  EXPECT_EQ(e.Exactitud(), 1.0);
  EXPECT_EQ(LineasEvaluacion(e)[5], "Exactitud: 100,00%");
  EXPECT_EQ(LineasEvaluacion(Evaluar({}, {}, [](const std::string&) { return true; }))[5], "Exactitud: -");
}

}  // namespace
