// InteraccionAutomatasQt: the windows of the automaton operations, each created for its
// showing above the window whose button opened it.
#include <QApplication>
#include <cassert>

#include "ui/CadenasAutomata.h"
#include "ui/CompararAutomatas.h"
#include "ui/ExpresionAutomata.h"
#include "ui/InteraccionVentanas.h"
#include "ui/MostrarAutomataFinito.h"
#include "ui/Modal.h"

QWidget* TInteraccionVentanasQt::Encima() const {
  QWidget* encima = QApplication::activeModalWidget();
  return encima ? encima : m_ventana;
}

void TInteraccionVentanasQt::MostrarAutomataFinito(TFmostrarAutomataFinitoLogica& ventana) {
  assert(m_ayuda && "the help is set before any window is shown");
  TFmostrarAutomataFinito automata(*m_ayuda, Encima());
  automata.Mostrar(ventana, *this);
}

TRespuesta TInteraccionVentanasQt::ElegirComparacion(TFelegirComparacionLogica& dialogo) {
  TFelegirComparacion eleccion(Encima());
  return eleccion.Elegir(dialogo, *this);
}

void TInteraccionVentanasQt::MostrarComparacion(const TFcompararLogica& ventana) {
  assert(m_ayuda && "the help is set before any window is shown");
  TFcomparar comparacion(ventana, *m_ayuda, *this, Encima());
  EjecutarModal(comparacion);
}

void TInteraccionVentanasQt::MostrarExpresion(const TFexpresionLogica& ventana) {
  assert(m_ayuda && "the help is set before any window is shown");
  TFexpresion expresion(ventana, *m_ayuda, Encima());
  EjecutarModal(expresion);
}

void TInteraccionVentanasQt::MostrarCadenas(TFcadenasLogica& ventana) {
  assert(m_ayuda && "the help is set before any window is shown");
  TFcadenas cadenas(ventana, *m_ayuda, Encima());
  EjecutarModal(cadenas);
}
