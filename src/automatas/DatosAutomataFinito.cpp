// The result window's data of any finite automaton, written as CalcularDatosResultado
// writes a quotient's.
#include "automatas/DatosAutomataFinito.h"

#include "core/Utilidades.h"

TDatosResultado DatosDeAutomataFinito(const TAutomataFinito& automata) {
  TDatosResultado datos;
  datos.Alfabeto = ConjuntoATexto(automata.Alfabeto());
  const int estados = automata.NumeroDeEstados();
  const int simbolos = automata.NumeroDeSimbolos();
  const auto textoEstado = [&](int q) { return NombreBloque(q) + " = " + ConjuntoATexto(automata.Prefijos(q)); };
  datos.BloqueInicial = automata.Inicial();
  if (automata.Inicial() != TAutomataFinito::kNinguno) datos.Einicial = textoEstado(automata.Inicial());
  datos.TablaDestinos.assign(estados, std::vector<std::vector<int>>(simbolos));
  datos.Tabla.Redimensionar(estados + 1, simbolos + 1);
  if (simbolos > 0) datos.Tabla.PonerCelda(0, 0, automata.Alfabeto()[0]);
  for (int s = 0; s < simbolos; ++s) datos.Tabla.PonerCelda(0, s + 1, automata.Alfabeto()[s]);
  for (int q = 0; q < estados; ++q) {
    datos.Estados += "  " + textoEstado(q);
    if (automata.EsFinal(q)) {
      datos.Efinales += "  " + textoEstado(q);
      datos.BloquesFinales.push_back(q);
    }
    datos.Tabla.PonerCelda(q + 1, 0, " " + NombreBloque(q));
    for (const auto& arco : automata.Salidas(q))
      if (arco.simbolo != TAutomataFinito::kLambda) datos.TablaDestinos[q][arco.simbolo].push_back(arco.destino);
    for (int s = 0; s < simbolos; ++s) {
      std::string celda;
      for (int destino : datos.TablaDestinos[q][s]) celda += NombreBloque(destino) + " ";
      datos.Tabla.PonerCelda(q + 1, s + 1, celda);
    }
  }
  return datos;
}
