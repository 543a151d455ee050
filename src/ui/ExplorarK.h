// ExplorarK: the "Explorar K" window TFexplorarK: the k sweep of KR and KC (or the bounds
// of IM1 with Levine) as a table and two line charts, filled row by row by a worker thread
// with a progress bar and "Cancelar"; a double-click opens a row's result.
#pragma once

#include <QDialog>
#include <QThread>
#include <memory>
#include <string>

#include "app/ExplorarKLogica.h"

class QChart;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class TCancelacion;
class TInteraccionResultados;

class TFexplorarK : public QDialog {
  Q_OBJECT
 public:
  // Over a copy of the session's samples; rows open their result through `interaccion`
  // with `separadorDecimal` in IM1 captions. The sweep starts when the window is shown.
  TFexplorarK(const TSesion& sesion, TInteraccionResultados& interaccion, char separadorDecimal,
              QWidget* padre = nullptr);
  // Cancels a running sweep and waits for its thread.
  ~TFexplorarK() override;

  const TFexplorarKLogica& Logica() const { return m_logica; }
  bool Explorando() const { return m_hilo != nullptr; }
  QTableWidget* Tabla() const { return m_tabla; }
  QChart* GraficoEstados() const { return m_estados; }
  QChart* GraficoAceptados() const { return m_aceptados; }

 public slots:
  // Starts a new sweep of the chosen algorithms (the rows are cleared).
  void Explorar();
  // Asks the running sweep to stop (its run in progress stops at its next check).
  void Cancelar();
  // Shows the result of row `fila` in the result window.
  void AbrirFila(int fila);
  // "Guardar gráfico...": both charts as one PNG (twice the screen's size) or SVG picture.
  void GuardarGrafico();

 signals:
  // The sweep ended, complete or cancelled.
  void Terminada();

 protected:
  void showEvent(QShowEvent* evento) override;
  void done(int resultado) override;

 private:
  void FilaHecha(const TFilaBarrido& fila, std::size_t hechas, std::size_t total);
  void AlTerminar();
  void DibujarGraficos();
  void Detener();

  TFexplorarKLogica m_logica;
  TInteraccionResultados& m_interaccion;
  char m_separadorDecimal;
  QComboBox* m_seleccion;
  QPushButton* m_explorar;
  QPushButton* m_cancelar;
  QProgressBar* m_progreso;
  QLabel* m_estado;
  QTableWidget* m_tabla;
  QChart* m_estados;
  QChart* m_aceptados;
  QWidget* m_graficos;  // both charts, as "Guardar gráfico..." writes them
  std::unique_ptr<QThread> m_hilo;
  std::shared_ptr<TCancelacion> m_cancelado;
  // What ended the sweep early besides "Cancelar": the text of its error box, written by
  // the sweep's thread and read once that thread has ended.
  std::shared_ptr<std::string> m_error;
  bool m_empezada = false;
  int m_barrido = 0;  // the sweep whose rows the window takes
};
