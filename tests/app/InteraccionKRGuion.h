// TInteraccionKRGuion: a scripted TInteraccionKR for the KR and KC command flows. It answers
// the parameter dialog, shows the acceptor and incremental windows as a user would cause
// it (FormShow, the scripted actions, FormClose), answers the notice TFavisos, and records
// everything in the transcript together with what each window showed.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../results/InteraccionResultadosGuion.h"
#include "app/ventanas/ElegirParametroLogica.h"
#include "app/interaccion/InteraccionKR.h"
#include "app/ventanas/MostrarAceptorLogica.h"
#include "app/ventanas/MostrarAutomata1Logica.h"

class TInteraccionKRGuion : public TInteraccionResultadosGuion, public virtual TInteraccionKR {
 public:
  // One entry per parameter dialog: the k typed before "Aceptar", or std::nullopt for
  // "Cancelar". An exhausted queue cancels.
  std::deque<std::optional<int>> parametros;
  // One entry per acceptor window, run between FormShow and FormClose.
  std::deque<std::function<void(TFmostrarAceptorLogica&, TInteraccionKRGuion&)>> accionesAceptor;
  // What the user does in the incremental window, in order across its showings: a text is
  // typed into the example box and "&Añadir Ejemplo" pressed; std::nullopt (or an exhausted
  // queue) closes the window with "Cerrar".
  std::deque<std::optional<std::string>> ejemplos;
  // Answers of TFavisos; an exhausted queue closes it without answering.
  std::deque<TRespuesta> respuestasAvisos;

  // What each showing of a window displayed.
  struct TVista {
    std::string caption;
    std::string texto;  // the incremental window's status text; TextoK when shown
    std::string alfabeto, einicial, efinales, estados;
    TTablaTexto rejilla;
    TLista ejemplosIntroducidos;
  };
  std::vector<TVista> vistasAceptor;
  std::vector<TVista> vistasIncremental;
  std::vector<TVista> vistasResultado;
  int maximoParametro = -1;

  // Transcript lines added here: "Parametro: max=N", "Aceptor: caption", "Incremental:
  // caption", "Avisos: aviso / pregunta", besides those of the results script.
  TRespuesta ElegirParametro(TFelegirParametroLogica& dialogo) override {
    dialogo.FormShow();
    maximoParametro = dialogo.Maximo();
    transcripcion.push_back("Parametro: max=" + std::to_string(dialogo.Maximo()));
    std::optional<int> k;
    if (!parametros.empty()) {
      k = parametros.front();
      parametros.pop_front();
    }
    if (!k) return TRespuesta::Cancelar;
    dialogo.PonerParametroK(*k);
    return TRespuesta::Ok;
  }

  void MostrarAceptor(TFmostrarAceptorLogica& ventana) override {
    transcripcion.push_back("Aceptor: " + ventana.Caption());
    ventana.FormShow();
    vistasAceptor.push_back({ventana.Caption(), "", ventana.Alfabeto(), ventana.Einicial(), ventana.Efinales(),
                             ventana.Estados(), ventana.Rejilla(), {}});
    if (!accionesAceptor.empty()) {
      auto accion = std::move(accionesAceptor.front());
      accionesAceptor.pop_front();
      if (accion) accion(ventana, *this);
    }
    ventana.FormClose();
  }

  TCierre MostrarIncremental(TFmostrarAutomata1Logica& ventana) override {
    transcripcion.push_back("Incremental: " + ventana.Caption());
    ventana.FormShow(*this);
    ventana.OfrecerConversion(*this);
    vistasIncremental.push_back({ventana.Caption(), ventana.Texto(), ventana.Alfabeto(), ventana.Einicial(),
                                 ventana.Efinales(), ventana.Estados(), ventana.Rejilla(),
                                 ventana.EjemplosIntroducidos()});
    TCierre cierre = TCierre::Cancelar;
    while (!ejemplos.empty()) {
      const auto ejemplo = ejemplos.front();
      ejemplos.pop_front();
      if (!ejemplo) break;
      ventana.PonerTextoEjemplo(*ejemplo);
      if (ventana.BotonInsertarEjemploClick(*this)) {
        cierre = TCierre::Reintentar;
        break;
      }
    }
    ventana.FormClose();
    return cierre;
  }

  // Records what the result window shows before its scripted action runs.
  TCierre MostrarResultado(TFmostrarAutomataLogica& ventana) override {
    TAccionResultado accion;
    if (!accionesResultado.empty()) {
      accion = std::move(accionesResultado.front());
      accionesResultado.pop_front();
    }
    accionesResultado.push_front([this, accion](TFmostrarAutomataLogica& v, TInteraccionResultadosGuion& g) {
      vistasResultado.push_back({v.Caption(), v.TextoKVisible() ? v.TextoK() : "", v.Alfabeto(), v.Einicial(),
                                 v.Efinales(), v.Estados(), v.Rejilla(), {}});
      if (accion) accion(v, g);
    });
    return TInteraccionResultadosGuion::MostrarResultado(ventana);
  }

  TRespuesta Avisos(const std::string& aviso, const std::string& pregunta) override {
    transcripcion.push_back("Avisos: " + aviso + " / " + pregunta);
    if (respuestasAvisos.empty()) return TRespuesta::Cancelar;
    const TRespuesta r = respuestasAvisos.front();
    respuestasAvisos.pop_front();
    return r;
  }
};
