// MostrarAceptor: the acceptor's memos, its fixed initial state "&" with "(cadena vacía)",
// the transition table with a blank corner, and "Guardar", "Imprimir", "Autómata", help.
#include "ui/MostrarAceptor.h"

#include <QLabel>
#include <QLineEdit>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DiagramasVentanas.h"
#include "app/MostrarAceptorLogica.h"
#include "ui/Ayuda.h"
#include "ui/Rejilla.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

TFmostrarAceptor::TFmostrarAceptor(TAyuda& ayuda, QWidget* padre)
    : TVentanaResultado("TFmostrarAceptor", DeCp1252(TFmostrarAceptorLogica::kCaptionInicial), QSize(542, 353),
                        {{"Label3", "Alfabeto: ", "Alfabeto"},
                         {"Label4", "Estado Inicial: ", "Einicial"},
                         {"Label5", "Estados Finales: ", "Efinales"},
                         {"Label6", "Conjunto de Estados: ", "Estados"}},
                        DeCp1252(TFmostrarAceptorLogica::kTextoEsquina), padre),
      m_ayuda(ayuda) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  // Einicial is a short box with its fixed text and the label beside it.
  QLineEdit* einicial = Memo(1);
  Memos()->removeWidget(einicial);
  auto* fila = new QHBoxLayout;
  fila->addWidget(einicial);
  einicial->setFixedWidth(40);
  einicial->setText(DeCp1252(TFmostrarAceptorLogica::kEinicial));
  fila->addWidget(CrearEtiqueta(this, "Label2", DeCp1252(TFmostrarAceptorLogica::kCadenaVacia)));
  fila->addStretch(1);
  Memos()->addLayout(fila, 1, 1);

  auto* guardar = CrearBoton(this, "BotonGuardar", QStringLiteral("Guardar"), QStringLiteral("Guardar Datos"));
  connect(guardar, &QPushButton::clicked, this, [this] {
    if (m_ventana) m_ventana->BotonGuardarClick(*m_interaccion);
  });
  auto* automata = CrearBoton(this, "BitBtn1", QStringLiteral("Autómata"));
  automata->setDefault(true);
  connect(automata, &QPushButton::clicked, this, &QDialog::accept);
  auto* ayudaBoton = CrearBotonAyuda(this);
  connect(ayudaBoton, &QPushButton::clicked, this, [this] {
    m_ayuda.Tema(ArchivoAyuda, QString::fromLatin1(m_ventana ? m_ventana->TemaAyuda() : "IDH_Resultados"));
  });
  for (QWidget* b : {static_cast<QWidget*>(guardar), static_cast<QWidget*>(CrearBotonImprimir(this))})
    Botones()->addWidget(b);
  Botones()->addStretch(1);
  Botones()->addWidget(automata);
  Botones()->addWidget(ayudaBoton);
}

void TFmostrarAceptor::Mostrar(TFmostrarAceptorLogica& ventana, TInteraccion& interaccion) {
  m_ventana = &ventana;
  m_interaccion = &interaccion;
  setWindowTitle(DeCp1252(ventana.Caption()));
  ventana.FormShow();
  Rellenar({ventana.Alfabeto(), ventana.Einicial(), ventana.Efinales(), ventana.Estados()}, ventana.Rejilla());
  MostrarDiagrama(DiagramaDeVentana(ventana), interaccion);
  EjecutarModal(*this);
  m_ventana = nullptr;
  m_interaccion = nullptr;
}

void TFmostrarAceptor::done(int resultado) {
  if (m_ventana && isVisible()) m_ventana->FormClose();
  TVentanaResultado::done(resultado);
}
