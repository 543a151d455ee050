// DiagramaDeAutomata: reads each automaton kind once, state by state and symbol by symbol,
// and groups the transitions of one pair of states into one edge.
#include "diagram/DiagramaDeAutomata.h"

#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/Automata.h"
#include "core/Utilidades.h"
#include "inference/mealy/MaquinaMealy.h"
#include "results/DatosResultado.h"
#include "results/Determinizacion.h"

namespace {

// How the grid names the empty prefix.
std::string NombrePrefijo(const std::string& prefijo) { return prefijo.empty() ? "&" : prefijo; }

TLista NombresPrefijos(const TLista& bloque) {
  TLista nombres;
  for (const auto& prefijo : bloque) nombres.push_back(NombrePrefijo(prefijo));
  return nombres;
}

// Collects transitions of one origin at a time; each new (origen, destino) pair opens an edge.
class TAristas {
 public:
  explicit TAristas(TDiagrama& diagrama, std::function<std::string(const std::string&)> texto = {})
      : m_diagrama(diagrama), m_texto(std::move(texto)) {}

  void Anadir(int origen, int destino, const std::string& simbolo) {
    const int estados = static_cast<int>(m_diagrama.estados.size());
    if (origen < 0 || destino < 0 || origen >= estados || destino >= estados) return;
    auto [posicion, nueva] = m_arista.try_emplace({origen, destino}, m_diagrama.transiciones.size());
    if (nueva) m_diagrama.transiciones.push_back({origen, destino, {}, {}});
    auto& arista = m_diagrama.transiciones[posicion->second];
    arista.simbolos.push_back(simbolo);
    if (!arista.etiqueta.empty()) arista.etiqueta += ", ";
    arista.etiqueta += m_texto ? m_texto(simbolo) : simbolo;
  }

 private:
  TDiagrama& m_diagrama;
  std::function<std::string(const std::string&)> m_texto;
  std::map<std::pair<int, int>, std::size_t> m_arista;
};

// The blocks of a partition as states "q"+n.
void EstadosDeBloques(TDiagrama& diagrama, const TParticion& bloques) {
  for (std::size_t n = 0; n < bloques.size(); ++n)
    diagrama.estados.push_back({NombreBloque(n), NombresPrefijos(bloques[n]), false, false});
}

}  // namespace

std::size_t TDiagrama::NumeroDeTransiciones() const {
  std::size_t total = 0;
  for (const auto& arista : transiciones) total += arista.simbolos.size();
  return total;
}

TDiagrama DiagramaAceptor(const TAutomata& aceptor, bool marcaKR) {
  TDiagrama diagrama;
  diagrama.alfabeto = aceptor.Alfabeto().Lista();
  for (const auto& estado : aceptor.Estados()) {
    const bool marcado = marcaKR && !estado.empty() && estado.back() == '$';
    diagrama.estados.push_back({NombrePrefijo(estado), {NombrePrefijo(estado)},
                                aceptor.Finales().EsMiembro(estado), marcado});
  }
  if (!aceptor.Estados().empty()) diagrama.inicial = 0;
  TAristas aristas(diagrama);
  for (std::size_t s = 0; s < aceptor.Estados().size(); ++s)
    for (const auto& simbolo : aceptor.Alfabeto())
      if (const auto destino = aceptor.Estados().IndiceDe(aceptor.Estados()[s] + simbolo))
        aristas.Anadir(static_cast<int>(s), static_cast<int>(*destino), simbolo);
  return diagrama;
}

TDiagrama DiagramaCociente(const TAutomata& automata, const TDatosResultado& datos) {
  TDiagrama diagrama;
  diagrama.alfabeto = automata.Alfabeto().Lista();
  EstadosDeBloques(diagrama, automata.Bloques());
  for (int n : datos.BloquesFinales)
    if (n >= 0 && static_cast<std::size_t>(n) < diagrama.estados.size()) diagrama.estados[n].final = true;
  diagrama.inicial = datos.BloqueInicial;
  TAristas aristas(diagrama);
  for (std::size_t n = 0; n < datos.TablaDestinos.size() && n < diagrama.estados.size(); ++n)
    for (std::size_t c = 0; c < datos.TablaDestinos[n].size() && c < diagrama.alfabeto.size(); ++c)
      for (int destino : datos.TablaDestinos[n][c]) aristas.Anadir(static_cast<int>(n), destino, diagrama.alfabeto[c]);
  return diagrama;
}

TDiagrama DiagramaDeterminista(const TAutomata& automata, const TAutomataDeterminista& determinista,
                               const std::vector<int>& filasFinales) {
  TDiagrama diagrama;
  diagrama.alfabeto = determinista.Alfabeto;
  const std::set<int> finales(filasFinales.begin(), filasFinales.end());
  for (std::size_t r = 0; r < determinista.Estados.size(); ++r) {
    TEstadoDiagrama estado{determinista.NombreFila(static_cast<int>(r)), {}, finales.count(static_cast<int>(r)) > 0,
                           false};
    for (int bloque : determinista.Estados[r])
      if (bloque >= 0 && static_cast<std::size_t>(bloque) < automata.Bloques().size())
        for (const auto& nombre : NombresPrefijos(automata.Bloques()[bloque])) estado.prefijos.push_back(nombre);
    diagrama.estados.push_back(std::move(estado));
  }
  if (!diagrama.estados.empty()) diagrama.inicial = 0;
  TAristas aristas(diagrama);
  for (std::size_t r = 0; r < determinista.Transiciones.size(); ++r)
    for (std::size_t c = 0; c < determinista.Transiciones[r].size() && c < diagrama.alfabeto.size(); ++c)
      if (const int destino = determinista.Transiciones[r][c]; destino >= 0)
        aristas.Anadir(static_cast<int>(r), destino, diagrama.alfabeto[c]);
  return diagrama;
}

namespace {

// The block numbers in a Mealy cell or state text: names "q"+n run together ("q1q12").
std::vector<int> NumerosDeBloques(const std::string& texto) {
  std::vector<int> numeros;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] != 'q') continue;
    int numero = 0;
    std::size_t j = i + 1;
    for (; j < texto.size() && texto[j] >= '0' && texto[j] <= '9'; ++j) numero = numero * 10 + (texto[j] - '0');
    if (j > i + 1) numeros.push_back(numero);
    i = j - 1;
  }
  return numeros;
}

std::string TextoPar(const std::string& simbolo) {
  std::string situacion, accion;
  PartirEnA(simbolo, situacion, accion);
  return situacion + " / " + accion;
}

}  // namespace

TDiagrama DiagramaMealy(const TMaquinaMealy& maquina) {
  TDiagrama diagrama;
  diagrama.alfabeto = maquina.Alfabeto();
  diagrama.paresSA = true;
  EstadosDeBloques(diagrama, maquina.Bloques());
  for (int n : NumerosDeBloques(maquina.TextoEstadosFinales()))
    if (static_cast<std::size_t>(n) < diagrama.estados.size()) diagrama.estados[n].final = true;
  if (const auto inicial = NumerosDeBloques(maquina.TextoEstadoInicial()); !inicial.empty())
    diagrama.inicial = inicial.front();
  TAristas aristas(diagrama, TextoPar);
  for (std::size_t n = 0; n < diagrama.estados.size(); ++n)
    for (const auto& simbolo : diagrama.alfabeto)
      for (int destino : NumerosDeBloques(maquina.DestinosMealy(n, simbolo)))
        if (static_cast<std::size_t>(destino) < diagrama.estados.size())
          aristas.Anadir(static_cast<int>(n), destino, simbolo);
  return diagrama;
}
