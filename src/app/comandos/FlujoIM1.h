// FlujoIM1: the IM1 run from the chosen heuristic to the merged acceptor: the one set of
// rules that the heuristic dialog and telar-cli im1 both follow (the parameters each
// heuristic runs with, the Stren data of Levine and Miclet and its candidate bounds), the
// run, the run with its windows, and the texts of its windows.
#pragma once

#include <memory>
#include <string>

#include "core/Lista.h"
#include "inference/AlgoritmoIM1.h"

// The result window's caption: "Autómata resultado IM1   K=" + K, then
// "  Levine   S =" + S, "  Miclet   S =" + S (S as RealEnFormaGeneral) or "  K Sufijos"
// for Levine, Miclet, K_Sufijos; nothing more for OtroH. An S that reads as no
// number is written as its text.
std::string CaptionResultadoIM1(const TParametrosIM1& parametros, char separadorDecimal);

// The acceptor window's caption in an IM1 run (two blanks before the parenthesis).
inline constexpr const char* kCaptionAceptorIM1 = "Aceptor de prefijos  (IM1)";

class TAutomata;
class TInteraccionIM1;
class TObservadorFusiones;
class TSesion;

class TFlujoIM1 {
 public:
  // `automata` is AutomataActual, the acceptor of the positive sample `muestra`; both must
  // outlive the flow.
  TFlujoIM1(TAutomata& automata, const TLista& muestra);

  // The length of the longest example (at most 2^30): K's maximum for K_Sufijos, and the K
  // with which Levine and Miclet run.
  int MaximoK() const { return m_maximoK; }

  // The candidate bounds of the Stren data (CalcularFuncionStren with MaximoK, then
  // CalcularCotasStren), computed on first use and kept until the run or LiberarDatos.
  const TLista& CotasStren();

  // The parameters of a run: K_Sufijos with K = k; Levine with K = MaximoK and S = `cota`;
  // Miclet with K = MaximoK and S = ObtenerCotaMenor of the candidate bounds; OtroH merges
  // nothing.
  TParametrosIM1 Parametros(THeuristico heuristico, int k = 0, TVariante cota = {});

  // Bloques := the partition AlgoritmoIM1 merges with `parametros` (through the Stren table
  // for Levine and Miclet). The Stren data is released afterwards, on every path.
  // `observador`, when given, hears the run's merges.
  void Inferir(const TParametrosIM1& parametros, TObservadorFusiones* observador = nullptr);

  // The run as the program shows it: the acceptor window "Aceptor de prefijos  (IM1)"
  // (however it is closed, the run goes on); Inferir, as long work (cancelled: nothing is
  // shown, and the acceptor's partition is left as the run stopped); the result window with
  // CaptionResultadoIM1, S written with the interface's decimal separator, whose "Paso a
  // paso" repeats the run with the same Stren table (kept until the window closes).
  void Ejecutar(const TParametrosIM1& parametros, TSesion& sesion, TInteraccionIM1& interaccion);

  // Releases the Stren data without a run (the bound dialog closed without one).
  void LiberarDatos() { m_datos.reset(); }

 private:
  // Inferir, handing back the Stren data it ran with (null for K_Sufijos and OtroH).
  std::unique_ptr<TDatosStren> Fusionar(const TParametrosIM1& parametros, TObservadorFusiones* observador);

  TAutomata& m_automata;
  int m_maximoK;
  std::unique_ptr<TDatosStren> m_datos;
};
