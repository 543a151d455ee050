// ObservadorFusiones: how the merging engines report each effective merge (two different
// blocks joined), in the order it happens and with the rule that caused it, as data.
#pragma once

#include <string>
#include <utility>
#include <vector>

// The rule that caused a merge.
enum class TReglaFusion {
  Final,       // KR: two marked examples of the sample
  Sucesor,     // KR: the successors by one symbol of two states of one block
  Predecesor,  // KR: predecessors by one symbol of one block, with the same k-suffix
  Sufijo,      // KC: two states that end in the same k symbols
  Levine,      // IM1: the pair's strength reaches the bound
  Miclet,
  KSufijos,    // IM1: the same k-tails
  Otra,        // a cause given as text only (Texto)
};

// Why two blocks were joined. Names are as the trace writes them (the empty one "&").
struct TCausaFusion {
  TReglaFusion Regla = TReglaFusion::Otra;
  std::string Simbolo;  // Sucesor, Predecesor: the symbol
  std::string Sufijo;   // Predecesor: the common k-suffix of the two states; Sufijo: the suffix
  // Sucesor: the two states of one block whose successors are joined; Predecesor: the two
  // states of one block the joined states lead to by Simbolo. Empty for the other rules.
  std::string Origen1, Origen2;
  std::string Fuerza;  // Levine, Miclet: the pair's strength (as the trace writes it)
  std::string Cota;    // Levine, Miclet: the bound S
  int K = -1;          // KSufijos: k
  std::string Negativo;  // a negative example the merge was tested against, when one was
  std::string Texto;     // Otra: the cause as given
  bool operator==(const TCausaFusion&) const = default;
};

// The cause as the trace writes it: "final", "sucesor a", "predecesor a w", "sufijo w",
// "levine f s", "miclet f s", "k-sufijos k", or Texto.
std::string TextoCausa(const TCausaFusion& causa);

// A cause known only as text.
inline TCausaFusion CausaDeTexto(std::string texto) {
  TCausaFusion causa;
  causa.Texto = std::move(texto);
  return causa;
}

// Receives one call per effective merge: the pair of states as the engine took it (names as
// the trace writes them) and its cause. Engines take a pointer to it that defaults to none;
// with none they build no cause at all.
class TObservadorFusiones {
 public:
  virtual ~TObservadorFusiones() = default;
  virtual void Fusion(const std::string& primero, const std::string& segundo, const TCausaFusion& causa) = 0;
};

// One effective merge: its states, its cause as the trace writes it and as data. Two merges
// are equal when their texts are (the trace as written).
struct TFusionTrazada {
  TFusionTrazada() = default;
  TFusionTrazada(std::string primero, std::string segundo, std::string causa, TCausaFusion detalle = {})
      : Primero(std::move(primero)), Segundo(std::move(segundo)), Causa(std::move(causa)), Detalle(std::move(detalle)) {}
  std::string Primero;
  std::string Segundo;
  std::string Causa;
  TCausaFusion Detalle;
  bool operator==(const TFusionTrazada& otra) const {
    return Primero == otra.Primero && Segundo == otra.Segundo && Causa == otra.Causa;
  }
};

// An observer that keeps every merge, in order.
class TTrazaFusiones : public TObservadorFusiones {
 public:
  void Fusion(const std::string& primero, const std::string& segundo, const TCausaFusion& causa) override {
    Pasos.push_back({primero, segundo, TextoCausa(causa), causa});
  }
  std::vector<TFusionTrazada> Pasos;
};

// The text of the empty word in a trace.
inline const std::string kPalabraVaciaTraza = "&";

// A state name or word as a trace writes it: the empty one as "&".
inline std::string NombreEnTraza(const std::string& nombre) { return nombre.empty() ? kPalabraVaciaTraza : nombre; }
