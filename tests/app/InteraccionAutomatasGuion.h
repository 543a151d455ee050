// TInteraccionAutomatasGuion: the result windows' script with the windows of the automaton
// operations: each is shown as a user would cause it, its scripted actions run on it, and
// it goes to the transcript.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "../results/InteraccionResultadosGuion.h"
#include "app/ventanas/CadenasAutomataLogica.h"
#include "app/ventanas/CompararAutomataLogica.h"
#include "app/ventanas/ExpresionAutomataLogica.h"
#include "app/ventanas/MostrarAutomataFinitoLogica.h"

class TInteraccionAutomatasGuion : public TInteraccionResultadosGuion {
 public:
  using TAccionAutomata = std::function<void(TFmostrarAutomataFinitoLogica&, TInteraccionAutomatasGuion&)>;
  // What the user does in the comparison dialog: true presses "Archivo...", false types
  // the expression and presses "Aceptar"; each answer closing it ends the dialog; an
  // exhausted queue (or a refused entry with nothing left) answers "Cancelar".
  struct TEntradaComparacion {
    bool archivo = false;
    std::string expresion;
  };
  std::deque<TEntradaComparacion> entradasComparacion;
  // One per automaton window shown, in order; an exhausted queue closes it at once.
  std::deque<TAccionAutomata> accionesAutomata;
  // The numbers typed in each strings window, in order.
  std::deque<int> numerosCadenas;

  // Transcript lines added here: "Automata: caption", "Comparar: caption", "Comparacion:"
  // and its lines joined by " / ", "Expresion: text" (or its sentence), "Cadenas: caption".
  std::optional<TFcompararLogica> ultimaComparacion;
  TLista ultimoInformeAutomata;
  std::vector<std::string> pistasAutomata;
  TLista ultimasCadenas;
  TLista ultimasCuentas;
  std::string ultimoTamano;
  std::string ultimaExpresion;

  void MostrarAutomataFinito(TFmostrarAutomataFinitoLogica& ventana) override {
    transcripcion.push_back("Automata: " + ventana.Caption());
    ventana.FormShow(*this);
    pistasAutomata.clear();
    for (int q = 0; q < ventana.Automata().NumeroDeEstados(); ++q) pistasAutomata.push_back(ventana.PistaEstado(q));
    ultimoInformeAutomata = ventana.Informe();
    if (!accionesAutomata.empty()) {
      auto accion = std::move(accionesAutomata.front());
      accionesAutomata.pop_front();
      if (accion) accion(ventana, *this);
    }
    ventana.FormClose();
  }

  TRespuesta ElegirComparacion(TFelegirComparacionLogica& dialogo) override {
    transcripcion.push_back(std::string("Comparar: ") + TFelegirComparacionLogica::kCaption);
    while (!entradasComparacion.empty()) {
      const auto entrada = entradasComparacion.front();
      entradasComparacion.pop_front();
      dialogo.PonerTextoExpresion(entrada.expresion);
      if (entrada.archivo ? dialogo.BotonArchivoClick(*this) : dialogo.BtnAceptarClick(*this)) return TRespuesta::Ok;
    }
    return TRespuesta::Cancelar;
  }

  void MostrarComparacion(const TFcompararLogica& ventana) override {
    std::string lineas;
    for (const auto& linea : ventana.Lineas()) lineas += (lineas.empty() ? "" : " / ") + linea;
    transcripcion.push_back("Comparacion: " + lineas);
    ultimaComparacion.emplace(ventana);
  }

  void MostrarExpresion(const TFexpresionLogica& ventana) override {
    transcripcion.push_back("Expresion: " + (ventana.HayExpresion() ? ventana.Texto() : ventana.Mensaje()));
    ultimaExpresion = ventana.Texto();
  }

  void MostrarCadenas(TFcadenasLogica& ventana) override {
    transcripcion.push_back("Cadenas: " + ventana.Caption());
    for (; !numerosCadenas.empty(); numerosCadenas.pop_front()) ventana.PonerNumero(numerosCadenas.front());
    ultimasCadenas = ventana.Cadenas();
    ultimasCuentas = ventana.Cuentas();
    ultimoTamano = ventana.Tamano();
  }
};
