// EvaluacionEtiquetada: the confusion matrix and its figures.
#include "automatas/objetivos/EvaluacionEtiquetada.h"

#include <cstdio>

namespace {

std::optional<double> Cociente(std::size_t a, std::size_t b) {
  if (b == 0) return std::nullopt;
  return static_cast<double>(a) / static_cast<double>(b);
}

std::string Porcentaje(const std::optional<double>& valor) {
  if (!valor) return "-";
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.2f%%", *valor * 100);
  std::string resultado = texto;
  for (char& c : resultado)
    if (c == '.') c = ',';
  return resultado;
}

std::string Cadena(const std::string& texto) { return texto.empty() ? "&" : texto; }

}  // namespace

std::optional<double> TEvaluacion::Exactitud() const {
  return Cociente(verdaderosPositivos + verdaderosNegativos, Total());
}
std::optional<double> TEvaluacion::Precision() const {
  return Cociente(verdaderosPositivos, verdaderosPositivos + falsosPositivos);
}
std::optional<double> TEvaluacion::Exhaustividad() const {
  return Cociente(verdaderosPositivos, verdaderosPositivos + falsosNegativos);
}
std::optional<double> TEvaluacion::Especificidad() const {
  return Cociente(verdaderosNegativos, verdaderosNegativos + falsosPositivos);
}
std::optional<double> TEvaluacion::ExactitudEquilibrada() const {
  const auto a = Exhaustividad(), b = Especificidad();
  if (a && b) return (*a + *b) / 2;
  return a ? a : b;
}

TEvaluacion Evaluar(const TLista& positivos, const TLista& negativos,
                    const std::function<bool(const std::string&)>& acepta) {
  TEvaluacion evaluacion;
  for (const auto& cadena : positivos)
    if (acepta(cadena))
      ++evaluacion.verdaderosPositivos;
    else {
      ++evaluacion.falsosNegativos;
      evaluacion.malPositivos.push_back(cadena);
    }
  for (const auto& cadena : negativos)
    if (acepta(cadena)) {
      ++evaluacion.falsosPositivos;
      evaluacion.malNegativos.push_back(cadena);
    } else
      ++evaluacion.verdaderosNegativos;
  return evaluacion;
}

TLista LineasEvaluacion(const TEvaluacion& e) {
  TLista lineas;
  lineas.push_back("Test etiquetado: " + std::to_string(e.Total()) + " (" +
                   std::to_string(e.verdaderosPositivos + e.falsosNegativos) + " del lenguaje, " +
                   std::to_string(e.falsosPositivos + e.verdaderosNegativos) + " fuera)");
  lineas.push_back("Verdaderos positivos: " + std::to_string(e.verdaderosPositivos));
  lineas.push_back("Falsos negativos: " + std::to_string(e.falsosNegativos));
  lineas.push_back("Falsos positivos: " + std::to_string(e.falsosPositivos));
  lineas.push_back("Verdaderos negativos: " + std::to_string(e.verdaderosNegativos));
  lineas.push_back("Exactitud: " + Porcentaje(e.Exactitud()));
  lineas.push_back("Precisi\xF3n: " + Porcentaje(e.Precision()));
  lineas.push_back("Exhaustividad: " + Porcentaje(e.Exhaustividad()));
  lineas.push_back("Exactitud equilibrada: " + Porcentaje(e.ExactitudEquilibrada()));
  for (const auto& cadena : e.malPositivos) lineas.push_back("Rechazada y del lenguaje: " + Cadena(cadena));
  for (const auto& cadena : e.malNegativos) lineas.push_back("Aceptada y fuera del lenguaje: " + Cadena(cadena));
  return lineas;
}
