// TInteraccionCli: flows answered from the command line.
#include "cli/InteraccionCli.h"

#include <filesystem>
#include <iostream>
#include <utility>
#include <vector>

#include "app/muestras/FlujosMuestra.h"
#include "app/muestras/Muestra.h"
#include "core/ArchivoTexto.h"
#include "core/Texto.h"

TRespuesta TInteraccionCli::Mensaje(const std::string& texto, TIcono icono, TBotones botones) {
  std::cerr << Cp1252AUtf8(texto) << "\n";
  if (icono == TIcono::Error) ++m_errores;
  if (!respuestas.empty()) {
    const TRespuesta respuesta = respuestas.front();
    respuestas.pop_front();
    return respuesta;
  }
  return botones == TBotones::SiNo ? TRespuesta::No : TRespuesta::Ok;
}

TRespuesta TInteraccionCli::MensajeDetallado(const std::string& texto, const std::string& detalle, TIcono icono,
                                             TBotones botones) {
  const TRespuesta respuesta = Mensaje(texto, icono, botones);
  if (!detalle.empty()) std::cerr << Cp1252AUtf8(detalle) << "\n";
  return respuesta;
}

std::optional<std::string> TInteraccionCli::ElegirArchivoAbrir(const TDialogoArchivo&) {
  return std::exchange(archivoAbrir, std::nullopt);
}

std::optional<std::string> TInteraccionCli::ElegirArchivoGuardar(const TDialogoArchivo&) {
  return std::exchange(archivoGuardar, std::nullopt);
}

void TInteraccionCli::ReproducirSonido(const std::string&) {}

namespace {

// What each AbrirMuestraCli call read, for the out-of-memory message.
std::vector<std::string>& MuestrasLeidas() {
  static std::vector<std::string> muestras;
  return muestras;
}

std::string Plural(std::size_t n, const std::string& singular, const std::string& plural) {
  return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

}  // namespace

bool AbrirMuestraCli(TSesion& sesion, const std::string& ruta, TTipoMuestra tipo) {
  const bool entrada = ruta == kEntradaEstandar;
  const std::string nombre = entrada ? kNombreEntradaEstandar : "\"" + RutaVisible(ruta) + "\"";
  auto& leidas = MuestrasLeidas();
  std::error_code error;
  const auto bytes = entrada ? 0 : std::filesystem::file_size(ruta, error);
  leidas.push_back(nombre + (entrada || error ? "" : ": " + Plural(bytes, "byte", "bytes")));

  TInteraccionCli interaccion;
  sesion.ElegirTipo(tipo);
  bool tomada = false;
  if (entrada) {
    tomada = TomarMuestraLeida(sesion, LeerEntradaEstandar(kNombreEntradaEstandar), interaccion);
  } else {
    interaccion.archivoAbrir = ruta;
    tomada = AbrirMuestra(sesion, interaccion);
  }
  if (tomada) {
    const TLista& muestra = sesion.MuestraDelTipo(tipo);
    leidas.back() = nombre + ": " + Plural(muestra.size(), "ejemplo", "ejemplos") + ", el m\xE1s largo de " +
                    Plural(LongitudMaxima(muestra), "car\xE1" "cter", "caracteres");
  }
  return tomada;
}

std::string DescripcionMuestrasLeidas() {
  std::string texto;
  for (const auto& muestra : MuestrasLeidas()) texto += (texto.empty() ? "" : "; ") + muestra;
  return texto;
}
