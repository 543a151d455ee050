// AcercaDe: white panel with the program icon, name, version and description; "&Cerrar".
#include "ui/AcercaDe.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Imagen.h"

TFacercaDe::TFacercaDe(QWidget* padre) : QDialog(padre) {
  setObjectName("TFacercaDe");
  setWindowTitle(QStringLiteral(" Acerca de Telar"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setAutoFillBackground(true);
  QPalette blanco = panel->palette();
  blanco.setColor(QPalette::Window, Qt::white);
  blanco.setColor(QPalette::WindowText, QColor(0x1F, 0x3A, 0x68));
  panel->setPalette(blanco);

  auto* icono = new TImagen(QStringLiteral(":/imagenes/icono.svg"), panel);
  icono->setObjectName("ProgramIcon");
  icono->setFixedSize(64, 64);

  auto* nombre = new QLabel(QStringLiteral("Telar 99"), panel);
  nombre->setObjectName("ProductName");
  QFont grande = nombre->font();
  grande.setPointSize(grande.pointSize() + 6);
  grande.setBold(true);
  nombre->setFont(grande);

  auto* version = new QLabel(QStringLiteral("Versión 1.0"), panel);
  version->setObjectName("Version");

  auto* descripcion = new QLabel(
      QStringLiteral("Sistema para la ejecución y enseñanza de los algoritmos de inducción de lenguajes "
                     "regulares a partir de muestras"),
      panel);
  descripcion->setObjectName("Comments");
  descripcion->setWordWrap(true);

  auto* capaPanel = new QGridLayout(panel);
  capaPanel->setContentsMargins(14, 14, 14, 14);
  capaPanel->setHorizontalSpacing(16);
  capaPanel->addWidget(icono, 0, 0, 2, 1, Qt::AlignTop);
  capaPanel->addWidget(nombre, 0, 1);
  capaPanel->addWidget(version, 1, 1);
  capaPanel->addWidget(descripcion, 2, 0, 1, 2);

  auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
  cerrar->setObjectName("OKButton");
  cerrar->setDefault(true);
  connect(cerrar, &QPushButton::clicked, this, &QDialog::accept);

  auto* capa = new QVBoxLayout(this);
  capa->addWidget(panel);
  capa->addWidget(cerrar, 0, Qt::AlignHCenter);
  setFixedSize(340, 240);
}
