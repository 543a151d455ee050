// Recorrido: the subset walk; each step unites the targets of every current state's edges
// that carry one of the alphabet symbols the piece read stands for (itself; on a Mealy
// machine, every pair of a situation).
#include "diagram/Recorrido.h"

#include <algorithm>
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

std::string Situacion(const std::string& par) {
  std::string situacion, accion;
  PartirEnA(par, situacion, accion);
  return situacion;
}

std::string Accion(const std::string& par) {
  std::string situacion, accion;
  PartirEnA(par, situacion, accion);
  return accion;
}

// The alphabet symbols a piece stands for: itself; on a Mealy machine a pair written with
// "/" is that pair, and a situation is every pair that has it.
TLista Simbolos(const TDiagrama& diagrama, const std::string& pieza) {
  TLista simbolos;
  if (!diagrama.paresSA) {
    if (EnLista(pieza, diagrama.alfabeto)) simbolos.push_back(pieza);
    return simbolos;
  }
  std::string par = pieza;
  par.erase(std::remove(par.begin(), par.end(), '/'), par.end());
  for (const auto& simbolo : diagrama.alfabeto)
    if (IgualesSinMayusculas(simbolo, par) ||
        (pieza.find('/') == std::string::npos && IgualesSinMayusculas(Situacion(simbolo), pieza)))
      simbolos.push_back(simbolo);
  return simbolos;
}

// The pieces of a Mealy string: with no blank nor "/", cut by the machine's pairs, whatever
// their width (a piece that is no pair may still be a situation); otherwise its
// blank-separated words.
TLista PiezasMealy(const TDiagrama& diagrama, std::string_view cadena) {
  if (cadena.find_first_of(" \t/") == std::string_view::npos) return CortarEnSimbolos(cadena, diagrama.alfabeto);
  TLista piezas;
  std::size_t i = 0;
  while (i < cadena.size()) {
    while (i < cadena.size() && (cadena[i] == ' ' || cadena[i] == '\t')) ++i;
    std::size_t fin = i;
    while (fin < cadena.size() && cadena[fin] != ' ' && cadena[fin] != '\t') ++fin;
    if (fin > i) piezas.emplace_back(cadena.substr(i, fin - i));
    i = fin;
  }
  return piezas;
}

std::string Nombres(const TDiagrama& diagrama, const std::vector<int>& estados) {
  std::string nombres;
  for (int e : estados) nombres += (nombres.empty() ? "" : " ") + diagrama.estados[e].nombre;
  return nombres;
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
  if (cadena == kCadenaVaciaRecorrido) cadena = {};
  TRecorrido recorrido;
  recorrido.simbolos =
      diagrama.paresSA ? PiezasMealy(diagrama, cadena) : CortarEnSimbolos(cadena, diagrama.alfabeto);

  TPasoRecorrido inicio;
  if (diagrama.inicial >= 0 && static_cast<std::size_t>(diagrama.inicial) < diagrama.estados.size())
    inicio.estados.push_back(diagrama.inicial);
  recorrido.pasos.push_back(std::move(inicio));
  for (std::size_t i = 0; i < recorrido.simbolos.size() && !recorrido.pasos.back().estados.empty(); ++i) {
    const TLista simbolos = Simbolos(diagrama, recorrido.simbolos[i]);
    if (simbolos.empty()) {
      recorrido.desconocido = i;
      break;
    }
    const std::set<int> actuales(recorrido.pasos.back().estados.begin(), recorrido.pasos.back().estados.end());
    std::set<int> siguientes;
    TPasoRecorrido paso;
    for (std::size_t t = 0; t < diagrama.transiciones.size(); ++t) {
      const auto& arista = diagrama.transiciones[t];
      if (!actuales.count(arista.origen)) continue;
      bool tomada = false;
      for (const auto& simbolo : simbolos) {
        if (!EnLista(simbolo, arista.simbolos)) continue;
        tomada = true;
        if (diagrama.paresSA) {
          const std::string accion = Accion(simbolo);
          if (!EnLista(accion, paso.acciones)) paso.acciones.push_back(accion);
        }
      }
      if (!tomada) continue;
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

std::string MotivoRechazo(const TRecorrido& recorrido, const TDiagrama& diagrama) {
  if (recorrido.Aceptada(diagrama) || recorrido.pasos.empty()) return {};
  if (recorrido.desconocido) return recorrido.simbolos[*recorrido.desconocido] + " no est\xE1 en el alfabeto";
  if (recorrido.pasos.front().estados.empty()) return "el diagrama no tiene estado inicial";
  const auto& ultimo = recorrido.pasos.back();
  if (ultimo.estados.empty()) {
    const auto& antes = recorrido.pasos[recorrido.pasos.size() - 2].estados;
    const std::string& simbolo = recorrido.simbolos[recorrido.pasos.size() - 2];
    return Nombres(diagrama, antes) + (antes.size() == 1 ? " no tiene" : " no tienen") + " transici\xF3n con " +
           simbolo;
  }
  return Nombres(diagrama, ultimo.estados) + (ultimo.estados.size() == 1 ? " no es final" : " no son finales");
}
