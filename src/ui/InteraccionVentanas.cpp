// InteraccionVentanas: each window of the interfaces is one form shown modally; the forms
// call back into the logic objects and into this interface for what they open in turn.
#include "ui/InteraccionVentanas.h"

#include <QApplication>
#include <QLocale>
#include <cassert>
#include <type_traits>

#include "ui/Avisos.h"
#include "ui/ElegirHeuristico.h"
#include "ui/ElegirParametro.h"
#include "ui/Graficos.h"
#include "ui/MostrarAceptor.h"
#include "ui/MostrarAutomata.h"
#include "ui/MostrarAutomata1.h"
#include "ui/MostrarAutomataDeter.h"
#include "ui/MostrarMealy.h"
#include "ui/PasoAPaso.h"

TInteraccionVentanasQt::TInteraccionVentanasQt(QWidget* ventana, TSonidos& sonidos)
    : TInteraccionQt(ventana, sonidos), m_ventana(ventana) {}

TInteraccionVentanasQt::~TInteraccionVentanasQt() = default;

template <typename T>
T* TInteraccionVentanasQt::Ventana() {
  QPointer<T>& ventana = std::get<QPointer<T>>(m_ventanas);
  if (!ventana) {
    if constexpr (std::is_constructible_v<T, TAyuda&, QWidget*>) {
      assert(m_ayuda && "the help is set before any window is created");
      ventana = new T(*m_ayuda, m_ventana);
    } else {
      ventana = new T(m_ventana);
    }
  }
  return ventana;
}

template TFelegirHeuristico* TInteraccionVentanasQt::Ventana<TFelegirHeuristico>();
template TFelegirCotaS* TInteraccionVentanasQt::Ventana<TFelegirCotaS>();
template TFelegirParametro* TInteraccionVentanasQt::Ventana<TFelegirParametro>();
template TFmostrarAutomata1* TInteraccionVentanasQt::Ventana<TFmostrarAutomata1>();
template TFmostrarAutomata* TInteraccionVentanasQt::Ventana<TFmostrarAutomata>();
template TFgraficos* TInteraccionVentanasQt::Ventana<TFgraficos>();
template TFavisos* TInteraccionVentanasQt::Ventana<TFavisos>();
template TFavisos1* TInteraccionVentanasQt::Ventana<TFavisos1>();
template TFmostrarAutomataDeter* TInteraccionVentanasQt::Ventana<TFmostrarAutomataDeter>();

TCierre TInteraccionVentanasQt::MostrarResultado(TFmostrarAutomataLogica& ventana) {
  return Ventana<TFmostrarAutomata>()->Mostrar(ventana, *this);
}

TCierre TInteraccionVentanasQt::MostrarDeterminista(TFmostrarAutomataDeterLogica& ventana) {
  return Ventana<TFmostrarAutomataDeter>()->Mostrar(ventana, *this);
}

void TInteraccionVentanasQt::MostrarGraficos(const TFgraficosLogica& graficos) {
  Ventana<TFgraficos>()->Mostrar(graficos);
}

TRespuesta TInteraccionVentanasQt::Avisos1(const std::string& aviso, const std::string& pregunta) {
  return Ventana<TFavisos1>()->Preguntar(aviso, pregunta);
}

TRespuesta TInteraccionVentanasQt::ElegirParametro(TFelegirParametroLogica& dialogo) {
  return Ventana<TFelegirParametro>()->Elegir(dialogo);
}

void TInteraccionVentanasQt::MostrarAceptor(TFmostrarAceptorLogica& ventana) {
  assert(m_ayuda && "the help is set before any window is shown");
  TFmostrarAceptor aceptor(*m_ayuda, m_ventana);
  aceptor.Mostrar(ventana, *this);
}

TCierre TInteraccionVentanasQt::MostrarIncremental(TFmostrarAutomata1Logica& ventana) {
  return Ventana<TFmostrarAutomata1>()->Mostrar(ventana, *this);
}

TRespuesta TInteraccionVentanasQt::Avisos(const std::string& aviso, const std::string& pregunta) {
  return Ventana<TFavisos>()->Preguntar(aviso, pregunta);
}

TRespuesta TInteraccionVentanasQt::ElegirHeuristico(TFelegirHeuristicoLogica& dialogo) {
  return Ventana<TFelegirHeuristico>()->Elegir(dialogo, *this);
}

TRespuesta TInteraccionVentanasQt::ElegirCotaS(TFelegirCotaSLogica& dialogo) {
  return Ventana<TFelegirCotaS>()->Elegir(dialogo, *this);
}

char TInteraccionVentanasQt::SeparadorDecimal() const {
  const QString separador = QLocale().decimalPoint();
  return separador.size() == 1 && separador[0].unicode() < 0x80 ? static_cast<char>(separador[0].unicode()) : ',';
}

TCierre TInteraccionVentanasQt::MostrarMealy(TFmostrarMealyLogica& ventana) {
  assert(m_ayuda && "the help is set before any window is shown");
  TFmostrarMealy mealy(*m_ayuda, m_ventana);
  return mealy.Mostrar(ventana, *this);
}

void TInteraccionVentanasQt::MostrarPasoAPaso(TFpasoAPasoLogica& ventana) {
  assert(m_ayuda && "the help is set before any window is shown");
  QWidget* encima = QApplication::activeModalWidget();
  TFpasoAPaso paso(*m_ayuda, encima ? encima : m_ventana);
  paso.Mostrar(ventana, *this);
}
