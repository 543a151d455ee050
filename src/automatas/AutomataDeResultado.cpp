// The result windows' automata as TAutomataFinito, read from the same data the windows show.
#include "automatas/AutomataDeResultado.h"

#include <set>

#include "core/Automata.h"
#include "core/Utilidades.h"
#include "results/DatosResultado.h"
#include "results/Determinizacion.h"

namespace {

TLista NombresPrefijos(const TLista& bloque) {
  TLista nombres;
  for (const auto& prefijo : bloque) nombres.push_back(prefijo.empty() ? "&" : prefijo);
  return nombres;
}

}  // namespace

TAutomataFinito AutomataDeCociente(const TAutomata& automata, const TDatosResultado& datos) {
  TAutomataFinito resultado(automata.Alfabeto().Lista());
  const auto& bloques = automata.Bloques();
  for (std::size_t n = 0; n < bloques.size(); ++n) resultado.AnadirEstado(NombreBloque(n), NombresPrefijos(bloques[n]));
  const int estados = resultado.NumeroDeEstados();
  for (int n : datos.BloquesFinales)
    if (n >= 0 && n < estados) resultado.PonerFinal(n);
  if (datos.BloqueInicial >= 0 && datos.BloqueInicial < estados) resultado.PonerInicial(datos.BloqueInicial);
  for (std::size_t n = 0; n < datos.TablaDestinos.size() && static_cast<int>(n) < estados; ++n)
    for (std::size_t c = 0; c < datos.TablaDestinos[n].size() && static_cast<int>(c) < resultado.NumeroDeSimbolos();
         ++c)
      for (int destino : datos.TablaDestinos[n][c])
        if (destino >= 0 && destino < estados)
          resultado.AnadirTransicion(static_cast<int>(n), static_cast<int>(c), destino);
  return resultado;
}

TAutomataFinito AutomataDeDeterminista(const TAutomata& automata, const TAutomataDeterminista& determinista,
                                       const std::vector<int>& filasFinales) {
  TAutomataFinito resultado(determinista.Alfabeto);
  const std::set<int> finales(filasFinales.begin(), filasFinales.end());
  const auto& bloques = automata.Bloques();
  for (std::size_t r = 0; r < determinista.Estados.size(); ++r) {
    TLista prefijos;
    for (int bloque : determinista.Estados[r])
      if (bloque >= 0 && static_cast<std::size_t>(bloque) < bloques.size())
        for (const auto& nombre : NombresPrefijos(bloques[bloque])) prefijos.push_back(nombre);
    resultado.AnadirEstado(determinista.NombreFila(static_cast<int>(r)), std::move(prefijos),
                           finales.count(static_cast<int>(r)) > 0);
  }
  const int estados = resultado.NumeroDeEstados();
  if (estados > 0) resultado.PonerInicial(0);
  for (std::size_t r = 0; r < determinista.Transiciones.size() && static_cast<int>(r) < estados; ++r)
    for (std::size_t c = 0; c < determinista.Transiciones[r].size() && static_cast<int>(c) < resultado.NumeroDeSimbolos();
         ++c)
      if (const int destino = determinista.Transiciones[r][c]; destino >= 0 && destino < estados)
        resultado.AnadirTransicion(static_cast<int>(r), static_cast<int>(c), destino);
  return resultado;
}
