// Montajes: the automata of the diagram tests, built as the windows get them: a KR or KC
// result and an SKR machine; random quotients come from CocienteAleatorio.
#pragma once

#include <memory>
#include <string>

#include "../results/CocienteAleatorio.h"
#include "core/Automata.h"
#include "diagram/DiagramaDeAutomata.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/ModoInferencia.h"
#include "inference/mealy/BusquedaMealy.h"
#include "results/DatosDeterminista.h"
#include "results/DatosResultado.h"

namespace montajes {

// The result of KR ('R') or KC ('C') with k on `muestra`, as its result window draws it.
inline TDiagrama Resultado(char letra, const TLista& muestra, int k) {
  TAutomata automata(letra == 'R' ? MarcarMuestra(muestra) : muestra, 'N');
  if (letra == 'R')
    AlgoritmoKR(automata, k, ModoSilencioso, muestra);
  else
    AlgoritmoKC(automata, k, ModoSilencioso);
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
