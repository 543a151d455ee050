// IM1 inference.
//
// Method. Every unordered pair of prefix states (i, j), in lexicographic order of the
// indexes, is put to the heuristic, whatever was merged before; an approved pair joins
// the whole blocks that now hold the two states. The partition is a list of blocks whose
// order matters (block n is the state "q"+n): a merge removes both blocks and appends the
// first followed by the second, and approving two states already together moves their
// block to the end. Done literally on text lists each approved pair costs a scan of the
// partition; here the blocks are the shared union-find partition over state indexes
// (core/UnionBloques), each root holding its members as a linked list (so "B1 followed by
// B2" is a splice) and the time of its last move. The final order of the blocks is the order of those times, which is
// exactly the order the appends at the end of the list would have produced.
#include "inference/AlgoritmoIM1.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "core/UnionBloques.h"
#include "inference/ObservadorFusiones.h"
#include "inference/ParesDecisivos.h"

std::unique_ptr<TDatosStren> CalcularDatosStren(const TAutomata& automata, int longitudMaxima) {
  auto datos = std::make_unique<TDatosStren>();
  datos->Tabla = CalcularFuncionStren(automata.Estados(), automata.Finales(), longitudMaxima);
  datos->Cotas = CalcularCotasStren(*datos->Tabla);
  return datos;
}

bool PreguntarHeuristico(const TParametrosIM1& parametros, const std::string& p, const std::string& q,
                         std::size_t i, std::size_t j, const TTablaStren* tabla, const TTablaKSufijos* sufijos) {
  switch (parametros.Heuristico) {
    case THeuristico::Levine:
      return tabla != nullptr && Levine(static_cast<int>(i), static_cast<int>(j), parametros.S, *tabla);
    case THeuristico::Miclet:
      return tabla != nullptr && Miclet(static_cast<int>(i), static_cast<int>(j), parametros.S, *tabla);
    case THeuristico::K_Sufijos:
      return sufijos != nullptr && KSufijos(p, q, *sufijos);
    case THeuristico::OtroH:
      return false;
  }
  return false;
}

namespace {

// The pair loop's blocks: an approved pair of two blocks joins them (B1 then B2, at the end);
// an approved pair inside one block moves it to the end.
class TBloquesIM1 {
 public:
  explicit TBloquesIM1(std::size_t n) : m_bloques(n) {}

  // Returns whether two different blocks were joined.
  bool Fusionar(std::size_t p, std::size_t q) {
    const auto a = static_cast<TUnionBloques::TElemento>(p);
    const auto b = static_cast<TUnionBloques::TElemento>(q);
    if (m_bloques.Unir(a, b) != TUnionBloques::kNinguno) return true;
    m_bloques.MoverAlFinal(a);
    return false;
  }

  TParticion Particion(const TLista& estados) const {
    TParticion bloques;
    bloques.reserve(m_bloques.NumeroDeBloques());
    for (const auto raiz : m_bloques.Raices()) {
      TLista bloque;
      bloque.reserve(m_bloques.Tamano(raiz));
      for (auto s = m_bloques.Primero(raiz); s != TUnionBloques::kNinguno; s = m_bloques.Siguiente(s))
        bloque.push_back(estados[s]);
      bloques.push_back(std::move(bloque));
    }
    return bloques;
  }

 private:
  TUnionBloques m_bloques;
};

}  // namespace

TParticion FusionarPares(const TLista& Estados, const std::function<bool(std::size_t, std::size_t)>& aprueba,
                         TObservadorFusiones* observador,
                         const std::function<TCausaFusion(std::size_t, std::size_t)>& causa) {
  const std::size_t n = Estados.size();
  TBloquesIM1 bloques(n);
  for (std::size_t i = 0; i + 1 < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j)
      if (aprueba(i, j) && bloques.Fusionar(i, j) && observador)
        observador->Fusion(NombreEnTraza(Estados[i]), NombreEnTraza(Estados[j]), causa ? causa(i, j) : TCausaFusion());
  return bloques.Particion(Estados);
}

