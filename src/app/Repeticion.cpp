// Repeticion: the one place that calls the inference entry points with an observer for
// the windows; each run starts from a fresh acceptor, as the commands do.
#include "app/Repeticion.h"

#include "inference/AlgoritmoIM1.h"
#include "inference/AlgoritmoKR.h"
#include "inference/Incremental.h"
#include "inference/mealy/BusquedaMealy.h"

namespace {

TRepeticion KRoKC(char letra, const TLista& muestra, int k) {
  TRepeticion repeticion;
  TTrazaFusiones traza;
  repeticion.Resultado = InferenciaInicial(k, letra, muestra, &traza);
  repeticion.Aceptor = std::make_unique<TAutomata>(letra == 'R' ? MarcarMuestra(muestra) : muestra, 'N');
  repeticion.Pasos = std::move(traza.Pasos);
  repeticion.K = k;
  repeticion.MarcaKR = letra == 'R';
  return repeticion;
}

}  // namespace

TRepeticion RepetirKR(const TLista& muestra, int k) { return KRoKC('R', muestra, k); }
TRepeticion RepetirKC(const TLista& muestra, int k) { return KRoKC('C', muestra, k); }

TRepeticion RepetirIM1(const TLista& muestra, const TParametrosIM1& parametros, const TTablaStren* tabla) {
  TRepeticion repeticion;
  repeticion.Aceptor = std::make_unique<TAutomata>(muestra, 'N');
  repeticion.Resultado = std::make_unique<TAutomata>(*repeticion.Aceptor);
  std::unique_ptr<TDatosStren> propios;
  const bool conTabla = parametros.Heuristico == kHeuristicoLevine || parametros.Heuristico == kHeuristicoMiclet;
  if (conTabla && tabla == nullptr) {
    propios = CalcularDatosStren(*repeticion.Aceptor, parametros.K);
    tabla = propios->Tabla.get();
  }
  TTrazaFusiones traza;
  AlgoritmoIM1(*repeticion.Resultado, parametros, tabla, &traza);
  repeticion.Pasos = std::move(traza.Pasos);
  repeticion.K = parametros.K;
  return repeticion;
}

TRepeticion RepetirMealy(const TBusquedaMealy& busqueda, int k) {
  TRepeticion repeticion;
  TTrazaFusiones traza;
  TPasoMealy paso = busqueda.Paso(k, &traza);
  paso.maquina.reset();  // it refers to the automaton's blocks
  repeticion.Resultado = std::move(paso.automata);
  repeticion.Aceptor = busqueda.Aceptor();
  repeticion.Pasos = std::move(traza.Pasos);
  repeticion.K = k;
  repeticion.MarcaKR = busqueda.Algoritmo() == TAlgoritmoMealy::SKR;
  repeticion.Mealy = true;
  return repeticion;
}
