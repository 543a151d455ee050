// TInteraccionKR: the windows of the KR and KC commands as the user sees them: the
// parameter dialog, the prefix acceptor window, the incremental result window and the
// notice TFavisos, besides the result windows of TInteraccionResultados. Qt implements it
// with the forms; tests with a script; telar-cli with fixed answers.
#pragma once

#include <string>

#include "app/interaccion/InteraccionResultados.h"

class TFelegirParametroLogica;
class TFmostrarAceptorLogica;
class TFmostrarAutomata1Logica;

class TInteraccionKR : public virtual TInteraccionResultados {
 public:
  // The parameter dialog TFelegirParametro, modal: call dialogo.FormShow() when it
  // appears, let the user set dialogo.PonerParametroK, and return TRespuesta::Ok for
  // "Aceptar" and TRespuesta::Cancelar for "Cancelar" or any other way of closing it.
  virtual TRespuesta ElegirParametro(TFelegirParametroLogica& dialogo) = 0;

  // The prefix acceptor window, modal: ventana.FormShow() when it appears, its buttons to
  // their handlers (BotonGuardarClick), ventana.FormClose() when it closes ("Autómata" or
  // otherwise: the command goes on either way).
  virtual void MostrarAceptor(TFmostrarAceptorLogica& ventana) = 0;

  // The incremental result window TFmostrarAutomata1, modal, shown as MostrarResultado
  // shows TFmostrarAutomata (FormShow, OfrecerConversion, buttons, FormClose). "&Añadir
  // Ejemplo" calls ventana.BotonInsertarEjemploClick(*this); when that returns true the
  // window closes with TCierre::Reintentar. Any other way of closing returns
  // TCierre::Cancelar.
  virtual TCierre MostrarIncremental(TFmostrarAutomata1Logica& ventana) = 0;

  // The notice TFavisos (caption "Aviso", a picture, the labels Aviso and Pregunta,
  // buttons "Sí", the default, and "No", also Escape): TRespuesta::Si, TRespuesta::No, or
  // TRespuesta::Cancelar when it was closed another way.
  virtual TRespuesta Avisos(const std::string& aviso, const std::string& pregunta) = 0;
};
