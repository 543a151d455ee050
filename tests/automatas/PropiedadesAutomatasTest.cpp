// Randomized properties of the automaton operations against brute force: minimization
// (same language, Myhill–Nerode class count), comparison and inclusion (verdict, shortest
// and first witness), expressions (both ways), enumeration and counts.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "Referencia.h"
#include "automatas/Comparacion.h"
#include "automatas/Enumeracion.h"
#include "automatas/ExpresionRegular.h"
#include "automatas/Minimizacion.h"
#include "automatas/Subconjuntos.h"

namespace {

constexpr int kCasos = 300;

// Same answer as the reference on every string of at most `longitud` symbols over `alfabeto`.
void MismoLenguaje(const TAutomataFinito& a, const TAutomataFinito& b, const TLista& alfabeto, int longitud,
                   const std::string& caso) {
  for (const auto& cadena : CadenasHastaReferencia(alfabeto, longitud))
    ASSERT_EQ(AceptaReferencia(a, cadena), AceptaReferencia(b, cadena)) << caso;
}

// The number of Myhill–Nerode classes of L(a) that are not the dead class, by brute force:
// the class of a prefix is its row of answers on every suffix of at most `cota` symbols.
// Prefixes that the reference simulation leaves in the same set of states have the same
// row, so each set's row is computed once. Exact when `cota` is at least the number of
// states of a's deterministic form (prefixes that long reach every set; suffixes that long
// tell apart any two sets that some suffix tells apart).
std::size_t ClasesNerode(const TAutomataFinito& a, int cota) {
  const auto cadenas = CadenasHastaReferencia(a.Alfabeto(), cota);
  std::set<std::vector<bool>> clases;
  std::set<std::set<int>> vistos;
  for (const auto& prefijo : cadenas) {
    if (!vistos.insert(ConjuntoReferencia(a, prefijo)).second) continue;
    std::vector<bool> fila;
    bool algunaAceptada = false;
    for (const auto& sufijo : cadenas) {
      auto cadena = prefijo;
      cadena.insert(cadena.end(), sufijo.begin(), sufijo.end());
      fila.push_back(AceptaReferencia(a, cadena));
      algunaAceptada = algunaAceptada || fila.back();
    }
    if (algunaAceptada) clases.insert(std::move(fila));
  }
  return clases.size();
}

TEST(Minimizacion, ConservaElLenguajeYTieneTantosEstadosComoClasesDeNerode) {
  std::mt19937 azar(1);
  for (int caso = 0; caso < kCasos; ++caso) {
    // deterministic automata up to 6 states, or small NFAs with λ (at most 8 subsets)
    const bool determinista = caso % 2 == 0;
    const int estados = determinista ? 1 + caso % 6 : 1 + caso % 3;
    const auto a = AutomataAleatorio(azar, estados, 2, determinista ? 0.8 : 0.4, determinista, !determinista);
    const std::string nombre = "caso " + std::to_string(caso);
    const auto parcial = Minimizar(a, TModoMinimo::Parcial);
    const auto completo = Minimizar(a, TModoMinimo::Completo);
    ASSERT_TRUE(parcial.automata.EsDeterminista()) << nombre;
    ASSERT_TRUE(completo.automata.EsCompleto()) << nombre;
    MismoLenguaje(a, parcial.automata, a.Alfabeto(), 8, nombre);
    MismoLenguaje(a, completo.automata, a.Alfabeto(), 8, nombre);
    const std::size_t clases = ClasesNerode(a, std::max(1, Determinizar(a).automata.NumeroDeEstados()));
    EXPECT_EQ(static_cast<std::size_t>(parcial.automata.NumeroDeEstados()), clases) << nombre;
    // the complete one adds the dead class exactly when some transition was missing
    EXPECT_EQ(completo.automata.NumeroDeEstados(),
              parcial.automata.NumeroDeEstados() + (parcial.automata.EsCompleto() && clases > 0 ? 0 : 1))
        << nombre;
    // every kept original state is grouped once (deterministic input): the groups partition them
    if (determinista) {
      std::map<int, int> veces;
      for (const auto& grupo : completo.grupos)
        for (int q : grupo) ++veces[q];
      for (const auto& [q, n] : veces) EXPECT_EQ(n, 1) << nombre << " estado " << q;
    }
  }
}

TEST(Minimizacion, AgrupaLosEstadosDelResultadoDeTerminaEnAb) {
  // KR k=2 on "ends in ab" (the result window's seven states): three minimal states
  TAutomataFinito a(TLista{"a", "b"});
  for (int q = 0; q < 7; ++q) a.AnadirEstado({}, {"p" + std::to_string(q)}, q == 3);
  a.PonerInicial(0);
  const int tabla[7][2] = {{1, 2}, {4, 3}, {5, 6}, {5, 6}, {4, 3}, {4, 3}, {5, 6}};
  for (int q = 0; q < 7; ++q)
    for (int s = 0; s < 2; ++s) a.AnadirTransicion(q, s, tabla[q][s]);
  const auto minimo = Minimizar(a);
  ASSERT_EQ(minimo.automata.NumeroDeEstados(), 3);
  EXPECT_EQ(minimo.grupos, (std::vector<std::vector<int>>{{0, 2, 6}, {1, 4, 5}, {3}}));
  EXPECT_EQ(minimo.automata.Prefijos(0), (TLista{"p0", "p2", "p6"}));
}

// The first string over the union alphabet, up to `longitud`, on which the two disagree
// (for inclusion: accepted by a and not by b).
std::optional<std::vector<std::string>> TestigoReferencia(const TAutomataFinito& a, const TAutomataFinito& b,
                                                          int longitud, bool inclusion) {
  for (const auto& cadena : CadenasHastaReferencia(UnionDeAlfabetos(a.Alfabeto(), b.Alfabeto()), longitud)) {
    const bool x = AceptaReferencia(a, cadena), y = AceptaReferencia(b, cadena);
    if (inclusion ? x && !y : x != y) return cadena;
  }
  return std::nullopt;
}

// A copy of `a` with one transition redirected, one final flag flipped or nothing changed.
TAutomataFinito Perturbado(std::mt19937& azar, const TAutomataFinito& a) {
  TAutomataFinito b(a.Alfabeto());
  for (int q = 0; q < a.NumeroDeEstados(); ++q) b.AnadirEstado({}, {}, a.EsFinal(q));
  b.PonerInicial(a.Inicial());
  const int cambio = std::uniform_int_distribution<int>(0, 2)(azar);
  const int victima = std::uniform_int_distribution<int>(0, a.NumeroDeEstados() - 1)(azar);
  if (cambio == 1) b.PonerFinal(victima, !a.EsFinal(victima));
  bool redirigido = cambio != 2;
  for (int q = 0; q < a.NumeroDeEstados(); ++q)
    for (const auto& arco : a.Salidas(q)) {
      int destino = arco.destino;
      if (!redirigido && q == victima) destino = (destino + 1) % a.NumeroDeEstados(), redirigido = true;
      b.AnadirTransicion(q, arco.simbolo, destino);
    }
  return b;
}

TEST(Comparacion, CoincideConLaFuerzaBrutaYDaElPrimerTestigoMasCorto) {
  std::mt19937 azar(2);
  for (int caso = 0; caso < kCasos; ++caso) {
    const bool inclusion = caso % 3 == 2;
    const auto a = AutomataAleatorio(azar, 1 + caso % 4, 2, 0.5, caso % 2 == 0, caso % 2 == 1);
    // b: a perturbed copy, its minimal automaton, or an unrelated one over three symbols
    const int tipo = caso % 5;
    const auto b = tipo < 3   ? Perturbado(azar, a)
                   : tipo == 3 ? Minimizar(a).automata
                               : AutomataAleatorio(azar, 1 + caso % 3, 3, 0.5, false);
    const auto comparacion = inclusion ? IncluidoEn(a, b) : CompararAutomatas(a, b);
    const std::string nombre = "caso " + std::to_string(caso);
    // brute force up to a length; a longer witness is only checked to tell them apart
    const int cota = b.NumeroDeSimbolos() > 2 ? 7 : 8;
    const auto referencia = TestigoReferencia(a, b, cota, inclusion);
    if (referencia) {
      ASSERT_FALSE(comparacion.equivalentes) << nombre;
      EXPECT_EQ(comparacion.testigo, *referencia) << nombre;
      EXPECT_EQ(comparacion.aceptaA, AceptaReferencia(a, *referencia)) << nombre;
    } else if (!comparacion.equivalentes) {
      // longer than the brute force reached: it must still tell them apart
      const bool x = AceptaReferencia(a, comparacion.testigo), y = AceptaReferencia(b, comparacion.testigo);
      EXPECT_GT(comparacion.testigo.size(), static_cast<std::size_t>(cota)) << nombre;
      EXPECT_TRUE(inclusion ? x && !y : x != y) << nombre;
    }
  }
}

// Our notation in ECMAScript's, for std::regex: "&" is "()", "+" is "|".
std::string EnEcmaScript(const std::string& expresion) {
  std::string ecma;
  for (char c : expresion) ecma += c == '&' ? std::string("()") : c == '+' ? std::string("|") : std::string(1, c);
  return ecma;
}

std::string ExpresionAleatoria(std::mt19937& azar, int profundidad) {
  const int tipo = std::uniform_int_distribution<int>(0, profundidad <= 0 ? 1 : 6)(azar);
  switch (tipo) {
    case 0: return std::string(1, "abc"[std::uniform_int_distribution<int>(0, 2)(azar)]);
    case 1: return std::uniform_int_distribution<int>(0, 4)(azar) == 0 ? "&" : "a";
    case 2: return ExpresionAleatoria(azar, profundidad - 1) + (azar() % 2 ? "|" : "+") + ExpresionAleatoria(azar, profundidad - 1);
    case 3: return "(" + ExpresionAleatoria(azar, profundidad - 1) + ")*";
    case 4: return "(" + ExpresionAleatoria(azar, profundidad - 1) + ")?";
    default: return "(" + ExpresionAleatoria(azar, profundidad - 1) + ")" + ExpresionAleatoria(azar, profundidad - 1);
  }
}

TEST(Expresion, LeidaCoincideConStdRegexEnCadaCadenaCorta) {
  std::mt19937 azar(3);
  const TLista abc{"a", "b", "c"};
  const auto cadenas = CadenasHastaReferencia(abc, 6);
  for (int caso = 0; caso < kCasos; ++caso) {
    const std::string expresion = ExpresionAleatoria(azar, 3);
    const auto lectura = LeerExpresion(expresion, abc);
    ASSERT_TRUE(lectura.automata) << expresion << ": " << lectura.error;
    const std::regex referencia(EnEcmaScript(expresion));
    for (const auto& cadena : cadenas) {
      std::string texto;
      for (const auto& s : cadena) texto += s;
      ASSERT_EQ(AceptaReferencia(*lectura.automata, cadena), std::regex_match(texto, referencia))
          << expresion << " con " << texto;
    }
  }
}

TEST(Expresion, LaDeUnAutomataLeidaDeNuevoEsEquivalente) {
  std::mt19937 azar(4);
  for (int caso = 0; caso < kCasos; ++caso) {
    const auto a = AutomataAleatorio(azar, 1 + caso % 5, 2, 0.5, caso % 2 == 0, caso % 2 == 1);
    const auto expresion = ExpresionRegular(a);
    ASSERT_FALSE(expresion.truncada) << caso;
    if (expresion.vacio) {
      EXPECT_TRUE(PrimerasCadenas(a, 1).empty()) << caso;
      continue;
    }
    const auto lectura = LeerExpresion(expresion.texto, a.Alfabeto());
    ASSERT_TRUE(lectura.automata) << expresion.texto << ": " << lectura.error;
    MismoLenguaje(a, *lectura.automata, a.Alfabeto(), 8, expresion.texto);
    EXPECT_TRUE(CompararAutomatas(a, *lectura.automata).equivalentes) << expresion.texto;
  }
}

TEST(Expresion, TextosDeLosEjemplosDelCurso) {
  struct TFila {
    const char* expresion;
    const char* escrita;  // what writing its automaton gives
  } filas[] = {
      {"(a|b)*", "(a|b)*"}, {"a*", "a*"}, {"&", "&"}, {"a|&", "a?"}, {"(ab)*", "(ab)*"},
      {"a*b*", "a*b*"},     {"(a*|b)*", "(a|b)*"}, {"a+b", "a|b"}, {"((a))", "a"},
  };
  for (const auto& fila : filas) {
    const auto lectura = LeerExpresion(fila.expresion);
    ASSERT_TRUE(lectura.automata) << fila.expresion;
    EXPECT_EQ(ExpresionRegular(*lectura.automata).texto, fila.escrita) << fila.expresion;
  }
}

TEST(Expresion, LosErroresNombranLaPosicion) {
  struct TFila {
    const char* expresion;
    std::size_t posicion;
  } filas[] = {{"", 1}, {"  ", 1}, {"(ab", 1}, {"ab)", 3}, {"a|", 2}, {"a+", 2}, {"*a", 1},
               {"a(|b)", 3}, {"a(b)|)", 5}, {"?", 1}};
  for (const auto& fila : filas) {
    const auto lectura = LeerExpresion(fila.expresion);
    EXPECT_FALSE(lectura.automata) << fila.expresion;
    EXPECT_EQ(lectura.posicion, fila.posicion) << fila.expresion << ": " << lectura.error;
    if (fila.posicion > 1 || std::string(fila.expresion).size() > 2) {
      EXPECT_NE(lectura.error.find(std::to_string(fila.posicion)), std::string::npos) << lectura.error;
    }
  }
  // nesting deeper than the reader takes is refused, not a crash
  EXPECT_FALSE(LeerExpresion(std::string(100000, '(') + "a" + std::string(100000, ')')).automata);
}

TEST(Expresion, UnAutomataGrandeSeCortaConUnMensaje) {
  std::mt19937 azar(5);
  const auto a = AutomataAleatorio(azar, 30, 3, 0.9, true);
  const auto expresion = ExpresionRegular(a, 2000);
  EXPECT_TRUE(expresion.truncada);
  EXPECT_TRUE(expresion.texto.empty());
  EXPECT_NE(expresion.mensaje.find("2000"), std::string::npos);
}

TEST(Enumeracion, ListaYCuentaExactamenteLasCadenasAceptadas) {
  std::mt19937 azar(6);
  for (int caso = 0; caso < kCasos; ++caso) {
    const auto a = AutomataAleatorio(azar, 1 + caso % 4, 2, 0.5, caso % 2 == 0, caso % 2 == 1);
    std::vector<std::vector<std::string>> aceptadas;
    for (const auto& cadena : CadenasHastaReferencia(a.Alfabeto(), 7))
      if (AceptaReferencia(a, cadena)) aceptadas.push_back(cadena);
    std::vector<std::vector<std::string>> hasta;
    for (const auto& c : CadenasHasta(a, 7)) hasta.push_back(Textos(a, c));
    ASSERT_EQ(hasta, aceptadas) << caso;
    const auto primeras = PrimerasCadenas(a, 10);
    for (std::size_t i = 0; i < primeras.size() && i < aceptadas.size(); ++i)
      EXPECT_EQ(Textos(a, primeras[i]), aceptadas[i]) << caso;
    if (aceptadas.size() >= 10) {
      EXPECT_EQ(primeras.size(), 10u) << caso;
    }
    const auto cuentas = CuentasPorLongitud(a, 7);
    for (std::size_t l = 0; l <= 7; ++l)
      EXPECT_EQ(cuentas[l].cadenas, static_cast<std::uint64_t>(std::count_if(aceptadas.begin(), aceptadas.end(),
                                                                  [&](const auto& c) { return c.size() == l; })))
          << caso;
    // a finite language lists whole: as many strings as its counts say (none past the states)
    if (LenguajeFinito(a)) {
      std::uint64_t total = 0;
      for (const auto& c : CuentasPorLongitud(a, 40)) total += c.cadenas;
      EXPECT_EQ(PrimerasCadenas(a, 1000000).size(), total) << caso;
    }
  }
}

TEST(Enumeracion, LasCuentasDesbordadasLoDicen) {
  const auto todo = *LeerExpresion("(a|b)*").automata;
  const auto cuentas = CuentasPorLongitud(todo, 70);
  EXPECT_EQ(cuentas[63].cadenas, std::uint64_t{1} << 63);
  EXPECT_FALSE(cuentas[63].desborda);
  EXPECT_TRUE(cuentas[64].desborda);
  EXPECT_TRUE(cuentas[70].desborda);
}

TEST(Subconjuntos, LosConjuntosSonCanonicosYConservanElLenguaje) {
  std::mt19937 azar(7);
  for (int caso = 0; caso < kCasos; ++caso) {
    const auto a = AutomataAleatorio(azar, 1 + caso % 4, 2, 0.5, false, true);
    const auto d = Determinizar(a);
    ASSERT_TRUE(d.automata.EsDeterminista());
    const std::set<std::vector<int>> distintos(d.conjuntos.begin(), d.conjuntos.end());
    EXPECT_EQ(distintos.size(), d.conjuntos.size()) << caso;
    for (const auto& conjunto : d.conjuntos) EXPECT_TRUE(std::is_sorted(conjunto.begin(), conjunto.end()));
    MismoLenguaje(a, d.automata, a.Alfabeto(), 7, "caso " + std::to_string(caso));
  }
}

}  // namespace
