// ElegirParametro: label, spin box, "Aceptar" (the default button) and "Cancelar".
#include "ui/ElegirParametro.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "app/ElegirParametroLogica.h"
#include "ui/Componentes.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

TFelegirParametro::TFelegirParametro(QWidget* padre) : QDialog(padre) {
  setObjectName("TFelegirParametro");
  setWindowTitle(DeCp1252(TFelegirParametroLogica::kCaption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* etiqueta = CrearEtiqueta(this, "Label1", DeCp1252(TFelegirParametroLogica::kEtiqueta));
  m_parametroK = new QSpinBox(this);
  m_parametroK->setObjectName("ParametroK");
  etiqueta->setBuddy(m_parametroK);

  auto* aceptar = CrearBoton(this, "BtnAceptar", QStringLiteral("Aceptar"));
  aceptar->setDefault(true);
  connect(aceptar, &QPushButton::clicked, this, &TFelegirParametro::BtnAceptarClick);
  auto* cancelar = CrearBoton(this, "BtnCancelar", QStringLiteral("Cancelar"));
  connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

  auto* capa = new QGridLayout(this);
  capa->addWidget(etiqueta, 0, 0);
  capa->addWidget(m_parametroK, 0, 1);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(aceptar);
  botones->addWidget(cancelar);
  capa->addLayout(botones, 1, 0, 1, 2);
  setFixedSize(300, 110);
}

TRespuesta TFelegirParametro::Elegir(TFelegirParametroLogica& dialogo) {
  m_dialogo = &dialogo;
  dialogo.FormShow();
  m_parametroK->setRange(dialogo.Minimo(), dialogo.Maximo());
  m_parametroK->setValue(dialogo.ParametroK());
  m_parametroK->selectAll();
  m_parametroK->setFocus();
  const int resultado = EjecutarModal(*this);
  m_dialogo = nullptr;
  return resultado == QDialog::Accepted ? TRespuesta::Ok : TRespuesta::Cancelar;
}

void TFelegirParametro::BtnAceptarClick() {
  m_parametroK->interpretText();
  if (m_dialogo) m_dialogo->PonerParametroK(m_parametroK->value());
  accept();
}
