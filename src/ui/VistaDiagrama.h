// VistaDiagrama: the diagram of an automaton window, drawn from its Graphviz layout as
// scene items (zoom, pan, selection, prefixes on hover), with the "Probar cadena" trace
// and "Exportar diagrama". Large diagrams wait for "Dibujar de todos modos".
#pragma once

#include <QFutureWatcher>
#include <QGraphicsView>
#include <QWidget>
#include <functional>
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
class QPushButton;
class QStackedWidget;

// The canvas: the wheel zooms about the pointer, dragging pans.
class TLienzoDiagrama : public QGraphicsView {
  Q_OBJECT
 public:
  explicit TLienzoDiagrama(QWidget* padre = nullptr);
  void Ampliar(double factor);
  // Fits the whole drawing in the view.
  void Ajustar();

 signals:
  // A press on state `estado` (the index of TDiagrama::estados).
  void EstadoPulsado(int estado);

 protected:
  void wheelEvent(QWheelEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
};

class TVistaDiagrama : public QWidget {
  Q_OBJECT
 public:
  explicit TVistaDiagrama(QWidget* padre = nullptr);
  ~TVistaDiagrama() override;

  // Shows `diagrama`: laid out away from the window's thread when DibujoInmediato allows,
  // else the counts and "Dibujar de todos modos". Clears any trace.
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
  // Starts the layout now, whatever the size ("Dibujar de todos modos").
  void DibujarDeTodosModos();
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

  TDiagrama m_diagrama;
  bool m_dibujado = false;
  int m_seleccionado = -1;
  unsigned m_generacion = 0;  // discards a layout that finishes after a newer Mostrar
  QFutureWatcher<std::optional<TDisposicion>>* m_vigilante;
  std::function<void(const TDiagrama&)> m_exportar;

  QStackedWidget* m_paginas;
  QLabel* m_aviso;
  QPushButton* m_dibujarTodos;
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
  QLabel* m_simbolos;
  QLabel* m_veredicto;
  QStringList m_textoSimbolos;  // the symbols as typed, for the trace line
  TRecorrido m_recorrido;
  std::size_t m_paso = 0;
  bool m_probando = false;  // a string is being traced: the verdict shows at its end
};
