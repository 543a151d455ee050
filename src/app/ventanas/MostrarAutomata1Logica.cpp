// TFmostrarAutomata1Logica: the example box of the incremental result window.
#include "app/ventanas/MostrarAutomata1Logica.h"

#include "app/interaccion/Interaccion.h"
#include "app/muestras/Muestra.h"
#include "core/Texto.h"
#include "core/Utilidades.h"

TFmostrarAutomata1Logica::TFmostrarAutomata1Logica(const TAutomata& automata, TSesion& sesion)
    : TFmostrarAutomataLogica(automata, sesion) {
  PonerCaption(" Aut\xF3mata Resultado");
}

void TFmostrarAutomata1Logica::ReiniciarEjemplo() {
  m_textoEjemplo.clear();
  m_ejemplos.clear();
  m_texto.clear();
}

bool TFmostrarAutomata1Logica::BotonInsertarEjemploClick(TInteraccion& interaccion) {
  if (m_textoEjemplo.empty()) {
    interaccion.Mensaje(kDebeInsertarEjemplo, TIcono::Error, TBotones::Ok);
    return false;
  }
  // "&" is the empty example, as in sample files
  m_nuevoEjemplo = m_textoEjemplo == kCadenaVacia ? "" : AMinusculas(m_textoEjemplo);
  m_listadoAhora = !EsMiembro(m_textoEjemplo, m_ejemplos);
  if (m_listadoAhora) m_ejemplos.push_back(m_textoEjemplo);
  return true;
}

void TFmostrarAutomata1Logica::OlvidarEjemploRechazado() {
  if (m_listadoAhora) m_ejemplos.pop_back();
  m_listadoAhora = false;
}

void TFmostrarAutomata1Logica::OfrecerConversion(TInteraccionResultados&) {}
