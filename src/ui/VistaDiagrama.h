// VistaDiagrama: the diagram of an automaton window, drawn from its Graphviz layout as
// scene items (zoom, pan, selection, prefixes on hover), with the "Probar cadena" trace
// and "Exportar diagrama". Large diagrams wait for "Dibujar de todos modos"; a layout runs
// in a process of its own and can be cancelled.
#pragma once

#include <QElapsedTimer>
#include <QGraphicsView>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "diagram/Diagrama.h"
#include "diagram/Disposicion.h"
#include "diagram/Recorrido.h"

class QAbstractGraphicsShapeItem;
class QGraphicsPathItem;
class QGraphicsScene;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSocketNotifier;
class QStackedWidget;
class QTimer;
class TDisposicionAparte;

// The canvas: the wheel zooms about the pointer, dragging pans. While the user has not
// zoomed, the drawing is fitted again whenever the view changes size.
class TLienzoDiagrama : public QGraphicsView {
  Q_OBJECT
 public:
  explicit TLienzoDiagrama(QWidget* padre = nullptr);
  // Zooms by `factor`, within 1/100 and 20 times (a zoom that goes back towards that range
  // is always taken, so a huge drawing fitted below it can be enlarged).
  void Ampliar(double factor);
  // Fits the whole drawing in the view, and keeps fitting it on resizes.
  void Ajustar();
  bool Ajustado() const { return m_ajustado; }

 signals:
  // A press on state `estado` (the index of TDiagrama::estados).
  void EstadoPulsado(int estado);

 protected:
  void wheelEvent(QWheelEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  bool m_ajustado = true;
};

class TVistaDiagrama : public QWidget {
  Q_OBJECT
 public:
  explicit TVistaDiagrama(QWidget* padre = nullptr);
  ~TVistaDiagrama() override;

  // Shows `diagrama`: laid out in a process of its own when DibujoInmediato allows, else
  // the counts and "Dibujar de todos modos". A layout still running for the diagram shown
  // before is ended. Clears any trace. In KR's acceptor (it has marked states) the string
  // traced gets the end mark, which the row says ("se añade $").
  void Mostrar(TDiagrama diagrama);
  // Fills and outlines the states (by index) with these colours until the next Mostrar; an
  // invalid colour keeps the usual white fill or black outline. Outlined states are drawn
  // thicker. The string trace and the selection draw over them.
  void PonerAspecto(std::vector<QColor> rellenos, std::vector<QColor> bordes);
  // Replaces the tips of the states (by index; an empty text keeps "q1 = { a, aa }") until
  // the next Mostrar.
  void PonerPistas(std::vector<QString> pistas);
  // Hides "Probar cadena" and its controls.
  void OcultarPrueba();
  // Called with the diagram when "Exportar diagrama" is pressed.
  void PonerExportar(std::function<void(const TDiagrama&)> exportar) { m_exportar = std::move(exportar); }

  const TDiagrama& Diagrama() const { return m_diagrama; }
  // True once the layout is drawn (tests wait for it).
  bool Dibujado() const { return m_dibujado; }
  // Starts the layout now, whatever the size ("Dibujar de todos modos"); while it runs, a
  // busy bar with the seconds spent and "Cancelar".
  void DibujarDeTodosModos();
  // "Cancelar": ends the layout at once and offers "Dibujar de todos modos" again.
  void CancelarDibujo();
  // True while a layout runs.
  bool Dibujando() const { return m_disposicion != nullptr; }
  // The sentence that explains a rejection at the end of the trace ("" otherwise).
  QString Motivo() const;
  // The state highlighted as selected; -1 for none.
  int EstadoSeleccionado() const { return m_seleccionado; }
  // The trace: the step shown, and the current states it highlights.
  std::size_t PasoActual() const { return m_paso; }
  const TRecorrido& Recorrido() const { return m_recorrido; }
  TLienzoDiagrama* Lienzo() const { return m_lienzo; }

 public slots:
  // Selects state `estado` (-1: none) without emitting EstadoElegido.
  void SeleccionarEstado(int estado);

 signals:
  // The user selected a state in the drawing.
  void EstadoElegido(int estado);

 private:
  void Dibujar(const TDisposicion& disposicion);
  void Resaltar();
  void NuevaCadena();
  void IrAPaso(std::size_t paso);
  void RecogerDisposicion();
  void TerminarDibujo();
  // The states to show as current at the step shown: where the walk got stuck, when it did.
  const std::vector<int>& EstadosResaltados(bool& atascado) const;

  TDiagrama m_diagrama;
  bool m_dibujado = false;
  int m_seleccionado = -1;
  std::unique_ptr<TDisposicionAparte> m_disposicion;  // the layout running, if any
  QSocketNotifier* m_notificador = nullptr;
  QElapsedTimer m_reloj;
  QTimer* m_segundos;
  std::function<void(const TDiagrama&)> m_exportar;

  QStackedWidget* m_paginas;
  QLabel* m_aviso;
  QPushButton* m_dibujarTodos;
  QProgressBar* m_progreso;
  QPushButton* m_cancelarDibujo;
  TLienzoDiagrama* m_lienzo;
  QGraphicsScene* m_escena;
  std::vector<QAbstractGraphicsShapeItem*> m_estados;   // the outer circle of each state
  std::vector<QGraphicsPathItem*> m_aristas;            // each edge's curve
  std::vector<QAbstractGraphicsShapeItem*> m_puntas;    // each edge's arrowhead

  std::vector<QString> m_pistas;
  std::vector<QColor> m_rellenos;
  std::vector<QColor> m_bordes;

  QWidget* m_filaPrueba;
  QLineEdit* m_cadena;
  QLabel* m_marca;    // "se añade $" beside the field in KR's acceptor
  std::string m_textoMarca;
  QLabel* m_simbolos;
  QLabel* m_veredicto;
  QLabel* m_motivo;
  QStringList m_textoSimbolos;  // the symbols as typed, for the trace line
  TRecorrido m_recorrido;
  std::size_t m_paso = 0;
  bool m_probando = false;  // a string is being traced: the verdict shows at its end
};
