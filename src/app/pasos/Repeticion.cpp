// Repeticion: the one place that calls the inference entry points with an observer for
// the windows; each run starts from a fresh acceptor, as the commands do.
#include "app/pasos/Repeticion.h"

#include "inference/AlgoritmoIM1.h"
#include "inference/AlgoritmoKR.h"
#include "inference/Incremental.h"
#include "inference/mealy/BusquedaMealy.h"

namespace {

TRepeticion KRoKC(TAlgoritmoK algoritmo, const TLista& muestra, int k) {
  TRepeticion repeticion;
  TTrazaFusiones traza;
  const bool kr = algoritmo == TAlgoritmoK::KR;
  repeticion.Resultado = InferenciaInicial(k, algoritmo, muestra, &traza);
  repeticion.Aceptor = std::make_unique<TAutomata>(kr ? MarcarMuestra(muestra) : muestra);
  repeticion.Pasos = std::move(traza.Pasos);
  repeticion.K = k;
  repeticion.MarcaKR = kr;
  return repeticion;
}

}  // namespace

TRepeticion RepetirKR(const TLista& muestra, int k) { return KRoKC(TAlgoritmoK::KR, muestra, k); }
TRepeticion RepetirKC(const TLista& muestra, int k) { return KRoKC(TAlgoritmoK::KC, muestra, k); }

TRepeticion RepetirIM1(const TLista& muestra, const TParametrosIM1& parametros, const TTablaStren* tabla) {
  TRepeticion repeticion;
  repeticion.Aceptor = std::make_unique<TAutomata>(muestra);
  repeticion.Resultado = std::make_unique<TAutomata>(*repeticion.Aceptor);
  std::unique_ptr<TDatosStren> propios;
  const bool conTabla = parametros.Heuristico == THeuristico::Levine || parametros.Heuristico == THeuristico::Miclet;
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
