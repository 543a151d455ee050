// FlujosMuestra: opening, saving, viewing and typing samples.
#include "app/FlujosMuestra.h"

#include <cstdlib>
#include <filesystem>

#include "app/ComandosKR.h"
#include "core/ArchivoTexto.h"
#include "core/Texto.h"

namespace {

constexpr const char* kFiltroTodos = "|Todos los archivos (*)|*";

// Position of the dot that starts the file name's extension, or npos when it has none.
std::size_t PuntoDeExtension(const std::string& ruta) {
  const std::size_t barra = ruta.find_last_of('/');
  const std::size_t inicioNombre = barra == std::string::npos ? 0 : barra + 1;
  const std::size_t punto = ruta.find_last_of('.');
  if (punto == std::string::npos || punto < inicioNombre) return std::string::npos;
  return punto;
}

void Error(TInteraccion& interaccion, const std::string& texto) {
  interaccion.Mensaje(texto, TIcono::Error, TBotones::Ok);
}

// Asks for a file with `elegir` and applies the dialog's default extension (when opening,
// only to a name that is not an existing file); std::nullopt on cancel or, after its
// message, on a wrong extension.
template <typename Elegir>
std::optional<std::string> ElegirArchivoMuestra(const TSesion& sesion, TInteraccion& interaccion,
                                                const std::string& titulo, bool abriendo,
                                                Elegir elegir) {
  const std::string extension = DatosTipoMuestra(sesion.Tipo()).extension;
  TDialogoArchivo dialogo = DialogoMuestra(sesion.Tipo(), titulo);
  // opening also lists every file: "M.POS" is no "*.pos" where names keep their case
  if (abriendo) dialogo.filtro += kFiltroTodos;
  const auto elegido = elegir(dialogo);
  if (!elegido) return std::nullopt;
  // any existing file is taken as named: a device such as /dev/null is not "/dev/null.pos"
  std::error_code error;
  const bool existe = abriendo && std::filesystem::exists(*elegido, error);
  const std::string ruta = existe ? *elegido : ConExtensionPorDefecto(*elegido, extension);
  if (!TieneExtension(ruta, extension)) {
    Error(interaccion, kExtensionIncorrecta);
    return std::nullopt;
  }
  return ruta;
}

}  // namespace

std::string FiltroMuestras() {
  return "Archivos de muestra positiva (*.pos)|*.pos|"
         "Archivos de muestra negativa (*.neg)|*.neg|"
         "Archivos de muestra test (*.tst)|*.tst|"
         "Archivos de muestra situaci\xF3n/acci\xF3n (*.sya)|*.sya";
}

TDialogoArchivo DialogoMuestra(TTipoMuestra tipo, const std::string& titulo) {
  const auto& datos = DatosTipoMuestra(tipo);
  TDialogoArchivo dialogo;
  dialogo.titulo = titulo;
  dialogo.filtro = FiltroMuestras();
  dialogo.extensionPorDefecto = datos.extension;
  dialogo.indiceFiltro = datos.indiceFiltro;
  const char* casa = std::getenv("HOME");
  dialogo.carpetaInicial = casa ? casa : "";
  return dialogo;
}

std::string ConExtensionPorDefecto(const std::string& ruta, const std::string& extension) {
  if (ruta.empty() || ruta.back() == '/' || PuntoDeExtension(ruta) != std::string::npos) return ruta;
  return ruta + "." + extension;
}

bool TieneExtension(const std::string& ruta, const std::string& extension) {
  const std::size_t punto = PuntoDeExtension(ruta);
  return punto != std::string::npos && IgualesSinMayusculas(ruta.substr(punto + 1), extension);
}

std::optional<TTipoMuestra> TipoPorExtension(const std::string& ruta) {
  for (const auto tipo : kTiposMuestra)
    if (TieneExtension(ruta, DatosTipoMuestra(tipo).extension)) return tipo;
  return std::nullopt;
}

bool AbrirMuestra(TSesion& sesion, TInteraccion& interaccion) {
  const auto ruta = ElegirArchivoMuestra(sesion, interaccion, kTituloAbrir, true, [&](const auto& d) {
    return interaccion.ElegirArchivoAbrir(d);
  });
  if (!ruta) return false;
  return TomarMuestraLeida(sesion, LeerArchivoTexto(*ruta), interaccion);
}

bool TomarMuestraLeida(TSesion& sesion, const TLecturaTexto& lectura, TInteraccion& interaccion) {
  if (!lectura.Correcta()) {
    Error(interaccion, lectura.error);
    return false;
  }
  sesion.PonerMemo(lectura.lineas);
  if (!sesion.DarValoresSegunTipo(lectura.lineas, interaccion, lectura.nombre, lectura.soloMarca)) return false;
  sesion.MarcarGuardada(sesion.Tipo(), lectura.nombre);
  return true;
}

bool AbrirArchivoMuestra(TSesion& sesion, TInteraccion& interaccion, const std::string& ruta) {
  const auto tipo = TipoPorExtension(ruta);
  if (!tipo) {
    Error(interaccion, kExtensionIncorrecta);
    return false;
  }
  sesion.ElegirTipo(*tipo);
  return TomarMuestraLeida(sesion, LeerArchivoTexto(ruta), interaccion);
}

bool GuardarMuestraComo(TSesion& sesion, TInteraccion& interaccion) {
  const auto lineas = sesion.MuestraAGuardar();
  if (!lineas) {
    Error(interaccion, kNoExisteMuestra);
    return false;
  }
  const auto ruta = ElegirArchivoMuestra(sesion, interaccion, kTituloGuardar, false, [&](const auto& d) {
    return interaccion.ElegirArchivoGuardar(d);
  });
  if (!ruta) return false;
  const std::string error = EscribirArchivoTexto(*ruta, *lineas);
  if (!error.empty()) {
    Error(interaccion, error);
    return false;
  }
  sesion.MarcarGuardada(sesion.Tipo(), RutaVisible(*ruta));
  return true;
}

void MostrarMuestraEnVisor(TSesion& sesion) { sesion.MostrarMuestraActual(); }

void CrearMuestra(TSesion& sesion, TInteraccion& interaccion) {
  const auto lineas = sesion.Tipo() == TTipoMuestra::TipoM_SA ? interaccion.EditarMuestraSA()
                                                             : interaccion.EditarMuestra();
  if (lineas) sesion.DarValoresSegunTipo(*lineas, interaccion);
}

bool PuedeSalir(const TSesion& sesion, TInteraccion& interaccion) {
  if (!sesion.HayMuestrasSinGuardar()) return true;
  return interaccion.Mensaje(kSalirSinGuardar, TIcono::Pregunta, TBotones::SiNo) == TRespuesta::Si;
}

void BotonAbrirClick(TSesion& sesion, TInteraccion& interaccion) {
  interaccion.ReproducirSonido(kSonidoMuestra);
  AbrirMuestra(sesion, interaccion);
}

void BotonGuardarClick(TSesion& sesion, TInteraccion& interaccion) {
  interaccion.ReproducirSonido(kSonidoMuestra);
  GuardarMuestraComo(sesion, interaccion);
}

void BotonVerClick(TSesion& sesion, TInteraccion& interaccion) {
  interaccion.ReproducirSonido(kSonidoMuestra);
  MostrarMuestraEnVisor(sesion);
}

void BotonNuevaClick(TSesion& sesion, TInteraccion& interaccion) {
  interaccion.ReproducirSonido(kSonidoMuestra);
  CrearMuestra(sesion, interaccion);
}
