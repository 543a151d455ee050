// BarridoK: one fresh acceptor and one silent run per step, as the single commands do; the
// result is then measured through the data a result window computes (its target table),
// turned into a deterministic table once so that every example costs one step per
// character. Only Inferir below knows the inference entry points.
#include "app/comandos/BarridoK.h"

#include <chrono>
#include <cstdio>

#include "app/comandos/ComandosKR.h"
#include "app/comandos/FlujoIM1.h"
#include "app/muestras/Muestra.h"
#include "core/Automata.h"
#include "inference/AlgoritmoIM1.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/Incremental.h"
#include "results/Aceptacion.h"
#include "results/DatosResultado.h"
#include "results/Determinizacion.h"
#include "results/Validacion.h"

namespace {

TParametrosIM1 ParametrosLevine(const TPasoBarrido& paso) { return {THeuristico::Levine, paso.k, paso.cota}; }

// The one adapter to the inference layer: the result of a step on `positiva`. `tabla` is
// the Stren table of the sample, needed by IM1 Levine only.
std::unique_ptr<TAutomata> Inferir(const TLista& positiva, const TPasoBarrido& paso, const TTablaStren* tabla) {
  switch (paso.algoritmo) {
    case TAlgoritmoBarrido::KR:
      return InferenciaInicial(paso.k, TAlgoritmoK::KR, positiva);
    case TAlgoritmoBarrido::KC:
      return InferenciaInicial(paso.k, TAlgoritmoK::KC, positiva);
    case TAlgoritmoBarrido::IM1Levine: {
      auto automata = std::make_unique<TAutomata>(positiva);
      std::unique_ptr<TDatosStren> propios;
      if (tabla == nullptr) {
        propios = CalcularDatosStren(*automata, paso.k);
        tabla = propios->Tabla.get();
      }
      AlgoritmoIM1(*automata, ParametrosLevine(paso), tabla);
      return automata;
    }
  }
  return nullptr;
}

std::size_t Arcos(const TTablaDestinos& destinos) {
  std::size_t arcos = 0;
  for (const auto& fila : destinos)
    for (const auto& celda : fila) arcos += celda.size();
  return arcos;
}

std::size_t Aceptados(const TLista& ejemplos, const TAceptadorDeterminista& aceptador) {
  std::size_t aceptados = 0;
  for (const auto& ejemplo : ejemplos)
    if (aceptador.Acepta(ejemplo)) ++aceptados;
  return aceptados;
}

TFilaBarrido Medir(const TMuestrasBarrido& muestras, const TPasoBarrido& paso, const TTablaStren* tabla) {
  TFilaBarrido fila;
  fila.paso = paso;
  const auto inicio = std::chrono::steady_clock::now();
  const auto automata = Inferir(muestras.positiva, paso, tabla);
  fila.milisegundos = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();

  const TDatosResultado datos = CalcularDatosResultado(*automata);
  fila.estados = automata->Bloques().size();
  fila.transiciones = Arcos(datos.TablaDestinos);
  if (muestras.negativa.empty() && muestras.test.empty()) return fila;
  if (datos.BloqueInicial < 0) {  // no block holds the empty prefix: nothing is accepted
    if (!muestras.negativa.empty()) fila.negativosAceptados = 0;
    if (!muestras.test.empty()) fila.testAceptados = 0, fila.aciertos = 0;
    return fila;
  }
  const TAutomataDeterminista determinista =
      ConstruirDeterminista(datos.TablaDestinos, datos.BloqueInicial, automata->Alfabeto());
  const TAceptadorDeterminista aceptador(determinista, FilasFinales(determinista, datos.BloquesFinales));
  if (!muestras.negativa.empty()) fila.negativosAceptados = Aceptados(muestras.negativa, aceptador);
  if (!muestras.test.empty()) {
    fila.testAceptados = Aceptados(muestras.test, aceptador);
    fila.aciertos = PorcentajeAciertos(static_cast<int>(*fila.testAceptados), static_cast<int>(muestras.test.size()));
  }
  return fila;
}

bool SoloIM1(const std::vector<TAlgoritmoBarrido>& algoritmos) {
  if (algoritmos.empty()) return false;
  for (const auto algoritmo : algoritmos)
    if (algoritmo != TAlgoritmoBarrido::IM1Levine) return false;
  return true;
}

}  // namespace

