// InformeAutomata: report lines through the result window's data and table layout.
#include "automatas/InformeAutomata.h"

#include "automatas/DatosAutomataFinito.h"
#include "results/Informe.h"

std::string CaptionMinimo(const std::string& caption) {
  return caption.empty() ? "Aut\xF3mata m\xEDnimo" : caption + " - M\xEDnimo";
}

void EmitirInformeAutomata(const std::string& titulo, const TLista* muestraPositiva, const TAutomataFinito& automata,
                           const TSalidaLineas& salida) {
  const TDatosResultado datos = DatosDeAutomataFinito(automata);
  if (muestraPositiva) {
    EmitirCabeceraResultado(titulo, *muestraPositiva, nullptr, datos, nullptr, salida);
  } else {
    // the same header without the sample line
    bool primera = true;
    EmitirCabeceraResultado(titulo, {}, nullptr, datos, nullptr, [&](const std::string& linea) {
      if (!primera && linea.rfind("Muestra: ", 0) == 0) return;
      primera = false;
      salida(linea);
    });
  }
  EmitirLineasDeTabla(datos.Tabla, TFormatoTabla::A, salida);
}

TLista LineasComparacion(const TComparacion& comparacion, bool inclusion, const std::string& nombreA,
                         const std::string& nombreB) {
  if (comparacion.equivalentes) return {inclusion ? "Incluido" : "Equivalentes"};
  return {inclusion ? "No incluido" : "No equivalentes", "Testigo: " + comparacion.TextoTestigo(),
          "Aceptada por: " + (comparacion.aceptaA ? nombreA : nombreB),
          "Rechazada por: " + (comparacion.aceptaA ? nombreB : nombreA)};
}

TAutomataFinito ConNombresComoPrefijos(TAutomataFinito automata) {
  for (int q = 0; q < automata.NumeroDeEstados(); ++q)
    if (!automata.Prefijos(q).empty()) return automata;
  for (int q = 0; q < automata.NumeroDeEstados(); ++q) automata.PonerPrefijos(q, {automata.Nombre(q)});
  return automata;
}
