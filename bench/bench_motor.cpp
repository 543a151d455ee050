// The engine against the floor: telar-cli's orders on generated samples (random strings
// over a, b, c; strings of a random 20-state language; long examples), each run as a child
// process as a user runs it, beside the floor (the same file read into a plain prefix trie,
// also a child process: this program with --suelo). Every row gives processor time and
// peak memory and their ratios to the floor of the same file measured in the same run
// (processor time, since the machine may be shared; wall time is the benchmark's own
// column). The report is read from a pipe and thrown away: "antes" is the processor time up
// to its first byte (the work before writing), "MB/s" the bytes written per processor
// second after it.
//
//   bench_motor [--cadenas=N] [--ejemplos=E --largo=L] [--muestras=aleatorias,lenguaje,largos]
//               [--ordenes=aceptor,kr,kc,ksufijos,miclet,levine] [--limite=SEGUNDOS]
//               [--memoria=MB] [--dir=CARPETA] [--cli=RUTA] [opciones de Google Benchmark]
//
// The defaults keep the run short; --cadenas=1000000 and --ejemplos=100 --largo=10000 are
// the large runs.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "MuestrasMotor.h"
#include "ProcesoMedido.h"
#include "Suelo.h"

namespace {

struct TConfiguracion {
  std::size_t cadenas = 1000;
  std::size_t ejemplos = 10;
  std::size_t largo = 500;
  std::string muestras = "aleatorias,lenguaje,largos";
  std::string ordenes = "aceptor,kr,kc,ksufijos,miclet,levine";
  double limite = 10;
  std::size_t memoria = 6144;
  std::string carpeta;
  std::string cli;
  std::string programa;  // this program, for the floor's runs
};

TConfiguracion configuracion;

struct TOrden {
  std::string nombre;
  std::vector<std::string> argumentos;  // between "telar-cli" and the sample file
};

const std::vector<TOrden> kOrdenes = {
    {"aceptor", {"aceptor"}},
    {"kr", {"kr", "-k", "0"}},
    {"kc", {"kc", "-k", "1"}},
    {"ksufijos", {"im1", "--heuristico", "ksufijos", "-k", "1"}},
    {"miclet", {"im1", "--heuristico", "miclet"}},
    {"levine", {"im1", "--heuristico", "levine", "--cota"}},  // the first candidate bound follows
};

bool Elegido(const std::string& lista, const std::string& nombre) {
  return ("," + lista + ",").find("," + nombre + ",") != std::string::npos;
}

// Per sample file: the floor measured in this run, and each order's measure.
std::map<std::string, TMedida> suelos;
std::map<std::string, std::map<std::string, TMedida>> medidas;

const TMedida& Suelo(const std::string& ruta) {
  auto it = suelos.find(ruta);
  if (it == suelos.end())
    it = suelos.emplace(ruta, MedirProceso({configuracion.programa, "--suelo", ruta}, configuracion.limite, 0, 64))
             .first;
  return it->second;
}

std::string Fallo(const TMedida& medida) {
  if (!medida.lanzado) return "no arranca";
  if (medida.excedido) return "> " + std::to_string(static_cast<int>(configuracion.limite)) + " s";
  if (WIFSIGNALED(medida.estado))
    return WTERMSIG(medida.estado) == SIGABRT ? "aborta (sin memoria)" : "señal " + std::to_string(WTERMSIG(medida.estado));
  return "salida " + std::to_string(WEXITSTATUS(medida.estado));
}

void Publicar(benchmark::State& estado, const TMedida& medida, const TMedida& suelo) {
  estado.SetIterationTime(medida.segundos);
  estado.counters["MB"] = medida.megas;
  estado.counters["xMB"] = suelo.megas > 0 ? medida.megas / suelo.megas : 0;
  estado.counters["cpu_s"] = medida.cpu;
  estado.counters["antes_s"] = medida.Antes();
  estado.counters["xT"] = suelo.cpu > 0 ? medida.Antes() / suelo.cpu : 0;
  estado.counters["salida_MB"] = medida.bytes / 1e6;
  estado.counters["MB/s"] = medida.MegasPorSegundo();
}

void BM_Suelo(benchmark::State& estado, std::string ruta) {
  for (auto _ : estado) {
    suelos.erase(ruta);
    const TMedida& suelo = Suelo(ruta);
    if (!suelo.Correcto()) {
      estado.SkipWithError(Fallo(suelo).c_str());
      break;
    }
    Publicar(estado, suelo, suelo);
    estado.SetLabel(suelo.salida.substr(0, suelo.salida.find('\n')) + " estados");
  }
}

void BM_Orden(benchmark::State& estado, std::string ruta, TOrden orden) {
  for (auto _ : estado) {
    std::vector<std::string> argumentos{configuracion.cli};
    argumentos.insert(argumentos.end(), orden.argumentos.begin(), orden.argumentos.end());
    if (orden.nombre == "levine") {
      const TMedida cotas = MedirProceso({configuracion.cli, "im1", "--heuristico", "levine", "--cotas", ruta},
                                         configuracion.limite, configuracion.memoria, 256);
      if (!cotas.Correcto() || cotas.salida.empty()) {
        estado.SkipWithError(("--cotas: " + Fallo(cotas)).c_str());
        break;
      }
      argumentos.push_back(cotas.salida.substr(0, cotas.salida.find('\n')));
    }
    argumentos.push_back(ruta);
    const TMedida& suelo = Suelo(ruta);
    const TMedida medida = MedirProceso(argumentos, configuracion.limite, configuracion.memoria);
    medidas[ruta][orden.nombre] = medida;
    if (!medida.Correcto()) {
      estado.SkipWithError(Fallo(medida).c_str());
      break;
    }
    Publicar(estado, medida, suelo);
  }
}

std::string Valor(const std::string& argumento, const std::string& opcion) {
  return argumento.rfind(opcion + "=", 0) == 0 ? argumento.substr(opcion.size() + 1) : std::string();
}

// Takes this program's own options out of argv; the rest is Google Benchmark's.
void LeerOpciones(int& argc, char** argv) {
  int escritos = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (auto v = Valor(a, "--cadenas"); !v.empty()) configuracion.cadenas = std::stoul(v);
    else if (auto v = Valor(a, "--ejemplos"); !v.empty()) configuracion.ejemplos = std::stoul(v);
    else if (auto v = Valor(a, "--largo"); !v.empty()) configuracion.largo = std::stoul(v);
    else if (auto v = Valor(a, "--muestras"); !v.empty()) configuracion.muestras = v;
    else if (auto v = Valor(a, "--ordenes"); !v.empty()) configuracion.ordenes = v;
    else if (auto v = Valor(a, "--limite"); !v.empty()) configuracion.limite = std::stod(v);
    else if (auto v = Valor(a, "--memoria"); !v.empty()) configuracion.memoria = std::stoul(v);
    else if (auto v = Valor(a, "--dir"); !v.empty()) configuracion.carpeta = v;
    else if (auto v = Valor(a, "--cli"); !v.empty()) configuracion.cli = v;
    else argv[escritos++] = argv[i];
  }
  argc = escritos;
}

