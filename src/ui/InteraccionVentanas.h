// InteraccionVentanas: the Qt side of the algorithm windows: the interaction interfaces of
// the result windows, the KR and KC commands, IM1 and the Mealy commands, implemented with
// the forms, besides the message boxes and file dialogs of TInteraccionQt.
#pragma once

#include <QPointer>
#include <tuple>

#include "app/interaccion/InteraccionIM1.h"
#include "app/interaccion/InteraccionMealy.h"
#include "ui/InteraccionQt.h"

class TAyuda;
class TFavisos;
class TFavisos1;
class TFelegirCotaS;
class TFelegirHeuristico;
class TFelegirParametro;
class TFgraficos;
class TFmostrarAutomata;
class TFmostrarAutomata1;
class TFmostrarAutomataDeter;

class TInteraccionVentanasQt : public TInteraccionQt, public TInteraccionIM1, public TInteraccionMealy {
 public:
  // Windows are modal over `ventana` (the main window), which also owns the forms created
  // once; sounds go to `sonidos`.
  TInteraccionVentanasQt(QWidget* ventana, TSonidos& sonidos);
  ~TInteraccionVentanasQt() override;

  // The help the windows' "Ayuda" buttons open; set before any window is shown.
  void PonerAyuda(TAyuda& ayuda) { m_ayuda = &ayuda; }

  // The form of type T that is created once (TFelegirHeuristico, TFelegirCotaS,
  // TFelegirParametro, TFmostrarAutomata1, TFmostrarAutomata, TFgraficos, TFavisos,
  // TFavisos1, TFmostrarAutomataDeter): created as a child of the main window on the first
  // call (start-up creates them all), the same one afterwards.
  template <typename T>
  T* Ventana();

  // TInteraccionResultados
  TCierre MostrarResultado(TFmostrarAutomataLogica& ventana) override;
  TCierre MostrarDeterminista(TFmostrarAutomataDeterLogica& ventana) override;
  void MostrarGraficos(const TFgraficosLogica& graficos) override;
  TRespuesta Avisos1(const std::string& aviso, const std::string& pregunta) override;
  // TInteraccionKR; the acceptor window is a new TFmostrarAceptor each time.
  TRespuesta ElegirParametro(TFelegirParametroLogica& dialogo) override;
  void MostrarAceptor(TFmostrarAceptorLogica& ventana) override;
  TCierre MostrarIncremental(TFmostrarAutomata1Logica& ventana) override;
  TRespuesta Avisos(const std::string& aviso, const std::string& pregunta) override;
  // TInteraccionIM1
  TRespuesta ElegirHeuristico(TFelegirHeuristicoLogica& dialogo) override;
  TRespuesta ElegirCotaS(TFelegirCotaSLogica& dialogo) override;
  // The decimal separator of the user's locale.
  char SeparadorDecimal() const override;
  // TInteraccionMealy; the result window is a new TFmostrarMealy each time.
  TCierre MostrarMealy(TFmostrarMealyLogica& ventana) override;
  // The step window, a new TFpasoAPaso each time, modal above the window that opened it.
  void MostrarPasoAPaso(TFpasoAPasoLogica& ventana) override;
  // TInteraccionAutomatas (InteraccionAutomatasQt.cpp); each a new window every time, modal
  // above the window that opened it.
  void MostrarAutomataFinito(TFmostrarAutomataFinitoLogica& ventana) override;
  TRespuesta ElegirComparacion(TFelegirComparacionLogica& dialogo) override;
  void MostrarComparacion(const TFcompararLogica& ventana) override;
  void MostrarExpresion(const TFexpresionLogica& ventana) override;
  void MostrarCadenas(TFcadenasLogica& ventana) override;
  // TInteraccionObjetivo (InteraccionObjetivoQt.cpp): an input box for the expression, the
  // generation dialog and the target's window, each new every time.
  std::optional<std::string> PedirExpresionObjetivo(const std::string& actual) override;
  bool PedirGeneracion(TDatosGeneracion& datos) override;
  void MostrarObjetivo(const TVerObjetivo& ventana) override;

 private:
  // The parent of a window opened now: the active modal window, or the main window.
  QWidget* Encima() const;

  QWidget* m_ventana;
  TAyuda* m_ayuda = nullptr;
  std::tuple<QPointer<TFelegirHeuristico>, QPointer<TFelegirCotaS>, QPointer<TFelegirParametro>,
             QPointer<TFmostrarAutomata1>, QPointer<TFmostrarAutomata>, QPointer<TFgraficos>, QPointer<TFavisos>,
             QPointer<TFavisos1>, QPointer<TFmostrarAutomataDeter>>
      m_ventanas;
};
