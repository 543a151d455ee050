// TFpasoAPasoLogica: the step-by-step window "Paso a paso" as data and handlers: the
// prefix-tree acceptor coloured by the blocks after the current merge, the merge's cause as
// a sentence, the quotient automaton of the current partition, the step controls and the
// list of steps. Step 0 is the acceptor itself; the last step is the result.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/PasoAPaso.h"
#include "app/Repeticion.h"
#include "diagram/Diagrama.h"

class TInteraccion;

// How a state is drawn at the current step.
struct TAspectoEstado {
  // The block's colour: the same number for the states of one block (the position in the
  // acceptor of its first state); -1 for a state still alone in its block.
  int Color = -1;
  // 1: the state was in the first block of the current merge, 2: in the second; 0: neither.
  int Resalte = 0;
  bool operator==(const TAspectoEstado&) const = default;
};

class TFpasoAPasoLogica {
 public:
  static constexpr const char* kCaption = "Paso a paso";
  static constexpr int kVelocidadMinima = 1;
  static constexpr int kVelocidadMaxima = 5;

  // The steps of `repeticion`; `caption` is the result window's.
  TFpasoAPasoLogica(TRepeticion repeticion, const std::string& caption);

  // "Paso a paso: " and the result window's caption.
  const std::string& Caption() const { return m_caption; }
  const char* TemaAyuda() const { return "IDH_PasoAPaso"; }

  // The steps: 0 (the acceptor) to UltimoPaso() (the result).
  std::size_t UltimoPaso() const { return m_repeticion.Pasos.size(); }
  std::size_t PasoActual() const { return m_actual; }
  // True when the last step's partition is the result's (ignoring the marked examples of
  // KR, which the result leaves out).
  bool LlegaAlResultado() const { return m_llega; }

  // The controls. Each stops the playing; a step beyond the last is the last.
  void BotonPrimeroClick();
  void BotonAnteriorClick();
  void BotonSiguienteClick();
  void BotonUltimoClick();
  void ElegirPaso(std::size_t paso);
  bool BotonAnteriorHabilitado() const { return m_actual > 0; }
  bool BotonSiguienteHabilitado() const { return m_actual < UltimoPaso(); }

  // Play and pause: playing from the last step starts again at step 0. Tic, called every
  // IntervaloMs() while Reproduciendo(), moves one step on and stops at the last.
  void BotonReproducirClick();
  void Tic();
  bool Reproduciendo() const { return m_reproduciendo; }
  // "Reproducir" or "Pausa".
  std::string TextoReproducir() const;
  // 1 (slowest) to 5; the time between steps.
  int Velocidad() const { return m_velocidad; }
  void PonerVelocidad(int velocidad);
  int IntervaloMs() const;

  // What the window shows at the current step (Windows-1252 texts).
  // "Paso 3 de 9: se unen b y ab (10 bloques)"; step 0 names the acceptor. The blocks
  // counted are the quotient's states as drawn (BloquesCociente: KR's end marks stay out).
  std::string TextoPaso() const;
  // The cause as a sentence; at step 0 what the acceptor is. FraseDePaso: the same for any
  // step (at most the last).
  // The blocks are named as the quotient of the step before numbers them; a merge that
  // leaves the quotient as it was (a block joined holds none of its states, as KR's marked
  // examples) says so.
  std::string Frase() const { return FraseDePaso(m_actual); }
  std::string FraseDePaso(std::size_t paso) const;
  // The name of the rule of a step's cause, for a tip; empty at step 0.
  std::string ReglaDePaso(std::size_t paso) const;
  // Whether the merge of a step (after 0) changes the quotient.
  bool CambiaCociente(std::size_t paso) const;
  // The list of steps, one line each: "0. Aceptor de prefijos", "3. b + ab: ...".
  TLista ListaPasos() const;
  // The acceptor's drawing (the same at every step) and how each of its states looks now.
  const TDiagrama& DiagramaAceptor() const { return m_aceptor; }
  std::vector<TAspectoEstado> AspectoAceptor() const;
  // The quotient automaton of the current partition, without KR's marked examples; its
  // blocks in the order of their first state in the acceptor, and at the last step in the
  // result's own order. Colour as in the acceptor; Resalte 1 for the block just formed.
  TDiagrama DiagramaCociente();
  std::vector<TAspectoEstado> AspectoCociente() const;
  // The partition after the current step, over the acceptor's states.
  const TParticion& Particion() const { return m_particion; }
  // The current step's blocks as the quotient numbers them.
  TParticion BloquesCociente() const;

 private:
  // The colour of every block of the current step, in its partition's order.
  std::vector<int> ColoresBloques() const;
  // The merge of the current step (requires a step after 0).
  const TFusionTrazada& FusionActual() const { return m_repeticion.Pasos[m_actual - 1]; }
  // Stops the playing and moves to `paso` (at most the last).
  void Ir(std::size_t paso);
  // Moves to `paso`: forwards by applying the merges, backwards by replaying from step 0, so
  // that only two partitions are ever kept, whatever the number of steps.
  void Mover(std::size_t paso);
  bool CalcularLlegada() const;
  // The block of `particion` holding `estado` as the quotient names it ("q2 = { a, aa }"),
  // without number when none of its states is drawn; empty when no block holds it.
  std::string BloqueEnCociente(const TParticion& particion, const std::string& estado) const;
  bool EnResultado(const std::string& estado) const;

  std::string m_caption;
  TRepeticion m_repeticion;
  TLista m_estados;       // the acceptor's states, step 0's blocks
  TParticion m_particion;  // after the current step
  TParticion m_antes;      // before it (after step m_actual - 1)
  bool m_llega = false;
  TDiagrama m_aceptor;
  TParticion m_bloquesResultado;                // the result's partition as the run left it
  std::vector<std::string> m_estadosResultado;  // the states the result's blocks hold, sorted
  std::unordered_map<std::string, std::size_t> m_indice;  // acceptor state -> its position
  std::vector<std::string> m_frases;  // the sentence of each merge
  std::vector<char> m_cambia;         // whether each merge changes the quotient
  std::size_t m_actual = 0;
  bool m_reproduciendo = false;
  int m_velocidad = 3;
};

// The text of the error box shown when a run, repeated, does not end where the window shows.
inline constexpr const char* kRepeticionDistinta =
    "La repetici\xF3n de la inferencia no llega al resultado mostrado";

// The handler of a result window's "Paso a paso": repeats the run with `repetir`, checks
// that it ends in `mostrada` (the partition the window shows, as sets of states) and opens
// the step window; otherwise the error box kRepeticionDistinta. Nothing when `repetir` is empty.
// The repetition is long work: cancelled, nothing opens. Running out of memory on a huge
// sample ends in the box of ConErrorInternoEnCaja.
void AbrirPasoAPaso(const TRepetir& repetir, const TParticion& mostrada, const std::string& caption,
                    TInteraccion& interaccion);
