// DatosDeterminista: texts and table of the deterministic window, row names computed once.
#include "results/DatosDeterminista.h"

#include <cstddef>

#include "core/Automata.h"
#include "core/Utilidades.h"
#include "results/RejillaAceptor.h"

std::string FormarCadena(const TAutomataDeterminista& automata, const std::vector<int>& filas) {
  std::string texto;
  for (int fila : filas) texto += automata.NombreFila(fila);
  return texto;
}

TDatosDeterminista CalcularDatosDeterminista(const TAutomata& automata,
                                             const TAutomataDeterminista& determinista,
                                             int bloqueInicial, const std::vector<int>& bloquesFinales) {
  TDatosDeterminista datos;
  const std::size_t filas = determinista.Estados.size();
  std::vector<std::string> nombres(filas);
  for (std::size_t r = 0; r < filas; ++r) nombres[r] = determinista.NombreFila(static_cast<int>(r));

  datos.Alfabeto = ConjuntoATexto(automata.Alfabeto());
  datos.Einicial = "[q" + std::to_string(bloqueInicial) + "]";
  datos.FilasFinales = FilasFinales(determinista, bloquesFinales);
  for (int fila : datos.FilasFinales) datos.Efinales += nombres[static_cast<std::size_t>(fila)];
  for (const auto& nombre : nombres) datos.Estados += nombre;

  MostrarAlfabetoEnRejilla(automata, datos.Tabla);
  const std::size_t simbolos = datos.Tabla.Columnas() - 1;
  datos.Tabla.PonerFilas(filas + 1);
  for (std::size_t r = 0; r < filas; ++r) {
    datos.Tabla.PonerCelda(r + 1, 0, nombres[r]);
    for (std::size_t c = 0; c < simbolos && c < determinista.Transiciones[r].size(); ++c) {
      const int destino = determinista.Transiciones[r][c];
      if (destino >= 0) datos.Tabla.PonerCelda(r + 1, c + 1, nombres[static_cast<std::size_t>(destino)]);
    }
  }
  return datos;
}
