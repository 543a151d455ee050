// The k sweep against the single runs it stands for: state and transition counts of the
// reference algorithms, acceptance counts of the result windows' validation, the k the
// search against a negative sample finds, and cancellation between runs; the window
// logic that opens a row over its own samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "../inference/Referencia.h"
#include "../results/InteraccionResultadosGuion.h"
#include "InteraccionGuion.h"
#include "app/ExplorarKLogica.h"
#include "app/BarridoK.h"
#include "app/ComandosKR.h"
#include "app/MostrarAutomataDeterLogica.h"
#include "app/MostrarAutomataLogica.h"
#include "app/Muestra.h"
#include "app/Sesion.h"
#include "inference/AlgoritmoIM1.h"
#include "inference/BusquedaK.h"
#include "results/Validacion.h"

namespace {

using referencia::KC;
using referencia::KR;
using referencia::MuestraAleatoria;

// What the result window (or, for a result that is not deterministic, the deterministic
// window) counts when `ejemplos` is validated against `automata`.
int AceptadosPorVentana(const TAutomata& automata, const TLista& positiva, const TLista& ejemplos) {
  TSesion sesion;
  sesion.MuestraPositiva = positiva;
  TInteraccionGuion guion;
  TFmostrarAutomataLogica ventana(automata, sesion);
  ventana.FormShow(guion);
  if (ventana.EsDeterminista()) return ventana.CuentasValidacion(ejemplos).aceptados;
  TFmostrarAutomataDeterLogica determinista(ventana);
  determinista.FormShow(guion);
  return determinista.CuentasValidacion(ejemplos).aceptados;
}

std::size_t Arcos(const TAutomata& automata) {
  const TFuncion cociente(automata);
  std::size_t arcos = 0;
  for (std::size_t fila = 0; fila < cociente.NumeroDeFilas(); ++fila)
    for (std::size_t c = 0; c < cociente.Alfabeto().size(); ++c)
      if (!EsSinTransicion(cociente.Celda(fila, c))) ++arcos;
  return arcos;
}

TEST(BarridoK, EveryRowMatchesTheSingleRunOfItsKAndTheFirstConsistentKIsTheSearchsK) {
  std::mt19937 azar(16);
  for (int vuelta = 0; vuelta < 25; ++vuelta) {
    SCOPED_TRACE("vuelta " + std::to_string(vuelta));
    const TMuestrasBarrido muestras{MuestraAleatoria(azar, 6, 5, 2), MuestraAleatoria(azar, 5, 6, 2),
                                    MuestraAleatoria(azar, 7, 6, 3)};
    const int cota = static_cast<int>(LongitudMaxima(muestras.positiva));
    const auto filas = Barrido(muestras, {TAlgoritmoBarrido::KR, TAlgoritmoBarrido::KC});
    ASSERT_EQ(filas.size(), 2u * static_cast<std::size_t>(cota + 1));

    for (const auto& fila : filas) {
      const bool kr = fila.paso.algoritmo == TAlgoritmoBarrido::KR;
      const int k = fila.paso.k;
      SCOPED_TRACE(std::string(NombreAlgoritmo(fila.paso.algoritmo)) + " k=" + std::to_string(k));
      ASSERT_EQ(k, static_cast<int>(&fila - filas.data()) % (cota + 1));
      TAutomata referencia(kr ? MarcarMuestra(muestras.positiva) : muestras.positiva);
      if (kr)
        KR(referencia, k, TModoInferencia::Silencioso, muestras.positiva);
      else
        KC(referencia, k, TModoInferencia::Silencioso);
      EXPECT_EQ(fila.estados, referencia.Bloques().size());
      EXPECT_EQ(fila.transiciones, Arcos(referencia));
      const int negativos = AceptadosPorVentana(referencia, muestras.positiva, muestras.negativa);
      EXPECT_EQ(fila.negativosAceptados, static_cast<std::size_t>(negativos));
      EXPECT_EQ(fila.Consistente(), negativos == 0);
      const int test = AceptadosPorVentana(referencia, muestras.positiva, muestras.test);
      EXPECT_EQ(fila.testAceptados, static_cast<std::size_t>(test));
      EXPECT_EQ(fila.aciertos, PorcentajeAciertos(test, static_cast<int>(muestras.test.size())));
    }

    for (const char letra : {'R', 'C'}) {
      const auto solucion = BuscarKNegativo(static_cast<TAlgoritmoK>(letra), muestras.positiva, muestras.negativa, cota);
      const auto primera = std::find_if(filas.begin(), filas.end(), [&](const TFilaBarrido& f) {
        return f.Consistente() && (f.paso.algoritmo == TAlgoritmoBarrido::KR) == (letra == 'R');
      });
      ASSERT_EQ(solucion.has_value(), primera != filas.end()) << letra;
      if (solucion) {
        EXPECT_EQ(primera->paso.k, solucion->k) << letra;
      }
    }
  }
}

TEST(BarridoK, Im1LevineRunsEveryCandidateBoundAndCountsOnTheDeterministicAutomaton) {
  std::mt19937 azar(61);
  int noDeterministas = 0;
  for (int vuelta = 0; vuelta < 15; ++vuelta) {
    const TMuestrasBarrido muestras{MuestraAleatoria(azar, 7, 5, 2, false), {}, MuestraAleatoria(azar, 8, 6, 2)};
    const auto filas = Barrido(muestras, {TAlgoritmoBarrido::IM1Levine});
    const TAutomata aceptor(muestras.positiva);
    const int cota = static_cast<int>(LongitudMaxima(muestras.positiva));
    const TLista cotas = *CalcularDatosStren(aceptor, cota)->Cotas;
    ASSERT_EQ(filas.size(), cotas.size());
    for (std::size_t i = 0; i < filas.size(); ++i) {
      EXPECT_EQ(filas[i].paso.cota, cotas[i]);
      EXPECT_EQ(filas[i].paso.k, cota);
      EXPECT_FALSE(filas[i].negativosAceptados.has_value());
      const auto resultado = ResultadoDePaso(muestras.positiva, filas[i].paso);
      EXPECT_EQ(filas[i].estados, resultado->Bloques().size());
      EXPECT_EQ(filas[i].testAceptados,
                static_cast<std::size_t>(AceptadosPorVentana(*resultado, muestras.positiva, muestras.test)));
      TSesion sesion;
      TFmostrarAutomataLogica ventana(*resultado, sesion);
      TInteraccionGuion guion;
      ventana.FormShow(guion);
      if (!ventana.EsDeterminista()) ++noDeterministas;
    }
  }
  EXPECT_GT(noDeterministas, 0) << "the samples should reach the deterministic window's count";
}

// Cancels once `tras` rows have been made; records what the sweep reported.
struct TProgresoGuion : TProgresoBarrido {
  std::size_t tras;
  std::vector<std::pair<std::size_t, std::size_t>> avisos;
  explicit TProgresoGuion(std::size_t n) : tras(n) {}
  bool Cancelado() override { return avisos.size() >= tras; }
  void FilaHecha(const TFilaBarrido&, std::size_t hechas, std::size_t total) override {
    avisos.emplace_back(hechas, total);
  }
};

TEST(BarridoK, ProgressCountsEveryRunAndCancelKeepsTheRowsMade) {
  const TMuestrasBarrido muestras{{"aab", "ab", "b", "abab"}, {}, {}};
  const std::vector<TAlgoritmoBarrido> ambos = {TAlgoritmoBarrido::KR, TAlgoritmoBarrido::KC};
  TProgresoGuion completo(100);
  const auto todas = Barrido(muestras, ambos, &completo);
  ASSERT_EQ(todas.size(), 10u);
  for (std::size_t i = 0; i < completo.avisos.size(); ++i) EXPECT_EQ(completo.avisos[i], std::make_pair(i + 1, std::size_t{10}));

  TProgresoGuion cancelado(3);
  const auto parte = Barrido(muestras, ambos, &cancelado);
  ASSERT_EQ(parte.size(), 3u);
  EXPECT_EQ(cancelado.avisos.size(), 3u);
  for (std::size_t i = 0; i < parte.size(); ++i) EXPECT_EQ(parte[i].estados, todas[i].estados);
  TProgresoGuion desdeElPrincipio(0);
  EXPECT_TRUE(Barrido(muestras, ambos, &desdeElPrincipio).empty());
}

TEST(BarridoK, ColumnsFollowTheLoadedSamples) {
  const TLista positiva = {"ab", "b"};
  const std::vector<TAlgoritmoBarrido> kr = {TAlgoritmoBarrido::KR};
  EXPECT_EQ(ColumnasBarrido({positiva, {}, {}}, kr),
            (std::vector<std::string>{"Algoritmo", "k", "Estados", "Transiciones", "Tiempo (ms)"}));
  const TMuestrasBarrido todas{positiva, {"a", "aab"}, {"b", "ab", "ba"}};
  EXPECT_EQ(ColumnasBarrido(todas, {TAlgoritmoBarrido::IM1Levine}),
            (std::vector<std::string>{"Algoritmo", "S", "Estados", "Transiciones", "Negativos aceptados",
                                      "Consistente", "Test aceptados", "Aciertos", "Tiempo (ms)"}));
  // KR k=0 on [ab, b] accepts a*b: "aab" is accepted, "a" and "ba" are not.
  const auto filas = Barrido(todas, kr);
  auto textos = TextosFila(filas[0], todas);
  textos.pop_back();  // the time
  EXPECT_EQ(textos, (std::vector<std::string>{"KR", "0", "2", "2", "1", "no", "2", "67%"}));
  textos = TextosFila(filas[1], todas);
  EXPECT_EQ(textos[4] + textos[5], "0s\xED");
}

TEST(ExplorarK, WindowOpensARowOverItsOwnSamplesAndLeavesKROutForADollarSample) {
  TSesion vacia;
  TInteraccionGuion guion;
  EXPECT_FALSE(PuedeExplorarK(vacia, guion));
  ASSERT_EQ(guion.transcripcion.size(), 1u);
  EXPECT_NE(guion.transcripcion[0].find("No existe Muestra"), std::string::npos);

  TSesion sesion;
  sesion.MuestraPositiva = {"ab", "b"};
  sesion.MuestraNegativa = {"aab"};
  TFexplorarKLogica ventana(sesion);
  sesion.MuestraPositiva = {"zzz"};  // the window keeps what it was opened over
  for (const auto& fila : Barrido(ventana.Muestras(), ventana.Algoritmos())) ventana.AnadirFila(fila);
  ASSERT_EQ(ventana.Filas().size(), 6u);
  const auto lineas = ventana.LineasAceptados();
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_EQ(lineas[1].nombre, "KC negativos");
  EXPECT_EQ(lineas[1].puntos, (std::vector<std::pair<double, double>>{{0, 1}, {1, 0}, {2, 0}}));

  TInteraccionResultadosGuion resultados;
  resultados.accionesResultado.push_back([](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& i) {
    EXPECT_EQ(v.Sesion().MuestraPositiva, (TLista{"ab", "b"}));
    v.Sesion().MuestraValidacion = {"b", "ba"};
    v.EstadisticaValidacion(i);
  });
  EXPECT_EQ(ventana.AbrirFila(1, resultados, ','), TCierre::Cancelar);
  EXPECT_EQ(resultados.transcripcion.front(), "Resultado: Aut\xF3mata resultado KR   K=1");
  EXPECT_TRUE(resultados.ultimoGrafico.Detalle().conNegativa);
  EXPECT_TRUE(resultados.ultimoGrafico.Detalle().negativosAceptados.empty());  // k = 1 rejects aab
  EXPECT_EQ(resultados.ultimoGrafico.Detalle().rechazados, (TLista{"ba"}));
  EXPECT_FALSE(ventana.AbrirFila(6, resultados, ',').has_value());

  TSesion dolar;
  dolar.MuestraPositiva = {"a$", "b"};
  TFexplorarKLogica conDolar(dolar);
  EXPECT_EQ(conDolar.Algoritmos(), std::vector<TAlgoritmoBarrido>{TAlgoritmoBarrido::KC});
  EXPECT_EQ(conDolar.Aviso(), MensajeMarcaFinalEnMuestra());
  conDolar.Elegir(TFexplorarKLogica::TSeleccion::IM1Levine);
  EXPECT_EQ(conDolar.Algoritmos(), std::vector<TAlgoritmoBarrido>{TAlgoritmoBarrido::IM1Levine});
  EXPECT_EQ(conDolar.TituloEjeX(), "S");
}

// The table saved as CSV reads back, with a plain CSV reader, as the window's columns and
// rows; saving asks for a file only when there are rows.
TEST(ExplorarK, TableSavedAsCsvReadsBackAsShown) {
  TSesion sesion;
  sesion.MuestraPositiva = {"ab", "b", "aab"};
  sesion.MuestraTest = {"b", "ba"};
  TFexplorarKLogica ventana(sesion);
  TInteraccionGuion guion;
  EXPECT_FALSE(ventana.GuardarTablaClick(guion));
  EXPECT_EQ(guion.transcripcion, std::vector<std::string>{"Mensaje Error Ok: No hay filas que guardar"});
  for (const auto& fila : Barrido(ventana.Muestras(), ventana.Algoritmos())) ventana.AnadirFila(fila);
  auto leer = [](const std::string& linea) {
    std::vector<std::string> campos(1);
    bool comillas = false;
    for (std::size_t i = 0; i < linea.size(); ++i) {
      const char c = linea[i];
      if (comillas && c == '"' && i + 1 < linea.size() && linea[i + 1] == '"') {
        campos.back() += '"';
        ++i;
      } else if (c == '"') {
        comillas = !comillas;
      } else if (c == ';' && !comillas) {
        campos.emplace_back();
      } else {
        campos.back() += c;
      }
    }
    return campos;
  };
  const TLista lineas = ventana.LineasTabla();
  ASSERT_EQ(lineas.size(), ventana.Filas().size() + 1);
  EXPECT_EQ(leer(lineas[0]), ventana.Columnas());
  for (std::size_t f = 0; f < ventana.Filas().size(); ++f) EXPECT_EQ(leer(lineas[f + 1]), ventana.TextosDeFila(f));

  const auto carpeta = std::filesystem::temp_directory_path() / "telar-tabla-csv";
  std::filesystem::create_directories(carpeta);
  guion.archivos = {std::nullopt, (carpeta / "barrido").string()};
  EXPECT_FALSE(ventana.GuardarTablaClick(guion));  // cancelled
  ASSERT_TRUE(ventana.GuardarTablaClick(guion));
  std::ifstream archivo(carpeta / "barrido.csv", std::ios::binary);
  std::string primera;
  std::getline(archivo, primera);
  EXPECT_EQ(primera, lineas[0] + "\r");
  EXPECT_EQ(guion.dialogos.back().extensionPorDefecto, "csv");
  std::filesystem::remove_all(carpeta);
}

}  // namespace
