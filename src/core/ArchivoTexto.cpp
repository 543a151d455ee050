// ArchivoTexto: reading and writing the system's text files line by line.
#include "core/ArchivoTexto.h"
#include "core/EscribirArchivo.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/TemporalesPendientes.h"
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
    case EFBIG: return "el archivo supera el tama\xF1o permitido";
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
  lectura.nombre = nombre;
  lectura.soloMarca = bytes == "\xEF\xBB\xBF";
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

namespace {

// Reads every byte of `archivo`, then decodes them; a read error gives its message.
TLecturaTexto LeerYDecodificar(std::FILE* archivo, const std::string& nombre) {
  TLecturaTexto fallo;
  std::string bytes;
  char bloque[65536];
  std::size_t leidos;
  errno = 0;
  while ((leidos = std::fread(bloque, 1, sizeof bloque, archivo)) > 0) {
    // a binary file is refused at its first NUL, without reading on (a link to /dev/zero)
    const std::size_t nulo = std::string_view(bloque, leidos).find('\0');
    bytes.append(bloque, nulo == std::string_view::npos ? leidos : nulo + 1);
    if (nulo != std::string_view::npos) break;
  }
  if (std::ferror(archivo)) {
    fallo.error = ConMotivo("No se puede leer el archivo \"" + nombre + "\"", errno);
    return fallo;
  }
  return DecodificarTexto(bytes, nombre);
}

}  // namespace

TLecturaTexto LeerArchivoTexto(const std::string& ruta) {
  const std::string nombre = RutaVisible(ruta);
  errno = 0;
  TArchivo archivo(std::fopen(ruta.c_str(), "rb"));
  if (!archivo) {
    TLecturaTexto fallo;
    fallo.error = ConMotivo("No se puede leer el archivo \"" + nombre + "\"", errno);
    return fallo;
  }
  return LeerYDecodificar(archivo.get(), nombre);
}

TLecturaTexto LeerEntradaEstandar(const std::string& nombre) { return LeerYDecodificar(stdin, nombre); }

bool EscribirTodo(int descriptor, std::string_view texto) {
  std::size_t hecho = 0;
  while (hecho < texto.size()) {
    const ssize_t n = ::write(descriptor, texto.data() + hecho, texto.size() - hecho);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    hecho += static_cast<std::size_t>(n);
  }
  return true;
}

namespace {

// Writes all of a file's content to an open descriptor; false with errno set on failure.
using TContenido = std::function<bool(int descriptor)>;

// A device, a pipe or a socket named as output (/dev/null, /dev/stdout...) cannot be
// replaced: it is written in place, as any program writes it.
std::string EscribirEnSuSitio(const std::string& ruta, const TContenido& contenido, const std::string& mensaje) {
  errno = 0;
  const int descriptor = ::open(ruta.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (descriptor < 0) return ConMotivo(mensaje, errno, true);
  const bool escrito = contenido(descriptor);
  const int numero = errno;
  const bool cerrado = ::close(descriptor) == 0;
  if (!escrito || !cerrado) return ConMotivo(mensaje, escrito ? errno : numero, true);
  return "";
}

// A name for the temporary file next to `destino`, hidden and unlikely to be anybody's.
std::string NombreTemporal(const std::filesystem::path& destino, unsigned intento) {
  static std::atomic<unsigned> contador{0};
  const auto nombre = destino.filename().string();
  return (destino.parent_path() / ("." + nombre + ".telar-" + std::to_string(::getpid()) + "-" +
                                   std::to_string(contador++) + "-" + std::to_string(intento)))
      .string();
}

}  // namespace

TFsync& FsyncDeEscritura() {
  static TFsync fsync = ::fsync;
  return fsync;
}

// A file written under a temporary name beside its target, waiting to take the target's
// name; removed if it never does. A device or pipe is written in place and leaves none.
struct TEscrituraPendiente {
  std::string temporal;
  std::string destino;
  std::string mensaje;     // "No se puede escribir el archivo ..."
  std::string sinCambios;  // "; no se ha modificado el archivo" when the target exists
  int ranura = -1;