const char* NombreAlgoritmo(TAlgoritmoBarrido algoritmo) {
  switch (algoritmo) {
    case TAlgoritmoBarrido::KR: return "KR";
    case TAlgoritmoBarrido::KC: return "KC";
    case TAlgoritmoBarrido::IM1Levine: return "IM1 Levine";
  }
  return "";
}

std::vector<TPasoBarrido> PasosBarrido(const TLista& positiva, const std::vector<TAlgoritmoBarrido>& algoritmos) {
  const int cota = static_cast<int>(LongitudMaxima(positiva));
  std::vector<TPasoBarrido> pasos;
  for (const auto algoritmo : algoritmos) {
    if (algoritmo == TAlgoritmoBarrido::IM1Levine) {
      const auto stren = CalcularDatosStren(TAutomata(positiva), cota);
      for (const auto& s : *stren->Cotas) pasos.push_back({algoritmo, cota, s});
      continue;
    }
    for (int k = 0; k <= cota; ++k) pasos.push_back({algoritmo, k, {}});
  }
  return pasos;
}

std::vector<TFilaBarrido> Barrido(const TMuestrasBarrido& muestras, const std::vector<TAlgoritmoBarrido>& algoritmos,
                                  TProgresoBarrido* progreso) {
  const std::vector<TPasoBarrido> pasos = PasosBarrido(muestras.positiva, algoritmos);
  // Levine's table depends on the sample alone: one for every bound.
  std::unique_ptr<TDatosStren> stren;
  for (const auto algoritmo : algoritmos)
    if (algoritmo == TAlgoritmoBarrido::IM1Levine && !stren)
      stren = CalcularDatosStren(TAutomata(muestras.positiva), static_cast<int>(LongitudMaxima(muestras.positiva)));

  std::vector<TFilaBarrido> filas;
  filas.reserve(pasos.size());
  for (const auto& paso : pasos) {
    if (progreso != nullptr && progreso->Cancelado()) break;
    filas.push_back(Medir(muestras, paso, stren ? stren->Tabla.get() : nullptr));
    if (progreso != nullptr) progreso->FilaHecha(filas.back(), filas.size(), pasos.size());
  }
  return filas;
}

std::unique_ptr<TAutomata> ResultadoDePaso(const TLista& positiva, const TPasoBarrido& paso) {
  return Inferir(positiva, paso, nullptr);
}

std::string CaptionDePaso(const TPasoBarrido& paso, char separadorDecimal) {
  switch (paso.algoritmo) {
    case TAlgoritmoBarrido::KR: return CaptionResultadoKR(paso.k);
    case TAlgoritmoBarrido::KC: return CaptionResultadoKC(paso.k);
    case TAlgoritmoBarrido::IM1Levine: return CaptionResultadoIM1(ParametrosLevine(paso), separadorDecimal);
  }
  return {};
}

std::vector<std::string> ColumnasBarrido(const TMuestrasBarrido& muestras, const std::vector<TAlgoritmoBarrido>& algoritmos) {
  std::vector<std::string> columnas = {"Algoritmo", SoloIM1(algoritmos) ? "S" : "k", "Estados", "Transiciones"};
  if (!muestras.negativa.empty()) {
    columnas.push_back("Negativos aceptados");
    columnas.push_back("Consistente");
  }
  if (!muestras.test.empty()) {
    columnas.push_back("Test aceptados");
    columnas.push_back("Aciertos");
  }
  columnas.push_back("Tiempo (ms)");
  return columnas;
}

std::vector<std::string> TextosFila(const TFilaBarrido& fila, const TMuestrasBarrido& muestras) {
  const bool im1 = fila.paso.algoritmo == TAlgoritmoBarrido::IM1Levine;
  std::vector<std::string> textos = {NombreAlgoritmo(fila.paso.algoritmo),
                                     im1 ? fila.paso.cota : std::to_string(fila.paso.k),
                                     std::to_string(fila.estados), std::to_string(fila.transiciones)};
  if (!muestras.negativa.empty()) {
    textos.push_back(fila.negativosAceptados ? std::to_string(*fila.negativosAceptados) : "");
    textos.push_back(fila.Consistente() ? "s\xED" : "no");
  }
  if (!muestras.test.empty()) {
    textos.push_back(fila.testAceptados ? std::to_string(*fila.testAceptados) : "");
    textos.push_back(fila.aciertos ? std::to_string(*fila.aciertos) + "%" : "");
  }
  char tiempo[32];
  std::snprintf(tiempo, sizeof tiempo, "%.2f", fila.milisegundos);
  textos.push_back(tiempo);
  return textos;
}
