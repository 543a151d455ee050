// DiagramaAutomataFinito: states as they are; transitions grouped by pair of states.
#include "diagram/DiagramaAutomataFinito.h"

#include <map>
#include <utility>

#include "automatas/AutomataFinito.h"

TDiagrama DiagramaDeAutomataFinito(const TAutomataFinito& automata) {
  TDiagrama diagrama;
  diagrama.alfabeto = automata.Alfabeto();
  for (int q = 0; q < automata.NumeroDeEstados(); ++q)
    diagrama.estados.push_back({automata.Nombre(q), automata.Prefijos(q), automata.EsFinal(q), false});
  diagrama.inicial = automata.Inicial();
  for (int q = 0; q < automata.NumeroDeEstados(); ++q) {
    std::map<int, std::size_t> arista;  // target -> edge of this origin
    // symbols in alphabet order, λ first: the out-list is ordered by symbol
    for (const auto& arco : automata.Salidas(q)) {
      const auto [posicion, nueva] = arista.try_emplace(arco.destino, diagrama.transiciones.size());
      if (nueva) diagrama.transiciones.push_back({q, arco.destino, {}, {}});
      auto& t = diagrama.transiciones[posicion->second];
      // a λ-move is the empty symbol, as the .jff writer expects, and "&" on the drawing
      const bool lambda = arco.simbolo == TAutomataFinito::kLambda;
      t.simbolos.push_back(lambda ? std::string() : automata.Alfabeto()[arco.simbolo]);
      if (!t.etiqueta.empty()) t.etiqueta += ", ";
      t.etiqueta += lambda ? "&" : automata.Alfabeto()[arco.simbolo];
    }
  }
  return diagrama;
}