  ~TEscrituraPendiente() {
    if (!temporal.empty()) ::unlink(temporal.c_str());
    OlvidarTemporal(ranura);
  }
};

namespace {

const char* const kSinCambios = "; no se ha modificado el archivo";

std::string MensajeEscritura(const std::string& ruta) {
  return "No se puede escribir el archivo \"" + RutaVisible(ruta) + "\"";
}

// What keeps a file from being written at `destino` (symbolic links already followed): its
// errno, and whether the file exists; 0 when nothing does.
int ImpedimentoEscritura(const std::filesystem::path& destino, bool& existe, struct stat& datos) {
  existe = ::stat(destino.c_str(), &datos) == 0;
  if (existe && S_ISDIR(datos.st_mode)) return EISDIR;
  if (existe && !S_ISREG(datos.st_mode)) return 0;
  // a file the user may not write stays refused, though its folder would allow a new one
  if (existe && ::access(destino.c_str(), W_OK) != 0) return errno;
  const std::filesystem::path carpeta = destino.has_parent_path() ? destino.parent_path() : ".";
  struct stat datosCarpeta {};
  if (::stat(carpeta.c_str(), &datosCarpeta) != 0) return errno;
  if (!S_ISDIR(datosCarpeta.st_mode)) return ENOTDIR;
  if (::access(carpeta.c_str(), W_OK | X_OK) != 0) return errno;
  return 0;
}

std::string MensajeImpedimento(const std::string& mensaje, int numero, bool existe) {
  return ConMotivo(mensaje, numero, true) + (existe && numero != EISDIR ? kSinCambios : "");
}

// Writes `contenido` under a temporary name beside the target of `ruta` (or in place, for a
// device), ready to take the target's name. Returns the message on failure.
std::string Preparar(const std::string& ruta, const TContenido& contenido, TEscrituraPendiente& pendiente) {
  pendiente.mensaje = MensajeEscritura(ruta);
  const std::filesystem::path destino = DestinoDeEscritura(ruta);
  bool existe = false;
  struct stat anterior {};
  if (const int numero = ImpedimentoEscritura(destino, existe, anterior); numero != 0)
    return MensajeImpedimento(pendiente.mensaje, numero, existe);
  if (existe && !S_ISREG(anterior.st_mode)) return EscribirEnSuSitio(destino.string(), contenido, pendiente.mensaje);
  pendiente.destino = destino.string();
  pendiente.sinCambios = existe ? kSinCambios : "";

  // The text goes to a new file in the same folder, which then takes the target's name in
  // one step: a failure at any point leaves the old file as it was. The name is noted before
  // the file exists, so that a signal at any moment finds it.
  int descriptor = -1;
  for (unsigned intento = 0; descriptor < 0 && intento < 100; ++intento) {
    const std::string temporal = NombreTemporal(destino, intento);
    OlvidarTemporal(pendiente.ranura);
    pendiente.ranura = RegistrarTemporal(temporal);
    errno = 0;
    descriptor = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) pendiente.temporal = temporal;
    if (descriptor < 0 && errno != EEXIST) break;
  }
  if (descriptor < 0) return ConMotivo(pendiente.mensaje, errno, true) + pendiente.sinCambios;