std::string Celda(const TMedida* medida, const TMedida& suelo) {
  if (medida == nullptr) return "";
  if (!medida->Correcto()) return Fallo(*medida);
  const double antes = medida->Antes();
  char texto[160];
  std::snprintf(texto, sizeof texto, "%.2f s (%.0f×), %.0f MB (%.1f×)", antes,
                suelo.cpu > 0 ? antes / suelo.cpu : 0, medida->megas,
                suelo.megas > 0 ? medida->megas / suelo.megas : 0);
  std::string celda = texto;
  if (medida->bytes > 1000000) {
    std::snprintf(texto, sizeof texto, "; %.0f MB a %.0f MB/s", medida->bytes / 1e6, medida->MegasPorSegundo());
    celda += texto;
  }
  return celda;
}

// The run as one Markdown table: processor time before the first output byte and peak
// memory, with their ratios to the floor, and the report's size and rate when it is large.
void Resumen(const std::vector<std::pair<std::string, std::string>>& archivos) {
  std::cout << "\n| Muestra | Suelo |";
  for (const auto& orden : kOrdenes)
    if (Elegido(configuracion.ordenes, orden.nombre)) std::cout << " " << orden.nombre << " |";
  std::cout << "\n|---|---|";
  for (const auto& orden : kOrdenes)
    if (Elegido(configuracion.ordenes, orden.nombre)) std::cout << "---|";
  std::cout << "\n";
  for (const auto& [titulo, ruta] : archivos) {
    const auto suelo = suelos.find(ruta);
    if (suelo == suelos.end()) continue;
    char texto[120];
    std::snprintf(texto, sizeof texto, "%.3f s, %.0f MB, %s estados", suelo->second.cpu, suelo->second.megas,
                  suelo->second.salida.substr(0, suelo->second.salida.find('\n')).c_str());
    std::cout << "| " << titulo << " | " << texto << " |";
    for (const auto& orden : kOrdenes) {
      if (!Elegido(configuracion.ordenes, orden.nombre)) continue;
      const auto& fila = medidas[ruta];
      const auto it = fila.find(orden.nombre);
      std::cout << " " << Celda(it == fila.end() ? nullptr : &it->second, suelo->second) << " |";
    }
    std::cout << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--suelo") {
    const long estados = SueloTrie(argv[2]);
    if (estados < 0) return 2;
    std::cout << estados << "\n";
    return 0;
  }
  LeerOpciones(argc, argv);
  const std::filesystem::path propio = std::filesystem::canonical("/proc/self/exe");
  configuracion.programa = propio.string();
  if (configuracion.cli.empty()) configuracion.cli = (propio.parent_path() / "telar-cli").string();
  if (access(configuracion.cli.c_str(), X_OK) != 0) {
    std::cerr << "no se encuentra telar-cli en " << configuracion.cli << " (--cli=RUTA)\n";
    return 2;
  }
  bool temporal = false;
  if (configuracion.carpeta.empty()) {
    std::string plantilla = (std::filesystem::temp_directory_path() / "telar-motor-XXXXXX").string();
    if (mkdtemp(plantilla.data()) == nullptr) return 2;
    configuracion.carpeta = plantilla;
    temporal = true;
  }
  std::filesystem::create_directories(configuracion.carpeta);
  const std::filesystem::path carpeta = configuracion.carpeta;

  std::vector<std::pair<std::string, std::string>> archivos;
  const std::string n = std::to_string(configuracion.cadenas);
  if (Elegido(configuracion.muestras, "aleatorias")) {
    const std::string ruta = (carpeta / ("aleatorias-" + n + ".pos")).string();
    EscribirCadenasAleatorias(ruta, configuracion.cadenas);
    archivos.emplace_back(n + " cadenas aleatorias sobre {a,b,c}", ruta);
  }
  if (Elegido(configuracion.muestras, "lenguaje")) {
    const std::string ruta = (carpeta / ("lenguaje20-" + n + ".pos")).string();
    EscribirCadenasDeLenguaje(ruta, configuracion.cadenas);
    archivos.emplace_back(n + " cadenas de un lenguaje de 20 estados", ruta);
  }
  if (Elegido(configuracion.muestras, "largos")) {
    const std::string nombre = std::to_string(configuracion.ejemplos) + "x" + std::to_string(configuracion.largo);
    const std::string ruta = (carpeta / ("largos-" + nombre + ".pos")).string();
    EscribirEjemplosLargos(ruta, configuracion.ejemplos, configuracion.largo);
    archivos.emplace_back(std::to_string(configuracion.ejemplos) + " ejemplos de " +
                              std::to_string(configuracion.largo) + " caracteres",
                          ruta);
  }

  for (const auto& [titulo, ruta] : archivos) {
    const std::string nombre = std::filesystem::path(ruta).stem().string();
    benchmark::RegisterBenchmark(("suelo/" + nombre).c_str(), BM_Suelo, ruta)
        ->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
    for (const auto& orden : kOrdenes)
      if (Elegido(configuracion.ordenes, orden.nombre))
        benchmark::RegisterBenchmark((orden.nombre + "/" + nombre).c_str(), BM_Orden, ruta, orden)
            ->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
  }

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Resumen(archivos);
  if (temporal) std::filesystem::remove_all(carpeta);
  return 0;
}
