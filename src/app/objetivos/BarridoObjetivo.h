// BarridoObjetivo: what "Explorar K" adds to each row when a target is set: whether the
// run's result identifies the target and its accuracy on the test sample labelled by it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/comandos/BarridoK.h"
#include "automatas/AutomataFinito.h"
#include "automatas/objetivos/Identificacion.h"

struct TMedidaObjetivo {
  bool identifica = false;
  std::optional<double> exactitud;  // with a labelled test sample that is not empty
};

// The result of `paso` on `positiva`, run again, compared with `objetivo` and, when `test`
// is given, evaluated on it.
TMedidaObjetivo MedirConObjetivo(const TLista& positiva, const TPasoBarrido& paso, const TAutomataFinito& objetivo,
                                 const TTestEtiquetado* test);

// The two columns: "Identifica" and "Exactitud etiquetada".
std::vector<std::string> ColumnasObjetivo();
// Their texts: "sí"/"no", the accuracy as "93,33%" (empty without one). Windows-1252.
std::vector<std::string> TextosObjetivo(const TMedidaObjetivo& medida);
