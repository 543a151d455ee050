// The acceptor kept as a trie of ids against the text-list form it replaces: the same
// states, names, transitions and results on samples in mixed letter case, and reports
// written in pieces that join into the lines the windows save.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "../inference/Referencia.h"
#include "app/MostrarAutomataLogica.h"
#include "app/Sesion.h"
#include "core/Automata.h"
#include "core/ListaIndexada.h"
#include "core/Texto.h"
#include "core/Utilidades.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/mealy/AutomataMealy.h"
#include "InteraccionResultadosGuion.h"
#include "results/DatosResultado.h"
#include "results/Informe.h"
#include "results/RejillaAceptor.h"

namespace {

// Strings over letters that differ only in case (Windows-1252 accents included).
TLista MuestraMixta(std::mt19937& azar, int cuantos, int largoMaximo) {
  static const std::string kLetras = "aAbB\xE1\xC1" "c";
  std::uniform_int_distribution<int> largo(0, largoMaximo);
  std::uniform_int_distribution<std::size_t> letra(0, kLetras.size() - 1);
  TLista muestra;
  for (int i = 0; i < cuantos; ++i) {
    std::string s;
    for (int n = largo(azar); n > 0; --n) s += kLetras[letra(azar)];
    muestra.push_back(s);
  }
  return muestra;
}

// The acceptor as a text list: every prefix added unless equal to one ignoring case.
struct TAceptorTexto {
  TListaIndexada estados;
  TListaIndexada alfabeto;
  explicit TAceptorTexto(const TLista& muestra) {
    estados.AnadirSiNoEsta("");
    for (const auto& linea : muestra)
      for (std::size_t i = 0; i < linea.size(); ++i) {
        alfabeto.AnadirSiNoEsta(linea.substr(i, 1));
        estados.AnadirSiNoEsta(linea.substr(0, i + 1));
      }
  }
};

// Lines a producer hands out, pieces joined, and how many pieces came.
struct TRecogida {
  TLista lineas;
  std::size_t trozos = 0;
};
TRecogida Recoger(const TProductorLineas& producir) {
  TRecogida r;
  std::string actual;
  producir(TSalidaLineas::PorTrozos([&](std::string_view texto, bool fin) {
    actual += texto;
    ++r.trozos;
    if (!fin) return;
    r.lineas.push_back(actual);
    actual.clear();
  }));
  EXPECT_TRUE(actual.empty()) << "a line was left open";
  return r;
}

// Every state of `aceptor` against the text list: its name (found again in another letter
// case), its final flag, and its successor by each symbol where name + symbol is a state.
void ExpectNombresYTransiciones(const TAutomata& aceptor, const TListaIndexada& estados, const TLista& alfabeto) {
  const std::vector<bool> finales = aceptor.EstadosFinales();
  for (TIdEstado id = 0; id < aceptor.NumeroDeEstados(); ++id) {
    const std::string& nombre = estados[id];
    EXPECT_EQ(aceptor.Nombre(id), nombre);
    EXPECT_EQ(aceptor.IdDe(AMayusculas(nombre)), id);
    EXPECT_EQ(aceptor.IdDe(AMinusculas(nombre)), id);
    EXPECT_EQ(finales[id], aceptor.Finales().EsMiembro(nombre));
    for (std::size_t a = 0; a < alfabeto.size(); ++a) {
      const std::string siguiente = nombre + alfabeto[a];
      const auto s = estados.IndiceDe(siguiente);
      EXPECT_EQ(aceptor.Sucesor(id, a), s ? static_cast<TIdEstado>(*s) : TAutomata::kSinEstado) << siguiente;
      if (s) {
        EXPECT_EQ(aceptor.SucesorExacto(static_cast<TIdEstado>(*s)), estados[*s] == siguiente);
      }
    }
  }
}

TEST(EstadosPorIds, TheTrieHasTheTextListsStatesNamesAndTransitions) {
  std::mt19937 azar(20261208);
  for (int vuelta = 0; vuelta < 200; ++vuelta) {
    SCOPED_TRACE("vuelta " + std::to_string(vuelta));
    const TLista muestra = MuestraMixta(azar, 1 + vuelta % 9, 1 + vuelta % 7);
    const TAutomata aceptor(muestra);
    const TAceptorTexto texto(muestra);
    ASSERT_EQ(aceptor.Estados().Lista(), texto.estados.Lista());
    ASSERT_EQ(aceptor.Alfabeto().Lista(), texto.alfabeto.Lista());
    ASSERT_EQ(aceptor.NumeroDeEstados(), texto.estados.size());
    ExpectNombresYTransiciones(aceptor, texto.estados, texto.alfabeto.Lista());
    EXPECT_FALSE(aceptor.IdDe(muestra.empty() ? "z" : muestra.front() + "z"));
  }
}

// The Mealy acceptor as the text list it replaces: every prefix of the tokens added unless
// equal to one ignoring case, then at "$" every final line that is no state yet.
struct TAceptorMealyTexto {
  TListaIndexada estados;
  TAceptorMealyTexto(const TLista& finales, const TLista& tokens) {
    estados.AnadirSiNoEsta("");
    std::string prefijo;
    for (const auto& token : tokens) {
      if (token == "$") {
        for (const auto& final : finales) estados.AnadirSiNoEsta(final);
        break;
      }
      if (token == "*")
        prefijo.clear();
      else if (token != "/")
        estados.AnadirSiNoEsta(prefijo += token);
    }
  }
};

// Situation/action samples with pairs of several widths and null pairs
// anywhere (a null pair inside a sequence leaves its line no state's name).
TLista MuestraSAMixta(std::mt19937& azar, int secuencias) {
  static const char* const kPares[] = {"S1/A1", "S12/A11", "S1/A11", "S3/A1", "S2/A3", "S0/A0", "S21/A1"};
  TLista muestra;
  for (int i = 0; i < secuencias; ++i) {
    for (int n = 1 + static_cast<int>(azar() % 5); n > 0; --n) muestra.push_back(kPares[azar() % 7]);
    muestra.push_back("");
  }
  return muestra;
}

TEST(EstadosPorIds, TheMealyTrieHasTheTextListsStatesNamesAndTransitions) {
  std::mt19937 azar(20261209);
  for (int vuelta = 0; vuelta < 200; ++vuelta) {
    SCOPED_TRACE("vuelta " + std::to_string(vuelta));
    TAutomataMealy modelo;
    TLista cadenas;
    modelo.LeerMuestra(MuestraSAMixta(azar, 1 + vuelta % 6), cadenas);
    const bool marcada = vuelta % 2 == 0;
    if (marcada) modelo.AnadirFinDeMuestra();
    const TLista finales = marcada ? MarcarMuestra(cadenas) : cadenas;
    const TAutomata aceptor(finales, TConstruccion::Mealy, modelo.Tokens(), modelo.Pares());
    const TAceptorMealyTexto texto(finales, modelo.Tokens());
    ASSERT_EQ(aceptor.Estados().Lista(), texto.estados.Lista());
    ASSERT_EQ(aceptor.Alfabeto().Lista(), modelo.Pares());
    ExpectNombresYTransiciones(aceptor, texto.estados, modelo.Pares());
    for (int k = 0; k <= 2; ++k) {
      SCOPED_TRACE("k=" + std::to_string(k));
      TAutomata aprendido(finales, TConstruccion::Mealy, modelo.Tokens(), modelo.Pares());
      TAutomata esperado(finales, TConstruccion::Mealy, modelo.Tokens(), modelo.Pares());
      if (marcada && aprendido.IdsDeFinales()) {
        AlgoritmoKR(aprendido, k, TModoInferencia::Mealy, cadenas);
        referencia::KR(esperado, k, TModoInferencia::Mealy, cadenas);
      } else if (!marcada) {
        AlgoritmoKC(aprendido, k, TModoInferencia::Mealy);
        referencia::KC(esperado, k, TModoInferencia::Mealy);
      }
      EXPECT_EQ(aprendido.Bloques(), esperado.Bloques());
      EXPECT_EQ(CalcularDatosResultado(aprendido).TablaDestinos, CalcularDatosResultado(esperado).TablaDestinos);
    }
  }
}

TEST(EstadosPorIds, KRAndKCInMixedCaseMatchTheTextListReference) {
  std::mt19937 azar(7);
  for (int vuelta = 0; vuelta < 150; ++vuelta) {
    const TLista muestra = MuestraMixta(azar, 1 + vuelta % 8, 1 + vuelta % 6);
    for (int k = 0; k <= 2; ++k) {
      SCOPED_TRACE("vuelta " + std::to_string(vuelta) + " k=" + std::to_string(k));
      TAutomata kr(MarcarMuestra(muestra));
      TAutomata krRef(MarcarMuestra(muestra));
      AlgoritmoKR(kr, k, TModoInferencia::Silencioso, muestra);
      referencia::KR(krRef, k, TModoInferencia::Silencioso, muestra);
      EXPECT_EQ(kr.Bloques(), krRef.Bloques());
      EXPECT_EQ(kr.Alfabeto().Lista(), krRef.Alfabeto().Lista());

      TAutomata kc(muestra);
      TAutomata kcRef(muestra);
      AlgoritmoKC(kc, k, TModoInferencia::Silencioso);
      referencia::KC(kcRef, k, TModoInferencia::Silencioso);
      EXPECT_EQ(kc.Bloques(), kcRef.Bloques());
      EXPECT_EQ(kc.Estados().Lista(), kcRef.Estados().Lista());
    }
  }
}

// The window data from the partition's ids equals what the block texts give when looked up
// one by one ignoring case, and the texts written in pieces equal the window's texts.
TEST(EstadosPorIds, ResultDataFromIdsEqualsTheLookupOfNames) {
  std::mt19937 azar(11);
  for (int vuelta = 0; vuelta < 150; ++vuelta) {
    SCOPED_TRACE("vuelta " + std::to_string(vuelta));
    const TLista muestra = MuestraMixta(azar, 1 + vuelta % 8, 1 + vuelta % 6);
    TAutomata automata(MarcarMuestra(muestra));
    AlgoritmoKR(automata, vuelta % 3, TModoInferencia::Silencioso, muestra);
    if (vuelta % 4 == 0) {  // a state in two blocks: the lists hold every block of a state
      TParticion bloques = automata.Bloques();
      bloques.back().push_back(bloques.front().front());
      automata.PonerBloques(bloques);
    }
    ASSERT_NE(automata.IdsDeBloques(), nullptr);
    const TDatosResultado datos = CalcularDatosResultado(automata);

    const TParticion& bloques = automata.Bloques();
    const auto bloquesDe = [&](const std::string& estado) {
      std::vector<int> r;
      for (std::size_t n = 0; n < bloques.size(); ++n)
        if (EsMiembro(estado, bloques[n])) r.push_back(static_cast<int>(n));
      return r;
    };
    const std::vector<int> iniciales = bloquesDe("");
    EXPECT_EQ(datos.BloqueInicial, iniciales.empty() ? -1 : iniciales.front());
    std::vector<int> finales;
    for (std::size_t n = 0; n < bloques.size(); ++n)
      for (const auto& e : bloques[n])
        if (automata.Finales().EsMiembro(e)) {
          finales.push_back(static_cast<int>(n));
          break;
        }
    EXPECT_EQ(datos.BloquesFinales, finales);
    for (std::size_t n = 0; n < bloques.size(); ++n)
      for (std::size_t c = 0; c < automata.Alfabeto().size(); ++c) {
        std::vector<int> esperado;
        for (const auto& e : bloques[n])
          for (int d : bloquesDe(e + automata.Alfabeto()[c]))
            if (std::find(esperado.begin(), esperado.end(), d) == esperado.end()) esperado.push_back(d);
        EXPECT_EQ(datos.TablaDestinos[n][c], esperado) << "block " << n << " symbol " << c;
      }

    const TDatosResultado sinTextos = CalcularDatosResultado(automata, false);
    EXPECT_TRUE(sinTextos.Estados.empty());
    const TRecogida escrito = Recoger([&](const TSalidaLineas& salida) {
      EmitirTextosEstados(&automata, sinTextos, "I: ", "F: ", "E: ", salida);
    });
    EXPECT_EQ(escrito.lineas, (TLista{"I: " + datos.Einicial, "F: " + datos.Efinales, "E: " + datos.Estados}));
  }
}

// Reports in pieces: the acceptor's and the result window's, joined, are the lines the
// windows save; a line of many states comes in more than one piece.
TEST(EstadosPorIds, ReportsInPiecesJoinIntoTheSavedLines) {
  std::mt19937 azar(3);
  TLista muestras[6];
  for (int i = 0; i < 5; ++i) muestras[i] = MuestraMixta(azar, 1 + 3 * i, 2 + i);
  muestras[5] = referencia::MuestraAleatoria(azar, 3000, 20, 3);
  for (const TLista& muestra : muestras) {
    const TAutomata aceptor(muestra);
    TLista esperado = {"T", "Muestra: " + ConjuntoATexto(muestra), "Alfabeto: " + ConjuntoATexto(aceptor.Alfabeto()),
                       "Estado Inicial: { & }", "Estados Finales: " + ConjuntoATexto(aceptor.Finales()),
                       "Conjunto de Estados: " + ConjuntoATexto(aceptor.Estados()),
                       "Funci\xF3n de Transici\xF3n: "};
    for (const auto& linea : LineasDeTabla(RejillaAceptor(aceptor), TFormatoTabla::A)) esperado.push_back(linea);
    const TRecogida aceptorEscrito =
        Recoger([&](const TSalidaLineas& salida) { EmitirInformeAceptor("T", muestra, aceptor, salida); });
    EXPECT_EQ(aceptorEscrito.lineas, esperado);
    EXPECT_EQ(InformeAceptor("T", muestra, aceptor), esperado);

    TAutomata kr(MarcarMuestra(muestra));
    AlgoritmoKR(kr, 1, TModoInferencia::Silencioso, muestra);
    TSesion sesion;
    sesion.MuestraPositiva = muestra;
    TInteraccionResultadosGuion guion;
    TFmostrarAutomataLogica ventana(kr, sesion);
    ventana.FormShow(guion);
    ventana.GuardarResultados();
    TFmostrarAutomataLogica soloInforme(kr, sesion);
    soloInforme.SoloInforme();
    soloInforme.FormShow(guion);
    EXPECT_TRUE(soloInforme.Estados().empty());
    const TRecogida resultado = Recoger([&](const TSalidaLineas& salida) { soloInforme.EmitirInforme(salida); });
    EXPECT_EQ(resultado.lineas, ventana.Informe());
    if (muestra.size() == 3000) {
      EXPECT_GT(aceptorEscrito.trozos, aceptorEscrito.lineas.size() + 2);
      EXPECT_GT(resultado.trozos, resultado.lineas.size() + 2);
    }
  }
}

}  // namespace
