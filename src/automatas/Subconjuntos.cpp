// Subset construction: sets of original states, each a sorted vector, found through a
// hash map; breadth-first from the λ-closure of the initial state, symbols in order.
#include "automatas/Subconjuntos.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

struct THashConjunto {
  std::size_t operator()(const std::vector<int>& conjunto) const {
    std::size_t h = conjunto.size();
    for (int q : conjunto) h ^= static_cast<std::size_t>(q) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
  }
};

}  // namespace

TSubconjuntos Determinizar(const TAutomataFinito& automata) {
  TSubconjuntos resultado{TAutomataFinito(automata.Alfabeto()), {}};
  if (automata.Inicial() == TAutomataFinito::kNinguno) return resultado;
  auto& dfa = resultado.automata;
  auto& conjuntos = resultado.conjuntos;
  std::unordered_map<std::vector<int>, int, THashConjunto> indice;
  const bool conLambda = automata.TieneLambda();
  const auto estadoDe = [&](std::vector<int> conjunto) {
    if (conLambda) conjunto = CierreLambda(automata, std::move(conjunto));
    const auto [posicion, nuevo] = indice.try_emplace(conjunto, static_cast<int>(conjuntos.size()));
    if (nuevo) {
      std::string nombre = "{";
      TLista prefijos;
      bool final = false;
      for (std::size_t i = 0; i < conjunto.size(); ++i) {
        const int q = conjunto[i];
        nombre += (i ? "," : "") + automata.Nombre(q);
        prefijos.insert(prefijos.end(), automata.Prefijos(q).begin(), automata.Prefijos(q).end());
        final = final || automata.EsFinal(q);
      }
      dfa.AnadirEstado(nombre + "}", std::move(prefijos), final);
      conjuntos.push_back(std::move(conjunto));
    }
    return posicion->second;
  };
  dfa.PonerInicial(estadoDe({automata.Inicial()}));
  std::vector<std::vector<int>> porSimbolo(static_cast<std::size_t>(automata.NumeroDeSimbolos()));
  for (std::size_t r = 0; r < conjuntos.size(); ++r) {
    for (auto& destinos : porSimbolo) destinos.clear();
    for (int q : conjuntos[r])
      for (const auto& arco : automata.Salidas(q))
        if (arco.simbolo != TAutomataFinito::kLambda) porSimbolo[arco.simbolo].push_back(arco.destino);
    for (int s = 0; s < automata.NumeroDeSimbolos(); ++s) {
      auto& destinos = porSimbolo[s];
      if (destinos.empty()) continue;
      std::sort(destinos.begin(), destinos.end());
      destinos.erase(std::unique(destinos.begin(), destinos.end()), destinos.end());
      const int destino = estadoDe(destinos);
      dfa.AnadirTransicion(static_cast<int>(r), s, destino);
    }
  }
  return resultado;
}
