// ArchivosResultado: the result windows' file dialogs over the shared file layer.
#include "app/ArchivosResultado.h"

#include <filesystem>
#include <utility>

#include "app/FlujosMuestra.h"
#include "app/GraficosLogica.h"
#include "app/InteraccionResultados.h"
#include "app/Muestra.h"
#include "app/TextosProgreso.h"
#include "core/ArchivoTexto.h"

namespace {

constexpr const char* kExtensionTest = "tst";
constexpr const char* kExtensionInforme = "aut";

}  // namespace

TDialogoArchivo DialogoValidacion() {
  TDialogoArchivo dialogo;
  dialogo.filtro = "Archivos de muestra test (*.tst)|*.tst";
  dialogo.extensionPorDefecto = kExtensionTest;
  return dialogo;
}

TDialogoArchivo DialogoInforme() {
  TDialogoArchivo dialogo;
  dialogo.filtro = "Archivos de resultados (*.aut)|*.aut|Archivos de texto (*.txt)|*.txt";
  dialogo.extensionPorDefecto = kExtensionInforme;
  return dialogo;
}

bool ElegirMuestraValidacion(TInteraccion& interaccion, TLista& muestraValidacion) {
  const auto elegido = interaccion.ElegirArchivoAbrir(DialogoValidacion());
  if (!elegido) return false;
  // As in the sample dialog: an existing file is taken as named, so one without extension
  // is refused rather than read as another file.
  std::error_code error;
  const std::string ruta = std::filesystem::exists(*elegido, error)
                               ? *elegido
                               : ConExtensionPorDefecto(*elegido, kExtensionTest);
  if (!TieneExtension(ruta, kExtensionTest)) {
    interaccion.Mensaje(kExtensionIncorrecta, TIcono::Error, TBotones::Ok);
    return false;
  }
  TLecturaTexto lectura = LeerArchivoTexto(ruta);
  if (!lectura.Correcta()) {
    interaccion.Mensaje(lectura.error, TIcono::Error, TBotones::Ok);
    return false;
  }
  // "&" writes the empty string in test files as in every sample file
  for (auto& linea : lectura.lineas)
    if (linea == kCadenaVacia) linea.clear();
  muestraValidacion = std::move(lectura.lineas);
  return true;
}

bool GuardarInforme(TInteraccion& interaccion, const TLista& informe) {
  const auto elegido = interaccion.ElegirArchivoGuardar(DialogoInforme());
  if (!elegido) return false;
  const std::string error = EscribirArchivoTexto(ConExtensionPorDefecto(*elegido, kExtensionInforme), informe);
  if (!error.empty()) {
    interaccion.Mensaje(error, TIcono::Error, TBotones::Ok);
    return false;
  }
  return true;
}

void ValidarArchivo(TInteraccion& interaccion, TLista& muestraValidacion, const std::function<bool()>& validar) {
  TLista anterior = muestraValidacion;
  if (!ElegirMuestraValidacion(interaccion, muestraValidacion)) return;
  if (!validar()) muestraValidacion = std::move(anterior);
}

bool ValidarConProgreso(TInteraccionResultados& interaccion, TFgraficosLogica& graficos,
                        const std::function<void(TFgraficosLogica&)>& contar) {
  TFgraficosLogica nuevos = graficos;
  if (!interaccion.EjecutarConProgreso(kProgresoValidacion, [&] { contar(nuevos); })) return false;
  graficos = std::move(nuevos);
  interaccion.MostrarGraficos(graficos);
  return true;
}
