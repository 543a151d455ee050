// Writing the expression of an automaton by state elimination on its minimal partial
// automaton: a new start state S (λ to the initial state) and end state F (λ from every
// final state); eliminating state k replaces every path i -> k -> j by the edge
// R(i,j) | R(i,k) R(k,k)* R(k,j). States go in the order of fewest (in-edges × out-edges),
// ties by number, which keeps the expressions short on textbook automata. The
// expressions are trees built through simplifying constructors; each node keeps its text.
#include "automatas/ExpresionRegular.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "automatas/Minimizacion.h"

namespace {

struct TNodo;
using TER = std::shared_ptr<const TNodo>;

// Precedence of a node's text: 0 union, 1 concatenation, 2 postfix or atom.
struct TNodo {
  enum TTipo { Lambda, Simbolo, Union, Concatenacion, Estrella } tipo = Lambda;
  std::vector<TER> hijos;
  std::string texto;
  int precedencia = 2;
  bool anulable = false;  // accepts the empty string
};

std::string Agrupado(const TER& r, int precedencia) {
  return r->precedencia < precedencia ? "(" + r->texto + ")" : r->texto;
}

TER NuevoLambda() {
  auto n = std::make_shared<TNodo>();
  n->texto = "&";
  n->anulable = true;
  return n;
}

TER NuevoSimbolo(const std::string& texto) {
  auto n = std::make_shared<TNodo>();
  n->tipo = TNodo::Simbolo;
  n->texto = texto;
  // a symbol of several characters is written as it is, grouped so it reads as one
  n->precedencia = texto.size() == 1 ? 2 : 1;
  return n;
}

TER Estrella(const TER& r);
TER Union(const TER& a, const TER& b);

// The union of terms[desde..]; nullptr when there are none.
TER UnionDe(const std::vector<TER>& terminos, std::size_t desde) {
  TER u;
  for (std::size_t i = desde; i < terminos.size(); ++i) u = Union(u, terminos[i]);
  return u;
}

// The text of the concatenation of partes[desde..hasta), as Concatenar writes it (one
// part: its own text).
std::string TextoConcatenacion(const std::vector<TER>& partes, std::size_t desde, std::size_t hasta) {
  if (hasta - desde == 1) return partes[desde]->texto;
  std::string texto;
  for (std::size_t i = desde; i < hasta; ++i) texto += Agrupado(partes[i], 2);
  return texto;
}

// When `t` is r r* or r* r, the term r* (so that λ | t = r*); nullptr otherwise.
TER EstrellaDeCierre(const TER& t) {
  if (t->tipo != TNodo::Concatenacion || t->hijos.size() < 2) return nullptr;
  const auto& h = t->hijos;
  const TER& ultimo = h.back();
  if (ultimo->tipo == TNodo::Estrella && ultimo->hijos.front()->texto == TextoConcatenacion(h, 0, h.size() - 1))
    return ultimo;
  const TER& primero = h.front();
  if (primero->tipo == TNodo::Estrella && primero->hijos.front()->texto == TextoConcatenacion(h, 1, h.size()))
    return primero;
  return nullptr;
}

// The union of the terms, flattened, each once (by text), sorted by length then text; λ
// dropped when another term accepts the empty string, and written "r?" when one term
// remains beside it. nullptr stands for the empty language.
TER Union(const TER& a, const TER& b) {
  if (!a) return b;
  if (!b) return a;
  std::vector<TER> terminos;
  for (const auto& r : {a, b}) {
    if (r->tipo == TNodo::Union)
      terminos.insert(terminos.end(), r->hijos.begin(), r->hijos.end());
    else
      terminos.push_back(r);
  }
  std::sort(terminos.begin(), terminos.end(), [](const TER& x, const TER& y) {
    return x->texto.size() != y->texto.size() ? x->texto.size() < y->texto.size() : x->texto < y->texto;
  });
  terminos.erase(std::unique(terminos.begin(), terminos.end(),
                             [](const TER& x, const TER& y) { return x->texto == y->texto; }),
                 terminos.end());
  bool conLambda = std::any_of(terminos.begin(), terminos.end(), [](const TER& r) { return r->tipo == TNodo::Lambda; });
  if (conLambda) {
    // λ | r r* = λ | r* r = r*: the first such term absorbs the λ
    for (auto& t : terminos)
      if (const TER estrella = EstrellaDeCierre(t)) {
        t = estrella;
        conLambda = false;
        break;
      }
    if (!conLambda) {
      terminos.erase(std::remove_if(terminos.begin(), terminos.end(), [](const TER& r) { return r->tipo == TNodo::Lambda; }),
                     terminos.end());
      return terminos.size() == 1 ? terminos.front() : Union(terminos.front(), UnionDe(terminos, 1));
    }
  }
  std::vector<TER> resto;
  for (const auto& r : terminos)
    if (r->tipo != TNodo::Lambda) resto.push_back(r);
  const bool otroAnulable = std::any_of(resto.begin(), resto.end(), [](const TER& r) { return r->anulable; });
  if (resto.empty()) return NuevoLambda();
  auto n = std::make_shared<TNodo>();
  n->tipo = TNodo::Union;
  n->hijos = terminos;
  n->anulable = conLambda || otroAnulable;
  if (conLambda && otroAnulable) n->hijos = resto;
  if (n->hijos.size() == 1) return n->hijos.front();
  if (conLambda && !otroAnulable) {
    // λ | r as r? (the λ stays among the terms, so later unions keep it)
    std::string dentro;
    for (std::size_t i = 0; i < resto.size(); ++i) dentro += (i ? "|" : "") + Agrupado(resto[i], 1);
    n->texto = (resto.size() == 1 ? Agrupado(resto.front(), 2) : "(" + dentro + ")") + "?";
    n->precedencia = 2;
    return n;
  }
  for (std::size_t i = 0; i < n->hijos.size(); ++i) n->texto += (i ? "|" : "") + Agrupado(n->hijos[i], 1);
  n->precedencia = 0;
  return n;
}

TER Concatenar(const TER& a, const TER& b) {
  if (!a || !b) return nullptr;
  if (a->tipo == TNodo::Lambda) return b;
  if (b->tipo == TNodo::Lambda) return a;
  auto n = std::make_shared<TNodo>();
  n->tipo = TNodo::Concatenacion;
  for (const auto& r : {a, b}) {
    if (r->tipo == TNodo::Concatenacion)
      n->hijos.insert(n->hijos.end(), r->hijos.begin(), r->hijos.end());
    else
      n->hijos.push_back(r);
  }
  n->anulable = a->anulable && b->anulable;
  n->precedencia = 1;
  for (const auto& r : n->hijos) n->texto += Agrupado(r, 2);
  return n;
}

// r* with (r*)* = r*, λ* = ∅* = λ, (λ|r)* = r*, and (s*|t)* = (s|t)*.
TER Estrella(const TER& r) {
  if (!r || r->tipo == TNodo::Lambda) return NuevoLambda();
  if (r->tipo == TNodo::Estrella) return r;
  TER base = r;
  if (r->tipo == TNodo::Union) {
    TER sinEstrellas;
    for (const auto& t : r->hijos)
      if (t->tipo != TNodo::Lambda) sinEstrellas = Union(sinEstrellas, t->tipo == TNodo::Estrella ? t->hijos.front() : t);
    if (!sinEstrellas) return NuevoLambda();
    if (sinEstrellas->tipo == TNodo::Estrella) return sinEstrellas;
    base = sinEstrellas;
  }
  auto n = std::make_shared<TNodo>();
  n->tipo = TNodo::Estrella;
  n->hijos = {base};
  n->anulable = true;
  n->texto = Agrupado(base, 2) + "*";
  return n;
}

}  // namespace

