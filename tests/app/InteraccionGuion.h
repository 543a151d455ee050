// TInteraccionGuion: a TInteraccion that answers from a script and records a transcript of
// everything shown, for flow tests.
#pragma once

#include <deque>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "app/interaccion/Interaccion.h"
#include "core/Cancelacion.h"

class TInteraccionGuion : public virtual TInteraccion {
 public:
  // Answers, consumed in order; an exhausted queue answers Ok / cancel.
  std::deque<TRespuesta> respuestas;
  std::deque<std::optional<std::string>> archivos;  // for both file dialogs
  std::deque<std::optional<TLista>> ediciones;      // for both sample editors
  // What the user does while each long work runs, in order; an exhausted queue lets it end.
  // Cancelar: "Cancelar" is pressed as it starts (the work stops at its first check, or ends
  // and is discarded); SinMemoria: the work runs out of memory (std::bad_alloc) at its start.
  enum class TTrabajo { Terminar, Cancelar, SinMemoria };
  std::deque<TTrabajo> trabajos;
  // The texts of the long work run, in order, with the transcript's length when each
  // started (kept apart from the transcript), and how many stopped at a check.
  std::vector<std::string> progresos;
  std::vector<std::size_t> lineasAlEmpezar;
  int detenidos = 0;

  // One line per thing shown: "Mensaje Error Ok: texto", "Abrir: titulo", "Guardar: titulo",
  // "Sonido: archivo", "Editor", "EditorSA".
  std::vector<std::string> transcripcion;
  std::vector<TDialogoArchivo> dialogos;

  TRespuesta Mensaje(const std::string& texto, TIcono icono, TBotones botones) override {
    transcripcion.push_back("Mensaje " + Nombre(icono) + " " + Nombre(botones) + ": " + texto);
    if (respuestas.empty()) return TRespuesta::Ok;
    const auto r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
  // The box goes to the transcript as Mensaje writes it; its detail to `detalles`.
  std::vector<std::string> detalles;
  TRespuesta MensajeDetallado(const std::string& texto, const std::string& detalle, TIcono icono,
                              TBotones botones) override {
    detalles.push_back(detalle);
    return Mensaje(texto, icono, botones);
  }
  std::optional<std::string> ElegirArchivoAbrir(const TDialogoArchivo& dialogo) override {
    return Archivo("Abrir: ", dialogo);
  }
  std::optional<std::string> ElegirArchivoGuardar(const TDialogoArchivo& dialogo) override {
    return Archivo("Guardar: ", dialogo);
  }
  void ReproducirSonido(const std::string& archivo) override {
    transcripcion.push_back("Sonido: " + archivo);
  }
  std::optional<TLista> EditarMuestra() override { return Edicion("Editor"); }
  std::optional<TLista> EditarMuestraSA() override { return Edicion("EditorSA"); }
  bool EjecutarConProgreso(const std::string& texto, const std::function<void()>& trabajo) override {
    progresos.push_back(texto);
    lineasAlEmpezar.push_back(transcripcion.size());
    TTrabajo accion = TTrabajo::Terminar;
    if (!trabajos.empty()) {
      accion = trabajos.front();
      trabajos.pop_front();
    }
    if (accion == TTrabajo::SinMemoria) throw std::bad_alloc();
    TCancelacion cancelacion;
    if (accion == TTrabajo::Cancelar) cancelacion.Pedir();
    const TAmbitoCancelacion ambito(cancelacion);
    try {
      trabajo();
    } catch (const TCancelado&) {
      ++detenidos;
      return false;
    }
    return !cancelacion.Pedida();
  }

 private:
  static std::string Nombre(TIcono i) {
    switch (i) {
      case TIcono::Error: return "Error";
      case TIcono::Informacion: return "Informacion";
      case TIcono::Advertencia: return "Advertencia";
      case TIcono::Pregunta: return "Pregunta";
    }
    return "?";
  }
  static std::string Nombre(TBotones b) {
    switch (b) {
      case TBotones::Ok: return "Ok";
      case TBotones::Reintentar: return "Reintentar";
      case TBotones::SiNo: return "SiNo";
      case TBotones::OkCancelar: return "OkCancelar";
    }
    return "?";
  }
  std::optional<std::string> Archivo(const std::string& tipo, const TDialogoArchivo& dialogo) {
    transcripcion.push_back(tipo + dialogo.titulo);
    dialogos.push_back(dialogo);
    if (archivos.empty()) return std::nullopt;
    auto r = archivos.front();
    archivos.pop_front();
    return r;
  }
  std::optional<TLista> Edicion(const std::string& nombre) {
    transcripcion.push_back(nombre);
    if (ediciones.empty()) return std::nullopt;
    auto r = ediciones.front();
    ediciones.pop_front();
    return r;
  }
};
