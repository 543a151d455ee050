// TAutomataFinito: a finite automaton over symbol ids, the one object that every automaton
// operation (determinize, minimize, compare, regular expression, enumeration, files) reads
// and builds. Deterministic or not, with λ-transitions (empty-string moves) allowed.
//
// Symbols are ids 0..NumeroDeSimbolos()-1, each with its text in Alfabeto() (Windows-1252,
// one or more characters; texts are compared ignoring letter case, as the rest of the core
// does). States are ids 0..NumeroDeEstados()-1, each with a name ("q0", "[q0q3]", "&") and
// the prefixes of the prefix-tree acceptor it stands for (empty for an automaton that did
// not come from a sample: a regular expression, a file without them). There is at most one
// initial state (kNinguno: none, the empty language) and any set of final states.
//
// Cost: transitions are kept per origin, ordered by (symbol, target) without repetition;
// adding one costs the origin's out-degree, Destino and Destinos a scan of it. Operations
// that need a dense table build their own (see TTablaDeterminista).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Lista.h"

// A string over the automaton's symbols, as symbol ids.
using TCadenaSimbolos = std::vector<int>;

struct TArcoAF {
  int simbolo = 0;  // a symbol id, or TAutomataFinito::kLambda
  int destino = 0;
  bool operator==(const TArcoAF&) const = default;
  auto operator<=>(const TArcoAF&) const = default;
};

class TAutomataFinito {
 public:
  static constexpr int kLambda = -1;   // the symbol of an empty-string move
  static constexpr int kNinguno = -1;  // no state (no initial state, no target)

  TAutomataFinito() = default;
  // An automaton with these symbols (duplicates ignoring case are kept once) and no state.
  explicit TAutomataFinito(const TLista& alfabeto);

  // ---- Alphabet
  const TLista& Alfabeto() const { return m_alfabeto; }
  int NumeroDeSimbolos() const { return static_cast<int>(m_alfabeto.size()); }
  // The id of the symbol spelt `texto` (ignoring letter case); nullopt if none.
  std::optional<int> SimboloDe(std::string_view texto) const;
  // The id of `texto`, added at the end of the alphabet when it is new. Requires a
  // non-empty text.
  int AnadirSimbolo(std::string_view texto);

  // ---- States
  int NumeroDeEstados() const { return static_cast<int>(m_estados.size()); }
  // Adds a state and returns its id. An empty name is given "q"+id.
  int AnadirEstado(std::string nombre = {}, TLista prefijos = {}, bool final = false);
  const std::string& Nombre(int estado) const { return m_estados[estado].nombre; }
  void PonerNombre(int estado, std::string nombre) { m_estados[estado].nombre = std::move(nombre); }
  // The acceptor states (prefixes, the empty one written "&") this state stands for.
  const TLista& Prefijos(int estado) const { return m_estados[estado].prefijos; }
  void PonerPrefijos(int estado, TLista prefijos) { m_estados[estado].prefijos = std::move(prefijos); }
  bool EsFinal(int estado) const { return m_estados[estado].final; }
  void PonerFinal(int estado, bool final = true) { m_estados[estado].final = final; }
  // Final state ids, ascending.
  std::vector<int> Finales() const;
  int Inicial() const { return m_inicial; }
  // Requires kNinguno or a state id.
  void PonerInicial(int estado) { m_inicial = estado; }

  // ---- Transitions
  // Adds origen --simbolo--> destino (simbolo may be kLambda); a repeated one is ignored.
  // Requires state ids and a symbol id or kLambda.
  void AnadirTransicion(int origen, int simbolo, int destino);
  // The transitions leaving `estado`, by (symbol, target) ascending, λ-moves first.
  const std::vector<TArcoAF>& Salidas(int estado) const { return m_estados[estado].salidas; }
  // Every target of `estado` by `simbolo` (no λ-closure), ascending.
  std::vector<int> Destinos(int estado, int simbolo) const;
  // The one target of `estado` by `simbolo`, or kNinguno; for a deterministic automaton.
  int Destino(int estado, int simbolo) const;
  std::size_t NumeroDeTransiciones() const;

  // True when there is no λ-move and no (state, symbol) with two targets. A deterministic
  // automaton may be partial (missing transitions go to an implicit dead state).
  bool EsDeterminista() const;
  bool TieneLambda() const;
  // True when deterministic and every (state, symbol) has a target.
  bool EsCompleto() const;

  // Whether `cadena` is accepted (λ-closures followed; any symbol id out of range rejects).
  bool Acepta(const TCadenaSimbolos& cadena) const;

  // The string as text: symbol texts run together, "&" for the empty string.
  std::string TextoCadena(const TCadenaSimbolos& cadena) const;
  // The symbols of `texto` read left to right, longest symbol text first at each
  // position (ignoring letter case); "&" and the empty text are the empty string.
  // nullopt when some part of the text is no symbol.
  std::optional<TCadenaSimbolos> CadenaDeTexto(std::string_view texto) const;

  // Same alphabet texts in the same order, same states (names, prefixes, final flags),
  // initial state and transitions.
  bool operator==(const TAutomataFinito&) const = default;

 private:
  struct TEstadoAF {
    std::string nombre;
    TLista prefijos;
    bool final = false;
    std::vector<TArcoAF> salidas;
    bool operator==(const TEstadoAF&) const = default;
  };
  TLista m_alfabeto;
  std::vector<TEstadoAF> m_estados;
  int m_inicial = kNinguno;
};

// The λ-closure of a set of states: ascending, without repetition.
std::vector<int> CierreLambda(const TAutomataFinito& automata, std::vector<int> estados);

// The same automaton over `alfabeto` (which must hold every symbol text of `automata`,
// ignoring case): symbol ids renumbered to `alfabeto`'s order. Used to compare two
// automata over the union of their alphabets.
TAutomataFinito RenumeradoAlAlfabeto(const TAutomataFinito& automata, const TLista& alfabeto);

// `a`'s alphabet followed by `b`'s symbols that `a` lacks, in `b`'s order.
TLista UnionDeAlfabetos(const TLista& a, const TLista& b);

// Whether `a` and `b` are the same automaton up to renaming states: equal alphabets (in
// order), and a bijection of states that keeps the initial state, final flags and
// transitions. Names and prefixes are not compared.
bool Isomorfos(const TAutomataFinito& a, const TAutomataFinito& b);
