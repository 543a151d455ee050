// EjecutarCli: runs telar-cli as a user does and collects its exit code, stdout and stderr.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

struct TEjecucion {
  int codigo = -1;
  std::string salida{};
  std::string errores;
};

inline std::string LeerBytes(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// True in a build under AddressSanitizer, which cannot start under a virtual memory limit.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kConAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kConAddressSanitizer = true;
#else
inline constexpr bool kConAddressSanitizer = false;
#endif
#else
inline constexpr bool kConAddressSanitizer = false;
#endif

// A limit of the address space for a run that must end well below it ("ulimit -v ..."), so a
// fault cannot take the machine's memory; none under AddressSanitizer.
inline std::string LimiteDeMemoria(const std::string& kilobytes) {
  return kConAddressSanitizer ? "" : "ulimit -v " + kilobytes + "; ";
}

// A path under tests/data.
inline std::string Datos(const std::string& relativa) { return std::string(TELAR_TEST_DATA) + "/" + relativa; }

// Where a run takes place: shell commands run before it ("ulimit -f 1"), the file its
// stdin reads, and where its stdout goes (empty: captured into TEjecucion::salida).
struct TEntornoCli {
  std::string antes{};
  std::string entrada = "/dev/null";
  std::string salida{};
};

// Runs telar-cli with `argumentos` (each passed as one argument, quoted for the shell).
inline TEjecucion EjecutarCli(const std::vector<std::string>& argumentos, const TEntornoCli& entorno = {}) {
  const auto base = std::filesystem::temp_directory_path() /
                    ("telar-cli-" + std::to_string(::getpid()));
  std::string orden = entorno.antes + "'" + std::string(TELAR_CLI_PATH) + "'";
  for (const auto& a : argumentos) {
    std::string citado;
    for (char c : a) citado += c == '\'' ? std::string("'\\''") : std::string(1, c);
    orden += " '" + citado + "'";
  }
  const std::string salida = entorno.salida.empty() ? base.string() + ".out" : entorno.salida;
  orden += " >'" + salida + "' 2>'" + base.string() + ".err' <'" + entorno.entrada + "'";
  TEjecucion ejecucion;
  const int estado = std::system(orden.c_str());
  ejecucion.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  ejecucion.salida = LeerBytes(base.string() + ".out");
  ejecucion.errores = LeerBytes(base.string() + ".err");
  std::filesystem::remove(base.string() + ".out");
  std::filesystem::remove(base.string() + ".err");
  return ejecucion;
}
