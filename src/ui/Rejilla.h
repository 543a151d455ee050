// Rejilla: the string grid of the result windows: a table view over a TTablaTexto whose
// row 0 and column 0 are the fixed header row and column, bold, rows 24 pixels high, with
// a text painted over the top-left corner ("  E/A  ", "  E/SA  ", or blanks).
#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include "core/TablaTexto.h"

// The table as a Qt model: the cells of rows 1.. and columns 1.. are the model's cells;
// row 0 gives the horizontal header, column 0 the vertical header. The corner cell's own
// text is never shown. Texts are converted from Windows-1252 when they are drawn, so a
// table of thousands of rows costs only its copy.
class TModeloRejilla : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Replaces the whole table (a reset: no cell of a previous table remains).
  void PonerTabla(TTablaTexto tabla);
  const TTablaTexto& Tabla() const { return m_tabla; }

  int rowCount(const QModelIndex& padre = {}) const override;
  int columnCount(const QModelIndex& padre = {}) const override;
  QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
  QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

 private:
  TTablaTexto m_tabla;
};

class TRejilla : public QTableView {
  Q_OBJECT
 public:
  static constexpr int kAltoFila = 24;
  static constexpr int kAnchoColumna = 64;

  // `textoEsquina` is what the top-left cell shows.
  TRejilla(const QString& textoEsquina, QWidget* padre = nullptr);

  // Shows `tabla` (row 0 the column headers, column 0 the row headers). Columns are
  // widened to their texts (measured over the first rows only, so large tables stay
  // quick), never narrower than 64 pixels.
  void PonerTabla(const TTablaTexto& tabla);
  const TTablaTexto& Tabla() const { return m_modelo->Tabla(); }

  const QString& TextoEsquina() const { return m_textoEsquina; }
  // The text of a displayed cell by its position in the whole table (row 0 and column 0
  // being the headers), as the user reads it; the corner gives TextoEsquina().
  QString TextoCelda(int fila, int columna) const;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  TModeloRejilla* m_modelo;
  QString m_textoEsquina;
  QWidget* m_esquina = nullptr;
};
