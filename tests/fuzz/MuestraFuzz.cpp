// Fuzz target: sample files as "Abrir" reads them, for each kind of sample. Properties:
// no line holds a line break or NUL; the lines read back the same once written as the
// program writes them (Windows-1252 with CR LF, unless those bytes read as UTF-8) and
// once written as UTF-8; a sample taken, shown in the viewer and taken again from the
// viewer's lines (what saving writes) is the same sample.
#include <cstdint>

#include "Fuzz.h"
#include "app/sesion/Sesion.h"
#include "core/Texto.h"

namespace {

using fuzz::Comprobar;

std::string ComoArchivo(const TLista& lineas, bool utf8) {
  std::string bytes;
  for (const auto& linea : lineas) bytes += (utf8 ? Cp1252AUtf8(linea) : linea) + "\r\n";
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t tamano) {
  const TLecturaTexto lectura = DecodificarTexto({reinterpret_cast<const char*>(bytes), tamano}, "fuzz");
  if (!lectura.Correcta()) return 0;
  for (const auto& linea : lectura.lineas)
    Comprobar(linea.find_first_of(std::string("\r\n\0", 3)) == std::string::npos, "una linea sin saltos ni NUL");
  const std::string escrito = ComoArchivo(lectura.lineas, false);
  if (!EsUtf8NoAscii(escrito))
    Comprobar(DecodificarTexto(escrito, "fuzz").lineas == lectura.lineas, "lo escrito en Windows-1252 se relee igual");
  const TLecturaTexto utf8 = DecodificarTexto(ComoArchivo(lectura.lineas, true), "fuzz");
  Comprobar(utf8.Correcta() && utf8.lineas == lectura.lineas, "lo escrito en UTF-8 se relee igual");

  fuzz::TInteraccionMuda muda;
  for (const TTipoMuestra tipo : kTiposMuestra) {
    TSesion sesion;
    sesion.ElegirTipo(tipo);
    if (!sesion.DarValoresSegunTipo(lectura.lineas, muda)) continue;
    const TLista tomada = sesion.MuestraDelTipo(tipo);
    Comprobar(tomada.size() == lectura.lineas.size(), "un ejemplo por linea");
    const auto guardada = sesion.MuestraAGuardar();
    Comprobar(guardada.has_value() == !tomada.empty(), "se guarda la muestra tomada, si la hay");
    if (!guardada) continue;
    TSesion otra;
    otra.ElegirTipo(tipo);
    Comprobar(otra.DarValoresSegunTipo(*guardada, muda) && otra.MuestraDelTipo(tipo) == tomada,
              "la muestra guardada se toma igual");
  }
  return 0;
}
