// k-suffixes heuristic.
//
// Method. T_K(u) is found by cutting every distinct sample string f at its last K+1
// positions: the prefix f[0,c) receives the tail f[c,end) whenever |f| - c <= K. Each
// prefix's tails are numbered, sorted and interned, so equal sets get one class number
// and the empty set class 0. Comparing two states is then comparing two class numbers
// looked up in a case-insensitive hash index; a text no string continues within K symbols
// (not in the index) has the empty set.
#include "inference/heurist/KSufijos.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/IndiceHash.h"

int TTablaKSufijos::Clase(std::string_view u) const {
  const auto i = m_indice.Buscar(HashSinMayusculas(u),
                                 [&](std::uint64_t v) { return IgualesSinMayusculas(m_clases[v].first, u); });
  return i ? m_clases[*i].second : 0;
}

std::unique_ptr<TTablaKSufijos> CalcularTablaKSufijos(const TLista& Finales, int K) {
  auto tabla = std::make_unique<TTablaKSufijos>();
  if (K < 0) return tabla;
  std::unordered_set<std::string_view, THashSinMayusculas, TIgualSinMayusculas> vistas;
  std::unordered_map<std::string_view, int, THashSinMayusculas, TIgualSinMayusculas> numeroDeCola;
  std::unordered_map<std::string, std::vector<int>, THashSinMayusculas, TIgualSinMayusculas> colas;
  for (const auto& cadena : Finales) {
    if (!vistas.insert(cadena).second) continue;
    const std::string_view f = cadena;
    const std::size_t desde = f.size() > static_cast<std::size_t>(K) ? f.size() - static_cast<std::size_t>(K) : 0;
    for (std::size_t corte = desde; corte <= f.size(); ++corte) {
      const auto [cola, nueva] = numeroDeCola.try_emplace(f.substr(corte), static_cast<int>(numeroDeCola.size()));
      colas[std::string(f.substr(0, corte))].push_back(cola->second);
    }
  }
  std::map<std::vector<int>, int> claseDeConjunto;  // class 0 is the empty set
  for (auto& [prefijo, conjunto] : colas) {
    std::sort(conjunto.begin(), conjunto.end());
    const auto [it, nueva] = claseDeConjunto.try_emplace(conjunto, static_cast<int>(claseDeConjunto.size()) + 1);
    tabla->m_indice.Insertar(HashSinMayusculas(prefijo), tabla->m_clases.size());
    tabla->m_clases.emplace_back(prefijo, it->second);
  }
  return tabla;
}

bool KSufijos(const std::string& p, const std::string& q, const TTablaKSufijos& tabla) {
  return tabla.Iguales(p, q);
}

bool KSufijos(const std::string& p, const std::string& q, int K, const TLista& Finales) {
  return CalcularTablaKSufijos(Finales, K)->Iguales(p, q);
}
