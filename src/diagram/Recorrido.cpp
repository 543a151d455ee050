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

// The length of the longest symbol of `alfabeto` that `resto` begins with; 0 if none.
std::size_t SimboloAlPrincipio(std::string_view resto, const TLista& alfabeto) {
  std::size_t largo = 0;
  for (const auto& simbolo : alfabeto)
    if (simbolo.size() > largo && simbolo.size() <= resto.size() &&
        IgualesSinMayusculas(resto.substr(0, simbolo.size()), simbolo))
      largo = simbolo.size();
  return largo;
}

}  // namespace

TLista CortarEnSimbolos(std::string_view cadena, const TLista& alfabeto) {
  TLista simbolos;
  for (std::size_t i = 0; i < cadena.size();) {
    std::size_t largo = SimboloAlPrincipio(cadena.substr(i), alfabeto);
    if (largo == 0)
      while (i + ++largo < cadena.size() && SimboloAlPrincipio(cadena.substr(i + largo), alfabeto) == 0) {
      }
    simbolos.emplace_back(cadena.substr(i, largo));
    i += largo;
  }
  return simbolos;
}

bool TRecorrido::Aceptada(const TDiagrama& diagrama) const {
  if (desconocido || pasos.size() != simbolos.size() + 1) return false;
  for (int estado : pasos.back().estados)
    if (diagrama.estados[estado].final) return true;
  return false;
}

TRecorrido Recorrer(const TDiagrama& diagrama, std::string_view cadena) {
  TRecorrido recorrido;
  recorrido.simbolos = CortarEnSimbolos(cadena, diagrama.alfabeto);

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
