// TCarpetaTemporal: a folder of its own for one test, removed afterwards, with helpers to
// write and read its files byte for byte.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

class TCarpetaTemporal {
 public:
  explicit TCarpetaTemporal(const std::string& nombre)
      : m_carpeta(std::filesystem::temp_directory_path() / (nombre + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(m_carpeta);
    std::filesystem::create_directories(m_carpeta);
  }
  ~TCarpetaTemporal() {
    std::error_code error;
    std::filesystem::remove_all(m_carpeta, error);
  }
  TCarpetaTemporal(const TCarpetaTemporal&) = delete;
  TCarpetaTemporal& operator=(const TCarpetaTemporal&) = delete;

  std::string Ruta(const std::string& nombre) const { return (m_carpeta / nombre).string(); }
  std::string Escribir(const std::string& nombre, const std::string& bytes) const {
    std::ofstream(Ruta(nombre), std::ios::binary) << bytes;
    return Ruta(nombre);
  }
  std::string Leer(const std::string& nombre) const {
    std::ifstream archivo(Ruta(nombre), std::ios::binary);
    std::stringstream bytes;
    bytes << archivo.rdbuf();
    return bytes.str();
  }

 private:
  std::filesystem::path m_carpeta;
};
