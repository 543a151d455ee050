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
#include <vector>

#include "inference/heurist/ClaveSinMayusculas.h"

namespace {

struct TIndiceKSufijos {
  const TLista* lista = nullptr;  // the object the index was built for
  TLista copia;                   // its contents then
  int K = 0;
  std::unordered_map<std::string, int, THashSinMayusculas, TIgualSinMayusculas> clase;
  bool hayAnterior = false;
  std::string pAnterior;
  int claseAnterior = 0;

  int ClaseDe(std::string_view u) const {
    const auto it = clase.find(u);
    return it == clase.end() ? 0 : it->second;
  }

  void Construir(const TLista& Finales, int k) {
    lista = &Finales;
    copia = Finales;
    K = k;
    clase.clear();
    hayAnterior = false;
    std::unordered_set<std::string_view, THashSinMayusculas, TIgualSinMayusculas> vistas;
    std::unordered_map<std::string_view, int, THashSinMayusculas, TIgualSinMayusculas> numeroDeCola;
    std::unordered_map<std::string, std::vector<int>, THashSinMayusculas, TIgualSinMayusculas> colas;
    for (const auto& cadena : copia) {
      if (!vistas.insert(cadena).second) continue;
      const std::string_view f = cadena;
      if (k < 0) continue;
      const std::size_t desde = f.size() > static_cast<std::size_t>(k) ? f.size() - static_cast<std::size_t>(k) : 0;
      for (std::size_t corte = desde; corte <= f.size(); ++corte) {
        const auto [cola, nueva] = numeroDeCola.try_emplace(f.substr(corte), static_cast<int>(numeroDeCola.size()));
        colas[std::string(f.substr(0, corte))].push_back(cola->second);
      }
    }
    std::map<std::vector<int>, int> claseDeConjunto;  // class 0 is the empty set
    for (auto& [prefijo, conjunto] : colas) {
      std::sort(conjunto.begin(), conjunto.end());
      const auto [it, nueva] = claseDeConjunto.try_emplace(conjunto, static_cast<int>(claseDeConjunto.size()) + 1);
      clase.emplace(prefijo, it->second);
    }
  }
};

}  // namespace

bool KSufijos(const std::string& p, const std::string& q, int K, const TLista& Finales) {
  thread_local TIndiceKSufijos indice;
  const bool otroP = !indice.hayAnterior || p.empty() || p != indice.pAnterior;
  if (indice.lista != &Finales || indice.K != K || indice.copia.size() != Finales.size() ||
      (otroP && indice.copia != Finales))
    indice.Construir(Finales, K);
  if (!indice.hayAnterior || p != indice.pAnterior) {
    indice.pAnterior = p;
    indice.claseAnterior = indice.ClaseDe(p);
    indice.hayAnterior = true;
  }
  return indice.claseAnterior == indice.ClaseDe(q);
}
