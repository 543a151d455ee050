// NuevaMuestraSA: masked pair field, " Añadir Par" (the default button, so Enter adds the
// pair once), the red sequence counter, "Añadir Secuencia ", the pairs of the open
// sequence and the hidden whole sample. The rules are TEditorMuestraSA's.
#include "ui/NuevaMuestraSA.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "ui/Ayuda.h"
#include "ui/TextoQt.h"

TFnuevaMuestraSA::TFnuevaMuestraSA(TInteraccion& interaccion, TAyuda& ayuda, QWidget* padre)
    : QDialog(padre), m_interaccion(interaccion), m_ayuda(ayuda) {
  setObjectName("TFnuevaMuestraSA");
  setWindowTitle(QStringLiteral(" Nueva Muestra situación/acción"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto etiqueta = [this](const char* nombre, const QString& texto) {
    auto* e = new QLabel(texto, this);
    e->setObjectName(nombre);
    return e;
  };
  auto boton = [this](const char* nombre, const QString& texto, auto accion) {
    auto* b = new QPushButton(texto, this);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, accion);
    return b;
  };

  auto* titulo = etiqueta("Label1", QStringLiteral("Insertar Muestra:"));
  QFont negrita = titulo->font();
  negrita.setBold(true);
  titulo->setFont(negrita);

  auto* etiquetaPar = etiqueta("Label2", QStringLiteral("Par Situación/Acción: "));
  m_parSA = new QLineEdit(this);
  m_parSA->setObjectName("ParSA");
  m_parSA->setInputMask(kMascaraParSA);
  m_parSA->setMaxLength(11);
  m_parSA->installEventFilter(this);
  etiquetaPar->setBuddy(m_parSA);

  auto* insertarPar = boton("BotonInsertarPar", QStringLiteral(" Añadir Par"), &TFnuevaMuestraSA::BotonInsertarParClick);
  insertarPar->setDefault(true);

  auto* etiquetaSucesion = etiqueta("Label3", QStringLiteral("Secuencia:  "));
  m_sucesionNum = new QLineEdit(this);
  m_sucesionNum->setObjectName("SucesionNum");
  m_sucesionNum->setReadOnly(true);
  m_sucesionNum->setFrame(false);
  m_sucesionNum->setFocusPolicy(Qt::NoFocus);
  m_sucesionNum->setFont(negrita);
  QPalette rojo = m_sucesionNum->palette();
  rojo.setColor(QPalette::Base, rojo.color(QPalette::Button));
  rojo.setColor(QPalette::Text, Qt::red);
  m_sucesionNum->setPalette(rojo);
  m_sucesionNum->setFixedWidth(60);

  m_nuevaSecuencia =
      boton("BotonNuevaSecuencia", QStringLiteral("Añadir Secuencia "), &TFnuevaMuestraSA::BotonNuevaSecuenciaClick);

  auto* etiquetaPares = etiqueta("Label4", QStringLiteral("Pares Insertados: "));
  m_listSitAcc = new QListWidget(this);
  m_listSitAcc->setObjectName("ListSitAcc");

  auto* aceptar = boton("BotonAceptar", QStringLiteral("Aceptar"), &QDialog::accept);
  auto* cancelar = boton("BotonCancelar", QStringLiteral("Cancelar"), &TFnuevaMuestraSA::BotonCancelarClick);
  auto* ayudaBoton = boton("BotonAyuda", QStringLiteral("Ayuda    "), &TFnuevaMuestraSA::BotonAyudaClick);

  m_muestraTxt = new QListWidget(this);
  m_muestraTxt->setObjectName("MuestraTxt");
  m_muestraTxt->setEnabled(false);
  m_muestraTxt->hide();

  auto* capa = new QGridLayout(this);
  capa->addWidget(titulo, 0, 0, 1, 3);
  capa->addWidget(etiquetaPar, 1, 0);
  capa->addWidget(m_parSA, 1, 1);
  capa->addWidget(insertarPar, 1, 2);
  capa->addWidget(etiquetaSucesion, 2, 0);
  capa->addWidget(m_sucesionNum, 2, 1, Qt::AlignLeft);
  capa->addWidget(m_nuevaSecuencia, 2, 2);
  capa->addWidget(etiquetaPares, 3, 0, Qt::AlignTop);
  capa->addWidget(m_listSitAcc, 3, 1, 4, 1);
  capa->addWidget(aceptar, 4, 2);
  capa->addWidget(cancelar, 5, 2);
  capa->addWidget(ayudaBoton, 6, 2, Qt::AlignTop);
  capa->setRowStretch(6, 1);

  // Tab order as the components are listed.
  QWidget* orden[] = {m_parSA, insertarPar, m_nuevaSecuencia, m_listSitAcc, aceptar, cancelar, ayudaBoton};
  for (std::size_t i = 0; i + 1 < std::size(orden); ++i) setTabOrder(orden[i], orden[i + 1]);

  setFixedSize(419, 311);
}

QString TFnuevaMuestraSA::TextoParSA() const {
  // The displayed text holds every position; "?" marks an empty one, which reads as a blank.
  QString texto = m_parSA->displayText();
  texto.replace(QLatin1Char('?'), QLatin1Char(' '));
  return texto;
}

void TFnuevaMuestraSA::showEvent(QShowEvent* evento) {
  m_editor.FormShow();
  Refrescar();
  m_parSA->setFocus();
  QDialog::showEvent(evento);
}

bool TFnuevaMuestraSA::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == m_parSA && evento->type() == QEvent::FocusIn) {
    // After the field has placed its cursor for the focus change.
    QTimer::singleShot(0, this, &TFnuevaMuestraSA::ParSAEnter);
  }
  return QDialog::eventFilter(objeto, evento);
}

void TFnuevaMuestraSA::ParSAEnter() {
  if (m_parSA->hasFocus()) m_parSA->setSelection(1, 1);
}

void TFnuevaMuestraSA::BotonInsertarParClick() {
  m_editor.PonerParSA(ACp1252(TextoParSA()));
  m_editor.BotonInsertarParClick(m_interaccion);
  Refrescar();
  VolverAlPar();
}

void TFnuevaMuestraSA::BotonNuevaSecuenciaClick() {
  m_editor.BotonNuevaSecuenciaClick();
  Refrescar();
  VolverAlPar();
}

void TFnuevaMuestraSA::VolverAlPar() {
  // Enter leaves the focus in the field, so no focus change selects the digit there.
  m_parSA->setFocus();
  m_parSA->setSelection(1, 1);
}

void TFnuevaMuestraSA::BotonCancelarClick() {
  m_editor.BotonCancelarClick();
  Refrescar();
  reject();
}

void TFnuevaMuestraSA::BotonAyudaClick() { m_ayuda.Tema(ArchivoAyuda, QStringLiteral("IDH_NuevaSA")); }

void TFnuevaMuestraSA::Refrescar() {
  m_listSitAcc->clear();
  m_listSitAcc->addItems(DeLista(m_editor.ListSitAcc()));
  m_muestraTxt->clear();
  m_muestraTxt->addItems(DeLista(m_editor.MuestraTxt()));
  m_sucesionNum->setText(DeCp1252(m_editor.SucesionNum()));
  m_nuevaSecuencia->setEnabled(m_editor.NuevaSecuenciaHabilitada());
  // The field shows what the rules left in it: the same text, or cleared.
  if (m_editor.ParSA() == kParSAVacio) m_parSA->clear();
}
