// BusquedaMealy: SKR and SKC learn a Mealy machine by running KR or KC over pair symbols
// ("S1A1", "S12A11": one symbol each) and keeping the k whose merged machine is
// consistent: from no state may two pairs of one situation with different actions lead to
// different states.
// For SKR every sequence is followed by the end marker "$" so that KR starts from the
// block of all whole sequences; KR takes that block and the marker away again. SKC merges
// the acceptor of the sequences as they stand. Each k starts from a fresh acceptor.
#include "inference/mealy/BusquedaMealy.h"

#include "core/Utilidades.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"

const char* NombreAlgoritmoMealy(TAlgoritmoMealy algoritmo) {
  return algoritmo == TAlgoritmoMealy::SKR ? "SKR" : "SKC";
}

TLista DestinosDeGrupo(const TLista& grupo, const TLista& bloque, const TFuncion& funcion) {
  TLista destinos;
  for (const auto& par : grupo) {
    const TLista destino = funcion.Transicion(bloque, par);
    if (EsSinTransicion(destino)) continue;
    std::string texto = ListaConBlancos(destino);
    if (!EsMiembro(texto, destinos)) destinos.push_back(std::move(texto));
  }
  return destinos;
}

bool ConsistenciaMealy(const std::vector<TLista>& grupos, const TFuncion& funcion) {
  // The test has no side effect, so the first failing block settles it.
  for (const auto& grupo : grupos)
    for (std::size_t fila = 0; fila < funcion.NumeroDeFilas(); ++fila)
      if (DestinosDeGrupo(grupo, funcion.Bloque(fila), funcion).size() > 1) return false;
  return true;
}

TBusquedaMealy::TBusquedaMealy(TAlgoritmoMealy algoritmo, const TAutomataMealy& modelo,
                               const TLista& cadenasSA)
    : m_algoritmo(algoritmo),
      m_modelo(modelo),
      m_cadenasSA(cadenasSA),
      m_maximo(modelo.MaximoPares()),
      m_grupos(modelo.GruposDeConflicto()) {
  if (algoritmo == TAlgoritmoMealy::SKR) m_marcadas = MarcarMuestra(cadenasSA);
}

TPasoMealy TBusquedaMealy::Paso(int k, TObservadorFusiones* observador) const {
  TPasoMealy paso;
  paso.k = k;
  paso.automata = Aceptor();
  if (m_algoritmo == TAlgoritmoMealy::SKR)
    AlgoritmoKR(*paso.automata, k, TModoInferencia::Mealy, m_cadenasSA, observador);
  else
    AlgoritmoKC(*paso.automata, k, TModoInferencia::Mealy, observador);
  paso.funcion = std::make_unique<TFuncion>(*paso.automata);
  if (ConsistenciaMealy(m_grupos, *paso.funcion))
    paso.maquina = std::make_unique<TMaquinaMealy>(*paso.automata, m_modelo, *paso.funcion);
  return paso;
}

std::unique_ptr<TAutomata> TBusquedaMealy::Aceptor() const {
  const TLista& secuencias = m_algoritmo == TAlgoritmoMealy::SKR ? m_marcadas : m_cadenasSA;
  return std::make_unique<TAutomata>(secuencias, TConstruccion::Mealy, m_modelo.Tokens(), m_modelo.Pares());
}
