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
  if (diagrama.anchoSimbolo <= 1) {
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

// The pieces of a Mealy string: the old pair-width cut when it has no blank and every piece
// is a pair, otherwise its blank-separated words.
TLista PiezasMealy(const TDiagrama& diagrama, std::string_view cadena) {
  TLista piezas;
  const std::size_t ancho = diagrama.anchoSimbolo;
  if (cadena.find_first_of(" \t/") == std::string_view::npos && !cadena.empty() && cadena.size() % ancho == 0) {
    for (std::size_t i = 0; i < cadena.size(); i += ancho) piezas.emplace_back(cadena.substr(i, ancho));
    if (std::all_of(piezas.begin(), piezas.end(),
                    [&](const std::string& p) { return EnLista(p, diagrama.alfabeto); }))
      return piezas;
    piezas.clear();
  }
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

bool TRecorrido::Aceptada(const TDiagrama& diagrama) const {
  if (desconocido || pasos.size() != simbolos.size() + 1) return false;
  for (int estado : pasos.back().estados)
    if (diagrama.estados[estado].final) return true;
  return false;
}

TRecorrido Recorrer(const TDiagrama& diagrama, std::string_view cadena) {
  if (cadena == kCadenaVaciaRecorrido) cadena = {};
  TRecorrido recorrido;
  if (diagrama.anchoSimbolo > 1)
    recorrido.simbolos = PiezasMealy(diagrama, cadena);
  else
    for (char c : cadena) recorrido.simbolos.emplace_back(1, c);

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
        if (diagrama.anchoSimbolo > 1) {
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
