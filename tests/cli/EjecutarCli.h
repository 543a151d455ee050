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
  std::string salida;
  std::string errores;
};

inline std::string LeerBytes(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// A path under tests/data.
inline std::string Datos(const std::string& relativa) { return std::string(TELAR_TEST_DATA) + "/" + relativa; }

// Runs telar-cli with `argumentos` (each passed as one argument, quoted for the shell).
inline TEjecucion EjecutarCli(const std::vector<std::string>& argumentos) {
  const auto base = std::filesystem::temp_directory_path() /
                    ("telar-cli-" + std::to_string(::getpid()));
  std::string orden = "'" + std::string(TELAR_CLI_PATH) + "'";
  for (const auto& a : argumentos) {
    std::string citado;
    for (char c : a) citado += c == '\'' ? std::string("'\\''") : std::string(1, c);
    orden += " '" + citado + "'";
  }
  orden += " >'" + base.string() + ".out' 2>'" + base.string() + ".err' </dev/null";
  TEjecucion ejecucion;
  const int estado = std::system(orden.c_str());
  ejecucion.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  ejecucion.salida = LeerBytes(base.string() + ".out");
  ejecucion.errores = LeerBytes(base.string() + ".err");
  std::filesystem::remove(base.string() + ".out");
  std::filesystem::remove(base.string() + ".err");
  return ejecucion;
}
