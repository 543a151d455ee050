// Recorrido: the subset walk; each step unites the targets of every current state's edges
// that carry the symbol.
#include "diagram/Recorrido.h"

#include <set>

#include "core/Texto.h"
#include "core/Utilidades.h"

namespace {

bool EnLista(std::string_view simbolo, const TLista& lista) {
  for (const auto& item : lista)
    if (IgualesSinMayusculas(item, simbolo)) return true;
  return false;
}

}  // namespace

bool TRecorrido::Aceptada(const TDiagrama& diagrama) const {
  if (desconocido || pasos.size() != simbolos.size() + 1) return false;
  for (int estado : pasos.back().estados)
    if (diagrama.estados[estado].final) return true;
  return false;
}

TRecorrido Recorrer(const TDiagrama& diagrama, std::string_view cadena) {
  TRecorrido recorrido;
  const std::size_t ancho = diagrama.anchoSimbolo == 0 ? 1 : diagrama.anchoSimbolo;
  for (std::size_t i = 0; i < cadena.size(); i += ancho) recorrido.simbolos.emplace_back(cadena.substr(i, ancho));

  TPasoRecorrido inicio;
  if (diagrama.inicial >= 0 && static_cast<std::size_t>(diagrama.inicial) < diagrama.estados.size())
    inicio.estados.push_back(diagrama.inicial);
  recorrido.pasos.push_back(std::move(inicio));
  for (std::size_t i = 0; i < recorrido.simbolos.size() && !recorrido.pasos.back().estados.empty(); ++i) {
    const std::string& simbolo = recorrido.simbolos[i];
    if (!EnLista(simbolo, diagrama.alfabeto)) {
      recorrido.desconocido = i;
      break;
    }
    const std::set<int> actuales(recorrido.pasos.back().estados.begin(), recorrido.pasos.back().estados.end());
    std::set<int> siguientes;
    TPasoRecorrido paso;
    for (std::size_t t = 0; t < diagrama.transiciones.size(); ++t) {
      const auto& arista = diagrama.transiciones[t];
      if (!actuales.count(arista.origen) || !EnLista(simbolo, arista.simbolos)) continue;
      siguientes.insert(arista.destino);
      paso.aristas.push_back(static_cast<int>(t));
    }
    paso.estados.assign(siguientes.begin(), siguientes.end());
    recorrido.pasos.push_back(std::move(paso));
  }
  return recorrido;
}

const char* Veredicto(const TRecorrido& recorrido, const TDiagrama& diagrama) {
  return recorrido.Aceptada(diagrama) ? "Aceptada" : "Rechazada";
}
