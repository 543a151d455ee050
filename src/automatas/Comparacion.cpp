// Comparison by breadth-first search on the product of the two deterministic automata.
// Each side is first put over the union alphabet and made deterministic on sets; a
// missing transition goes to the dead state -1. A pair is looked at when first reached,
// and pairs are reached in length-lexicographic order of the strings that reach them, so
// the first pair where the sides disagree (or, for inclusion, where a accepts and b does
// not) gives the shortest, first witness; it is spelt back through each pair's parent.
#include "automatas/Comparacion.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "automatas/Subconjuntos.h"

namespace {

// A deterministic automaton as a dense table; -1 is the dead state.
struct TTabla {
  int simbolos = 0;
  int inicial = -1;
  std::vector<int> destino;  // [q * simbolos + s]
  std::vector<char> final;

  explicit TTabla(const TAutomataFinito& automata, int nSimbolos) : simbolos(nSimbolos) {
    std::optional<TSubconjuntos> subconjuntos;
    if (!automata.EsDeterminista()) subconjuntos = Determinizar(automata);
    const TAutomataFinito& dfa = subconjuntos ? subconjuntos->automata : automata;
    const int n = dfa.NumeroDeEstados();
    destino.assign(static_cast<std::size_t>(n) * simbolos, -1);
    final.resize(n);
    for (int q = 0; q < n; ++q) {
      final[q] = dfa.EsFinal(q);
      for (const auto& arco : dfa.Salidas(q)) destino[static_cast<std::size_t>(q) * simbolos + arco.simbolo] = arco.destino;
    }
    inicial = dfa.Inicial();
  }
  int Paso(int q, int s) const { return q < 0 ? -1 : destino[static_cast<std::size_t>(q) * simbolos + s]; }
  bool Final(int q) const { return q >= 0 && final[q]; }
};

TComparacion Buscar(const TAutomataFinito& a, const TAutomataFinito& b, bool inclusion) {
  const TLista alfabeto = UnionDeAlfabetos(a.Alfabeto(), b.Alfabeto());
  const int simbolos = static_cast<int>(alfabeto.size());
  const TTabla ta(RenumeradoAlAlfabeto(a, alfabeto), simbolos);
  const TTabla tb(RenumeradoAlAlfabeto(b, alfabeto), simbolos);

  struct TNodo {
    int p, q, padre, simbolo;
  };
  std::vector<TNodo> nodos;
  std::unordered_map<std::uint64_t, int> visto;
  const auto clave = [](int p, int q) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p + 1)) << 32) | static_cast<std::uint32_t>(q + 1);
  };
  const auto distinguen = [&](int p, int q) {
    return inclusion ? ta.Final(p) && !tb.Final(q) : ta.Final(p) != tb.Final(q);
  };
  // Nothing below this pair can tell the sides apart.
  const auto inutil = [&](int p, int q) { return p < 0 && (inclusion || q < 0); };

  TComparacion resultado;
  int encontrado = -1;
  const auto anadir = [&](int p, int q, int padre, int simbolo) {
    if (!visto.try_emplace(clave(p, q), static_cast<int>(nodos.size())).second) return;
    nodos.push_back({p, q, padre, simbolo});
    if (distinguen(p, q)) encontrado = static_cast<int>(nodos.size()) - 1;
  };
  anadir(ta.inicial, tb.inicial, -1, -1);
  for (std::size_t i = 0; encontrado < 0 && i < nodos.size(); ++i) {
    const auto [p, q, padre, simbolo] = nodos[i];
    if (inutil(p, q)) continue;
    for (int s = 0; s < simbolos && encontrado < 0; ++s) anadir(ta.Paso(p, s), tb.Paso(q, s), static_cast<int>(i), s);
  }
  if (encontrado < 0) return resultado;
  resultado.equivalentes = false;
  resultado.aceptaA = ta.Final(nodos[encontrado].p);
  std::vector<int> camino;
  for (int i = encontrado; nodos[i].padre >= 0; i = nodos[i].padre) camino.push_back(nodos[i].simbolo);
  for (auto s = camino.rbegin(); s != camino.rend(); ++s) resultado.testigo.push_back(alfabeto[*s]);
  return resultado;
}

}  // namespace

std::string TComparacion::TextoTestigo() const {
  if (testigo.empty()) return "&";
  std::string texto;
  for (const auto& simbolo : testigo) texto += simbolo;
  return texto;
}

TComparacion CompararAutomatas(const TAutomataFinito& a, const TAutomataFinito& b) { return Buscar(a, b, false); }

TComparacion IncluidoEn(const TAutomataFinito& a, const TAutomataFinito& b) { return Buscar(a, b, true); }
