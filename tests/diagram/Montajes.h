// Montajes: the automata of the diagram tests, built as the windows get them: a KR or KC
// result and an SKR machine; random quotients come from CocienteAleatorio.
#pragma once

#include <memory>
#include <string>

#include "../results/CocienteAleatorio.h"
#include "app/muestras/LecturaMealy.h"
#include "core/Automata.h"
#include "diagram/DiagramaDeAutomata.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/ModoInferencia.h"
#include "inference/mealy/BusquedaMealy.h"
#include "results/DatosDeterminista.h"
#include "results/DatosResultado.h"

namespace montajes {

// The result of KR or KC with k on `muestra`, as its result window draws it.
inline TDiagrama Resultado(TAlgoritmoK algoritmo, const TLista& muestra, int k) {
  const bool kr = algoritmo == TAlgoritmoK::KR;
  TAutomata automata(kr ? MarcarMuestra(muestra) : muestra);
  if (kr)
    AlgoritmoKR(automata, k, TModoInferencia::Silencioso, muestra);
  else
    AlgoritmoKC(automata, k, TModoInferencia::Silencioso);
  return DiagramaCociente(automata, CalcularDatosResultado(automata));
}

// The machine SKR finds for k on a situation/action sample.
inline TDiagrama MaquinaSKR(const TLista& muestraSA, int k) {
  TLista cadenas;
  const TLecturaMealy lectura = LeerModeloMealy(TAlgoritmoMealy::SKR, muestraSA, cadenas);
  const TBusquedaMealy busqueda(TAlgoritmoMealy::SKR, *lectura.modelo, cadenas);
  const TPasoMealy paso = busqueda.Paso(k);
  return DiagramaMealy(*paso.maquina);
}

}  // namespace montajes
