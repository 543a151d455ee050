// Identificacion: the comparison with the target and its labelled test, in words.
#include "automatas/objetivos/Identificacion.h"

#include "automatas/objetivos/GenerarMuestras.h"

TIdentificacion Identificar(const TAutomataFinito& resultado, const TAutomataFinito& objetivo) {
  return {CompararAutomatas(resultado, objetivo)};
}

TLista LineasIdentificacion(const TIdentificacion& identificacion) {
  if (identificacion.Identifica()) return {"Identifica el objetivo: s\xED"};
  return {"Identifica el objetivo: no", "Testigo: " + identificacion.comparacion.TextoTestigo(),
          identificacion.comparacion.aceptaA ? "Aceptada por el resultado y no por el objetivo"
                                             : "Aceptada por el objetivo y no por el resultado"};
}

TTestEtiquetado EtiquetarConObjetivo(const TLista& test, const TAutomataFinito& objetivo) {
  TTestEtiquetado etiquetado;
  for (const auto& cadena : test) (AceptaTexto(objetivo, cadena) ? etiquetado.positivos : etiquetado.negativos).push_back(cadena);
  return etiquetado;
}

TEvaluacion EvaluarAutomata(const TAutomataFinito& resultado, const TTestEtiquetado& test) {
  return Evaluar(test.positivos, test.negativos, [&](const std::string& cadena) { return AceptaTexto(resultado, cadena); });
}
