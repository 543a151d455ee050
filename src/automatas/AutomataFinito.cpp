// TAutomataFinito: states with sorted out-lists; λ-closures by a stack walk.
#include "automatas/AutomataFinito.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <queue>

#include "core/Texto.h"
#include "core/Utilidades.h"

TAutomataFinito::TAutomataFinito(const TLista& alfabeto) {
  for (const auto& simbolo : alfabeto)
    if (!simbolo.empty()) AnadirSimbolo(simbolo);
}

std::optional<int> TAutomataFinito::SimboloDe(std::string_view texto) const {
  for (std::size_t i = 0; i < m_alfabeto.size(); ++i)
    if (IgualesSinMayusculas(m_alfabeto[i], texto)) return static_cast<int>(i);
  return std::nullopt;
}

int TAutomataFinito::AnadirSimbolo(std::string_view texto) {
  assert(!texto.empty() && "a symbol has a text");
  if (const auto id = SimboloDe(texto)) return *id;
  m_alfabeto.emplace_back(texto);
  return NumeroDeSimbolos() - 1;
}

int TAutomataFinito::AnadirEstado(std::string nombre, TLista prefijos, bool final) {
  const int id = NumeroDeEstados();
  if (nombre.empty()) nombre = NombreBloque(static_cast<std::size_t>(id));
  m_estados.push_back({std::move(nombre), std::move(prefijos), final, {}});
  return id;
}

std::vector<int> TAutomataFinito::Finales() const {
  std::vector<int> finales;
  for (int q = 0; q < NumeroDeEstados(); ++q)
    if (m_estados[q].final) finales.push_back(q);
  return finales;
}

void TAutomataFinito::AnadirTransicion(int origen, int simbolo, int destino) {
  assert(origen >= 0 && origen < NumeroDeEstados() && destino >= 0 && destino < NumeroDeEstados() &&
         "transition between states");
  assert(simbolo >= kLambda && simbolo < NumeroDeSimbolos() && "transition by a symbol");
  auto& salidas = m_estados[origen].salidas;
  const TArcoAF arco{simbolo, destino};
  const auto posicion = std::lower_bound(salidas.begin(), salidas.end(), arco);
  if (posicion != salidas.end() && *posicion == arco) return;
  salidas.insert(posicion, arco);
}

std::vector<int> TAutomataFinito::Destinos(int estado, int simbolo) const {
  std::vector<int> destinos;
  for (const auto& arco : m_estados[estado].salidas)
    if (arco.simbolo == simbolo) destinos.push_back(arco.destino);
  return destinos;
}

int TAutomataFinito::Destino(int estado, int simbolo) const {
  for (const auto& arco : m_estados[estado].salidas)
    if (arco.simbolo == simbolo) return arco.destino;
  return kNinguno;
}

std::size_t TAutomataFinito::NumeroDeTransiciones() const {
  std::size_t total = 0;
  for (const auto& estado : m_estados) total += estado.salidas.size();
  return total;
}

bool TAutomataFinito::EsDeterminista() const {
  for (const auto& estado : m_estados)
    for (std::size_t i = 0; i < estado.salidas.size(); ++i) {
      if (estado.salidas[i].simbolo == kLambda) return false;
      if (i > 0 && estado.salidas[i - 1].simbolo == estado.salidas[i].simbolo) return false;
    }
  return true;
}

bool TAutomataFinito::TieneLambda() const {
  for (const auto& estado : m_estados)
    if (!estado.salidas.empty() && estado.salidas.front().simbolo == kLambda) return true;
  return false;
}

bool TAutomataFinito::EsCompleto() const {
  if (!EsDeterminista()) return false;
  for (const auto& estado : m_estados)
    if (estado.salidas.size() != m_alfabeto.size()) return false;
  return true;
}

std::vector<int> CierreLambda(const TAutomataFinito& automata, std::vector<int> estados) {
  std::vector<char> visto(static_cast<std::size_t>(automata.NumeroDeEstados()), 0);
  std::vector<int> pila;
  for (int q : estados)
    if (!visto[q]) visto[q] = 1, pila.push_back(q);
  estados.clear();
  while (!pila.empty()) {
    const int q = pila.back();
    pila.pop_back();
    estados.push_back(q);
    for (const auto& arco : automata.Salidas(q)) {
      if (arco.simbolo != TAutomataFinito::kLambda) break;  // λ-moves come first
      if (!visto[arco.destino]) visto[arco.destino] = 1, pila.push_back(arco.destino);
    }
  }
  std::sort(estados.begin(), estados.end());
  return estados;
}

bool TAutomataFinito::Acepta(const TCadenaSimbolos& cadena) const {
  if (m_inicial == kNinguno) return false;
  std::vector<int> actuales = CierreLambda(*this, {m_inicial});
  for (int simbolo : cadena) {
    if (simbolo < 0 || simbolo >= NumeroDeSimbolos()) return false;
    std::vector<int> siguientes;
    for (int q : actuales)
      for (const auto& arco : Salidas(q))
        if (arco.simbolo == simbolo) siguientes.push_back(arco.destino);
    actuales = CierreLambda(*this, std::move(siguientes));
    if (actuales.empty()) return false;
  }
  return std::any_of(actuales.begin(), actuales.end(), [&](int q) { return EsFinal(q); });
}

