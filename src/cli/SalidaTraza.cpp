// SalidaTraza: a trace file is written like any other output, atomically.
#include "cli/SalidaTraza.h"

#include "cli/Orden.h"
#include "core/ArchivoTexto.h"
#include "core/Texto.h"

const char* const kAyudaTraza =
    "      --traza FICHERO escribe en FICHERO (UTF-8) una línea por fusión efectiva:\n"
    "      paso, primer estado, segundo estado y causa, separados por tabuladores.\n";

TOpcionCli OpcionTraza() { return {.nombre = "--traza", .conValor = true, .salida = true}; }

TLista LineasTraza(const std::vector<TFusionTrazada>& pasos) {
  TLista lineas;
  lineas.reserve(pasos.size());
  for (std::size_t i = 0; i < pasos.size(); ++i)
    lineas.push_back(std::to_string(i + 1) + "\t" + Cp1252AUtf8Visible(pasos[i].Primero) + "\t" +
                     Cp1252AUtf8Visible(pasos[i].Segundo) + "\t" + Cp1252AUtf8Visible(pasos[i].Causa));
  return lineas;
}

int EscribirTraza(const std::string& ruta, const std::vector<TFusionTrazada>& pasos) {
  if (!AntesDeLaPrimeraSalida()) return kSalidaEntradaIncorrecta;
  const TLista lineas = LineasTraza(pasos);
  const std::string error = EscribirArchivoTexto(ruta, lineas);
  if (error.empty()) return kSalidaResultado;
  return ErrorDeEntrada(error);
}
