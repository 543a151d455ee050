// Incremental: every accepted change is a new run of KR or KC on the whole working sample,
// never an update of the automaton in place.
#include "inference/Incremental.h"

#include "core/Automata.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"

std::unique_ptr<TAutomata> InferenciaInicial(int k, TAlgoritmoK algoritmo, const TLista& muestra,
                                             TObservadorFusiones* observador) {
  if (algoritmo == TAlgoritmoK::KR) {
    auto automata = std::make_unique<TAutomata>(MarcarMuestra(muestra));
    AlgoritmoKR(*automata, k, TModoInferencia::Silencioso, muestra, observador);
    return automata;
  }
  auto automata = std::make_unique<TAutomata>(muestra);
  AlgoritmoKC(*automata, k, TModoInferencia::Silencioso, observador);
  return automata;
}

std::unique_ptr<TAutomata> AnadirEjemploKR(int k, const std::string& ejemplo, TLista& muestraAmpliada) {
  muestraAmpliada.push_back(ejemplo);
  return InferenciaInicial(k, TAlgoritmoK::KR, muestraAmpliada);
}

std::unique_ptr<TAutomata> AnadirEjemploKC(int k, const std::string& ejemplo, TLista& muestraAmpliada) {
  muestraAmpliada.push_back(ejemplo);
  return InferenciaInicial(k, TAlgoritmoK::KC, muestraAmpliada);
}
