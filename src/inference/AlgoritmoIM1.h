// UalgoritmoIM1: IM1 inference, the merging of prefix-tree acceptor states approved pair by
// pair by a heuristic of the heuristics library, and the caption of its result.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "core/Automata.h"
#include "core/Lista.h"
#include "core/Utilidades.h"
#include "inference/heurist/Heurist.h"

class TObservadorFusiones;

// The heuristic codes of a run.
inline constexpr char kHeuristicoLevine = 'L';
inline constexpr char kHeuristicoMiclet = 'M';
inline constexpr char kHeuristicoKSufijos = 'S';

// The parameters of a run: the heuristic code, K, and the bound S (for Levine the text of
// the bound the user picked, for Miclet the value ObtenerCotaMenor returned; unused by 'S').
struct TParametrosIM1 {
  char Heuristico = 0;
  int K = 0;
  TVariante S;
};

// The Stren data of a Levine or Miclet run: the table and its candidate bounds. Whoever
// runs IM1 hands them over and they are freed when the run ends, on every path.
struct TDatosStren {
  std::unique_ptr<TTablaStren> Tabla;
  std::unique_ptr<TLista> Cotas;
};

// CalcularFuncionStren(Estados, Finales, longitudMaxima) and CalcularCotasStren of it.
std::unique_ptr<TDatosStren> CalcularDatosStren(const TAutomata& automata, int longitudMaxima);

// Asks the run's heuristic about the states p = Estados[i] and q = Estados[j]:
// 'L' Levine(i, j, S, table), 'M' Miclet(i, j, S, table), 'S' KSufijos(p, q, K, Finales);
// any other code (or 'L'/'M' without a table) answers false without a call.
bool PreguntarHeuristico(const TParametrosIM1& parametros, const std::string& p, const std::string& q,
                         std::size_t i, std::size_t j, const TTablaStren* tabla, const TLista& Finales);

// The pair loop: starting from ParticionUnitaria(Estados), for i from 0 to n-2 and j from
// i+1 to n-1, each pair `aprueba(i, j)` approves merges the block of Estados[j] into that of
// Estados[i]: the two blocks are removed and B1 followed by B2 is appended; when both
// states are already in one block, that block moves to the end. Returns the partition.
// Requires states that differ other than in letter case (as in every TAutomata). Each
// approved pair costs near-constant time (union-find over state indexes, blocks as linked
// lists, positions as the time of the last move), so the loop is quadratic in states only
// through the n(n-1)/2 questions.
// `observador`, when given, hears each approved pair that joins two different blocks, with
// `causa(i, j)` as its cause.
TParticion FusionarPares(const TLista& Estados, const std::function<bool(std::size_t, std::size_t)>& aprueba,
                         TObservadorFusiones* observador = nullptr,
                         const std::function<std::string(std::size_t, std::size_t)>& causa = {});

// The cause of an approved pair (i, j) in a trace: "levine F S" or "miclet F S" (the
// pair's strength F in the Stren table and the bound S), or "k-sufijos K".
std::string CausaIM1(const TParametrosIM1& parametros, std::size_t i, std::size_t j, const TTablaStren* tabla);

// Steps 3 and 4 of a run: automata.Bloques := the partition of FusionarPares with the
// run's heuristic (PreguntarHeuristico). `tabla` is the Stren table of an 'L' or 'M' run.
// `observador`, when given, hears each effective merge with CausaIM1 as its cause.
void AlgoritmoIM1(TAutomata& automata, const TParametrosIM1& parametros, const TTablaStren* tabla,
                  TObservadorFusiones* observador = nullptr);

// A real number in the shortest general form of up to 15 significant digits ("2", "0,5",
// "1E15", "1E-5"), with `separadorDecimal` between the integer and fraction digits.
std::string RealEnFormaGeneral(double valor, char separadorDecimal);

// The result window's caption: "Autómata resultado IM1   K=" + K, then
// "  Levine   S =" + S, "  Miclet   S =" + S (S as RealEnFormaGeneral) or "  K Sufijos"
// for the codes 'L', 'M', 'S'; nothing more for another code. An S that reads as no
// number is written as its text.
std::string CaptionResultadoIM1(const TParametrosIM1& parametros, char separadorDecimal);

// The acceptor window's caption in an IM1 run (two blanks before the parenthesis).
inline constexpr const char* kCaptionAceptorIM1 = "Aceptor de prefijos  (IM1)";
