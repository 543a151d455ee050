// TVariante: reading a text or real bound as a real number, and writing a real in general form.
#include "inference/heurist/Variante.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

std::optional<double> VarianteAReal(const TVariante& valor) {
  if (const auto* real = std::get_if<double>(&valor)) return *real;
  const auto* texto = std::get_if<std::string>(&valor);
  if (texto == nullptr) return std::nullopt;
  std::string limpio;
  for (char c : *texto) {
    if (c == ' ' || c == '\t') continue;
    limpio += (c == ',') ? '.' : c;
  }
  if (!limpio.empty() && limpio.front() == '+') limpio.erase(0, 1);
  if (limpio.empty()) return std::nullopt;
  double resultado = 0;
  const char* fin = limpio.data() + limpio.size();
  const auto [resto, error] = std::from_chars(limpio.data(), fin, resultado);
  if (error != std::errc() || resto != fin) return std::nullopt;
  return resultado;
}

std::string RealEnFormaGeneral(double valor, char separadorDecimal) {
  if (std::isnan(valor)) return "NAN";
  if (std::isinf(valor)) return valor > 0 ? "INF" : "-INF";
  if (valor == 0) return "0";
  char texto[64];
  std::snprintf(texto, sizeof texto, "%.15G", valor);  // fixed or exponent form, no trailing zeros
  std::string mantisa = texto;
  std::string exponente;
  if (const auto e = mantisa.find('E'); e != std::string::npos) {
    exponente = mantisa.substr(e + 1);
    mantisa.erase(e);
    const bool negativo = exponente[0] == '-';
    exponente.erase(0, 1);  // the sign
    exponente.erase(0, std::min(exponente.find_first_not_of('0'), exponente.size() - 1));
    exponente = std::string("E") + (negativo ? "-" : "") + exponente;
  }
  if (const auto punto = mantisa.find('.'); punto != std::string::npos) mantisa[punto] = separadorDecimal;
  return mantisa + exponente;
}
