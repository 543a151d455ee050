// DatosResultado: an index from each state to the blocks that hold it gives the target
// lists and the initial block; the texts and the table are written from the lists.
#include "results/DatosResultado.h"

#include <cstddef>

#include "core/Automata.h"
#include "core/IndiceParticion.h"
#include "core/Utilidades.h"
#include "results/RejillaAceptor.h"

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
  std::string texto = NombreBloque(n);
  texto += " = ";
  texto += ConjuntoATexto(bloque);
  return texto;
}

}  // namespace

TDatosResultado CalcularDatosResultado(const TAutomata& automata) {
  TDatosResultado datos;
  const TParticion& bloques = automata.Bloques();
  const TLista& alfabeto = automata.Alfabeto();

  const TIndiceParticion indice(bloques);
  auto bloquesDeEstado = [&](const std::string& estado) { return indice.BloquesDe(estado); };

  datos.Alfabeto = ConjuntoATexto(alfabeto);
  if (const auto* inicial = bloquesDeEstado("")) {
    datos.BloqueInicial = inicial->front();
    datos.Einicial = TextoEstado(static_cast<std::size_t>(datos.BloqueInicial),
                                 bloques[static_cast<std::size_t>(datos.BloqueInicial)]);
  }

  for (std::size_t n = 0; n < bloques.size(); ++n) {
    std::string texto = "  ";
    texto += TextoEstado(n, bloques[n]);
    datos.Estados += texto;
    for (const auto& estado : bloques[n]) {
      if (automata.Finales().EsMiembro(estado)) {
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

  MostrarAlfabetoEnRejilla(automata, datos.Tabla);
  datos.Tabla.PonerFilas(bloques.size() + 1);
  for (std::size_t n = 0; n < bloques.size(); ++n) {
    std::string cabecera = " ";
    cabecera += NombreBloque(n);
    datos.Tabla.PonerCelda(n + 1, 0, std::move(cabecera));
    for (std::size_t c = 0; c < alfabeto.size(); ++c) {
      std::string celda;
      for (int d : datos.TablaDestinos[n][c]) {  // ListaConBlancos of the target names
        celda += NombreBloque(d);
        celda += ' ';
      }
      datos.Tabla.PonerCelda(n + 1, c + 1, std::move(celda));
    }
  }
  return datos;
}
