// Incremental: the runs of incremental inference: the first result on the positive sample
// and a complete new run each time an example is added to the working sample.
#pragma once

#include <memory>
#include <string>

#include "core/Lista.h"
#include "inference/ModoInferencia.h"

class TAutomata;
class TObservadorFusiones;

// InferenciaInicial: KR: the acceptor of MarcarMuestra(muestra) merged by KR; KC: the
// acceptor of `muestra` merged by KC. `observador`, when given, hears the run's merges.
std::unique_ptr<TAutomata> InferenciaInicial(int k, TAlgoritmoK algoritmo, const TLista& muestra,
                                             TObservadorFusiones* observador = nullptr);

// AnadirEjemploKR / AnadirEjemploKC: appends `ejemplo` to `muestraAmpliada` and returns the
// result of a complete new run on it (the caller drops the previous automaton).
std::unique_ptr<TAutomata> AnadirEjemploKR(int k, const std::string& ejemplo, TLista& muestraAmpliada);
std::unique_ptr<TAutomata> AnadirEjemploKC(int k, const std::string& ejemplo, TLista& muestraAmpliada);
