// Stren table, candidate bounds, Levine and Miclet.
//
// Method. A state u (a prefix) has the tails T(u) = { w : u.w is a sample string }. Rather
// than testing every (state, string) pair, every distinct sample string f is cut once at
// each position c: f = f[0,c) . f[c,end), and the tail f[c,end) goes to the state f[0,c)
// when that prefix is a state (found through a case-insensitive hash index). Each
// (state, tail) pair arises from exactly one string and one cut, so T(u) is built without
// duplicates. States with equal tail sets form one class (a leaf and every state whose
// strings all end together share {&}), and strengths are counted between classes, which
// are far fewer: through an inverted list, for every tail the classes that have it, one
// class's partners and strengths are found by counting along the lists of its tails. No
// pair is stored; a single strength is the size of the intersection of two sorted tail
// lists. Since stren(i, j) = |T(i) n T(j)|, one set contains the other exactly when the
// strength equals the smaller set's size, which is how Miclet tests containment.
#include "inference/heurist/Stren.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/Texto.h"
#include "core/IndiceHash.h"

int TTablaStren::NumeroColas(int i) const {
  if (i < 0 || i >= NumeroEstados()) return 0;
  return ColasDeClase(Clase(i));
}

int TTablaStren::Fuerza(int i, int j) const {
  if (i < 0 || j < 0 || i >= NumeroEstados() || j >= NumeroEstados()) return 0;
  return FuerzaEntreClases(Clase(i), Clase(j));
}

std::span<const int> TTablaStren::ColasDe(int c) const {
  const auto k = static_cast<std::size_t>(c);
  return {m_colas.data() + m_inicioColas[k], m_inicioColas[k + 1] - m_inicioColas[k]};
}

std::span<const int> TTablaStren::ClasesCon(int t) const {
  const auto k = static_cast<std::size_t>(t);
  return {m_clases.data() + m_inicioClases[k], m_inicioClases[k + 1] - m_inicioClases[k]};
}

int TTablaStren::FuerzaEntreClases(int c1, int c2) const {
  if (c1 == c2) return ColasDeClase(c1);
  auto menor = ColasDe(c1);
  auto mayor = ColasDe(c2);
  if (menor.size() > mayor.size()) std::swap(menor, mayor);
  int comunes = 0;
  if (menor.size() * 16 < mayor.size()) {  // a few tails against many: search each one
    for (int cola : menor) comunes += std::binary_search(mayor.begin(), mayor.end(), cola) ? 1 : 0;
    return comunes;
  }
  for (std::size_t a = 0, b = 0; a < menor.size() && b < mayor.size();) {
    if (menor[a] < mayor[b]) ++a;
    else if (mayor[b] < menor[a]) ++b;
    else ++comunes, ++a, ++b;
  }
  return comunes;
}

TFuerzasDeClase::TFuerzasDeClase(const TTablaStren& tabla)
    : m_tabla(tabla), m_cuenta(static_cast<std::size_t>(tabla.NumeroClases()), 0) {}

const std::vector<std::pair<int, int>>& TFuerzasDeClase::Contar(int clase, bool soloSiguientes) {
  m_vecinas.clear();
  for (int cola : m_tabla.ColasDe(clase)) {
    const auto clases = m_tabla.ClasesCon(cola);
    for (auto it = soloSiguientes ? std::upper_bound(clases.begin(), clases.end(), clase) : clases.begin();
         it != clases.end(); ++it) {
      const int otra = *it;
      if (otra != clase && m_cuenta[static_cast<std::size_t>(otra)]++ == 0) m_vecinas.emplace_back(otra, 0);
    }
  }
  for (auto& [otra, fuerza] : m_vecinas) std::swap(fuerza, m_cuenta[static_cast<std::size_t>(otra)]);
  return m_vecinas;
}

