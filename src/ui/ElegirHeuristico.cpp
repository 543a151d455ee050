// ElegirHeuristico: radio buttons, the K field and the bound list; every decision is the
// logic objects'. The forms only show their state and forward the clicks.
#include "ui/ElegirHeuristico.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/ElegirCotaSLogica.h"
#include "app/ElegirHeuristicoLogica.h"
#include "app/InteraccionIM1.h"
#include "ui/Ayuda.h"
#include "ui/Componentes.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

namespace {

constexpr std::array<THeuristico, 4> kHeuristicos = {THeuristico::Levine, THeuristico::Miclet,
                                                     THeuristico::K_Sufijos, THeuristico::OtroH};
constexpr std::array<const char*, 4> kNombres = {"Levine", "Miclet", "K_Sufijos", "OtroH"};
// The spin field's upper end when the logic sets no limit.
constexpr int kSinLimite = 1 << 30;
constexpr int kAltoItemCota = 16;

}  // namespace

TFelegirHeuristico::TFelegirHeuristico(TAyuda& ayuda, QWidget* padre) : QDialog(padre), m_ayuda(ayuda) {
  setObjectName("TFelegirHeuristico");
  setWindowTitle(DeCp1252(TFelegirHeuristicoLogica::kCaption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  m_label1 = CrearEtiqueta(this, "Label1", DeCp1252(TFelegirHeuristicoLogica::kLabel1));
  m_grupo = new QButtonGroup(this);
  auto* opciones = new QVBoxLayout;
  opciones->addWidget(m_label1);
  for (std::size_t i = 0; i < kHeuristicos.size(); ++i) {
    auto* radio = new QRadioButton(DeCp1252(TFelegirHeuristicoLogica::Texto(kHeuristicos[i])), this);
    radio->setObjectName(kNombres[i]);
    m_grupo->addButton(radio, static_cast<int>(i));
    opciones->addWidget(radio);
    m_opciones[i] = radio;
  }
  opciones->addStretch(1);
  connect(m_grupo, &QButtonGroup::idClicked, this, [this](int id) {
    if (!m_dialogo) return;
    switch (kHeuristicos[static_cast<std::size_t>(id)]) {
      case THeuristico::Levine: m_dialogo->LevineClick(); break;
      case THeuristico::Miclet: m_dialogo->MicletClick(); break;
      case THeuristico::K_Sufijos: m_dialogo->K_SufijosClick(); break;
      case THeuristico::OtroH: break;  // no handler
    }
    Refrescar();
  });

  m_labelK = CrearEtiqueta(this, "LabelK", DeCp1252(TFelegirHeuristicoLogica::kLabelK));
  m_parametroK = new QSpinBox(this);
  m_parametroK->setObjectName("parametroK");
  m_labelK->setBuddy(m_parametroK);
  connect(m_parametroK, &QSpinBox::valueChanged, this, [this](int valor) {
    if (m_dialogo) m_dialogo->PonerValorK(valor);
  });
  auto* campoK = new QHBoxLayout;
  campoK->addWidget(m_labelK);
  campoK->addWidget(m_parametroK);
  campoK->addStretch(1);

  auto* aceptar = CrearBoton(this, "BtnAceptar", QStringLiteral("Aceptar"));
  aceptar->setDefault(true);
  connect(aceptar, &QPushButton::clicked, this, &TFelegirHeuristico::BtnAceptarClick);
  auto* cancelar = CrearBoton(this, "BtnCancelar", QStringLiteral("Cancelar"));
  connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
  auto* ayudaBoton = CrearBotonAyuda(this);
  connect(ayudaBoton, &QPushButton::clicked, this, [this] {
    m_ayuda.Tema(ArchivoAyuda, QString::fromLatin1(TFelegirHeuristicoLogica::kTemaAyuda));
  });
  auto* botones = new QVBoxLayout;
  for (QPushButton* b : {aceptar, cancelar, ayudaBoton}) botones->addWidget(b);
  botones->addStretch(1);

  auto* izquierda = new QVBoxLayout;
  izquierda->addLayout(opciones, 1);
  izquierda->addLayout(campoK);
  auto* capa = new QHBoxLayout(this);
  capa->addLayout(izquierda, 1);
  capa->addLayout(botones);
  setFixedSize(368, 229);
}

TRespuesta TFelegirHeuristico::Elegir(TFelegirHeuristicoLogica& dialogo, TInteraccionIM1& interaccion) {
  m_dialogo = &dialogo;
  m_interaccion = &interaccion;
  dialogo.FormShow();
  m_grupo->setExclusive(false);  // so that no button stays checked
  for (QAbstractButton* b : m_opciones) b->setChecked(false);
  m_grupo->setExclusive(true);
  {
    const QSignalBlocker bloqueo(m_parametroK);
    m_parametroK->setRange(dialogo.MinimoK(), dialogo.MaximoK() == 0 ? kSinLimite : dialogo.MaximoK());
    m_parametroK->setValue(dialogo.ValorK());
  }
  Refrescar();
  const int resultado = EjecutarModal(*this);
  m_dialogo = nullptr;
  m_interaccion = nullptr;
  return resultado == QDialog::Accepted ? TRespuesta::Ok : TRespuesta::Cancelar;
}

void TFelegirHeuristico::Refrescar() {
  m_label1->setEnabled(m_dialogo->Label1Habilitado());
  for (std::size_t i = 0; i < kHeuristicos.size(); ++i) m_opciones[i]->setEnabled(m_dialogo->Habilitado(kHeuristicos[i]));
  m_labelK->setEnabled(m_dialogo->LabelKHabilitado());
  m_parametroK->setEnabled(m_dialogo->ParametroKHabilitado());
}

void TFelegirHeuristico::BtnAceptarClick() {
  if (!m_dialogo) return;
  m_parametroK->interpretText();
  m_dialogo->PonerTextoK(ACp1252(m_parametroK->cleanText()));
  m_dialogo->BtnAceptarClick(*m_interaccion);
  accept();
}

TFelegirCotaS::TFelegirCotaS(QWidget* padre) : QDialog(padre) {
  setObjectName("TFelegirCotaS");
  setWindowTitle(DeCp1252(TFelegirCotaSLogica::kCaption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  auto* etiqueta = CrearEtiqueta(this, "Label1", DeCp1252(TFelegirCotaSLogica::kLabel));
  m_listaCotas = new QListWidget(this);
  m_listaCotas->setObjectName("ListaCotas");
  m_listaCotas->setSelectionMode(QAbstractItemView::SingleSelection);
  m_listaCotas->setUniformItemSizes(true);
  etiqueta->setBuddy(m_listaCotas);
  connect(m_listaCotas, &QListWidget::itemSelectionChanged, this, [this] {
    if (!m_dialogo) return;
    const auto elegidos = m_listaCotas->selectionModel()->selectedRows();
    m_dialogo->Seleccionar(elegidos.isEmpty() ? std::nullopt
                                              : std::optional<std::size_t>(static_cast<std::size_t>(elegidos.first().row())));
  });

  auto* aceptar = CrearBoton(this, "BtnAceptar", QStringLiteral("Aceptar"));
  aceptar->setDefault(true);
  connect(aceptar, &QPushButton::clicked, this, &TFelegirCotaS::BtnAceptarClick);

  auto* capa = new QVBoxLayout(this);
  capa->addWidget(etiqueta);
  capa->addWidget(m_listaCotas, 1);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(aceptar);
  capa->addLayout(botones);
  setFixedSize(319, 224);
}

TRespuesta TFelegirCotaS::Elegir(TFelegirCotaSLogica& dialogo, TInteraccionIM1& interaccion) {
  m_dialogo = &dialogo;
  m_interaccion = &interaccion;
  dialogo.FormShow();
  {
    const QSignalBlocker bloqueo(m_listaCotas);
    m_listaCotas->clear();
    for (const QString& cota : DeLista(dialogo.ListaCotas())) {
      auto* item = new QListWidgetItem(cota, m_listaCotas);
      item->setSizeHint(QSize(m_listaCotas->fontMetrics().horizontalAdvance(cota) + 8, kAltoItemCota));
    }
  }
  const int resultado = EjecutarModal(*this);
  m_dialogo = nullptr;
  m_interaccion = nullptr;
  return resultado == QDialog::Accepted ? TRespuesta::Ok : TRespuesta::Cancelar;
}

void TFelegirCotaS::BtnAceptarClick() {
  if (m_dialogo) m_dialogo->BtnAceptarClick(*m_interaccion);
  accept();
}
