// TAutomataMealy: a situation/action sample read for the Mealy algorithms: the
// situations with their actions, the pair symbols, the tokens from which the Mealy-mode
// prefix-tree acceptor is built, the bound of k and the groups the consistency test checks.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Lista.h"

class TAutomataMealy {
 public:
  // The null pair: never a symbol, and vanishes at the start of a sequence.
  static constexpr const char* kParNulo = "S0A0";

  // The situations (e.g. "S1"), each once (case-insensitive), in order of first appearance.
  const TLista& Situaciones() const { return m_situaciones; }
  // Parallel to Situaciones: the actions seen with each situation, each once, in order.
  const std::vector<TLista>& AccionesPorSituacion() const { return m_accionesPorSituacion; }
  // Per closed sequence: each pair's token (its symbol, or "" for the null pair) followed
  // by "/", then "*"; a final "$" after AnadirFinDeMuestra.
  const TLista& Tokens() const { return m_tokens; }
  // The distinct pair symbols (never the null pair), in order of first appearance; a final
  // "$" after AnadirFinDeMuestra.
  const TLista& Pares() const { return m_pares; }

  // Reads a sample: each non-empty line is registered as a pair and joins the open
  // sequence; each empty line closes the open sequence, whose string is appended to
  // `cadenasSA`. Lines after the last empty line are registered but form no sequence.
  // Precondition: every non-empty line is a pair line (EsLineaDePar); a line that is not
  // raises std::invalid_argument before anything is read, so such a line is never taken
  // as a pair (callers check with PrimeraLineaIncorrecta and tell the user first).
  void LeerMuestra(const TLista& muestra, TLista& cadenasSA);

  // Appends "$" to Pares and to Tokens (SKR's end marker).
  void AnadirFinDeMuestra();

  // Greatest number of pairs, null pairs included, of a closed sequence; 0 with none.
  int MaximoPares() const;

  // For each situation with more than one action, in order, its pair symbols
  // (ParesDeSituacion). Situations with one action give no group.
  std::vector<TLista> GruposDeConflicto() const;

  // Registers one pair line: its symbol in Pares and its action under its situation; the
  // null pair registers nothing. Precondition: a pair line.
  void RegistrarPar(const std::string& linea);
  // Turns the lines of one sequence into tokens and "*", and appends its string to
  // `cadenasSA`; null pairs before the first other pair add nothing to the string.
  void CerrarSecuencia(const TLista& lineas, TLista& cadenasSA);
  // Appends the pair symbol to Pares unless it is already there.
  void AnadirPar(const std::string& par);
  // Appends the pair's token ("" for the null pair) and "/" to Tokens.
  void AnadirToken(const std::string& par);
  // Records `accion` for `situacion`, each once.
  void AnadirAccion(const std::string& situacion, const std::string& accion);
  // The situation followed by each action, in the list's order: S2, [A2, A3] gives
  // [S2A2, S2A3].
  static TLista ParesDeSituacion(const std::string& situacion, const TLista& acciones);

 private:
  TLista m_situaciones;
  std::vector<TLista> m_accionesPorSituacion;
  TLista m_tokens;
  TLista m_pares;
  // Lower-cased text to position, for the case-insensitive membership of the lists above.
  std::unordered_map<std::string, std::size_t> m_indiceSituaciones;
  std::unordered_map<std::string, std::size_t> m_indicePares;
};
