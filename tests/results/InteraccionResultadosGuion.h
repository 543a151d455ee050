// TInteraccionResultadosGuion: a scripted TInteraccionResultados for flow tests. It shows a
// result window as a user would cause it: FormShow, OfrecerConversion, then the scripted
// actions (button presses) for that window, then FormClose; it records every window and
// question in the transcript and returns the scripted way of closing.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "../app/InteraccionGuion.h"
#include "app/ventanas/GraficosLogica.h"
#include "app/interaccion/InteraccionResultados.h"
#include "app/ventanas/MostrarAutomataDeterLogica.h"
#include "app/ventanas/MostrarAutomataLogica.h"

class TInteraccionResultadosGuion : public TInteraccionGuion, public virtual TInteraccionResultados {
 public:
  using TAccionResultado = std::function<void(TFmostrarAutomataLogica&, TInteraccionResultadosGuion&)>;
  using TAccionDeterminista =
      std::function<void(TFmostrarAutomataDeterLogica&, TInteraccionResultadosGuion&)>;

  // One entry per window shown, consumed in order; an exhausted queue does nothing and
  // closes with TCierre::Cancelar ("Cerrar").
  std::deque<TAccionResultado> accionesResultado;
  std::deque<TCierre> cierresResultado;
  std::deque<TAccionDeterminista> accionesDeterminista;
  // Answers of TFavisos1 come from `respuestas`, shared with the message boxes.

  // Transcript lines added here: "Resultado: caption", "Determinista: caption",
  // "Graficos: Aciertos text", "Avisos1: aviso / pregunta", "Cerrado: caption".
  TFgraficosLogica ultimoGrafico;
  TLista ultimoInformeDeterminista;

  TCierre MostrarResultado(TFmostrarAutomataLogica& ventana) override {
    transcripcion.push_back("Resultado: " + ventana.Caption());
    ventana.FormShow(*this);
    ventana.OfrecerConversion(*this);
    if (!accionesResultado.empty()) {
      auto accion = std::move(accionesResultado.front());
      accionesResultado.pop_front();
      if (accion) accion(ventana, *this);
    }
    ventana.FormClose();
    transcripcion.push_back("Cerrado: " + ventana.Caption());
    if (cierresResultado.empty()) return TCierre::Cancelar;
    const TCierre cierre = cierresResultado.front();
    cierresResultado.pop_front();
    return cierre;
  }

  TCierre MostrarDeterminista(TFmostrarAutomataDeterLogica& ventana) override {
    transcripcion.push_back("Determinista: " + ventana.Caption());
    ventana.FormShow(*this);
    if (!accionesDeterminista.empty()) {
      auto accion = std::move(accionesDeterminista.front());
      accionesDeterminista.pop_front();
      if (accion) accion(ventana, *this);
    }
    ventana.GuardarResultados();
    ultimoInformeDeterminista = ventana.Informe();
    ventana.FormClose();
    transcripcion.push_back("Cerrado: " + ventana.Caption());
    return TCierre::Cancelar;
  }

  void MostrarGraficos(const TFgraficosLogica& graficos) override {
    transcripcion.push_back("Graficos: " + graficos.Aciertos());
    ultimoGrafico = graficos;
  }

  TRespuesta Avisos1(const std::string& aviso, const std::string& pregunta) override {
    transcripcion.push_back("Avisos1: " + aviso + " / " + pregunta);
    if (respuestas.empty()) return TRespuesta::Cancelar;
    const TRespuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
};
