// CompararAutomataLogica: reading the other automaton, and the verdict with both drawings.
#include "app/ventanas/CompararAutomataLogica.h"

#include "app/interaccion/Interaccion.h"
#include "app/comandos/OperacionesAutomata.h"
#include "automatas/ExpresionRegular.h"
#include "automatas/InformeAutomata.h"
#include "automatas/LecturaAutomata.h"
#include "automatas/Minimizacion.h"
#include "diagram/DiagramaAutomataFinito.h"

namespace {

std::string SinBlancos(const std::string& texto) {
  const auto inicio = texto.find_first_not_of(" \t");
  if (inicio == std::string::npos) return {};
  return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

TDiagrama DiagramaTrazable(const TAutomataFinito& automata) {
  return DiagramaDeAutomataFinito(automata.TieneLambda() ? Minimizar(automata).automata : automata);
}

}  // namespace

std::string NombreDeVentana(const std::string& caption) {
  const std::string nombre = SinBlancos(caption);
  return nombre.empty() ? "A" : nombre;
}

bool TFelegirComparacionLogica::BtnAceptarClick(TInteraccion& interaccion) {
  const std::string expresion = SinBlancos(m_texto);
  if (expresion.empty()) {
    interaccion.Mensaje(kFaltaExpresion, TIcono::Error, TBotones::Ok);
    return false;
  }
  auto lectura = LeerExpresion(expresion, m_alfabeto);
  if (!lectura.automata) {
    interaccion.Mensaje(lectura.error, TIcono::Error, TBotones::Ok);
    return false;
  }
  m_automata = std::move(lectura.automata);
  m_nombre = expresion;
  return true;
}

bool TFelegirComparacionLogica::BotonArchivoClick(TInteraccion& interaccion) {
  const auto ruta = interaccion.ElegirArchivoAbrir(DialogoAutomata("Comparar con un aut\xF3mata"));
  if (!ruta) return false;
  auto lectura = LeerArchivoAutomata(*ruta);
  if (!lectura.automata) {
    interaccion.Mensaje(lectura.error, TIcono::Error, TBotones::Ok);
    return false;
  }
  m_automata = std::move(lectura.automata);
  m_nombre = NombreDeArchivo(*ruta);
  return true;
}

TFcompararLogica::TFcompararLogica(const TAutomataFinito& a, std::string nombreA, const TAutomataFinito& b,
                                   std::string nombreB)
    : m_nombreA(std::move(nombreA)),
      m_nombreB(std::move(nombreB)),
      m_comparacion(CompararAutomatas(a, b)),
      m_lineas(LineasComparacion(m_comparacion, false, m_nombreA, m_nombreB)),
      m_diagramaA(DiagramaTrazable(a)),
      m_diagramaB(DiagramaTrazable(b)) {}

std::string TFcompararLogica::Explicacion() const {
  if (!HayTestigo()) return m_nombreA + " y " + m_nombreB + " aceptan el mismo lenguaje.";
  return "La cadena m\xE1s corta que los distingue, recorrida en los dos diagramas:";
}

std::string TFcompararLogica::CadenaTestigo() const {
  std::string cadena;
  for (const auto& simbolo : m_comparacion.testigo) cadena += simbolo;
  return cadena;
}
