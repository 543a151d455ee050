// Argumentos: reading an order's options and files, and its output and error channels.
#include "cli/Argumentos.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include <sys/stat.h>

#include "cli/Orden.h"
#include "core/ArchivoTexto.h"
#include "core/EscribirArchivo.h"
#include "core/Texto.h"

std::optional<std::string> TArgumentos::Valor(const std::string& opcion) const {
  const auto it = opciones.find(opcion);
  if (it == opciones.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

std::vector<std::string> TArgumentos::Valores(const std::string& opcion) const {
  const auto it = opciones.find(opcion);
  return it == opciones.end() ? std::vector<std::string>{} : it->second;
}

int ErrorDeUso(const TSintaxisOrden& sintaxis, const std::string& problema) {
  std::cerr << "telar-cli " << sintaxis.orden << ": " << problema << "\n"
            << "Uso: " << sintaxis.uso << "\n"
            << "Use telar-cli " << sintaxis.orden << " --help para m\xC3\xA1s detalles.\n";
  return kSalidaEntradaIncorrecta;
}

int ErrorDeEntrada(const std::string& mensaje) {
  std::cerr << Cp1252AUtf8(mensaje) << "\n";
  return kSalidaEntradaIncorrecta;
}

TAnalisis AnalizarArgumentos(const TSintaxisOrden& sintaxis, const std::vector<std::string>& argumentos) {
  TAnalisis analisis;
  auto& leidos = analisis.argumentos;
  if (std::find_if(argumentos.begin(), argumentos.end(), [](const std::string& a) {
        return a == "--help" || a == "-h";
      }) != argumentos.end()) {
    std::cout << "Uso: " << sintaxis.uso << "\n" << sintaxis.ayuda;
    analisis.salida = kSalidaResultado;
    return analisis;
  }
  bool soloFicheros = false;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& argumento = argumentos[i];
    if (soloFicheros || argumento.size() < 2 || argumento[0] != '-') {
      leidos.ficheros.push_back(argumento);
      continue;
    }
    if (argumento == "--") {
      soloFicheros = true;
      continue;
    }
    std::string nombre = argumento;
    std::optional<std::string> valor;
    const std::size_t igual = argumento.find('=');
    if (argumento.rfind("--", 0) == 0 && igual != std::string::npos) {
      nombre = argumento.substr(0, igual);
      valor = argumento.substr(igual + 1);
    }
    const auto opcion = std::find_if(sintaxis.opciones.begin(), sintaxis.opciones.end(),
                                     [&](const TOpcionCli& o) { return o.nombre == nombre; });
    if (opcion == sintaxis.opciones.end()) {
      analisis.salida = ErrorDeUso(sintaxis, "opci\xC3\xB3n desconocida \"" + nombre + "\"");
      return analisis;
    }
    if (!opcion->conValor && valor) {
      analisis.salida = ErrorDeUso(sintaxis, "la opci\xC3\xB3n " + nombre + " no lleva valor");
      return analisis;
    }
    if (opcion->conValor && !valor) {
      if (i + 1 >= argumentos.size()) {
        analisis.salida = ErrorDeUso(sintaxis, "falta el valor de la opci\xC3\xB3n " + nombre);
        return analisis;
      }
      valor = argumentos[++i];
    }
    if (!opcion->repetible && leidos.Tiene(nombre)) {
      analisis.salida = ErrorDeUso(sintaxis, "la opci\xC3\xB3n " + nombre + " aparece dos veces");
      return analisis;
    }
    leidos.opciones[nombre].push_back(valor.value_or(""));
  }
  const std::size_t n = leidos.ficheros.size();
  if (n < sintaxis.minimoFicheros)
    analisis.salida = ErrorDeUso(sintaxis, "falta el fichero");
  else if (n > sintaxis.maximoFicheros)
    analisis.salida = ErrorDeUso(sintaxis, "sobra el argumento \"" + leidos.ficheros[sintaxis.maximoFicheros] + "\"");
  return analisis;
}

std::optional<long> LeerEntero(const std::string& texto, long minimo, long maximo) {
  if (texto.empty() || texto.size() > 9 ||
      !std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const long valor = std::stol(texto);
  if (valor < minimo || valor > maximo) return std::nullopt;
  return valor;
}

int EmitirInforme(const std::vector<std::string>& lineas, const std::optional<std::string>& fichero) {
  return EmitirInforme(
      [&](const TSalidaLineas& salida) {
        for (const auto& linea : lineas) salida(linea);
      },
      fichero);
}

int EmitirInforme(const TProductorLineas& producir, const std::optional<std::string>& fichero) {
  if (!AntesDeLaPrimeraSalida()) return kSalidaEntradaIncorrecta;
  if (fichero) {
    const std::string error = EscribirLineasTexto(*fichero, producir);
    return error.empty() ? kSalidaResultado : ErrorDeEntrada(error);
  }
  // lines gather in a block written to stdout whenever it fills
  constexpr std::size_t kBloque = 1 << 16;
  std::string bloque;
  bloque.reserve(kBloque);
  producir(TSalidaLineas::PorTrozos([&](std::string_view texto, bool fin) {
    AnadirCp1252AUtf8(bloque, texto);
    if (fin) bloque += '\n';
    if (bloque.size() >= kBloque) {
      std::cout.write(bloque.data(), static_cast<std::streamsize>(bloque.size()));
      bloque.clear();
    }
  }));
  std::cout.write(bloque.data(), static_cast<std::streamsize>(bloque.size()));
  std::cout << std::flush;
  return kSalidaResultado;
}

bool MismoArchivo(const std::string& a, const std::string& b) {
  struct stat datosA {}, datosB {};
  if (::stat(a.c_str(), &datosA) == 0 && ::stat(b.c_str(), &datosB) == 0)
    return datosA.st_dev == datosB.st_dev && datosA.st_ino == datosB.st_ino;
  std::error_code error;
  const auto rutaA = std::filesystem::weakly_canonical(std::filesystem::absolute(a, error), error);
  const auto rutaB = std::filesystem::weakly_canonical(std::filesystem::absolute(b, error), error);
  return !error && rutaA == rutaB;
}

std::string ProblemaDeSalidas(const std::vector<std::string>& entradas, const std::vector<TSalidaCli>& salidas) {
  for (std::size_t i = 0; i < salidas.size(); ++i) {
    // a link given as output is written through: what counts is the file it ends at
    const std::string destino = DestinoDeEscritura(salidas[i].ruta).string();
    for (const auto& entrada : entradas)
      if (entrada != "-" && MismoArchivo(entrada, destino))
        return salidas[i].nombre + " no puede escribir sobre el fichero de entrada \"" + entrada + "\"";
    // a device (/dev/null) takes any number of writes; a file would keep only the last
    struct stat datos {};
    if (::stat(destino.c_str(), &datos) == 0 && !S_ISREG(datos.st_mode)) continue;
    for (std::size_t j = 0; j < i; ++j)
      if (MismoArchivo(DestinoDeEscritura(salidas[j].ruta).string(), destino))
        return salidas[j].nombre + " y " + salidas[i].nombre + " nombran el mismo fichero \"" + salidas[i].ruta + "\"";
  }
  return "";
}

namespace {

// The outputs of the order running, and whether they were checked.
struct TSalidasDeLaOrden {
  std::vector<TSalidaCli> salidas;
  bool comprobadas = false;
};

TSalidasDeLaOrden& SalidasDeLaOrden() {
  static TSalidasDeLaOrden salidas;
  return salidas;
}

}  // namespace

bool AntesDeLaPrimeraSalida() {
  auto& pendientes = SalidasDeLaOrden();
  if (pendientes.comprobadas) return true;
  pendientes.comprobadas = true;
  return ComprobarSalidas(pendientes.salidas);
}

bool ComprobarSalidas(const std::vector<TSalidaCli>& salidas) {
  for (const auto& salida : salidas)
    if (const std::string error = ComprobarEscritura(salida.ruta); !error.empty()) {
      ErrorDeEntrada(error);
      return false;
    }
  return true;
}

namespace {

// The problem of a call that names a file it reads as an output, one file as two outputs, or
// reads the standard input through an option; empty when none.
std::string ProblemaDeFicheros(const TSintaxisOrden& sintaxis, const TArgumentos& argumentos) {
  std::vector<std::string> entradas = argumentos.ficheros;
  for (const auto& opcion : sintaxis.opciones) {
    if (!opcion.entrada) continue;
    for (const auto& valor : argumentos.Valores(opcion.nombre)) {
      if (valor == "-") return "la entrada est\xC3\xA1ndar (-) solo puede ser el fichero, no el valor de " + opcion.nombre;
      entradas.push_back(valor);
    }
  }
  return ProblemaDeSalidas(entradas, SalidasDeArgumentos(sintaxis, argumentos));
}

}  // namespace

std::vector<TSalidaCli> SalidasDeArgumentos(const TSintaxisOrden& sintaxis, const TArgumentos& argumentos) {
  std::vector<TSalidaCli> salidas;
  for (const auto& opcion : sintaxis.opciones)
    if (opcion.salida)
      for (const auto& valor : argumentos.Valores(opcion.nombre)) salidas.push_back({opcion.nombre, valor});
  return salidas;
}

TOrden OrdenConSintaxis(TSintaxisOrden sintaxis, std::function<int(const TArgumentos&)> ejecutar) {
  TOrden orden;
  orden.nombre = sintaxis.orden;
  orden.ayuda = sintaxis.ayuda;
  orden.ejecutar = [sintaxis = std::move(sintaxis), ejecutar = std::move(ejecutar)](
                       const std::vector<std::string>& argumentos) {
    const TAnalisis analisis = AnalizarArgumentos(sintaxis, argumentos);
    if (analisis.salida) return *analisis.salida;
    if (const std::string problema = ProblemaDeFicheros(sintaxis, analisis.argumentos); !problema.empty())
      return ErrorDeUso(sintaxis, problema);
    SalidasDeLaOrden() = {SalidasDeArgumentos(sintaxis, analisis.argumentos), false};
    if (AlEmpezarOrden()) AlEmpezarOrden()(sintaxis.orden);
    return ejecutar(analisis.argumentos);
  };
  return orden;
}
