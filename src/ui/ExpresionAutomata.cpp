// ExpresionAutomata: a read-only text box, the notice and the clipboard button.
#include "ui/ExpresionAutomata.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ventanas/ExpresionAutomataLogica.h"
#include "ui/Ayuda.h"
#include "ui/Componentes.h"
#include "ui/TextoQt.h"

TFexpresion::TFexpresion(const TFexpresionLogica& ventana, TAyuda& ayuda, QWidget* padre) : QDialog(padre) {
  setObjectName("TFexpresion");
  setWindowTitle(DeCp1252(ventana.Caption()));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* capa = new QVBoxLayout(this);
  capa->addWidget(CrearEtiqueta(this, "EtiquetaExpresion", QStringLiteral("Expresión regular del lenguaje:")));
  auto* texto = new QPlainTextEdit(this);
  texto->setObjectName("TextoExpresion");
  texto->setReadOnly(true);
  texto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fija.setPointSizeF(fija.pointSizeF() * 1.2);
  texto->setFont(fija);
  texto->setPlainText(DeCp1252(ventana.Texto()));
  capa->addWidget(texto, 1);
  auto* aviso = CrearEtiqueta(this, "Aviso", DeCp1252(ventana.Mensaje()));
  aviso->setWordWrap(true);
  aviso->setStyleSheet(QStringLiteral("color: #c0392b; font-weight: bold"));
  aviso->setVisible(!ventana.Mensaje().empty());
  capa->addWidget(aviso);

  auto* botones = new QHBoxLayout;
  auto* copiar = CrearBoton(this, "BotonCopiar", QStringLiteral("Copiar"), QStringLiteral("Copiar la expresión al portapapeles"));
  copiar->setEnabled(ventana.HayExpresion());
  connect(copiar, &QPushButton::clicked, this, [texto] { QGuiApplication::clipboard()->setText(texto->toPlainText()); });
  auto* botonAyuda = CrearBotonAyuda(this);
  connect(botonAyuda, &QPushButton::clicked, this,
          [&ayuda] { ayuda.Tema(ArchivoAyuda, QStringLiteral("IDH_Expresion")); });
  auto* cerrar = CrearBoton(this, "BitBtn1", QStringLiteral("Cerrar"));
  connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
  botones->addWidget(copiar);
  botones->addStretch(1);
  botones->addWidget(botonAyuda);
  botones->addWidget(cerrar);
  capa->addLayout(botones);
  resize(480, 220);
}
