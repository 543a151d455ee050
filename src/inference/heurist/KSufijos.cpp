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

#include "inference/heurist/ClaveSinMayusculas.h"

namespace {

// Class numbers of prefixes in one flat open-addressing table (linear probing over a
// power-of-two capacity), the texts kept in one buffer: a lookup is one hash of the text
// and, usually, one probe.
class TClases {
 public:
  void Construir(const std::vector<std::pair<std::string, int>>& clases) {
    std::size_t capacidad = 16;
    while (capacidad < 2 * clases.size()) capacidad *= 2;
    m_mascara = capacidad - 1;
    m_celdas.assign(capacidad, TCelda{});
    m_textos.clear();
    for (const auto& [texto, clase] : clases) {
      const std::uint64_t h = HashSinMayusculas(texto);
      std::size_t i = h & m_mascara;
      while (m_celdas[i].clase != 0) i = (i + 1) & m_mascara;
      m_celdas[i] = TCelda{h, static_cast<std::uint32_t>(m_textos.size()),
                           static_cast<std::uint32_t>(texto.size()), clase};
      m_textos += texto;
    }
  }

  // The class of `texto`; 0 (the empty set) for a text not in the table.
  int Clase(std::string_view texto) const {
    if (m_celdas.empty()) return 0;
    const std::uint64_t h = HashSinMayusculas(texto);
    for (std::size_t i = h & m_mascara; m_celdas[i].clase != 0; i = (i + 1) & m_mascara) {
      const TCelda& celda = m_celdas[i];
      if (celda.hash == h &&
          IgualesSinMayusculasRapido(std::string_view(m_textos).substr(celda.inicio, celda.largo), texto))
        return celda.clase;
    }
    return 0;
  }

 private:
  struct TCelda {
    std::uint64_t hash = 0;
    std::uint32_t inicio = 0;
    std::uint32_t largo = 0;
    int clase = 0;  // 0: free cell
  };
  std::vector<TCelda> m_celdas;
  std::string m_textos;
  std::size_t m_mascara = 0;
};

struct TIndiceKSufijos {
  const TLista* lista = nullptr;  // the object the index was built for
  TLista copia;                   // its contents then
  int K = 0;
  TClases clases;
  bool hayAnterior = false;
  std::string pAnterior;
  int claseAnterior = 0;

  int ClaseDe(std::string_view u) const { return clases.Clase(u); }

  void Construir(const TLista& Finales, int k) {
    lista = &Finales;
    copia = Finales;
    K = k;
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
    std::vector<std::pair<std::string, int>> clasesDePrefijos;
    for (auto& [prefijo, conjunto] : colas) {
      std::sort(conjunto.begin(), conjunto.end());
      const auto [it, nueva] = claseDeConjunto.try_emplace(conjunto, static_cast<int>(claseDeConjunto.size()) + 1);
      clasesDePrefijos.emplace_back(prefijo, it->second);
    }
    clases.Construir(clasesDePrefijos);
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
