// BusquedaK: k goes up from 0; each k gets a fresh acceptor and a fresh run, whose quotient
// table is asked about the negative examples in order until one is accepted. A negative
// example that is also a positive one ends the search before any run.
#include "inference/BusquedaK.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "core/Automata.h"
#include "core/Cancelacion.h"
#include "core/Funcion.h"
#include "core/Utilidades.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"

bool RechazaTodos(const TAutomata& automata, const TLista& negativa) {
  const TFuncion cociente(automata);
  for (const auto& ejemplo : negativa)
    if (CadenaAceptada(ejemplo, cociente, automata.Alfabeto())) return false;
  return true;
}

namespace {

// Every result accepts its own positive sample (the acceptor does, and merging states only
// adds strings), so a negative example equal to a positive one is accepted for every k.
// Equal means byte for byte: the session holds both samples in lower case, and an example
// that differs in case may still be rejected for a character outside the alphabet.
bool NegativoEnPositiva(const TLista& positiva, const TLista& negativa) {
  const std::unordered_set<std::string_view> positivos(positiva.begin(), positiva.end());
  return std::any_of(negativa.begin(), negativa.end(),
                     [&](const std::string& ejemplo) { return positivos.contains(ejemplo); });
}

}  // namespace

std::optional<TSolucionK> BuscarKNegativo(TAlgoritmoK algoritmo, const TLista& positiva, const TLista& negativa, int cota) {
  if (NegativoEnPositiva(positiva, negativa)) return std::nullopt;
  const TLista marcada = algoritmo == TAlgoritmoK::KR ? MarcarMuestra(positiva) : TLista{};
  for (int k = 0; k <= cota; ++k) {
    ComprobarCancelacion();
    auto automata = std::make_unique<TAutomata>(algoritmo == TAlgoritmoK::KR ? marcada : positiva);
    if (algoritmo == TAlgoritmoK::KR)
      AlgoritmoKR(*automata, k, TModoInferencia::Silencioso, positiva);
    else
      AlgoritmoKC(*automata, k, TModoInferencia::Silencioso);
    if (RechazaTodos(*automata, negativa)) return TSolucionK{k, std::move(automata)};
  }
  return std::nullopt;
}
