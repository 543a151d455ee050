// Avisos: picture on the left, the notice and the question on the right, buttons below.
#include "ui/Avisos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/Componentes.h"
#include "ui/Imagen.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

TDialogoAviso::TDialogoAviso(const char* nombre, const QString& imagen, QWidget* padre) : QDialog(padre) {
  setObjectName(nombre);
  setWindowTitle(QStringLiteral("Aviso"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* dibujo = new TImagen(imagen, this);
  dibujo->setObjectName("Image1");
  dibujo->setFixedSize(48, 48);
  m_aviso = CrearEtiqueta(this, "Aviso", {});
  QFont negrita = m_aviso->font();
  negrita.setBold(true);
  m_aviso->setFont(negrita);
  m_pregunta = CrearEtiqueta(this, "Pregunta", {});

  auto* si = CrearBoton(this, "BotonSi", QStringLiteral("Sí"));
  si->setDefault(true);
  connect(si, &QPushButton::clicked, this, [this] { done(kSi); });
  auto* no = CrearBoton(this, "BotonNo", QStringLiteral("No"));
  connect(no, &QPushButton::clicked, this, [this] { done(kNo); });

  auto* capa = new QGridLayout(this);
  capa->addWidget(dibujo, 0, 0, 2, 1, Qt::AlignTop);
  capa->addWidget(m_aviso, 0, 1);
  capa->addWidget(m_pregunta, 1, 1);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(si);
  botones->addWidget(no);
  botones->addStretch(1);
  capa->addLayout(botones, 2, 0, 1, 2);
  setFixedSize(300, 130);
}

TRespuesta TDialogoAviso::Preguntar(const std::string& aviso, const std::string& pregunta) {
  m_aviso->setText(DeCp1252(aviso));
  m_pregunta->setText(DeCp1252(pregunta));
  findChild<QPushButton*>(QStringLiteral("BotonSi"))->setFocus();
  switch (EjecutarModal(*this)) {
    case kSi: return TRespuesta::Si;
    case kNo: return TRespuesta::No;
    default: return TRespuesta::Cancelar;
  }
}

void TDialogoAviso::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
    done(kNo);
    return;
  }
  QDialog::keyPressEvent(evento);
}

TFavisos::TFavisos(QWidget* padre)
    : TDialogoAviso("TFavisos", QStringLiteral(":/imagenes/aviso_caracter.svg"), padre) {}

TFavisos1::TFavisos1(QWidget* padre)
    : TDialogoAviso("TFavisos1", QStringLiteral(":/imagenes/aviso_determinista.svg"), padre) {}
