// MostrarAutomata1: "Ejemplo: " with an editable combo box and its button, then the status
// text, below the table of the automaton result window.
#include "ui/MostrarAutomata1.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/interaccion/InteraccionKR.h"
#include "app/ventanas/MostrarAutomata1Logica.h"
#include "ui/TextoQt.h"

TFmostrarAutomata1::TFmostrarAutomata1(TAyuda& ayuda, QWidget* padre)
    : TFmostrarAutomata("TFmostrarAutomata1", QSize(605, 420), ayuda, padre) {
  setWindowTitle(QStringLiteral(" Autómata Resultado"));
  m_textoEjemplo = new QComboBox(this);
  m_textoEjemplo->setObjectName("TextoEjemplo");
  m_textoEjemplo->setEditable(true);
  m_textoEjemplo->setInsertPolicy(QComboBox::NoInsert);
  // No completion: what is added is exactly what the student typed and sees, never an
  // earlier example that begins the same way.
  m_textoEjemplo->setCompleter(nullptr);
  m_textoEjemplo->lineEdit()->setValidator(new TValidadorCp1252(m_textoEjemplo));
  auto* etiqueta = CrearEtiqueta(this, "Label4", QStringLiteral("Ejemplo: "));
  etiqueta->setBuddy(m_textoEjemplo);
  auto* insertar = CrearBoton(this, "BotonInsertarEjemplo", QStringLiteral("&Añadir Ejemplo"));
  connect(insertar, &QPushButton::clicked, this, &TFmostrarAutomata1::BotonInsertarEjemploClick);
  connect(m_textoEjemplo->lineEdit(), &QLineEdit::returnPressed, this,
          &TFmostrarAutomata1::BotonInsertarEjemploClick);

  auto* fila = new QHBoxLayout;
  fila->addWidget(etiqueta);
  fila->addWidget(m_textoEjemplo, 1);
  fila->addWidget(insertar);
  Cuerpo()->addLayout(fila);

  m_texto = CrearEtiqueta(this, "Texto", {});
  QFont negrita = m_texto->font();
  negrita.setBold(true);
  m_texto->setFont(negrita);
  QPalette colores = m_texto->palette();
  colores.setColor(QPalette::WindowText, Qt::red);
  m_texto->setPalette(colores);
  Cuerpo()->addWidget(m_texto);
}

TCierre TFmostrarAutomata1::Mostrar(TFmostrarAutomata1Logica& ventana, TInteraccionKR& interaccion) {
  m_incremental = &ventana;
  m_interaccionKR = &interaccion;
  const TCierre cierre = Ejecutar(ventana, interaccion);
  m_incremental = nullptr;
  m_interaccionKR = nullptr;
  return cierre;
}

void TFmostrarAutomata1::Refrescar() {
  TFmostrarAutomata::Refrescar();
  if (!m_incremental) return;
  m_textoEjemplo->clear();
  m_textoEjemplo->addItems(DeLista(m_incremental->EjemplosIntroducidos()));
  m_textoEjemplo->setEditText(DeCp1252(m_incremental->TextoEjemplo()));
  m_texto->setText(DeCp1252(m_incremental->Texto()));
  m_textoEjemplo->setFocus();
}

void TFmostrarAutomata1::BotonInsertarEjemploClick() {
  if (!m_incremental) return;
  m_incremental->PonerTextoEjemplo(ACp1252(m_textoEjemplo->currentText()));
  if (m_incremental->BotonInsertarEjemploClick(*m_interaccionKR)) {
    Cerrar(TCierre::Reintentar);
    return;
  }
  m_textoEjemplo->setFocus();
}
