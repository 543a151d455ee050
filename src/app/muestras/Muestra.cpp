// Umuestra: copying, checking and measuring samples.
#include "app/muestras/Muestra.h"

#include <algorithm>

#include "core/Texto.h"

void CargarMuestra(TLista& destino, const TLista& origen) {
  TLista copia;  // `origen` may be `destino` itself
  copia.reserve(origen.size());
  for (const auto& linea : origen) copia.push_back(linea == kCadenaVacia ? "" : AMinusculas(linea));
  destino = std::move(copia);
}

void CargarMuestraSA(TLista& destino, const TLista& origen) {
  TLista copia;
  copia.reserve(origen.size());
  for (const auto& linea : origen) copia.push_back(AMayusculas(linea));
  destino = std::move(copia);
}

bool MuestraValida(const TLista& lineas) {
  return !lineas.empty() &&
         std::none_of(lineas.begin(), lineas.end(), [](const std::string& l) { return l.empty(); });
}

namespace {

// "El archivo \"m.pos\"" as the file layer names it, or the empty text.
std::string Archivo(const std::string& nombre) { return nombre.empty() ? "" : "El archivo \"" + nombre + "\""; }

}  // namespace

std::string MotivoMuestraNoValida(const TLista& lineas, const std::string& nombre, bool soloMarca) {
  const std::string archivo = Archivo(nombre);
  if (lineas.empty()) {
    if (archivo.empty()) return "La muestra no tiene ning\xFAn ejemplo";
    return archivo + (soloMarca ? " solo contiene la marca de orden de bytes (BOM) de UTF-8" : " est\xE1 vac\xEDo");
  }
  const auto blanca = std::find_if(lineas.begin(), lineas.end(), [](const std::string& l) { return l.empty(); });
  if (blanca == lineas.end()) return "";
  const std::string linea = "l\xEDnea " + std::to_string(blanca - lineas.begin() + 1);
  const std::string vacia = " (la cadena vac\xED" "a se escribe \"&\")";
  return archivo.empty() ? "La " + linea + " est\xE1 en blanco" + vacia : archivo + ", " + linea + ": en blanco" + vacia;
}

bool CadenaVaciaDentro(const std::string& linea) {
  return linea != kCadenaVacia && linea.find(kCadenaVacia) != std::string::npos;
}

std::size_t LineaConCadenaVaciaDentro(const TLista& lineas) {
  for (std::size_t n = 0; n < lineas.size(); ++n)
    if (CadenaVaciaDentro(lineas[n])) return n + 1;
  return 0;
}

std::string MensajeCadenaVaciaDentro(std::size_t linea, const std::string& nombre) {
  const std::string motivo = "escribe la cadena vac\xED" "a y no puede ir dentro de un ejemplo";
  if (linea == 0) return "El ejemplo contiene el car\xE1" "cter \"&\", que " + motivo;
  const std::string donde = "l\xEDnea " + std::to_string(linea);
  const std::string archivo = Archivo(nombre);
  const std::string caracter = ": el car\xE1" "cter \"&\" " + motivo;
  return archivo.empty() ? "La " + donde + caracter : archivo + ", " + donde + caracter;
}

std::size_t LongitudMaxima(const TLista& lista) {
  std::size_t maximo = 0;
  for (const auto& item : lista) maximo = std::max(maximo, item.size());
  return maximo;
}

void MostrarValoresMuestra(const TLista& muestra, TLista& memo) {
  TLista lineas;
  lineas.reserve(muestra.size());
  for (const auto& ejemplo : muestra)
    lineas.push_back(ejemplo.empty() ? kCadenaVacia : AMinusculas(ejemplo));
  memo = std::move(lineas);
}

void MostrarValoresMuestraSA(const TLista& muestra, TLista& memo) {
  CargarMuestraSA(memo, muestra);
}