std::string TAutomataFinito::TextoCadena(const TCadenaSimbolos& cadena) const {
  if (cadena.empty()) return "&";
  std::string texto;
  for (int simbolo : cadena) texto += m_alfabeto[simbolo];
  return texto;
}

std::optional<TCadenaSimbolos> TAutomataFinito::CadenaDeTexto(std::string_view texto) const {
  TCadenaSimbolos cadena;
  if (texto == "&") return cadena;
  std::size_t i = 0;
  while (i < texto.size()) {
    int mejor = kNinguno;
    std::size_t largo = 0;
    for (int s = 0; s < NumeroDeSimbolos(); ++s) {
      const auto& simbolo = m_alfabeto[s];
      if (simbolo.size() > largo && simbolo.size() <= texto.size() - i &&
          IgualesSinMayusculas(simbolo, texto.substr(i, simbolo.size())))
        mejor = s, largo = simbolo.size();
    }
    if (mejor == kNinguno) return std::nullopt;
    cadena.push_back(mejor);
    i += largo;
  }
  return cadena;
}

TLista UnionDeAlfabetos(const TLista& a, const TLista& b) {
  TAutomataFinito union_(a);
  for (const auto& simbolo : b)
    if (!simbolo.empty()) union_.AnadirSimbolo(simbolo);
  return union_.Alfabeto();
}

TAutomataFinito RenumeradoAlAlfabeto(const TAutomataFinito& automata, const TLista& alfabeto) {
  TAutomataFinito nuevo(alfabeto);
  std::vector<int> id(static_cast<std::size_t>(automata.NumeroDeSimbolos()));
  for (int s = 0; s < automata.NumeroDeSimbolos(); ++s) id[s] = nuevo.AnadirSimbolo(automata.Alfabeto()[s]);
  for (int q = 0; q < automata.NumeroDeEstados(); ++q)
    nuevo.AnadirEstado(automata.Nombre(q), automata.Prefijos(q), automata.EsFinal(q));
  for (int q = 0; q < automata.NumeroDeEstados(); ++q)
    for (const auto& arco : automata.Salidas(q))
      nuevo.AnadirTransicion(q, arco.simbolo == TAutomataFinito::kLambda ? arco.simbolo : id[arco.simbolo],
                             arco.destino);
  nuevo.PonerInicial(automata.Inicial());
  return nuevo;
}

bool Isomorfos(const TAutomataFinito& a, const TAutomataFinito& b) {
  if (a.NumeroDeEstados() != b.NumeroDeEstados() || a.NumeroDeSimbolos() != b.NumeroDeSimbolos() ||
      a.NumeroDeTransiciones() != b.NumeroDeTransiciones())
    return false;
  for (int s = 0; s < a.NumeroDeSimbolos(); ++s)
    if (!IgualesSinMayusculas(a.Alfabeto()[s], b.Alfabeto()[s])) return false;
  if ((a.Inicial() == TAutomataFinito::kNinguno) != (b.Inicial() == TAutomataFinito::kNinguno)) return false;
  // Deterministic automata: the bijection is forced by a walk from the initial state; the
  // states no walk reaches are matched by their order. Otherwise, compare by state order
  // after the walk's matching (enough for the files Telar writes, which keep the order).
  const int n = a.NumeroDeEstados();
  std::vector<int> deAaB(n, TAutomataFinito::kNinguno), deBaA(n, TAutomataFinito::kNinguno);
  std::queue<int> cola;
  const auto emparejar = [&](int p, int q) {
    if (deAaB[p] == TAutomataFinito::kNinguno && deBaA[q] == TAutomataFinito::kNinguno) {
      deAaB[p] = q, deBaA[q] = p;
      cola.push(p);
      return true;
    }
    return deAaB[p] == q;
  };
  if (a.Inicial() != TAutomataFinito::kNinguno) emparejar(a.Inicial(), b.Inicial());
  const bool deterministas = a.EsDeterminista() && b.EsDeterminista();
  while (deterministas && !cola.empty()) {
    const int p = cola.front();
    cola.pop();
    const int q = deAaB[p];
    if (a.Salidas(p).size() != b.Salidas(q).size()) return false;
    for (std::size_t i = 0; i < a.Salidas(p).size(); ++i) {
      const auto& x = a.Salidas(p)[i];
      const auto& y = b.Salidas(q)[i];
      if (x.simbolo != y.simbolo || !emparejar(x.destino, y.destino)) return false;
    }
  }
  for (int p = 0, q = 0; p < n; ++p) {
    if (deAaB[p] != TAutomataFinito::kNinguno) continue;
    while (q < n && deBaA[q] != TAutomataFinito::kNinguno) ++q;
    if (q == n) return false;
    deAaB[p] = q, deBaA[q] = p;
  }
  for (int p = 0; p < n; ++p) {
    if (a.EsFinal(p) != b.EsFinal(deAaB[p])) return false;
    std::vector<TArcoAF> imagen;
    for (const auto& arco : a.Salidas(p)) imagen.push_back({arco.simbolo, deAaB[arco.destino]});
    std::sort(imagen.begin(), imagen.end());
    if (imagen != b.Salidas(deAaB[p])) return false;
  }
  return a.Inicial() == TAutomataFinito::kNinguno || deAaB[a.Inicial()] == b.Inicial();
}
