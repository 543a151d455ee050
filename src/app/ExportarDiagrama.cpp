// ExportarDiagrama: the format table; the chosen writer's bytes go through the file layer's
// atomic write.
#include "app/ExportarDiagrama.h"

#include <exception>
#include <filesystem>

#include "app/FlujosMuestra.h"
#include "core/ArchivoTexto.h"
#include "core/EscribirArchivo.h"
#include "core/Texto.h"
#include "diagram/Disposicion.h"
#include "diagram/EscritorDot.h"
#include "diagram/EscritorJff.h"
#include "diagram/EscritorJson.h"
#include "diagram/EscritorTikz.h"

namespace {

std::string Extension(const std::string& ruta) {
  const std::string nombre = std::filesystem::path(ruta).filename().string();
  const auto punto = nombre.rfind('.');
  if (punto == std::string::npos || punto == 0) return {};
  return AMinusculas(nombre.substr(punto + 1));
}

}  // namespace

const std::vector<TFormatoDiagrama>& FormatosDiagrama() {
  static const std::vector<TFormatoDiagrama> formatos = {
      {"dot", "Graphviz DOT", [](const TDiagrama& d) { return EscribirDot(d); }, false},
      {"svg", "Imagen SVG", [](const TDiagrama& d) { return Renderizar(d, "svg"); }},
      // twice Graphviz's 96 dots per inch, sharp enough for slides and printing
      {"png", "Imagen PNG", [](const TDiagrama& d) { return Renderizar(d, "png", 2); }},
      {"tex", "LaTeX TikZ", [](const TDiagrama& d) { return EscribirTikz(d, Disponer(d)); }},
      {"json", "Aut\xF3mata JSON", [](const TDiagrama& d) { return EscribirJson(d); }, false},
      {"jff", "JFLAP", [](const TDiagrama& d) { return EscribirJff(d, Disponer(d)); }},
  };
  return formatos;
}

const TFormatoDiagrama* FormatoDeRuta(const std::string& ruta) {
  const std::string extension = Extension(ruta);
  for (const auto& formato : FormatosDiagrama())
    if (formato.extension == extension) return &formato;
  return nullptr;
}

std::string MensajeFormatoDiagrama(const std::string& ruta) {
  std::string lista;
  const auto& formatos = FormatosDiagrama();
  for (std::size_t i = 0; i < formatos.size(); ++i)
    lista += (i == 0 ? "" : i + 1 == formatos.size() ? " o " : ", ") + ("." + formatos[i].extension);
  return "El diagrama no se puede guardar en \"" + RutaVisible(ruta) + "\": la extensi\xF3n debe ser " + lista;
}

std::string ExportarDiagrama(const TDiagrama& diagrama, const std::string& ruta) {
  const TFormatoDiagrama* formato = FormatoDeRuta(ruta);
  if (formato == nullptr) return MensajeFormatoDiagrama(ruta);
  std::string bytes;
  try {
    bytes = formato->escribir(diagrama);
  } catch (const std::exception& error) {
    return "No se pudo dibujar el diagrama: " + RutaVisible(error.what());
  }
  return EscribirArchivo(ruta, bytes);
}

TDialogoArchivo DialogoDiagrama() {
  TDialogoArchivo dialogo;
  dialogo.titulo = "Exportar diagrama";
  dialogo.extensionPorDefecto = "svg";
  const auto& formatos = FormatosDiagrama();
  for (std::size_t i = 0; i < formatos.size(); ++i) {
    const std::string patron = "*." + formatos[i].extension;
    dialogo.filtro += (i ? "|" : "") + formatos[i].descripcion + " (" + patron + ")|" + patron;
    if (formatos[i].extension == dialogo.extensionPorDefecto) dialogo.indiceFiltro = static_cast<int>(i) + 1;
  }
  return dialogo;
}

bool ExportarDiagramaClick(TInteraccion& interaccion, const TDiagrama& diagrama) {
  const TDialogoArchivo dialogo = DialogoDiagrama();
  const auto elegido = interaccion.ElegirArchivoGuardar(dialogo);
  if (!elegido) return false;
  const std::string error = ExportarDiagrama(diagrama, ConExtensionPorDefecto(*elegido, dialogo.extensionPorDefecto));
  if (error.empty()) return true;
  interaccion.Mensaje(error, TIcono::Error, TBotones::Ok);
  return false;
}