TExpresionDeAutomata ExpresionRegular(const TAutomataFinito& automata, std::size_t limite) {
  const TAutomataFinito minimo = Minimizar(automata, TModoMinimo::Parcial).automata;
  TExpresionDeAutomata resultado;
  if (minimo.Inicial() == TAutomataFinito::kNinguno) {
    resultado.vacio = true;
    resultado.mensaje = "El lenguaje es vac\xEDo: no acepta ninguna cadena";
    return resultado;
  }
  const int n = minimo.NumeroDeEstados();
  const int inicio = n, fin = n + 1;
  // aristas[i][j] = R(i,j); entradas[j] = the i with R(i,j), for the elimination order.
  std::vector<std::map<int, TER>> aristas(n + 2);
  std::vector<std::set<int>> entradas(n + 2);
  const auto poner = [&](int i, int j, const TER& r) {
    auto& actual = aristas[i][j];
    actual = Union(actual, r);
    entradas[j].insert(i);
  };
  poner(inicio, minimo.Inicial(), NuevoLambda());
  for (int q = 0; q < n; ++q) {
    if (minimo.EsFinal(q)) poner(q, fin, NuevoLambda());
    for (const auto& arco : minimo.Salidas(q)) poner(q, arco.destino, NuevoSimbolo(minimo.Alfabeto()[arco.simbolo]));
  }
  std::vector<bool> eliminado(n, false);
  for (int paso = 0; paso < n; ++paso) {
    int k = -1;
    std::size_t mejor = 0;
    for (int q = 0; q < n; ++q) {
      if (eliminado[q]) continue;
      const std::size_t propio = aristas[q].count(q);
      const std::size_t coste = (entradas[q].size() - propio) * (aristas[q].size() - propio);
      if (k < 0 || coste < mejor) k = q, mejor = coste;
    }
    eliminado[k] = true;
    const TER bucle = aristas[k].count(k) ? Estrella(aristas[k][k]) : NuevoLambda();
    const auto salidas = aristas[k];
    const auto predecesores = entradas[k];
    for (int i : predecesores) {
      if (i == k) continue;
      const TER ik = aristas[i][k];
      aristas[i].erase(k);
      const TER antes = Concatenar(ik, bucle);
      for (const auto& [j, kj] : salidas) {
        if (j == k) continue;
        poner(i, j, Concatenar(antes, kj));
        if (aristas[i][j]->texto.size() > limite) {
          resultado.truncada = true;
          resultado.mensaje = "La expresi\xF3n pasa de " + std::to_string(limite) +
                              " caracteres y no se ha terminado de escribir: el aut\xF3mata tiene " +
                              std::to_string(n) + " estados en su forma m\xEDnima";
          return resultado;
        }
      }
    }
    for (const auto& [j, kj] : salidas) entradas[j].erase(k);
    aristas[k].clear();
  }
  const auto r = aristas[inicio].find(fin);
  resultado.texto = r == aristas[inicio].end() ? "&" : r->second->texto;
  return resultado;
}