TParticion FusionarPorClases(const TLista& Estados, const std::vector<int>& clases, TObservadorFusiones* observador,
                             const std::function<TCausaFusion(std::size_t, std::size_t)>& causa) {
  const std::size_t n = Estados.size();
  // states grouped by class, each class in index order
  std::vector<std::size_t> orden(n);
  std::iota(orden.begin(), orden.end(), std::size_t{0});
  std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) { return clases[a] < clases[b]; });
  struct TClase {
    std::size_t inicio, fin;  // its states in `orden`
    std::size_t momento;      // when the pair loop last appended its block
  };
  std::vector<TClase> grupos;
  std::vector<std::pair<std::size_t, std::size_t>> uniones;
  for (std::size_t inicio = 0; inicio < n;) {
    std::size_t fin = inicio + 1;
    while (fin < n && clases[orden[fin]] == clases[orden[inicio]]) ++fin;
    // a state alone keeps its initial time (its index); a class of several is last moved by
    // its last pair, which the loop asks after every pair of a smaller second-to-last state
    const std::size_t momento = fin - inicio == 1 ? orden[inicio] : n + orden[fin - 2];
    grupos.push_back({inicio, fin, momento});
    if (observador)
      for (std::size_t s = inicio + 1; s < fin; ++s) uniones.emplace_back(orden[inicio], orden[s]);
    inicio = fin;
  }
  if (observador) {
    std::sort(uniones.begin(), uniones.end());
    for (const auto& [i, j] : uniones)
      observador->Fusion(NombreEnTraza(Estados[i]), NombreEnTraza(Estados[j]), causa ? causa(i, j) : TCausaFusion());
  }
  std::sort(grupos.begin(), grupos.end(), [](const TClase& a, const TClase& b) { return a.momento < b.momento; });
  TParticion bloques;
  bloques.reserve(grupos.size());
  for (const auto& grupo : grupos) {
    TLista bloque;
    bloque.reserve(grupo.fin - grupo.inicio);
    for (std::size_t s = grupo.inicio; s < grupo.fin; ++s) bloque.push_back(Estados[orden[s]]);
    bloques.push_back(std::move(bloque));
  }
  return bloques;
}

TParticion FusionarParesCandidatos(const TLista& Estados,
                                   const std::vector<std::pair<std::size_t, std::size_t>>& candidatos,
                                   const std::function<bool(std::size_t, std::size_t)>& aprueba,
                                   TObservadorFusiones* observador,
                                   const std::function<TCausaFusion(std::size_t, std::size_t)>& causa) {
  TBloquesIM1 bloques(Estados.size());
  for (const auto& [i, j] : candidatos)
    if (aprueba(i, j) && bloques.Fusionar(i, j) && observador)
      observador->Fusion(NombreEnTraza(Estados[i]), NombreEnTraza(Estados[j]), causa ? causa(i, j) : TCausaFusion());
  return bloques.Particion(Estados);
}

namespace {

// The pairs that decide a Levine run with 0 < S <= 1, where sharing one tail is enough:
// the classes having one tail are all neighbours, and all meet at the step of the first of
// them, so each class lists only the tails' classes it is the first of (ParesDecisivos
// allows leaving out the others), and names its neighbour with the largest last state.
// Linear in the table's size: no strength is counted.
std::vector<std::pair<std::size_t, std::size_t>> ParesDecisivosPorColas(const TTablaStren& tabla,
                                                                        const std::vector<int>& clases, int numero) {
  std::vector<std::size_t> ultimo(static_cast<std::size_t>(numero), 0);
  std::vector<char> conEstados(static_cast<std::size_t>(numero), 0);
  for (std::size_t i = 0; i < clases.size(); ++i) {
    ultimo[static_cast<std::size_t>(clases[i])] = i;
    conEstados[static_cast<std::size_t>(clases[i])] = 1;
  }
  const auto despues = [&](int a, int b) {  // whether class a's last state comes after b's
    return b < 0 || ultimo[static_cast<std::size_t>(a)] > ultimo[static_cast<std::size_t>(b)];
  };
  // for every tail, the two classes with states whose last states come latest
  std::vector<std::pair<int, int>> ultimas(static_cast<std::size_t>(tabla.NumeroColasDistintas()), {-1, -1});
  for (int t = 0; t < tabla.NumeroColasDistintas(); ++t) {
    auto& [primera, segunda] = ultimas[static_cast<std::size_t>(t)];
    for (int d : tabla.ClasesCon(t)) {
      if (!conEstados[static_cast<std::size_t>(d)]) continue;
      if (despues(d, primera)) segunda = std::exchange(primera, d);
      else if (despues(d, segunda)) segunda = d;
    }
  }
  std::vector<int> puesta(static_cast<std::size_t>(numero), -1);  // the last class that listed it
  return ParesDecisivos(clases, [&](int c, TVecindad& vecindad) {
    if (c >= tabla.NumeroClases() || tabla.ColasDeClase(c) == 0) return;  // no tail: no neighbour
    vecindad.clases.push_back(c);
    puesta[static_cast<std::size_t>(c)] = c;
    for (int t : tabla.ColasDe(c)) {
      const auto [primera, segunda] = ultimas[static_cast<std::size_t>(t)];
      const int otra = primera != c ? primera : segunda;
      if (otra >= 0 && despues(otra, vecindad.mayorOtra)) vecindad.mayorOtra = otra;
      const auto con = tabla.ClasesCon(t);
      if (con.front() != c) continue;  // met at the step of an earlier class
      for (int d : con)
        if (std::exchange(puesta[static_cast<std::size_t>(d)], c) != c) vecindad.clases.push_back(d);
    }
  });
}

// The pairs that decide a Levine or Miclet run (ParesDecisivos): both answer from the
// strength of the pair and the sizes of the two tail sets, which are the same for every
// state of one class of the table. States beyond the table have no tails.
std::vector<std::pair<std::size_t, std::size_t>> ParesDecisivosStren(const TParametrosIM1& parametros,
                                                                     const TTablaStren& tabla, std::size_t n) {
  const auto cota = VarianteAReal(parametros.S);
  if (!cota) return {};
  const double S = *cota;
  const bool levine = parametros.Heuristico == THeuristico::Levine;
  std::vector<int> clases(n, 0);
  if (levine && S <= 0)  // every pair reaches S: all states behave as one class
    return ParesDecisivos(clases, [](int, TVecindad& vecindad) { vecindad.clases.push_back(0); });

  const int enTabla = tabla.NumeroClases();
  int vacia = -1;  // the class of the states without tails, if any
  for (int c = 0; c < enTabla && vacia < 0; ++c)
    if (tabla.ColasDeClase(c) == 0) vacia = c;
  for (std::size_t i = 0; i < n; ++i) {
    if (i < static_cast<std::size_t>(tabla.NumeroEstados())) {
      clases[i] = tabla.Clase(static_cast<int>(i));
    } else {
      if (vacia < 0) vacia = enTabla;
      clases[i] = vacia;
    }
  }
  const int numero = std::max(enTabla, vacia + 1);
  if (levine && S <= 1) return ParesDecisivosPorColas(tabla, clases, numero);
  const auto colas = [&](int c) { return c < enTabla ? tabla.ColasDeClase(c) : 0; };
  const auto aprueba = [&](int fuerza, int c, int d) {
    return levine ? LevineSegunFuerza(S, fuerza) : MicletSegunFuerza(S, fuerza, colas(c), colas(d));
  };
  // with S <= 0 Miclet also approves a pair sharing nothing when one of its sets is empty
  const bool vaciaConTodas = !levine && S <= 0 && vacia >= 0;
  TFuerzasDeClase fuerzas(tabla);
  return ParesDecisivos(clases, [&](int c, TVecindad& vecindad) {
    auto& vecinas = vecindad.clases;
    if (vaciaConTodas && c == vacia) {
      for (int d = 0; d < numero; ++d) vecinas.push_back(d);
      return;
    }
    if (c < enTabla)
      for (const auto& [d, fuerza] : fuerzas.De(c))
        if (aprueba(fuerza, c, d)) vecinas.push_back(d);
    if (aprueba(colas(c), c, c)) vecinas.push_back(c);
    if (vaciaConTodas) vecinas.push_back(vacia);
  });
}

}  // namespace

