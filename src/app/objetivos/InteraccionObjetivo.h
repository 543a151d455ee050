// TInteraccionObjetivo: the dialogs of the "&Objetivo" menu as the user sees them: the
// target's expression typed, the generation's figures (seed included) and the target's
// window. Qt implements it with the forms, tests with a script; the defaults cancel and
// show nothing, for implementations without windows.
#pragma once

#include <optional>
#include <string>

#include "app/interaccion/Interaccion.h"
#include "app/objetivos/FlujosObjetivo.h"

class TInteraccionObjetivo : public virtual TInteraccion {
 public:
  // "Definir expresión...": the expression typed (Windows-1252), starting from `actual`;
  // nullopt on "Cancelar".
  virtual std::optional<std::string> PedirExpresionObjetivo(const std::string& actual) {
    (void)actual;
    return std::nullopt;
  }
  // "Generar muestras...": the dialog starts from `datos` and leaves the user's figures in it;
  // false on "Cancelar".
  virtual bool PedirGeneracion(TDatosGeneracion& datos) {
    (void)datos;
    return false;
  }
  // "Ver objetivo": the target's window (its diagram beside the lines of `ventana`).
  virtual void MostrarObjetivo(const TVerObjetivo& ventana) { (void)ventana; }
  // The labelled validation's lines, in a window of its own.
  virtual void MostrarEvaluacion(const TLista& lineas) {
    std::string texto;
    for (const auto& linea : lineas) texto += (texto.empty() ? "" : "\n") + linea;
    Mensaje(texto, TIcono::Informacion, TBotones::Ok);
  }
};
