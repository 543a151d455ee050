// telar-cli explorar FICHERO.pos [--negativa NEG.neg] [--validar TEST.tst]
// [--algoritmo kr|kc|im1] [--formato tabla|csv|json]: the "Explorar K" table, one row per run.
#include <algorithm>
#include <iostream>

#include <unistd.h>

#include "app/comandos/BarridoK.h"
#include "app/comandos/ComandosKR.h"
#include "app/objetivos/BarridoObjetivo.h"
#include "app/sesion/Sesion.h"
#include "app/ventanas/ArchivosResultado.h"
#include "cli/Argumentos.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "cli/SalidaAutomatas.h"
#include "core/ErrorInterno.h"
#include "core/Texto.h"
#include "inference/AlgoritmoKR.h"

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "explorar",
    .uso = "telar-cli explorar FICHERO.pos [--negativa NEG.neg] [--validar TEST.tst] "
           "[--algoritmo kr|kc|im1] [--formato tabla|csv|json] [--objetivo AUTOMATA]",
    .ayuda = "  explorar FICHERO.pos [--negativa NEG.neg] [--validar TEST.tst]\n"
             "           [--algoritmo kr|kc|im1] [--formato tabla|csv|json] [--objetivo AUTOMATA]\n"
             "      KR y KC (o uno de ellos) para cada K de 0 al ejemplo más largo, o IM1 con\n"
             "      Levine para cada cota S: estados, transiciones, negativos aceptados (y si\n"
             "      el resultado es consistente), ejemplos de test aceptados con sus aciertos\n"
             "      (el test se lee como lo lee \"Validar\") y tiempo. tabla alineada (por\n"
             "      omisión), csv con cabecera o json (objetos con los nombres de columna).\n"
             "      --objetivo AUTOMATA añade las columnas Identifica (sí si el resultado\n"
             "      acepta el lenguaje del objetivo) y Exactitud etiquetada (en el test, con\n"
             "      las etiquetas que le pone el objetivo; vacía sin --validar).\n",
    .opciones = {{.nombre = "--negativa", .conValor = true, .entrada = true},
                 {.nombre = "--validar", .conValor = true, .entrada = true},
                 {"--algoritmo", true},
                 {"--formato", true},
                 {.nombre = "--objetivo", .conValor = true, .entrada = true}},
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

std::string LineaCsv(const std::vector<std::string>& fila) {
  std::string linea;
  for (std::size_t c = 0; c < fila.size(); ++c) linea += (c ? "," : "") + CampoCsv(fila[c]);
  return Cp1252AUtf8(linea) + "\n";
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
  if (columna == "Consistente" || columna == "Identifica") return texto == "no" ? "false" : "true";
  if (columna == "Aciertos") return texto.substr(0, texto.size() - 1);
  if (columna == "Exactitud etiquetada") {
    std::string numero = texto.substr(0, texto.size() - 1);
    for (char& c : numero)
      if (c == ',') c = '.';
    return numero;
  }
  return texto;
}

std::string ObjetoJson(const std::vector<std::string>& columnas, const std::vector<std::string>& fila) {
  std::string objeto = "{";
  for (std::size_t c = 0; c < columnas.size(); ++c)
    objeto += (c ? ", " : "") + CadenaJson(columnas[c]) + ": " + ValorJson(columnas[c], fila[c]);
  return Cp1252AUtf8(objeto) + "}";
}

// Rows go out as each run ends: csv and json at once (a long sweep shows its first rows in
// seconds), the aligned table at the end, when its widths are known. On a terminal, stderr
// shows how many runs are done.
class TSalidaExplorar : public TProgresoBarrido {
 public:
  // With `objetivo`, each row also says whether it identifies it, and its accuracy on the
  // test labelled by it.
  TSalidaExplorar(std::string formato, const TMuestrasBarrido& muestras, std::vector<std::string> columnas,
                  const TAutomataFinito* objetivo)
      : m_formato(std::move(formato)), m_muestras(muestras), m_progreso(::isatty(STDERR_FILENO) == 1),
        m_objetivo(objetivo) {
    if (m_objetivo) {
      for (auto& columna : ColumnasObjetivo()) columnas.push_back(std::move(columna));
      if (!muestras.test.empty()) m_test = EtiquetarConObjetivo(muestras.test, *m_objetivo);
    }
    m_tabla.push_back(std::move(columnas));
    if (m_formato == "csv") std::cout << LineaCsv(m_tabla.front()) << std::flush;
    if (m_formato == "json") std::cout << "[" << std::flush;
  }

  bool Cancelado() override { return false; }

  void FilaHecha(const TFilaBarrido& fila, std::size_t hechas, std::size_t total) override {
    std::vector<std::string> textos = TextosFila(fila, m_muestras);
    if (m_objetivo)
      for (auto& texto : TextosObjetivo(MedirConObjetivo(m_muestras.positiva, fila.paso, *m_objetivo,
                                                         m_test ? &*m_test : nullptr)))
        textos.push_back(std::move(texto));
    if (m_formato == "csv")
      std::cout << LineaCsv(textos) << std::flush;
    else if (m_formato == "json")
      std::cout << (hechas > 1 ? ",\n " : "\n ") << ObjetoJson(m_tabla.front(), textos) << std::flush;
    else
      m_tabla.push_back(std::move(textos));
    ++m_filas;
    if (m_progreso) std::cerr << "\rexplorar: " << hechas << " de " << total << " ejecuciones" << std::flush;
  }

  void Terminar() {
    if (m_progreso) std::cerr << "\r\x1B[K" << std::flush;
    if (m_formato == "json") std::cout << (m_filas > 0 ? "\n]\n" : "]\n");
    if (m_formato == "tabla") Tabla(m_tabla);
    std::cout << std::flush;
  }

 private:
  std::string m_formato;
  const TMuestrasBarrido& m_muestras;
  bool m_progreso;
  const TAutomataFinito* m_objetivo;
  std::optional<TTestEtiquetado> m_test;
  TTabla m_tabla;  // the header, then the table's rows
  std::size_t m_filas = 0;
};

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

  std::optional<TAutomataFinito> objetivo;
  if (const auto argumento = argumentos.Valor("--objetivo"))
    if (!(objetivo = LeerAutomataCli(*argumento))) return kSalidaEntradaIncorrecta;

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
  TSalidaExplorar salida(formato, muestras, ColumnasBarrido(muestras, algoritmos),
                         objetivo ? &*objetivo : nullptr);
  Barrido(muestras, algoritmos, &salida);
  salida.Terminar();
  return kSalidaResultado;
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Explorar));

}  // namespace
