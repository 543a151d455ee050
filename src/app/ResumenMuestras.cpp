// ResumenMuestras: counts and file names of the session's samples, as short texts.
#include "app/ResumenMuestras.h"

#include <algorithm>

#include "app/Muestra.h"
#include "core/Texto.h"

namespace {

// The file's own name, without its folders.
std::string NombreArchivo(const std::string& ruta) {
  const std::size_t barra = ruta.find_last_of('/');
  return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}

std::size_t Cadenas(const TSesion& sesion, TTipoMuestra tipo) {
  const TLista& muestra = sesion.MuestraDelTipo(tipo);
  if (tipo != TTipoMuestra::TipoM_SA) return muestra.size();
  return static_cast<std::size_t>(
      std::count_if(muestra.begin(), muestra.end(), [](const std::string& linea) { return !linea.empty(); }));
}

std::string Origen(const TSesion& sesion, TTipoMuestra tipo) {
  if (sesion.SinGuardar(tipo)) return "sin guardar";
  return NombreArchivo(sesion.ArchivoDelTipo(tipo));
}

std::string Cuenta(const TSesion& sesion, TTipoMuestra tipo) {
  const std::size_t n = Cadenas(sesion, tipo);
  const bool pares = tipo == TTipoMuestra::TipoM_SA;
  return std::to_string(n) + (pares ? (n == 1 ? " par" : " pares") : (n == 1 ? " cadena" : " cadenas"));
}

}  // namespace

std::string ResumenMuestra(const TSesion& sesion, TTipoMuestra tipo) {
  if (sesion.MuestraDelTipo(tipo).empty()) return {};
  const std::string origen = Origen(sesion, tipo);
  return (origen.empty() ? "" : origen + ", ") + Cuenta(sesion, tipo);
}

std::string LineaMuestras(const TSesion& sesion) {
  std::string linea;
  for (const auto tipo : kTiposMuestra) {
    if (sesion.MuestraDelTipo(tipo).empty()) continue;
    const std::string origen = Origen(sesion, tipo);
    if (!linea.empty()) linea += "  \xB7  ";
    linea += std::string(DatosTipoMuestra(tipo).captionBoton) + " " + (origen.empty() ? "" : origen + " ") + "(" +
             std::to_string(Cadenas(sesion, tipo)) + ")";
  }
  return linea.empty() ? "Sin muestras" : linea;
}

TLista DetalleMuestras(const TSesion& sesion) {
  TLista lineas;
  for (const auto tipo : kTiposMuestra)
    if (const std::string resumen = ResumenMuestra(sesion, tipo); !resumen.empty())
      lineas.push_back(std::string(DatosTipoMuestra(tipo).caption) + ": " + resumen);
  return lineas;
}

std::string TituloVisor(const TSesion& sesion) {
  const TTipoMuestra tipo = sesion.Tipo();
  const std::string resumen = ResumenMuestra(sesion, tipo);
  return "Muestra " + AMinusculas(DatosTipoMuestra(tipo).caption) + ": " + (resumen.empty() ? "no hay" : resumen);
}