std::unique_ptr<TTablaStren> CalcularFuncionStren(const TLista& Estados, const TLista& Finales,
                                                  int longitudMaxima) {
  auto tabla = std::unique_ptr<TTablaStren>(new TTablaStren());

  // States whose texts differ only in letter case are one state for membership: a group.
  std::unordered_map<std::string_view, int, THashSinMayusculas, TIgualSinMayusculas> grupoDe;
  grupoDe.reserve(Estados.size());
  std::vector<int> grupos;
  grupos.reserve(Estados.size());
  for (const auto& estado : Estados) {
    const auto [it, nuevo] = grupoDe.try_emplace(estado, static_cast<int>(grupoDe.size()));
    grupos.push_back(it->second);
  }

  // Tails are numbered as they first appear; colasDeGrupo[g] lists the tails of group g.
  std::unordered_set<std::string_view, THashSinMayusculas, TIgualSinMayusculas> vistas;
  std::unordered_map<std::string_view, int, THashSinMayusculas, TIgualSinMayusculas> numeroDeCola;
  std::vector<std::vector<int>> colasDeGrupo(grupoDe.size());
  for (const auto& cadena : Finales) {
    if (!vistas.insert(cadena).second) continue;  // a repeated string adds no tail
    const std::string_view f = cadena;
    for (std::size_t corte = 0; corte <= f.size(); ++corte) {
      const std::string_view cola = f.substr(corte);
      if (longitudMaxima < 0 || cola.size() > static_cast<std::size_t>(longitudMaxima)) continue;
      const auto estado = grupoDe.find(f.substr(0, corte));
      if (estado == grupoDe.end()) continue;
      const auto [it, nueva] = numeroDeCola.try_emplace(cola, static_cast<int>(numeroDeCola.size()));
      colasDeGrupo[static_cast<std::size_t>(estado->second)].push_back(it->second);
    }
  }

  // Classes: equal sorted tail lists, numbered in the order of their first state.
  std::map<std::vector<int>, int> claseDeColas;
  std::vector<int> claseDeGrupo(colasDeGrupo.size(), -1);
  tabla->m_inicioColas.push_back(0);
  for (int g : grupos) {
    auto& clase = claseDeGrupo[static_cast<std::size_t>(g)];
    if (clase >= 0) {
      tabla->m_clase.push_back(clase);
      continue;
    }
    auto& colas = colasDeGrupo[static_cast<std::size_t>(g)];
    std::sort(colas.begin(), colas.end());
    const auto [it, nueva] = claseDeColas.try_emplace(std::move(colas), tabla->NumeroClases());
    if (nueva) {
      tabla->m_tamano.push_back(static_cast<int>(it->first.size()));
      tabla->m_colas.insert(tabla->m_colas.end(), it->first.begin(), it->first.end());
      tabla->m_inicioColas.push_back(tabla->m_colas.size());
    }
    clase = it->second;
    tabla->m_clase.push_back(clase);
  }
  claseDeColas.clear();

  // The inverted index: for every tail, the classes having it, ascending.
  std::vector<std::size_t> cuantas(numeroDeCola.size() + 1, 0);
  for (int cola : tabla->m_colas) ++cuantas[static_cast<std::size_t>(cola) + 1];
  for (std::size_t t = 1; t < cuantas.size(); ++t) cuantas[t] += cuantas[t - 1];
  tabla->m_inicioClases = cuantas;
  tabla->m_clases.resize(tabla->m_colas.size());
  for (int c = 0; c < tabla->NumeroClases(); ++c)
    for (std::size_t k = tabla->m_inicioColas[static_cast<std::size_t>(c)];
         k < tabla->m_inicioColas[static_cast<std::size_t>(c) + 1]; ++k)
      tabla->m_clases[cuantas[static_cast<std::size_t>(tabla->m_colas[k])]++] = c;

  // The candidate bounds: the strengths of pairs of classes sharing a tail, and |T| of a
  // class of two or more states (they share all their tails).
  // No strength exceeds the largest tail set.
  const int mayor = tabla->m_tamano.empty() ? 0 : *std::max_element(tabla->m_tamano.begin(), tabla->m_tamano.end());
  std::vector<char> hay(static_cast<std::size_t>(mayor) + 1, 0);
  TFuerzasDeClase fuerzas(*tabla);
  for (int c = 0; c < tabla->NumeroClases(); ++c)
    for (const auto& [otra, fuerza] : fuerzas.Siguientes(c)) hay[static_cast<std::size_t>(fuerza)] = 1;
  std::vector<int> miembros(static_cast<std::size_t>(tabla->NumeroClases()), 0);
  for (int c : tabla->m_clase) ++miembros[static_cast<std::size_t>(c)];
  for (int c = 0; c < tabla->NumeroClases(); ++c)
    if (miembros[static_cast<std::size_t>(c)] > 1) hay[static_cast<std::size_t>(tabla->ColasDeClase(c))] = 1;
  for (int fuerza = 1; fuerza <= mayor; ++fuerza)
    if (hay[static_cast<std::size_t>(fuerza)]) tabla->m_fuerzasPositivas.push_back(fuerza);
  return tabla;
}

std::unique_ptr<TLista> CalcularCotasStren(const TTablaStren& tabla) {
  auto cotas = std::make_unique<TLista>();
  for (int fuerza : tabla.FuerzasPositivas()) cotas->push_back(std::to_string(fuerza));
  return cotas;
}

TVariante ObtenerCotaMenor(const TLista& cotas) {
  std::optional<double> menor;
  for (const auto& cota : cotas) {
    const auto valor = VarianteAReal(TVariante(cota));
    if (valor && (!menor || *valor < *menor)) menor = valor;
  }
  return menor.value_or(1.0);
}

bool LevineSegunFuerza(double S, int fuerza) { return fuerza >= S; }

bool MicletSegunFuerza(double S, int fuerza, int colas1, int colas2) {
  return fuerza >= S && (fuerza == colas1 || fuerza == colas2);
}

bool Levine(int i, int j, TVariante S, const TTablaStren& tabla) {
  const auto cota = VarianteAReal(S);
  return cota && LevineSegunFuerza(*cota, tabla.Fuerza(i, j));
}

bool Miclet(int i, int j, TVariante S, const TTablaStren& tabla) {
  const auto cota = VarianteAReal(S);
  return cota && MicletSegunFuerza(*cota, tabla.Fuerza(i, j), tabla.NumeroColas(i), tabla.NumeroColas(j));
}
