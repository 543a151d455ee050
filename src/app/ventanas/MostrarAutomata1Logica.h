// TFmostrarAutomata1Logica: the incremental result window TFmostrarAutomata1: the
// automaton result window with an example box, an "&Añadir Ejemplo" button and a status
// text, no determinism test, and the examples entered listed in its report.
#pragma once

#include <string>

#include "app/ventanas/MostrarAutomataLogica.h"
#include "core/Lista.h"

class TFmostrarAutomata1Logica : public TFmostrarAutomataLogica {
 public:
  static constexpr const char* kDebeInsertarEjemplo = "Debe insertar un ejemplo";

  // As the result window; the caption starts as " Autómata Resultado". The incremental
  // command shows the same window after every pass, pointing it at each new automaton
  // with PonerAutomata; the example box, its list and NuevoEjemplo persist across shows.
  TFmostrarAutomata1Logica(const TAutomata& automata, TSesion& sesion);

  // ReiniciarEjemplo: clears the box's text, its list and the status text.
  void ReiniciarEjemplo();

  // The text typed in the example box (TextoEjemplo), as the user typed it.
  const std::string& TextoEjemplo() const { return m_textoEjemplo; }
  void PonerTextoEjemplo(std::string texto) { m_textoEjemplo = std::move(texto); }
  // The box's list: every example entered in this command, as typed, each once (letter
  // case ignored). The report lists it after "Ejemplos añadidos: ".
  const TLista& EjemplosIntroducidos() const { return m_ejemplos; }
  // The example the next pass processes: the last one entered, lowercased like samples
  // (every Windows-1252 letter); "&" is the empty string.
  const std::string& NuevoEjemplo() const { return m_nuevoEjemplo; }

  // The red status text `Texto` of the last pass.
  const std::string& Texto() const { return m_texto; }
  void PonerTexto(std::string texto) { m_texto = std::move(texto); }

  // "&Añadir Ejemplo": with an empty box, the error box "Debe insertar un ejemplo" and
  // false (the window stays open, no pass). Otherwise NuevoEjemplo becomes the text
  // lowercased, the text as typed joins the list unless already there, and the result is
  // true: the window then closes with TCierre::Reintentar.
  bool BotonInsertarEjemploClick(TInteraccion& interaccion);
  // The pass refused the example just entered (a "$" for KR, an "&" inside it): it leaves
  // the list again if this click had put it there, so the report never lists it.
  void OlvidarEjemploRechazado();

  // No determinism test here: the box keeps the last example typed, nothing else happens.
  void OfrecerConversion(TInteraccionResultados& interaccion) override;
  const char* TemaAyuda() const override { return "IDH_AlgKR"; }

 protected:
  const TLista* EjemplosAnadidos() const override { return &m_ejemplos; }

 private:
  std::string m_textoEjemplo;
  TLista m_ejemplos;
  std::string m_nuevoEjemplo;
  bool m_listadoAhora = false;  // the last click put its text in the list
  std::string m_texto;
};