  // the replacement keeps the permissions of the file it replaces
  bool correcto = !existe || ::fchmod(descriptor, anterior.st_mode & 07777) == 0;
  correcto = correcto && contenido(descriptor) && FsyncDeEscritura()(descriptor) == 0;
  int numero = errno;
  if (::close(descriptor) != 0 && correcto) {
    correcto = false;
    numero = errno;
  }
  if (correcto) return "";
  return ConMotivo(pendiente.mensaje, numero, true) + pendiente.sinCambios;
}

// Flushes the folder of `destino`, so that a rename in it is on the disk. Only a failing
// flush is an error (its errno); a folder that cannot be opened, or a file system that does
// not flush folders, gives 0.
int FlushCarpeta(const std::filesystem::path& destino) {
  const std::filesystem::path carpeta = destino.has_parent_path() ? destino.parent_path() : ".";
  const int descriptor = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return 0;
  errno = 0;
  const int numero = FsyncDeEscritura()(descriptor) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
  ::close(descriptor);
  return numero;
}

// The prepared file takes its target's name, and its folder is flushed. Returns the message
// on failure; after a failed folder flush the target is already replaced.
std::string ConfirmarPendiente(TEscrituraPendiente& pendiente) {
  if (pendiente.temporal.empty()) return "";
  if (::rename(pendiente.temporal.c_str(), pendiente.destino.c_str()) != 0)
    return ConMotivo(pendiente.mensaje, errno, true) + pendiente.sinCambios;
  pendiente.temporal.clear();
  if (const int numero = FlushCarpeta(pendiente.destino); numero != 0) return ConMotivo(pendiente.mensaje, numero, true);
  return "";
}

std::string EscribirArchivoCon(const std::string& ruta, const TContenido& contenido) {
  TEscrituraPendiente pendiente;
  const std::string error = Preparar(ruta, contenido, pendiente);
  return error.empty() ? ConfirmarPendiente(pendiente) : error;
}

// The content EscribirLineasTexto writes: the lines in blocks, each followed by CR LF.
TContenido ContenidoLineas(const TProductorLineas& producir) {
  return [&producir](int descriptor) {
    // lines gather in a block written whenever it fills; after a failure the rest is dropped
    constexpr std::size_t kBloque = 1 << 16;
    std::string bloque;
    bloque.reserve(kBloque);
    bool correcto = true;
    int numero = 0;
    const auto vaciar = [&] {
      if (correcto && !EscribirTodo(descriptor, bloque)) {
        correcto = false;
        numero = errno;
      }
      bloque.clear();
    };
    producir(TSalidaLineas::PorTrozos([&](std::string_view texto, bool fin) {
      bloque += texto;
      if (fin) bloque += "\r\n";
      if (bloque.size() >= kBloque) vaciar();
    }));
    vaciar();
    errno = numero;
    return correcto;
  };
}

TProductorLineas ProductorDe(const TLista& lineas) {
  return [&lineas](const TSalidaLineas& salida) {
    for (const auto& linea : lineas) salida(linea);
  };
}

}  // namespace

std::string EscribirArchivoTexto(const std::string& ruta, const TLista& lineas) {
  return EscribirLineasTexto(ruta, ProductorDe(lineas));
}

std::string EscribirLineasTexto(const std::string& ruta, const TProductorLineas& producir) {
  return EscribirArchivoCon(ruta, ContenidoLineas(producir));
}

std::string EscribirArchivo(const std::string& ruta, const std::string& texto) {
  return EscribirArchivoCon(ruta, [&](int descriptor) { return EscribirTodo(descriptor, texto); });
}

std::filesystem::path DestinoDeEscritura(const std::string& ruta) {
  std::filesystem::path destino = ruta;
  std::error_code error;
  // a bounded walk: a loop of links ends where it stands, and the write then reports it
  for (int salto = 0; salto < 40 && std::filesystem::is_symlink(destino, error); ++salto) {
    const std::filesystem::path apunta = std::filesystem::read_symlink(destino, error);
    if (error) break;
    destino = apunta.is_absolute() ? apunta : destino.parent_path() / apunta;
  }
  return destino.lexically_normal();
}

std::string ComprobarEscritura(const std::string& ruta) {
  bool existe = false;
  struct stat datos {};
  const int numero = ImpedimentoEscritura(DestinoDeEscritura(ruta), existe, datos);
  return numero == 0 ? "" : MensajeImpedimento(MensajeEscritura(ruta), numero, existe);
}

TEscrituraConjunta::TEscrituraConjunta() = default;
TEscrituraConjunta::~TEscrituraConjunta() = default;

std::string TEscrituraConjunta::Anadir(const std::string& ruta, const TLista& lineas) {
  const TProductorLineas producir = ProductorDe(lineas);
  m_pendientes.push_back(std::make_unique<TEscrituraPendiente>());
  return Preparar(ruta, ContenidoLineas(producir), *m_pendientes.back());
}

std::string TEscrituraConjunta::Confirmar() {
  for (auto& pendiente : m_pendientes)
    if (std::string error = ConfirmarPendiente(*pendiente); !error.empty()) return error;
  m_pendientes.clear();
  return "";
}

std::string MotivoEscritura(int numero) { return Motivo(numero, true); }

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
