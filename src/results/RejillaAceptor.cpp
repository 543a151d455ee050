// RejillaAceptor: the acceptor's grid, one cell per state and symbol.
#include "results/RejillaAceptor.h"

#include <algorithm>

#include "core/Automata.h"

void MostrarAlfabetoEnRejilla(const TAutomata& automata, TTablaTexto& rejilla) {
  rejilla.Redimensionar(std::max<std::size_t>(rejilla.Filas(), 1), automata.Alfabeto().size() + 1);
  for (std::size_t i = 0; i < automata.Alfabeto().size(); ++i) rejilla.PonerCelda(0, i + 1, automata.Alfabeto()[i]);
  rejilla.PonerCelda(0, 0, automata.Alfabeto().empty() ? std::string() : automata.Alfabeto()[0]);
}

void MostrarEstadosEnRejilla(const TAutomata& automata, TTablaTexto& rejilla) {
  rejilla.Redimensionar(automata.Estados().size() + 1, std::max<std::size_t>(rejilla.Columnas(), 1));
  for (std::size_t r = 0; r < automata.Estados().size(); ++r) rejilla.PonerCelda(r + 1, 0, automata.Estados()[r]);
  if (!automata.Estados().empty()) rejilla.PonerCelda(1, 0, "&");
}

void MostrarTransicionesEnRejilla(const TAutomata& automata, TTablaTexto& rejilla) {
  const std::size_t filas = std::min(automata.Estados().size() + 1, rejilla.Filas());
  const std::size_t columnas = std::min(automata.Alfabeto().size() + 1, rejilla.Columnas());
  for (std::size_t r = 1; r < filas; ++r) {
    for (std::size_t c = 1; c < columnas; ++c) {
      std::string destino = automata.Estados()[r - 1] + automata.Alfabeto()[c - 1];
      rejilla.PonerCelda(r, c, automata.Estados().EsMiembro(destino) ? std::move(destino) : "_");
    }
  }
}

TTablaTexto RejillaAceptor(const TAutomata& automata) {
  TTablaTexto rejilla;
  MostrarAlfabetoEnRejilla(automata, rejilla);
  MostrarEstadosEnRejilla(automata, rejilla);
  MostrarTransicionesEnRejilla(automata, rejilla);
  return rejilla;
}

void RejillaAceptorPorFilas(const TAutomata& automata,
                            const std::function<void(const TTablaTexto&, std::size_t)>& filaLista) {
  TTablaTexto fila;
  MostrarAlfabetoEnRejilla(automata, fila);
  filaLista(fila, 0);
  const std::size_t simbolos = automata.Alfabeto().size();
  fila.PonerFilas(2);
  const std::vector<TIdEstado>* visibles = automata.IdsDeEstados();
  const std::size_t estados = visibles ? visibles->size() : automata.NumeroDeEstados();
  for (std::size_t r = 0; r < estados; ++r) {
    const TIdEstado id = visibles ? (*visibles)[r] : static_cast<TIdEstado>(r);
    const std::string nombre = automata.Nombre(id);
    fila.PonerCelda(1, 0, r == 0 ? std::string("&") : nombre);
    for (std::size_t c = 0; c < simbolos; ++c) {
      std::string destino = nombre + automata.Alfabeto()[c];
      // the trie answers at once when every state is shown; otherwise the shown list decides
      const bool esEstado = !visibles ? automata.Sucesor(id, c) != TAutomata::kSinEstado
                                      : automata.Estados().EsMiembro(destino);
      fila.PonerCelda(1, c + 1, esEstado ? std::move(destino) : "_");
    }
    filaLista(fila, r + 1);
  }
}
