// BarridoObjetivo: each sweep row measured against the target.
#include "app/objetivos/BarridoObjetivo.h"

#include <cstdio>

#include "automatas/AutomataDeResultado.h"
#include "core/Automata.h"
#include "results/DatosResultado.h"

TMedidaObjetivo MedirConObjetivo(const TLista& positiva, const TPasoBarrido& paso, const TAutomataFinito& objetivo,
                                 const TTestEtiquetado* test) {
  const auto automata = ResultadoDePaso(positiva, paso);
  const TAutomataFinito resultado = AutomataDeCociente(*automata, CalcularDatosResultado(*automata));
  TMedidaObjetivo medida;
  medida.identifica = Identificar(resultado, objetivo).Identifica();
  if (test) medida.exactitud = EvaluarAutomata(resultado, *test).Exactitud();
  return medida;
}

std::vector<std::string> ColumnasObjetivo() { return {"Identifica", "Exactitud etiquetada"}; }

std::vector<std::string> TextosObjetivo(const TMedidaObjetivo& medida) {
  std::string exactitud;
  if (medida.exactitud) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.2f%%", *medida.exactitud * 100);
    exactitud = texto;
    for (char& c : exactitud)
      if (c == '.') c = ',';
  }
  return {medida.identifica ? "s\xED" : "no", exactitud};
}
