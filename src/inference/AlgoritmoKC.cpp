// AlgoritmoKC: k-contextual grouping.
//
// Method. The states with fewer than k symbols (characters, or pair symbols for Mealy
// machines) become singleton blocks, in state order, and leave the state list. Each
// remaining state s, in state order, joins the block of the states that end in the same k
// symbols as s: the block found is taken out, s is appended to it and the extended block
// goes to the end of the partition; a state whose suffix no block has yet starts a new
// block at the end.
//
// The block of a suffix is found by the case-insensitive test "the block has the suffix as
// a member", or else "a state of the block ends in the suffix" (exactly). When every state
// name is written in one letter case (samples are lowercased, situation/action samples
// uppercased) both tests point at the block of that exact suffix, which a hash of suffixes
// finds at once. For names that mix cases the block scan is done as stated, block by block.
#include "inference/AlgoritmoKC.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Automata.h"
#include "core/Texto.h"
#include "core/Utilidades.h"
#include "inference/ObservadorFusiones.h"

namespace {

TCausaFusion CausaSufijo(std::string_view sufijo) {
  TCausaFusion causa;
  causa.Regla = TReglaFusion::Sufijo;
  causa.Sufijo = NombreEnTraza(std::string(sufijo));
  return causa;
}

bool EnUnaCaja(std::string_view texto, bool minusculas) {
  return std::all_of(texto.begin(), texto.end(),
                     [&](char c) { return (minusculas ? MinusculaDe(c) : MayusculaDe(c)) == c; });
}

// True when no two different names or suffixes can be equal ignoring letter case: every
// name is its own lowercase form, or every name is its own uppercase form. A trie's names
// are prefixes of the lines it was built from, so lines in one case answer at once.
bool NombresEnUnaCaja(const TAutomata& automata) {
  for (const bool minusculas : {true, false}) {
    const TLista& lineas = automata.LineasDeNombres();
    if (std::all_of(lineas.begin(), lineas.end(), [&](const std::string& linea) { return EnUnaCaja(linea, minusculas); }))
      return true;
    bool todos = true;
    for (TIdEstado id = 0; todos && id < automata.NumeroDeEstados(); ++id)
      todos = EnUnaCaja(automata.VistaNombre(id), minusculas);
    if (todos) return true;
  }
  return false;
}

// Block by block, as the grouping is stated over text lists (names in mixed case only).
void AgruparPorSufijoRecorriendo(const TAutomata& automata, const std::vector<TIdEstado>& largos, std::size_t k,
                                  TModoInferencia modo, TBloquesIds& bloquesIds, TObservadorFusiones* observador) {
  TParticion bloques;
  for (const auto& ids : bloquesIds) bloques.push_back(ConjuntoUnitario(automata.Nombre(ids.front())));
  for (const TIdEstado id : largos) {
    const std::string s = automata.Nombre(id);
    const std::string suf(*UltimosSimbolos(s, k, modo));
    TLista encontrado;
    std::string marca;
    for (const auto& bloque : bloques) {
      if (EsMiembro(suf, bloque)) {
        encontrado.insert(encontrado.end(), bloque.begin(), bloque.end());
        marca = suf;
        break;
      }
      const auto t = std::find_if(bloque.begin(), bloque.end(),
                                  [&](const std::string& item) { return item.ends_with(suf); });
      if (t != bloque.end()) {
        encontrado.insert(encontrado.end(), bloque.begin(), bloque.end());
        marca = *t;
      }
    }
    TLista nuevo;
    if (encontrado.empty()) {
      nuevo.push_back(s);
    } else {
      nuevo = std::move(encontrado);
      if (!EsMiembro(s, nuevo)) {
        if (observador) observador->Fusion(NombreEnTraza(nuevo.front()), s, CausaSufijo(suf));
        nuevo.push_back(s);
      }
      std::erase_if(bloques, [&](const TLista& bloque) { return EsMiembro(marca, bloque); });
    }
    bloques.push_back(std::move(nuevo));
  }
  // every item is a state's own name
  bloquesIds.clear();
  for (const auto& bloque : bloques) {
    auto& ids = bloquesIds.emplace_back();
    for (const auto& nombre : bloque) ids.push_back(*automata.IdDe(nombre));
  }
}

// With names in one letter case: blocks are the classes of equal suffix, ordered by the
// position of their last state.
void AgruparPorSufijoIndexado(const TAutomata& automata, const std::vector<TIdEstado>& largos, std::size_t k,
                              TModoInferencia modo, TBloquesIds& bloques, TObservadorFusiones* observador) {
  struct TGrupo {
    std::vector<TIdEstado> estados;
    std::size_t ultimo = 0;
  };
  std::vector<TGrupo> grupos;
  // the suffixes are views of the automaton's names, which outlive this run
  std::unordered_map<std::string_view, std::size_t> grupoDeSufijo;
  for (std::size_t i = 0; i < largos.size(); ++i) {
    const std::string_view sufijo = *UltimosSimbolos(automata.VistaNombre(largos[i]), k, modo);
    const auto [it, nuevo] = grupoDeSufijo.emplace(sufijo, grupos.size());
    if (nuevo) grupos.emplace_back();
    TGrupo& grupo = grupos[it->second];
    if (observador && !nuevo)
      observador->Fusion(NombreEnTraza(automata.Nombre(grupo.estados.front())), automata.Nombre(largos[i]),
                         CausaSufijo(sufijo));
    grupo.estados.push_back(largos[i]);
    grupo.ultimo = i;
  }
  std::sort(grupos.begin(), grupos.end(),
            [](const TGrupo& a, const TGrupo& b) { return a.ultimo < b.ultimo; });
  for (auto& grupo : grupos) bloques.push_back(std::move(grupo.estados));
}

}  // namespace

void AlgoritmoKC(TAutomata& automata, int k, TModoInferencia modo, TObservadorFusiones* observador) {
  const std::size_t simbolos = static_cast<std::size_t>(k);
  // SepararCortos.
  TBloquesIds bloques;
  std::vector<TIdEstado> largos;
  for (TIdEstado id = 0; id < automata.NumeroDeEstados(); ++id) {
    if (!UltimosSimbolos(automata.VistaNombre(id), simbolos, modo))
      bloques.push_back({id});
    else
      largos.push_back(id);
  }
  // AgruparPorSufijo.
  if (NombresEnUnaCaja(automata))
    AgruparPorSufijoIndexado(automata, largos, simbolos, modo, bloques, observador);
  else
    AgruparPorSufijoRecorriendo(automata, largos, simbolos, modo, bloques, observador);
  automata.ResultadoKC(std::move(bloques), std::move(largos));
}
