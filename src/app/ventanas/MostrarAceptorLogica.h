// TFmostrarAceptorLogica: the prefix acceptor window TFmostrarAceptor as data and handlers:
// the acceptor's alphabet, states, final states and transition grid, and its report.
#pragma once

#include <string>

#include "core/Lista.h"
#include "core/TablaTexto.h"

class TAutomata;
class TInteraccion;

class TFmostrarAceptorLogica {
 public:
  static constexpr const char* kCaptionInicial = " \xC1" "rbol aceptor de prefijos";
  // The fixed texts of Einicial and of the label beside it.
  static constexpr const char* kEinicial = "&";
  static constexpr const char* kCadenaVacia = "(cadena vac\xED" "a)";
  // What the grid's top-left cell shows in place of its text.
  static constexpr const char* kTextoEsquina = "   ";

  // `aceptor` and `muestraPositiva` (the sample as the user gave it, for the report) must
  // outlive the window and stay unchanged while it is shown.
  TFmostrarAceptorLogica(const TAutomata& aceptor, const TLista& muestraPositiva)
      : m_aceptor(aceptor), m_muestra(muestraPositiva) {}

  // " Árbol aceptor de prefijos" until the command sets its own.
  const std::string& Caption() const { return m_caption; }
  void PonerCaption(std::string caption) { m_caption = std::move(caption); }

  // On show: the five lists are created from the acceptor (AlfabetoAceptor, EstadosAceptor,
  // InicialAceptor holding the empty prefix, FinalesAceptor, an empty LineasAceptor); the
  // memos get the set texts of the alphabet, the final states and the states; the grid the
  // acceptor's transition table.
  void FormShow();
  // Fills all of that now, the long part of FormShow, so that the next FormShow only shows
  // it; touches nothing the user sees (a command runs it as long work).
  void PrepararDatos();
  // "Guardar": the report (caption, sample, alphabet, "{ & }", final states, states, table
  // in format A) is built into LineasAceptor and saved through the save dialog.
  void BotonGuardarClick(TInteraccion& interaccion);
  // On close: the five lists are freed; the texts and the grid stay as they were.
  void FormClose();
  // The help topic of "Ayuda".
  const char* TemaAyuda() const { return "IDH_Resultados"; }
  // The print button is never enabled.
  bool BotonImprimirHabilitado() const { return false; }

  const std::string& Alfabeto() const { return m_alfabeto; }
  const std::string& Einicial() const { return m_einicial; }
  const std::string& Efinales() const { return m_efinales; }
  const std::string& Estados() const { return m_estados; }
  const TTablaTexto& Rejilla() const { return m_rejilla; }
  // The lists that live while the window is shown.
  const TLista& AlfabetoAceptor() const { return m_alfabetoAceptor; }
  const TLista& EstadosAceptor() const { return m_estadosAceptor; }
  const TLista& InicialAceptor() const { return m_inicialAceptor; }
  const TLista& FinalesAceptor() const { return m_finalesAceptor; }
  const TLista& LineasAceptor() const { return m_lineasAceptor; }
  // The acceptor the window shows.
  const TAutomata& Aceptor() const { return m_aceptor; }

 private:
  const TAutomata& m_aceptor;
  const TLista& m_muestra;
  std::string m_caption = kCaptionInicial;
  bool m_preparada = false;  // by PrepararDatos, for the next FormShow
  std::string m_alfabeto;
  std::string m_einicial = kEinicial;
  std::string m_efinales;
  std::string m_estados;
  TTablaTexto m_rejilla;
  TLista m_alfabetoAceptor;
  TLista m_estadosAceptor;
  TLista m_inicialAceptor;
  TLista m_finalesAceptor;
  TLista m_lineasAceptor;
};
