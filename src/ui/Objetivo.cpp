// Objetivo: the generation dialog and the target's window.
#include "ui/Objetivo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "diagram/DiagramaAutomataFinito.h"
#include "ui/TextoQt.h"
#include "ui/VistaDiagrama.h"

namespace {

QSpinBox* Numero(QWidget* padre, const char* nombre, int maximo) {
  auto* caja = new QSpinBox(padre);
  caja->setObjectName(nombre);
  caja->setRange(0, maximo);
  return caja;
}

}  // namespace

TFgenerarMuestras::TFgenerarMuestras(QWidget* padre) : QDialog(padre) {
  setObjectName("TFgenerarMuestras");
  setWindowTitle(QStringLiteral("Generar muestras"));
  auto* formulario = new QFormLayout;
  m_positivos = Numero(this, "Positivos", 100000);
  m_negativos = Numero(this, "Negativos", 100000);
  m_test = Numero(this, "Test", 100000);
  m_longitud = Numero(this, "Longitud", 1000);
  m_semilla = new QLineEdit(this);
  m_semilla->setObjectName("Semilla");
  m_semilla->setValidator(new QIntValidator(0, 2147483647, m_semilla));
  m_semilla->setToolTip(QStringLiteral("La misma semilla da las mismas muestras"));
  m_caracteristica = new QComboBox(this);
  m_caracteristica->setObjectName("Caracteristica");
  m_caracteristica->addItems({QStringLiteral("Ninguna (solo al azar)"), QStringLiteral("RPNI"),
                              QStringLiteral("KR con el k de abajo")});
  m_k = Numero(this, "K", 20);
  formulario->addRow(QStringLiteral("Ejemplos positivos:"), m_positivos);
  formulario->addRow(QStringLiteral("Ejemplos negativos:"), m_negativos);
  formulario->addRow(QStringLiteral("Ejemplos de test:"), m_test);
  formulario->addRow(QStringLiteral("Longitud máxima:"), m_longitud);
  formulario->addRow(QStringLiteral("Semilla:"), m_semilla);
  formulario->addRow(QStringLiteral("Muestra característica:"), m_caracteristica);
  formulario->addRow(QStringLiteral("k:"), m_k);
  auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
  botones->button(QDialogButtonBox::Ok)->setObjectName("BtnAceptar");
  botones->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  botones->button(QDialogButtonBox::Cancel)->setObjectName("BtnCancelar");
  connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(new QLabel(QStringLiteral("Las muestras positiva, negativa y de test de la sesión se\n"
                                               "reemplazan por cadenas sacadas del objetivo."),
                                this));
  columna->addLayout(formulario);
  columna->addWidget(botones);
}

void TFgenerarMuestras::Poner(const TDatosGeneracion& datos) {
  m_positivos->setValue(static_cast<int>(datos.positivos));
  m_negativos->setValue(static_cast<int>(datos.negativos));
  m_test->setValue(static_cast<int>(datos.test));
  m_longitud->setValue(static_cast<int>(datos.longitud));
  m_semilla->setText(QString::number(datos.semilla));
  m_caracteristica->setCurrentIndex(static_cast<int>(datos.caracteristica));
  m_k->setValue(datos.k);
}

bool TFgenerarMuestras::Pedir(TDatosGeneracion& datos) {
  Poner(datos);
  if (exec() != QDialog::Accepted) return false;
  datos.positivos = static_cast<std::size_t>(m_positivos->value());
  datos.negativos = static_cast<std::size_t>(m_negativos->value());
  datos.test = static_cast<std::size_t>(m_test->value());
  datos.longitud = static_cast<std::size_t>(m_longitud->value());
  datos.semilla = m_semilla->text().toULongLong();
  datos.caracteristica = static_cast<TCaracteristica>(m_caracteristica->currentIndex());
  datos.k = m_k->value();
  return true;
}

TFverObjetivo::TFverObjetivo(const TVerObjetivo& ver, QWidget* padre) : QDialog(padre) {
  setObjectName("TFverObjetivo");
  setWindowTitle(DeCp1252(ver.caption));
  auto* vista = new TVistaDiagrama(this);
  vista->setObjectName("DiagramaObjetivo");
  vista->Mostrar(DiagramaDeAutomataFinito(ver.minimo));
  QStringList lineas;
  for (const auto& linea : ver.lineas) lineas << DeCp1252(linea);
  auto* texto = new QLabel(lineas.join('\n'), this);
  texto->setObjectName("TextoObjetivo");
  texto->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
  cerrar->setObjectName("BitBtn1");
  connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(vista, 1);
  columna->addWidget(texto);
  auto* fila = new QHBoxLayout;
  fila->addStretch(1);
  fila->addWidget(cerrar);
  columna->addLayout(fila);
  resize(560, 460);
}