TCausaFusion CausaIM1(const TParametrosIM1& parametros, std::size_t i, std::size_t j, const TTablaStren* tabla) {
  const auto cota = [&] {
    const auto real = VarianteAReal(parametros.S);
    return real ? RealEnFormaGeneral(*real, ',') : std::string("?");
  };
  const auto fuerza = [&] {
    return tabla ? std::to_string(tabla->Fuerza(static_cast<int>(i), static_cast<int>(j))) : std::string("?");
  };
  TCausaFusion causa;
  switch (parametros.Heuristico) {
    case THeuristico::Levine:
    case THeuristico::Miclet:
      causa.Regla = parametros.Heuristico == THeuristico::Levine ? TReglaFusion::Levine : TReglaFusion::Miclet;
      causa.Fuerza = fuerza();
      causa.Cota = cota();
      break;
    case THeuristico::K_Sufijos:
      causa.Regla = TReglaFusion::KSufijos;
      causa.K = parametros.K;
      break;
    default: break;
  }
  return causa;
}

void AlgoritmoIM1(TAutomata& automata, const TParametrosIM1& parametros, const TTablaStren* tabla,
                  TObservadorFusiones* observador) {
  const TLista& estados = automata.Estados();
  const TLista& finales = automata.Finales();
  const auto causa = [&](std::size_t i, std::size_t j) { return CausaIM1(parametros, i, j, tabla); };
  if (parametros.Heuristico == THeuristico::K_Sufijos) {
    const auto sufijos = CalcularTablaKSufijos(finales, parametros.K);
    std::vector<int> clases;
    clases.reserve(estados.size());
    for (const auto& estado : estados) clases.push_back(sufijos->Clase(estado));
    automata.PonerBloques(FusionarPorClases(estados, clases, observador, causa));
    return;
  }
  const auto aprueba = [&](std::size_t i, std::size_t j) {
    return PreguntarHeuristico(parametros, estados[i], estados[j], i, j, tabla, nullptr);
  };
  const bool porFuerza = parametros.Heuristico == THeuristico::Levine || parametros.Heuristico == THeuristico::Miclet;
  // without a heuristic or its table nothing is approved
  const auto pares = porFuerza && tabla != nullptr ? ParesDecisivosStren(parametros, *tabla, estados.size())
                                                   : std::vector<std::pair<std::size_t, std::size_t>>();
  automata.PonerBloques(FusionarParesCandidatos(estados, pares, aprueba, observador, causa));
}
