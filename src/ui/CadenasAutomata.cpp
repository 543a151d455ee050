// CadenasAutomata: a number field, two lists and the language's size.
#include "ui/CadenasAutomata.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/ventanas/CadenasAutomataLogica.h"
#include "ui/Ayuda.h"
#include "ui/Componentes.h"
#include "ui/TextoQt.h"

TFcadenas::TFcadenas(TFcadenasLogica& ventana, TAyuda& ayuda, QWidget* padre) : QDialog(padre), m_ventana(ventana) {
  setObjectName("TFcadenas");
  setWindowTitle(DeCp1252(ventana.Caption()));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* etiquetaNumero = CrearEtiqueta(this, "EtiquetaNumero", QStringLiteral("Número de cadenas: "));
  m_numero = new QSpinBox(this);
  m_numero->setObjectName("NumeroCadenas");
  m_numero->setRange(1, TFcadenasLogica::kNumeroMaximo);
  m_numero->setValue(ventana.Numero());
  etiquetaNumero->setBuddy(m_numero);
  auto* tamano = CrearEtiqueta(this, "Tamano", DeCp1252(ventana.Tamano()));
  QFont negrita = tamano->font();
  negrita.setBold(true);
  tamano->setFont(negrita);

  m_cadenas = new QListWidget(this);
  m_cadenas->setObjectName("ListaCadenas");
  m_cuentas = new QListWidget(this);
  m_cuentas->setObjectName("ListaCuentas");
  const QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  m_cadenas->setFont(fija);
  m_cuentas->setFont(fija);

  auto* capa = new QGridLayout(this);
  auto* arriba = new QHBoxLayout;
  arriba->addWidget(etiquetaNumero);
  arriba->addWidget(m_numero);
  arriba->addStretch(1);
  arriba->addWidget(tamano);
  capa->addLayout(arriba, 0, 0, 1, 2);
  capa->addWidget(CrearEtiqueta(this, "EtiquetaCadenas", QStringLiteral("Cadenas aceptadas:")), 1, 0);
  capa->addWidget(CrearEtiqueta(this, "EtiquetaCuentas", QStringLiteral("Cadenas por longitud:")), 1, 1);
  capa->addWidget(m_cadenas, 2, 0);
  capa->addWidget(m_cuentas, 2, 1);
  capa->setRowStretch(2, 1);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  auto* botonAyuda = CrearBotonAyuda(this);
  connect(botonAyuda, &QPushButton::clicked, this, [&ayuda] { ayuda.Tema(ArchivoAyuda, QStringLiteral("IDH_Cadenas")); });
  auto* cerrar = CrearBoton(this, "BitBtn1", QStringLiteral("Cerrar"));
  connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
  botones->addWidget(botonAyuda);
  botones->addWidget(cerrar);
  capa->addLayout(botones, 3, 0, 1, 2);

  connect(m_numero, &QSpinBox::valueChanged, this, [this](int numero) {
    m_ventana.PonerNumero(numero);
    Refrescar();
  });
  Refrescar();
  resize(460, 420);
}

void TFcadenas::Refrescar() {
  m_cadenas->clear();
  for (const auto& cadena : m_ventana.Cadenas()) m_cadenas->addItem(DeCp1252(cadena));
  m_cuentas->clear();
  for (const auto& cuenta : m_ventana.Cuentas()) m_cuentas->addItem(DeCp1252(cuenta));
}
