// telar-cli explorar FICHERO.pos [--negativa NEG.neg] [--validar TEST.tst]
// [--algoritmo kr|kc|im1] [--formato tabla|csv|json]: the "Explorar K" table, one row per run.
#include <algorithm>
#include <iostream>

#include "app/ArchivosResultado.h"
#include "app/BarridoK.h"
#include "app/ComandosKR.h"
#include "app/Sesion.h"
#include "cli/Argumentos.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "core/ErrorInterno.h"
#include "core/Texto.h"
#include "inference/AlgoritmoKR.h"

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "explorar",
    .uso = "telar-cli explorar FICHERO.pos [--negativa NEG.neg] [--validar TEST.tst] "
           "[--algoritmo kr|kc|im1] [--formato tabla|csv|json]",
    .ayuda = "  explorar FICHERO.pos [--negativa NEG.neg] [--validar TEST.tst]\n"
             "           [--algoritmo kr|kc|im1] [--formato tabla|csv|json]\n"
             "      KR y KC (o uno de ellos) para cada K de 0 al ejemplo más largo, o IM1 con\n"
             "      Levine para cada cota S: estados, transiciones, negativos aceptados (y si\n"
             "      el resultado es consistente), ejemplos de test aceptados con sus aciertos\n"
             "      (el test se lee como lo lee \"Validar\") y tiempo. tabla alineada (por\n"
             "      omisión), csv con cabecera o json (objetos con los nombres de columna).\n",
    .opciones = {{.nombre = "--negativa", .conValor = true, .entrada = true},
                 {.nombre = "--validar", .conValor = true, .entrada = true},
                 {"--algoritmo", true},
                 {"--formato", true}},
    .minimoFicheros = 1,
    .maximoFicheros = 1};

using TTabla = std::vector<std::vector<std::string>>;  // header row first, Windows-1252

void Tabla(const TTabla& tabla) {
  std::vector<std::size_t> anchos(tabla.front().size(), 0);
  for (const auto& fila : tabla)
    for (std::size_t c = 0; c < fila.size(); ++c) anchos[c] = std::max(anchos[c], fila[c].size());
  for (const auto& fila : tabla) {
    std::string linea;
    for (std::size_t c = 0; c < fila.size(); ++c) {
      const std::string relleno(anchos[c] - fila[c].size(), ' ');
      // names to the left, numbers to the right
      linea += c == 0 ? fila[c] + relleno : "  " + relleno + fila[c];
    }
    std::cout << Cp1252AUtf8(linea) << "\n";
  }
}

std::string CampoCsv(const std::string& texto) {
  if (texto.find_first_of(",\"\n") == std::string::npos) return texto;
  std::string citado = "\"";
  for (char c : texto) citado += c == '"' ? std::string("\"\"") : std::string(1, c);
  return citado + "\"";
}

void Csv(const TTabla& tabla) {
  for (const auto& fila : tabla) {
    std::string linea;
    for (std::size_t c = 0; c < fila.size(); ++c) linea += (c ? "," : "") + CampoCsv(fila[c]);
    std::cout << Cp1252AUtf8(linea) << "\n";
  }
}

std::string CadenaJson(const std::string& texto) {
  std::string json = "\"";
  for (char c : texto) {
    if (c == '"' || c == '\\') json += '\\';
    json += c;
  }
  return json + "\"";
}

// Counts, k, S, time and percentage as numbers, Consistente as a Boolean, an empty cell as
// null, the algorithm's name as a string.
std::string ValorJson(const std::string& columna, const std::string& texto) {
  if (texto.empty()) return "null";
  if (columna == "Algoritmo") return CadenaJson(texto);
  if (columna == "Consistente") return texto == "no" ? "false" : "true";
  if (columna == "Aciertos") return texto.substr(0, texto.size() - 1);
  return texto;
}

void Json(const TTabla& tabla) {
  const auto& columnas = tabla.front();
  std::cout << "[";
  for (std::size_t f = 1; f < tabla.size(); ++f) {
    std::string objeto = "{";
    for (std::size_t c = 0; c < columnas.size(); ++c)
      objeto += (c ? ", " : "") + CadenaJson(columnas[c]) + ": " + ValorJson(columnas[c], tabla[f][c]);
    std::cout << (f > 1 ? ",\n " : "\n ") << Cp1252AUtf8(objeto) << "}";
  }
  std::cout << (tabla.size() > 1 ? "\n]\n" : "]\n");
}

int Explorar(const TArgumentos& argumentos) {
  std::vector<TAlgoritmoBarrido> algoritmos = {TAlgoritmoBarrido::KR, TAlgoritmoBarrido::KC};
  if (const auto algoritmo = argumentos.Valor("--algoritmo")) {
    if (*algoritmo == "kr")
      algoritmos = {TAlgoritmoBarrido::KR};
    else if (*algoritmo == "kc")
      algoritmos = {TAlgoritmoBarrido::KC};
    else if (*algoritmo == "im1")
      algoritmos = {TAlgoritmoBarrido::IM1Levine};
    else
      return ErrorDeUso(kSintaxis, "--algoritmo debe ser kr, kc o im1");
  }
  const std::string formato = argumentos.Valor("--formato").value_or("tabla");
  if (formato != "tabla" && formato != "csv" && formato != "json")
    return ErrorDeUso(kSintaxis, "--formato debe ser tabla, csv o json");

  TSesion sesion;
  if (!AbrirMuestraCli(sesion, argumentos.ficheros.front())) return kSalidaEntradaIncorrecta;
  const bool conKR = std::find(algoritmos.begin(), algoritmos.end(), TAlgoritmoBarrido::KR) != algoritmos.end();
  if (conKR && UsaMarcaFinal(sesion.MuestraPositiva)) return ErrorDeEntrada(MensajeMarcaFinalEnMuestra());
  if (const auto negativa = argumentos.Valor("--negativa"))
    if (!AbrirMuestraCli(sesion, *negativa, TTipoMuestra::TipoM_Neg)) return kSalidaEntradaIncorrecta;
  if (const auto test = argumentos.Valor("--validar")) {
    TInteraccionCli interaccion;
    interaccion.archivoAbrir = *test;
    if (!ElegirMuestraValidacion(interaccion, sesion.MuestraValidacion)) return kSalidaEntradaIncorrecta;
  }

  const TMuestrasBarrido muestras{sesion.MuestraPositiva, sesion.MuestraNegativa, sesion.MuestraValidacion};
  TTabla tabla = {ColumnasBarrido(muestras, algoritmos)};
  for (const auto& fila : Barrido(muestras, algoritmos)) tabla.push_back(TextosFila(fila, muestras));
  if (formato == "csv")
    Csv(tabla);
  else if (formato == "json")
    Json(tabla);
  else
    Tabla(tabla);
  std::cout << std::flush;
  return kSalidaResultado;
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, [](const TArgumentos& argumentos) {
  try {
    return Explorar(argumentos);
  } catch (const TErrorInterno& error) {
    return ErrorDeEntrada(error.Codigo());
  }
}));

}  // namespace
