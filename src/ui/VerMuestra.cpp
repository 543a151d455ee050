// VerMuestra: panel with "Muestra en uso:" and the read-only memo MuestraM, and "&Cerrar".
#include "ui/VerMuestra.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFverMuestra::TFverMuestra(QWidget* padre) : QDialog(padre) {
  setObjectName("TFverMuestra");
  setWindowTitle(QStringLiteral(" Ver muestra"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(false);

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* etiqueta = new QLabel(QStringLiteral("Muestra en uso:"), panel);
  etiqueta->setObjectName("Label1");
  auto* tipo = new QLabel(panel);
  tipo->setObjectName("TipoMuestraVista");
  QFont negrita = tipo->font();
  negrita.setBold(true);
  tipo->setFont(negrita);
  auto* memo = new QPlainTextEdit(panel);
  memo->setObjectName("MuestraM");
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setPlainText(QStringLiteral("[No hay muestra]"));
  auto* capaPanel = new QVBoxLayout(panel);
  capaPanel->addWidget(etiqueta);
  capaPanel->addWidget(tipo);
  capaPanel->addWidget(memo);

  auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
  cerrar->setObjectName("BotonCerrar");
  connect(cerrar, &QPushButton::clicked, this, &QDialog::close);

  auto* capa = new QVBoxLayout(this);
  capa->addWidget(panel);
  capa->addWidget(cerrar, 0, Qt::AlignHCenter);
  setFixedSize(421, 338);
}

void TFverMuestra::MostrarLineas(const QStringList& lineas) {
  findChild<QPlainTextEdit*>("MuestraM")->setPlainText(lineas.join('\n'));
}

void TFverMuestra::MostrarTipo(const QString& texto) { findChild<QLabel*>("TipoMuestraVista")->setText(texto); }

QStringList TFverMuestra::Lineas() const {
  const QString texto = findChild<QPlainTextEdit*>("MuestraM")->toPlainText();
  return texto.isEmpty() ? QStringList{} : texto.split('\n');
}
