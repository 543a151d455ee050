// ArchivoTexto: reading and writing the system's text files line by line.
#include "core/ArchivoTexto.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "core/Texto.h"

namespace {

struct TCerrarArchivo {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using TArchivo = std::unique_ptr<std::FILE, TCerrarArchivo>;

// The reason behind an errno value, in Spanish, or the empty text for unusual ones.
std::string Motivo(int numero, bool escribiendo) {
  switch (numero) {
    case ENOENT: return escribiendo ? "la carpeta no existe" : "no existe";
    case EACCES:
    case EPERM: return "no hay permiso";
    case EISDIR: return "es una carpeta";
    case ENOSPC: return "no queda espacio en el disco";
    case EROFS: return "el disco es de solo lectura";
    case ENOTDIR: return "la ruta no es v\xE1lida";
    default: return "";
  }
}

std::string ConMotivo(std::string mensaje, int numero, bool escribiendo = false) {
  const std::string motivo = Motivo(numero, escribiendo);
  if (!motivo.empty()) mensaje += " (" + motivo + ")";
  return mensaje;
}

// Code point of the UTF-8 character starting at `i` (the caller knows the bytes are valid).
char32_t PuntoDeCodigo(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t largo = b0 < 0x80 ? 1 : (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : 4;
  char32_t cp = largo == 1 ? b0 : largo == 2 ? (b0 & 0x1F) : largo == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (std::size_t k = 1; k < largo && i + k < s.size(); ++k)
    cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  return cp;
}

std::string Hexadecimal(char32_t cp) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "U+%04X", static_cast<unsigned>(cp));
  return texto;
}

}  // namespace

TLista PartirEnLineas(std::string_view bytes) {
  TLista lineas;
  std::size_t inicio = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lineas.emplace_back(bytes.substr(inicio, i - inicio));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    inicio = i + 1;
  }
  if (inicio < bytes.size()) lineas.emplace_back(bytes.substr(inicio));
  return lineas;
}

TLecturaTexto DecodificarTexto(std::string_view bytes, const std::string& nombre) {
  TLecturaTexto lectura;
  const bool utf8 = EsUtf8NoAscii(bytes);
  if (utf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  TLista lineas = PartirEnLineas(bytes);
  for (std::size_t n = 0; n < lineas.size(); ++n) {
    const std::string numero = std::to_string(n + 1);
    if (lineas[n].find('\0') != std::string::npos) {
      lectura.error = "El archivo \"" + nombre + "\" no es un archivo de texto: la l\xEDnea " +
                      numero + " contiene un car\xE1" "cter nulo";
      return lectura;
    }
    if (!utf8) continue;
    std::size_t posicion = 0;
    auto convertida = Utf8ACp1252(lineas[n], &posicion);
    if (!convertida) {
      std::size_t columna = 1;
      for (std::size_t i = 0; i < posicion; ++i)
        if ((static_cast<unsigned char>(lineas[n][i]) & 0xC0) != 0x80) ++columna;
      lectura.error = "El archivo \"" + nombre + "\", l\xEDnea " + numero + ", columna " +
                      std::to_string(columna) + ": el car\xE1" "cter " +
                      Hexadecimal(PuntoDeCodigo(lineas[n], posicion)) +
                      " no se puede representar en Windows-1252";
      return lectura;
    }
    lineas[n] = std::move(*convertida);
  }
  lectura.lineas = std::move(lineas);
  return lectura;
}

TLecturaTexto LeerArchivoTexto(const std::string& ruta) {
  const std::string nombre = RutaVisible(ruta);
  TLecturaTexto fallo;
  errno = 0;
  TArchivo archivo(std::fopen(ruta.c_str(), "rb"));
  if (!archivo) {
    fallo.error = ConMotivo("No se puede leer el archivo \"" + nombre + "\"", errno);
    return fallo;
  }
  std::string bytes;
  char bloque[65536];
  std::size_t leidos;
  while ((leidos = std::fread(bloque, 1, sizeof bloque, archivo.get())) > 0)
    bytes.append(bloque, leidos);
  if (std::ferror(archivo.get())) {
    fallo.error = ConMotivo("No se puede leer el archivo \"" + nombre + "\"", errno);
    return fallo;
  }
  return DecodificarTexto(bytes, nombre);
}

std::string EscribirArchivoTexto(const std::string& ruta, const TLista& lineas) {
  const std::string mensaje = "No se puede escribir el archivo \"" + RutaVisible(ruta) + "\"";
  errno = 0;
  TArchivo archivo(std::fopen(ruta.c_str(), "wb"));
  if (!archivo) return ConMotivo(mensaje, errno, true);
  std::string texto;
  for (const auto& linea : lineas) {
    texto += linea;
    texto += "\r\n";
  }
  const bool escrito = std::fwrite(texto.data(), 1, texto.size(), archivo.get()) == texto.size();
  const int numero = errno;
  // fclose flushes the buffer: a full disk may only show here
  const bool cerrado = std::fclose(archivo.release()) == 0;
  if (!escrito || !cerrado) return ConMotivo(mensaje, escrito ? errno : numero, true);
  return "";
}

std::string RutaVisible(std::string_view ruta) {
  if (auto convertida = Utf8ACp1252(ruta)) return *convertida;
  std::string visible;
  for (std::size_t i = 0; i < ruta.size();) {
    std::size_t largo = 1;
    while (i + largo < ruta.size() && (static_cast<unsigned char>(ruta[i + largo]) & 0xC0) == 0x80)
      ++largo;
    auto caracter = Utf8ACp1252(ruta.substr(i, largo));
    visible += caracter ? *caracter : "?";
    i += largo;
  }
  return visible;
}
