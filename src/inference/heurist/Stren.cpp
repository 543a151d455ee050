// Stren table, candidate bounds, Levine and Miclet.
//
// Method. A state u (a prefix) has the tails T(u) = { w : u.w is a sample string }. Rather
// than testing every (state, string) pair, every distinct sample string f is cut once at
// each position c: f = f[0,c) . f[c,end), and the tail f[c,end) goes to the state f[0,c)
// when that prefix is a state (found through a case-insensitive hash index). Each
// (state, tail) pair arises from exactly one string and one cut, so T(u) is built without
// duplicates. Strengths then come from an inverted list: for every tail, the states that
// have it; each pair of them shares that tail, so its count grows by one. Only pairs with
// a positive strength are stored. Since stren(i, j) = |T(i) n T(j)|, one set contains the
// other exactly when the strength equals the smaller set's size, which makes Miclet a
// constant-time test as well.
#include "inference/heurist/Stren.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/Texto.h"
#include "core/IndiceHash.h"

std::uint64_t TTablaStren::Clave(int g1, int g2) {
  if (g1 > g2) std::swap(g1, g2);
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(g1)) << 32) |
         static_cast<std::uint32_t>(g2);
}

int TTablaStren::NumeroColas(int i) const {
  if (i < 0 || i >= NumeroEstados()) return 0;
  return m_colas[static_cast<std::size_t>(m_grupo[static_cast<std::size_t>(i)])];
}

int TTablaStren::Fuerza(int i, int j) const {
  if (i < 0 || j < 0 || i >= NumeroEstados() || j >= NumeroEstados()) return 0;
  const int g1 = m_grupo[static_cast<std::size_t>(i)];
  const int g2 = m_grupo[static_cast<std::size_t>(j)];
  if (g1 == g2) return m_colas[static_cast<std::size_t>(g1)];
  const auto it = m_fuerzas.find(Clave(g1, g2));
  return it == m_fuerzas.end() ? 0 : it->second;
}

std::vector<int> TTablaStren::FuerzasPositivas() const {
  std::set<int> distintas;
  for (const auto& [clave, fuerza] : m_fuerzas) distintas.insert(fuerza);
  // Two indexes of one group (texts equal but for letter case) share all their tails.
  std::vector<int> miembros(m_colas.size(), 0);
  for (int g : m_grupo) ++miembros[static_cast<std::size_t>(g)];
  for (std::size_t g = 0; g < m_colas.size(); ++g)
    if (miembros[g] > 1 && m_colas[g] > 0) distintas.insert(m_colas[g]);
  return {distintas.begin(), distintas.end()};
}

std::vector<std::pair<std::size_t, std::size_t>> TTablaStren::ParesConFuerza() const {
  std::vector<std::vector<std::size_t>> miembros(m_colas.size());
  for (std::size_t s = 0; s < m_grupo.size(); ++s) miembros[static_cast<std::size_t>(m_grupo[s])].push_back(s);
  std::vector<std::pair<std::size_t, std::size_t>> pares;
  const auto unir = [&](const std::vector<std::size_t>& a, const std::vector<std::size_t>& b) {
    for (std::size_t i : a)
      for (std::size_t j : b)
        if (i != j) pares.emplace_back(std::min(i, j), std::max(i, j));
  };
  for (const auto& [clave, fuerza] : m_fuerzas)
    unir(miembros[static_cast<std::size_t>(clave >> 32)], miembros[static_cast<std::size_t>(clave & 0xFFFFFFFFu)]);
  // two indexes of one group share all their tails
  for (std::size_t g = 0; g < miembros.size(); ++g)
    if (m_colas[g] > 0)
      for (std::size_t a = 0; a < miembros[g].size(); ++a)
        for (std::size_t b = a + 1; b < miembros[g].size(); ++b) pares.emplace_back(miembros[g][a], miembros[g][b]);
  std::sort(pares.begin(), pares.end());
  return pares;
}

std::unique_ptr<TTablaStren> CalcularFuncionStren(const TLista& Estados, const TLista& Finales,
                                                  int longitudMaxima) {
  auto tabla = std::unique_ptr<TTablaStren>(new TTablaStren());

  std::unordered_map<std::string_view, int, THashSinMayusculas, TIgualSinMayusculas> grupoDe;
  grupoDe.reserve(Estados.size());
  tabla->m_grupo.reserve(Estados.size());
  for (const auto& estado : Estados) {
    const auto [it, nuevo] = grupoDe.try_emplace(estado, static_cast<int>(grupoDe.size()));
    tabla->m_grupo.push_back(it->second);
  }
  tabla->m_colas.assign(grupoDe.size(), 0);

  // Tails are numbered as they first appear; estadosDeCola[t] lists the groups having tail t.
  std::unordered_set<std::string_view, THashSinMayusculas, TIgualSinMayusculas> vistas;
  std::unordered_map<std::string_view, int, THashSinMayusculas, TIgualSinMayusculas> numeroDeCola;
  std::vector<std::vector<int>> estadosDeCola;
  for (const auto& cadena : Finales) {
    if (!vistas.insert(cadena).second) continue;  // a repeated string adds no tail
    const std::string_view f = cadena;
    for (std::size_t corte = 0; corte <= f.size(); ++corte) {
      const std::string_view cola = f.substr(corte);
      if (longitudMaxima < 0 || cola.size() > static_cast<std::size_t>(longitudMaxima)) continue;
      const auto estado = grupoDe.find(f.substr(0, corte));
      if (estado == grupoDe.end()) continue;
      const auto [it, nueva] = numeroDeCola.try_emplace(cola, static_cast<int>(estadosDeCola.size()));
      if (nueva) estadosDeCola.emplace_back();
      estadosDeCola[static_cast<std::size_t>(it->second)].push_back(estado->second);
      ++tabla->m_colas[static_cast<std::size_t>(estado->second)];
    }
  }

  for (const auto& grupos : estadosDeCola)
    for (std::size_t a = 0; a < grupos.size(); ++a)
      for (std::size_t b = a + 1; b < grupos.size(); ++b)
        ++tabla->m_fuerzas[TTablaStren::Clave(grupos[a], grupos[b])];
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

bool Levine(int i, int j, TVariante S, const TTablaStren& tabla) {
  const auto cota = VarianteAReal(S);
  return cota && tabla.Fuerza(i, j) >= *cota;
}

bool Miclet(int i, int j, TVariante S, const TTablaStren& tabla) {
  const auto cota = VarianteAReal(S);
  if (!cota) return false;
  const int fuerza = tabla.Fuerza(i, j);
  return fuerza >= *cota && (fuerza == tabla.NumeroColas(i) || fuerza == tabla.NumeroColas(j));
}
