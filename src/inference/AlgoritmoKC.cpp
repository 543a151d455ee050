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
#include <unordered_map>
#include <vector>

#include "core/Automata.h"
#include "core/Texto.h"
#include "core/Utilidades.h"
#include "inference/ObservadorFusiones.h"

namespace {

// True when no two different names or suffixes can be equal ignoring letter case: every
// name is its own lowercase form, or every name is its own uppercase form.
bool NombresEnUnaCaja(const TLista& estados) {
  bool minusculas = true;
  bool mayusculas = true;
  for (const auto& nombre : estados) {
    minusculas = minusculas && AMinusculas(nombre) == nombre;
    mayusculas = mayusculas && AMayusculas(nombre) == nombre;
    if (!minusculas && !mayusculas) return false;
  }
  return true;
}

// Block by block, as the grouping is stated over text lists (names in mixed case only).
void AgruparPorSufijoRecorriendo(const TLista& largos, std::size_t k, TModoInferencia modo, TParticion& bloques,
                                  TObservadorFusiones* observador) {
  for (const auto& s : largos) {
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
        if (observador) observador->Fusion(NombreEnTraza(nuevo.front()), s, "sufijo " + NombreEnTraza(suf));
        nuevo.push_back(s);
      }
      std::erase_if(bloques, [&](const TLista& bloque) { return EsMiembro(marca, bloque); });
    }
    bloques.push_back(std::move(nuevo));
  }
}

// With names in one letter case: blocks are the classes of equal suffix, ordered by the
// position of their last state.
void AgruparPorSufijoIndexado(const TLista& largos, std::size_t k, TModoInferencia modo, TParticion& bloques,
                              TObservadorFusiones* observador) {
  struct TGrupo {
    TLista estados;
    std::size_t ultimo = 0;
  };
  std::vector<TGrupo> grupos;
  std::unordered_map<std::string, std::size_t> grupoDeSufijo;
  for (std::size_t i = 0; i < largos.size(); ++i) {
    const std::string sufijo(*UltimosSimbolos(largos[i], k, modo));
    const auto [it, nuevo] = grupoDeSufijo.emplace(sufijo, grupos.size());
    if (nuevo) grupos.emplace_back();
    TGrupo& grupo = grupos[it->second];
    if (observador && !nuevo)
      observador->Fusion(NombreEnTraza(grupo.estados.front()), largos[i], "sufijo " + NombreEnTraza(sufijo));
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
  TParticion bloques;
  TLista largos;
  for (const auto& estado : automata.Estados()) {
    if (!UltimosSimbolos(estado, simbolos, modo))
      bloques.push_back(ConjuntoUnitario(estado));
    else
      largos.push_back(estado);
  }
  // AgruparPorSufijo.
  if (NombresEnUnaCaja(automata.Estados()))
    AgruparPorSufijoIndexado(largos, simbolos, modo, bloques, observador);
  else
    AgruparPorSufijoRecorriendo(largos, simbolos, modo, bloques, observador);
  automata.ResultadoKC(std::move(bloques), largos);
}
