// NuevMuestra: a "simple" combo box (edit line with its list always open below), "Añadir",
// "Borrar", "Aceptar", "Cancelar" and "Ayuda    ". The list rules are TEditorMuestra's.
#include "ui/NuevMuestra.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Ayuda.h"
#include "ui/TextoQt.h"

TFnuevMuestra::TFnuevMuestra(TAyuda& ayuda, QWidget* padre) : QDialog(padre), m_ayuda(ayuda) {
  setObjectName("TFnuevMuestra");
  setWindowTitle(QStringLiteral(" Nueva Muestra"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* etiqueta = new QLabel(QStringLiteral("Insertar Muestra:"), this);
  etiqueta->setObjectName("Label2");

  auto* combo = new QWidget(this);
  combo->setObjectName("MuestraLB");
  m_linea = new QLineEdit(combo);
  m_linea->setObjectName("MuestraLBEdit");
  m_linea->setMaxLength(static_cast<int>(TEditorMuestra::kLongitudMaxima));
  m_linea->setValidator(new TValidadorCp1252(m_linea));
  m_linea->installEventFilter(this);
  m_lista = new QListWidget(combo);
  m_lista->setObjectName("MuestraLBLista");
  auto* capaCombo = new QVBoxLayout(combo);
  capaCombo->setContentsMargins(0, 0, 0, 0);
  capaCombo->setSpacing(0);
  capaCombo->addWidget(m_linea);
  capaCombo->addWidget(m_lista);
  etiqueta->setBuddy(m_linea);
  m_aviso = new QLabel(this);
  m_aviso->setObjectName("AvisoEditor");
  QPalette rojo = m_aviso->palette();
  rojo.setColor(QPalette::WindowText, QColor("#c0392b"));
  m_aviso->setPalette(rojo);

  connect(m_linea, &QLineEdit::textEdited, this, [this](const QString& texto) { m_editor.PonerLinea(ACp1252(texto)); });
  connect(m_lista, &QListWidget::currentRowChanged, this, [this](int fila) {
    if (fila < 0) return;
    m_editor.ElegirEntrada(static_cast<std::size_t>(fila));
    m_linea->setText(DeCp1252(m_editor.Linea()));
  });

  auto boton = [this](const char* nombre, const QString& texto, auto accion) {
    auto* b = new QPushButton(texto, this);
    b->setObjectName(nombre);
    b->setAutoDefault(false);  // Enter belongs to the edit line ("Añadir")
    connect(b, &QPushButton::clicked, this, accion);
    return b;
  };
  auto* insertar = boton("BotonInsertar", QStringLiteral("Añadir"), &TFnuevMuestra::BotonInsertarClick);
  auto* borrar = boton("BotonBorrar", QStringLiteral("Borrar"), &TFnuevMuestra::BotonBorrarClick);
  auto* aceptar = boton("BotonAceptar", QStringLiteral("Aceptar"), &QDialog::accept);
  auto* cancelar = boton("BotonCancelar", QStringLiteral("Cancelar"), &TFnuevMuestra::BotonCancelarClick);
  auto* ayudaBoton = boton("BotonAyuda", QStringLiteral("Ayuda    "), &TFnuevMuestra::BotonAyudaClick);

  auto* botones = new QVBoxLayout;
  for (auto* b : {insertar, borrar}) botones->addWidget(b);
  botones->addStretch(1);
  for (auto* b : {aceptar, cancelar, ayudaBoton}) botones->addWidget(b);

  auto* izquierda = new QVBoxLayout;
  izquierda->addWidget(etiqueta);
  izquierda->addWidget(combo, 1);
  izquierda->addWidget(m_aviso);
  auto* capa = new QHBoxLayout(this);
  capa->addLayout(izquierda, 1);
  capa->addLayout(botones);
  setFixedSize(419, 334);
}

void TFnuevMuestra::showEvent(QShowEvent* evento) {
  m_editor.FormShow();
  m_aviso->clear();
  Refrescar();
  m_linea->setFocus();
  QDialog::showEvent(evento);
}

bool TFnuevMuestra::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_linea && evento->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      BotonInsertarClick();
      return true;  // consumed: the dialog must not take Enter as "Aceptar"
    }
    // a character beyond the longest entry: the line refuses it and the editor says so
    const QString escrito = static_cast<QKeyEvent*>(evento)->text();
    if (!escrito.isEmpty() && escrito.at(0).isPrint() && !m_linea->hasSelectedText() &&
        m_linea->text().size() >= m_linea->maxLength()) {
      m_editor.PonerLinea(ACp1252(m_linea->text() + escrito));
      m_aviso->setText(DeCp1252(m_editor.Aviso()));
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

void TFnuevMuestra::BotonInsertarClick() {
  m_editor.PonerLinea(ACp1252(m_linea->text()));
  m_editor.BotonInsertarClick();
  Refrescar();
  m_aviso->setText(DeCp1252(m_editor.Aviso()));
  m_linea->setFocus();
}

void TFnuevMuestra::BotonBorrarClick() {
  m_editor.PonerLinea(ACp1252(m_linea->text()));
  m_editor.BotonBorrarClick();
  Refrescar();
}

void TFnuevMuestra::BotonCancelarClick() {
  m_editor.BotonCancelarClick();
  Refrescar();
  reject();
}

void TFnuevMuestra::BotonAyudaClick() { m_ayuda.Tema(ArchivoAyuda, QStringLiteral("IDH_NuevaM")); }

void TFnuevMuestra::Refrescar() {
  const QSignalBlocker bloqueo(m_lista);
  m_lista->clear();
  m_lista->addItems(DeLista(m_editor.Entradas()));
  const QString linea = DeCp1252(m_editor.Linea());
  if (m_linea->text() != linea) m_linea->setText(linea);
}
