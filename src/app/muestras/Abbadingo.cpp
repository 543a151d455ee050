// Abbadingo: reading and writing the competitions' sample format.
#include "app/muestras/Abbadingo.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/muestras/Muestra.h"
#include "core/ArchivoTexto.h"

namespace {

constexpr long kMaximoSimbolos = 26;

std::vector<std::string> Palabras(const std::string& linea) {
  std::vector<std::string> palabras;
  std::string palabra;
  for (char c : linea) {
    if (c == ' ' || c == '\t') {
      if (!palabra.empty()) palabras.push_back(std::move(palabra));
      palabra.clear();
    } else {
      palabra += c;
    }
  }
  if (!palabra.empty()) palabras.push_back(std::move(palabra));
  return palabras;
}

// A whole number written with decimal digits, a leading "-" allowed; std::nullopt for
// anything else or a value too large to matter.
std::optional<long> Entero(const std::string& texto) {
  std::size_t i = texto.size() > 1 && texto[0] == '-' ? 1 : 0;
  if (i == texto.size() || texto.size() - i > 9) return std::nullopt;
  long valor = 0;
  for (; i < texto.size(); ++i) {
    if (texto[i] < '0' || texto[i] > '9') return std::nullopt;
    valor = valor * 10 + (texto[i] - '0');
  }
  return texto[0] == '-' ? -valor : valor;
}

bool EsBlanca(const std::string& linea) { return Palabras(linea).empty(); }

}  // namespace

TLecturaAbbadingo LeerAbbadingo(const TLista& lineas, const std::string& nombre) {
  TLecturaAbbadingo lectura;
  auto refusar = [&](std::size_t numero, const std::string& problema) {
    lectura.error = "Archivo Abbadingo \"" + nombre + "\", l\xEDnea " + std::to_string(numero) + ": " + problema;
    lectura.muestras = {};
    return lectura;
  };

  std::size_t i = 0;
  while (i < lineas.size() && EsBlanca(lineas[i])) ++i;
  if (i == lineas.size()) return refusar(1, "falta la cabecera \"N A\" (cadenas y s\xEDmbolos)");
  const auto cabecera = Palabras(lineas[i]);
  const auto total = cabecera.size() == 2 ? Entero(cabecera[0]) : std::nullopt;
  const auto simbolos = cabecera.size() == 2 ? Entero(cabecera[1]) : std::nullopt;
  if (!total || !simbolos || *total < 0 || *simbolos < 0)
    return refusar(i + 1, "la cabecera debe ser \"N A\" (cadenas y s\xEDmbolos)");
  if (*simbolos > kMaximoSimbolos)
    return refusar(i + 1, "un alfabeto de " + std::to_string(*simbolos) +
                              " s\xEDmbolos no cabe en las letras de la a a la z (26 como m\xE1ximo)");

  long leidas = 0;
  for (++i; i < lineas.size(); ++i) {
    const auto palabras = Palabras(lineas[i]);
    if (palabras.empty()) continue;
    const std::size_t numero = i + 1;
    if (leidas == *total) return refusar(numero, "hay m\xE1s cadenas que las " + std::to_string(*total) + " de la cabecera");
    const auto etiqueta = Entero(palabras[0]);
    if (!etiqueta || *etiqueta < -1 || *etiqueta > 1) return refusar(numero, "la etiqueta \"" + palabras[0] + "\" no es 1, 0 ni -1");
    const auto longitud = palabras.size() > 1 ? Entero(palabras[1]) : std::nullopt;
    if (!longitud) return refusar(numero, "falta la longitud de la cadena");
    if (*longitud < 0) return refusar(numero, "longitud negativa (" + palabras[1] + ")");
    if (static_cast<std::size_t>(*longitud) != palabras.size() - 2)
      return refusar(numero, "la longitud es " + std::to_string(*longitud) + " y la cadena tiene " +
                                 std::to_string(palabras.size() - 2) + " s\xEDmbolos");
    std::string cadena;
    for (std::size_t p = 2; p < palabras.size(); ++p) {
      const auto simbolo = Entero(palabras[p]);
      if (!simbolo) return refusar(numero, "el s\xEDmbolo \"" + palabras[p] + "\" no es un n\xFAmero entero");
      if (*simbolo < 0 || *simbolo >= *simbolos)
        return refusar(numero, "el s\xEDmbolo " + palabras[p] + " no est\xE1 entre 0 y " + std::to_string(*simbolos - 1));
      cadena += static_cast<char>('a' + *simbolo);
    }
    TLista& destino = *etiqueta == 1 ? lectura.muestras.positiva
                      : *etiqueta == 0 ? lectura.muestras.negativa
                                       : lectura.muestras.test;
    destino.push_back(cadena.empty() ? kCadenaVacia : cadena);
    ++leidas;
  }
  if (leidas != *total)
    return refusar(lineas.size() + 1, "hay " + std::to_string(leidas) + " cadenas y la cabecera dice " +
                                          std::to_string(*total));
  return lectura;
}

TLista EscribirAbbadingo(const TMuestrasAbbadingo& muestras, std::string& error) {
  error.clear();
  struct TGrupo {
    const TLista& ejemplos;
    const char* etiqueta;
    const char* nombre;
  };
  const TGrupo grupos[] = {{muestras.positiva, "1", "positiva"},
                           {muestras.negativa, "0", "negativa"},
                           {muestras.test, "-1", "test"}};
  TLista cuerpo;
  int mayor = -1;
  for (const auto& grupo : grupos) {
    for (const auto& ejemplo : grupo.ejemplos) {
      const std::string cadena = ejemplo == kCadenaVacia ? "" : ejemplo;
      std::string linea = std::string(grupo.etiqueta) + " " + std::to_string(cadena.size());
      for (char c : cadena) {
        if (c < 'a' || c > 'z') {
          error = "El ejemplo \"" + ejemplo + "\" de la muestra " + grupo.nombre + " tiene el s\xEDmbolo \"" +
                  std::string(1, c) + "\", que no es una letra de la a a la z";
          return {};
        }
        mayor = std::max(mayor, c - 'a');
        linea += " " + std::to_string(c - 'a');
      }
      cuerpo.push_back(std::move(linea));
    }
  }
  TLista lineas{std::to_string(cuerpo.size()) + " " + std::to_string(mayor + 1)};
  lineas.insert(lineas.end(), cuerpo.begin(), cuerpo.end());
  return lineas;
}

std::string LeerArchivoAbbadingo(const std::string& ruta, TMuestrasAbbadingo& muestras) {
  const TLecturaTexto texto = LeerArchivoTexto(ruta);
  if (!texto.Correcta()) return texto.error;
  TLecturaAbbadingo lectura = LeerAbbadingo(texto.lineas, RutaVisible(ruta));
  if (lectura.Correcta()) muestras = std::move(lectura.muestras);
  return lectura.error;
}

std::string EscribirArchivoAbbadingo(const std::string& ruta, const TMuestrasAbbadingo& muestras) {
  std::string error;
  const TLista lineas = EscribirAbbadingo(muestras, error);
  return error.empty() ? EscribirArchivoTexto(ruta, lineas) : error;
}
