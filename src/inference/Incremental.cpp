// Incremental: every accepted change is a new run of KR or KC on the whole working sample,
// never an update of the automaton in place.
#include "inference/Incremental.h"

#include "core/Automata.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"

std::string CaptionResultadoIncremental(char letra, int k) {
  return std::string("Aut\xF3mata resultado  K") + letra + " INCREMENTAL   K=" + std::to_string(k);
}

std::unique_ptr<TAutomata> InferenciaInicial(int k, char letra, const TLista& muestra,
                                             TObservadorFusiones* observador) {
  if (letra == 'R') {
    auto automata = std::make_unique<TAutomata>(MarcarMuestra(muestra), 'N');
    AlgoritmoKR(*automata, k, ModoSilencioso, muestra, observador);
    return automata;
  }
  if (letra == 'C') {
    auto automata = std::make_unique<TAutomata>(muestra, 'N');
    AlgoritmoKC(*automata, k, ModoSilencioso, observador);
    return automata;
  }
  return nullptr;
}

std::unique_ptr<TAutomata> AnadirEjemploKR(int k, const std::string& ejemplo, TLista& muestraAmpliada) {
  muestraAmpliada.push_back(ejemplo);
  return InferenciaInicial(k, 'R', muestraAmpliada);
}

std::unique_ptr<TAutomata> AnadirEjemploKC(int k, const std::string& ejemplo, TLista& muestraAmpliada) {
  muestraAmpliada.push_back(ejemplo);
  return InferenciaInicial(k, 'C', muestraAmpliada);
}
