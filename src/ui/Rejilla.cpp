// Rejilla: the header row and column of the table are the view's headers, so they stay in
// place while the cells scroll; the corner button of the view carries the corner text.
#include "ui/Rejilla.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <algorithm>

#include "ui/TextoQt.h"

namespace {

// Rows examined when widening a column or the header column to its texts.
constexpr int kFilasMedidas = 200;

}  // namespace

void TModeloRejilla::PonerTabla(TTablaTexto tabla) {
  beginResetModel();
  m_tabla = std::move(tabla);
  endResetModel();
}

int TModeloRejilla::rowCount(const QModelIndex& padre) const {
  return padre.isValid() || m_tabla.Filas() == 0 ? 0 : static_cast<int>(m_tabla.Filas() - 1);
}

int TModeloRejilla::columnCount(const QModelIndex& padre) const {
  return padre.isValid() || m_tabla.Columnas() == 0 ? 0 : static_cast<int>(m_tabla.Columnas() - 1);
}

QVariant TModeloRejilla::data(const QModelIndex& indice, int rol) const {
  if (!indice.isValid() || rol != Qt::DisplayRole) return {};
  return DeCp1252(m_tabla.Celda(static_cast<std::size_t>(indice.row()) + 1,
                                static_cast<std::size_t>(indice.column()) + 1));
}

QVariant TModeloRejilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
  if (rol != Qt::DisplayRole || seccion < 0) return {};
  const auto s = static_cast<std::size_t>(seccion) + 1;
  if (orientacion == Qt::Horizontal)
    return m_tabla.Filas() > 0 && s < m_tabla.Columnas() ? QVariant(DeCp1252(m_tabla.Celda(0, s))) : QVariant();
  return s < m_tabla.Filas() && m_tabla.Columnas() > 0 ? QVariant(DeCp1252(m_tabla.Celda(s, 0))) : QVariant();
}

TRejilla::TRejilla(const QString& textoEsquina, QWidget* padre)
    : QTableView(padre), m_modelo(new TModeloRejilla(this)), m_textoEsquina(textoEsquina) {
  setObjectName("Rejilla");
  setModel(m_modelo);
  QFont negrita = font();
  negrita.setBold(true);
  setFont(negrita);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);

  for (QHeaderView* cabecera : {horizontalHeader(), verticalHeader()}) {
    cabecera->setFont(negrita);
    cabecera->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cabecera->setHighlightSections(false);
    cabecera->setResizeContentsPrecision(kFilasMedidas);
  }
  verticalHeader()->setMinimumSectionSize(kAltoFila);
  verticalHeader()->setDefaultSectionSize(kAltoFila);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setFixedHeight(kAltoFila);
  horizontalHeader()->setMinimumSectionSize(kAnchoColumna);
  horizontalHeader()->setDefaultSectionSize(kAnchoColumna);
  // The header column is as wide as a column at least, and holds the corner text.
  verticalHeader()->setMinimumWidth(
      std::max(kAnchoColumna, QFontMetrics(negrita).horizontalAdvance(m_textoEsquina) + 8));

  // The corner is the view's own button; its text is painted after the button.
  m_esquina = findChild<QAbstractButton*>();
  if (m_esquina) m_esquina->installEventFilter(this);
}

void TRejilla::PonerTabla(const TTablaTexto& tabla) {
  m_modelo->PonerTabla(tabla);
  resizeColumnsToContents();
  for (int c = 0; c < m_modelo->columnCount(); ++c)
    if (columnWidth(c) < kAnchoColumna) setColumnWidth(c, kAnchoColumna);
  scrollToTop();
}

QString TRejilla::TextoCelda(int fila, int columna) const {
  if (fila == 0 && columna == 0) return m_textoEsquina;
  if (fila == 0) return m_modelo->headerData(columna - 1, Qt::Horizontal).toString();
  if (columna == 0) return m_modelo->headerData(fila - 1, Qt::Vertical).toString();
  return m_modelo->index(fila - 1, columna - 1).data().toString();
}

bool TRejilla::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_esquina && evento->type() == QEvent::Paint) {
    static_cast<QObject*>(m_esquina)->event(evento);  // the button as the view draws it
    QPainter pintor(m_esquina);
    pintor.setFont(horizontalHeader()->font());
    pintor.setPen(palette().color(QPalette::ButtonText));
    pintor.drawText(m_esquina->rect().adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                    m_textoEsquina);
    return true;
  }
  return QTableView::eventFilter(objeto, evento);
}
