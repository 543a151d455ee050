// DatosResultado: one pass over the partition builds an index from each (lowercased) state
// to the blocks that hold it; target lists, final blocks and the initial block are then
// read from that index, and the texts and the table are written from the lists.
#include "results/DatosResultado.h"

#include <cstddef>
#include <unordered_map>

#include "core/Automata.h"
#include "core/Texto.h"
#include "core/Utilidades.h"

bool TDatosResultado::EsDeterminista() const {
  for (const auto& fila : TablaDestinos)
    for (const auto& destino : fila)
      if (destino.size() > 1) return false;
  return true;
}

TLista TDatosResultado::TextosDestino(int bloque, int simbolo) const {
  TLista textos;
  for (int n : TablaDestinos[static_cast<std::size_t>(bloque)][static_cast<std::size_t>(simbolo)])
    textos.push_back(std::to_string(n));
  return textos;
}

namespace {

std::string TextoEstado(std::size_t n, const TLista& bloque) {
  return "q" + std::to_string(n) + " = " + ConjuntoATexto(bloque);
}

}  // namespace

TDatosResultado CalcularDatosResultado(const TAutomata& automata) {
  TDatosResultado datos;
  const TParticion& bloques = automata.Bloques;
  const TLista& alfabeto = automata.Alfabeto;

  // Lowercased state -> the blocks that hold it, ascending and each once.
  std::unordered_map<std::string, std::vector<int>> bloquesDe;
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    for (const auto& estado : bloques[n]) {
      auto& lista = bloquesDe[AMinusculas(estado)];
      if (lista.empty() || lista.back() != static_cast<int>(n)) lista.push_back(static_cast<int>(n));
    }
  }
  auto bloquesDeEstado = [&](const std::string& estado) -> const std::vector<int>* {
    const auto it = bloquesDe.find(AMinusculas(estado));
    return it == bloquesDe.end() ? nullptr : &it->second;
  };

  datos.Alfabeto = ConjuntoATexto(alfabeto);
  if (const auto* inicial = bloquesDeEstado("")) {
    datos.BloqueInicial = inicial->front();
    datos.Einicial = TextoEstado(static_cast<std::size_t>(datos.BloqueInicial),
                                 bloques[static_cast<std::size_t>(datos.BloqueInicial)]);
  }

  for (std::size_t n = 0; n < bloques.size(); ++n) {
    const std::string texto = "  " + TextoEstado(n, bloques[n]);
    datos.Estados += texto;
    for (const auto& estado : bloques[n]) {
      if (automata.Finales.EsMiembro(estado)) {
        datos.Efinales += texto;
        datos.BloquesFinales.push_back(static_cast<int>(n));
        break;
      }
    }
  }

  // Stamp per block: marca[n] == sello when n is already in the target list being built.
  std::vector<std::size_t> marca(bloques.size(), 0);
  std::size_t sello = 0;
  datos.TablaDestinos.resize(bloques.size());
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    auto& fila = datos.TablaDestinos[n];
    fila.resize(alfabeto.size());
    for (std::size_t c = 0; c < alfabeto.size(); ++c) {
      ++sello;
      for (const auto& miembro : bloques[n]) {
        const auto* destinos = bloquesDeEstado(miembro + alfabeto[c]);
        if (destinos == nullptr) continue;
        for (int d : *destinos) {
          if (marca[static_cast<std::size_t>(d)] == sello) continue;
          marca[static_cast<std::size_t>(d)] = sello;
          fila[c].push_back(d);
        }
      }
    }
  }

  automata.MostrarAlfabetoEnRejilla(datos.Tabla);
  datos.Tabla.PonerFilas(bloques.size() + 1);
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    datos.Tabla.PonerCelda(n + 1, 0, " q" + std::to_string(n));
    for (std::size_t c = 0; c < alfabeto.size(); ++c) {
      std::string celda;
      for (int d : datos.TablaDestinos[n][c]) celda += "q" + std::to_string(d) + " ";
      datos.Tabla.PonerCelda(n + 1, c + 1, std::move(celda));
    }
  }
  return datos;
}
