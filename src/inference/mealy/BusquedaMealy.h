// BusquedaMealy: what SKR and SKC compute for each k, without showing anything: the sample
// model read and checked, the acceptor built in Mealy mode, merged by KR or KC, its
// quotient function, the consistency test and, for a consistent k, the Mealy machine.
//
// Sources: the merging methods of AlgoritmoKR.h (Angluin 1982) and AlgoritmoKC.h
// (Muggleton 1990; Garcia and Vidal 1990), run over situation/action pair symbols.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/Lista.h"
#include "inference/mealy/AutomataMealy.h"
#include "inference/mealy/MaquinaMealy.h"

enum class TAlgoritmoMealy { SKR, SKC };

// "SKR" or "SKC".
const char* NombreAlgoritmoMealy(TAlgoritmoMealy algoritmo);

// True when, from every block (row) of `funcion`, the pairs of each group lead to at most
// one block; always true without groups.
bool ConsistenciaMealy(const std::vector<TLista>& grupos, const TFuncion& funcion);

// The distinct targets of `bloque` by the pairs of `grupo`, in the group's order, each as
// ListaConBlancos of the target block; pairs without transition add nothing.
TLista DestinosDeGrupo(const TLista& grupo, const TLista& bloque, const TFuncion& funcion);

// One k of the search. Members are declared so that they are destroyed machine first,
// then function, then acceptor.
struct TPasoMealy {
  int k = 0;
  std::unique_ptr<TAutomata> automata;
  std::unique_ptr<TFuncion> funcion;
  std::unique_ptr<TMaquinaMealy> maquina;  // null when k is not consistent

  bool Consistente() const { return maquina != nullptr; }
};

// The search over k of one SKR or SKC command on a model read by LeerModeloMealy (with
// AnadirFinDeMuestra for SKR). The
// model and `cadenasSA` must outlive the search.
class TObservadorFusiones;

class TBusquedaMealy {
 public:
  TBusquedaMealy(TAlgoritmoMealy algoritmo, const TAutomataMealy& modelo, const TLista& cadenasSA);

  TAlgoritmoMealy Algoritmo() const { return m_algoritmo; }
  // The greatest k tried: MaximoPares of the model.
  int Maximo() const { return m_maximo; }
  const std::vector<TLista>& Grupos() const { return m_grupos; }

  // Builds the acceptor for k, merges it (KR on the marked sequences for SKR, KC for
  // SKC), builds the quotient function and, when ConsistenciaMealy holds, the machine.
  // Requires 0 <= k.
  // `observador`, when given, hears the merges of the run.
  TPasoMealy Paso(int k, TObservadorFusiones* observador = nullptr) const;
  // The acceptor every k starts from: the marked sequences for SKR, the sequences for SKC.
  std::unique_ptr<TAutomata> Aceptor() const;

 private:
  TAlgoritmoMealy m_algoritmo;
  const TAutomataMealy& m_modelo;
  const TLista& m_cadenasSA;
  TLista m_marcadas;  // SKR: every sequence followed by "$"
  int m_maximo;
  std::vector<TLista> m_grupos;
};
