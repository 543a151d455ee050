// ObservadorFusiones: how the merging engines report each effective merge (two different
// blocks joined), in the order it happens and with the rule that caused it.
#pragma once

#include <string>
#include <vector>

// Receives one call per effective merge: the pair of states as the engine took it (names as
// the acceptor gives them) and the cause ("final", "sucesor a", "predecesor a w",
// "sufijo w", or the IM1 heuristic's reason). Engines take a pointer to it that defaults to
// none; with none they build no cause text at all.
class TObservadorFusiones {
 public:
  virtual ~TObservadorFusiones() = default;
  virtual void Fusion(const std::string& primero, const std::string& segundo, const std::string& causa) = 0;
};

// One effective merge.
struct TFusionTrazada {
  std::string Primero;
  std::string Segundo;
  std::string Causa;
  bool operator==(const TFusionTrazada&) const = default;
};

// An observer that keeps every merge, in order.
class TTrazaFusiones : public TObservadorFusiones {
 public:
  void Fusion(const std::string& primero, const std::string& segundo, const std::string& causa) override {
    Pasos.push_back({primero, segundo, causa});
  }
  std::vector<TFusionTrazada> Pasos;
};

// The text of the empty word in a trace.
inline const std::string kPalabraVaciaTraza = "&";

// A state name or word as a trace writes it: the empty one as "&".
inline std::string NombreEnTraza(const std::string& nombre) { return nombre.empty() ? kPalabraVaciaTraza : nombre; }
