// TInteraccionCli: flows answered from the command line.
#include "cli/InteraccionCli.h"

#include <iostream>
#include <utility>

#include "app/FlujosMuestra.h"
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

std::optional<std::string> TInteraccionCli::ElegirArchivoAbrir(const TDialogoArchivo&) {
  return std::exchange(archivoAbrir, std::nullopt);
}

std::optional<std::string> TInteraccionCli::ElegirArchivoGuardar(const TDialogoArchivo&) {
  return std::exchange(archivoGuardar, std::nullopt);
}

void TInteraccionCli::ReproducirSonido(const std::string&) {}

bool AbrirMuestraCli(TSesion& sesion, const std::string& ruta, TTipoMuestra tipo) {
  TInteraccionCli interaccion;
  interaccion.archivoAbrir = ruta;
  sesion.ElegirTipo(tipo);
  return Abrir1Click(sesion, interaccion);
}
