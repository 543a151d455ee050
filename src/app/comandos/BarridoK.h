// BarridoK: the sweep behind "Explorar K": KR and KC for every k from 0 to the longest
// example, or IM1 with Levine for every candidate bound S, each result measured on the
// negative and test samples, one row per run, with progress and cancellation.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Lista.h"

class TAutomata;

// The algorithms a sweep runs.
enum class TAlgoritmoBarrido { KR, KC, IM1Levine };

// "KR", "KC", "IM1 Levine".
const char* NombreAlgoritmo(TAlgoritmoBarrido algoritmo);

// The samples of a sweep (Windows-1252, the empty string as an empty item). An empty
// negative or test sample means none is loaded: its columns stay empty.
struct TMuestrasBarrido {
  TLista positiva;
  TLista negativa;
  TLista test;
};

// One run of the sweep: the algorithm and its parameter.
struct TPasoBarrido {
  TAlgoritmoBarrido algoritmo = TAlgoritmoBarrido::KR;
  int k = 0;          // k of KR and KC; for IM1 Levine, K (the longest example)
  std::string cota;   // IM1 Levine: the bound S as the library wrote it; empty otherwise
};

// One row: the run and what its result does.
struct TFilaBarrido {
  TPasoBarrido paso;
  std::size_t estados = 0;
  std::size_t transiciones = 0;                   // arcs of the quotient automaton
  std::optional<std::size_t> negativosAceptados;  // with a negative sample
  std::optional<std::size_t> testAceptados;       // with a test sample
  std::optional<int> aciertos;                    // hit percentage, with a test sample
  double milisegundos = 0;                        // the inference alone

  // True when a negative sample is loaded and the result accepts none of it.
  bool Consistente() const { return negativosAceptados && *negativosAceptados == 0; }
};

// What a sweep reports while it runs (from the thread that runs it).
class TProgresoBarrido {
 public:
  virtual ~TProgresoBarrido() = default;
  // Asked before every run; true ends the sweep there, keeping the rows already made.
  virtual bool Cancelado() = 0;
  // Each row as soon as it is made, with the runs done so far and the runs in all.
  virtual void FilaHecha(const TFilaBarrido& fila, std::size_t hechas, std::size_t total) = 0;
};

// The runs of a sweep, in order: for each algorithm in `algoritmos`, KR and KC with k from 0
// to the longest positive example; IM1 Levine with K = the longest example and every
// candidate bound S in the library's order (none when no two states share a tail).
std::vector<TPasoBarrido> PasosBarrido(const TLista& positiva, const std::vector<TAlgoritmoBarrido>& algoritmos);

// Runs every step of PasosBarrido and measures each result: states (blocks), transitions,
// negative examples accepted and test examples accepted with their "Aciertos" percentage.
// An example is accepted as a result window's validation decides it: every character in
// the alphabet and a walk that ends in a final state (of the deterministic automaton when
// the result is not deterministic). KR needs a positive sample without "$"
// (UsaMarcaFinal); the caller refuses such a sample. Returns the rows made, all of them
// unless `progreso` cancelled.
std::vector<TFilaBarrido> Barrido(const TMuestrasBarrido& muestras, const std::vector<TAlgoritmoBarrido>& algoritmos,
                                  TProgresoBarrido* progreso = nullptr);

// The result of one step, run again (to show it in the result window): the acceptor with
// its partition in Bloques.
std::unique_ptr<TAutomata> ResultadoDePaso(const TLista& positiva, const TPasoBarrido& paso);

// The result window's caption for a step: that of KR, KC or IM1 (S written with
// `separadorDecimal`).
std::string CaptionDePaso(const TPasoBarrido& paso, char separadorDecimal);

// The table's columns for these samples: "Algoritmo", "k" (or "S" when every algorithm is
// IM1 Levine), "Estados", "Transiciones", then "Negativos aceptados" and "Consistente" with a
// negative sample, "Test aceptados" and "Aciertos" with a test sample, and "Tiempo (ms)".
std::vector<std::string> ColumnasBarrido(const TMuestrasBarrido& muestras, const std::vector<TAlgoritmoBarrido>& algoritmos);
// A row's texts under those columns ("sí"/"no" for Consistente, "75%" for Aciertos, the
// time with two decimals and a point), Windows-1252.
std::vector<std::string> TextosFila(const TFilaBarrido& fila, const TMuestrasBarrido& muestras);
