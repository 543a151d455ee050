// CompararAutomatas: the dialog's field and buttons; the verdict and the two traced diagrams.
#include "ui/CompararAutomatas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/CompararAutomataLogica.h"
#include "app/ExportarDiagrama.h"
#include "ui/Ayuda.h"
#include "ui/Componentes.h"
#include "ui/TextoQt.h"
#include "ui/VistaDiagrama.h"
#include "ui/Modal.h"

TFelegirComparacion::TFelegirComparacion(QWidget* padre) : QDialog(padre) {
  setObjectName("TFelegirComparacion");
  setWindowTitle(DeCp1252(TFelegirComparacionLogica::kCaption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* etiqueta = CrearEtiqueta(this, "EtiquetaExpresion", DeCp1252(TFelegirComparacionLogica::kEtiqueta));
  m_expresion = new QLineEdit(this);
  m_expresion->setObjectName("TextoExpresion");
  m_expresion->setPlaceholderText(QStringLiteral("(a|b)*ab"));
  etiqueta->setBuddy(m_expresion);

  auto* archivo = CrearBoton(this, "BotonArchivo", QStringLiteral("Archivo..."),
                             QStringLiteral("Comparar con un autómata guardado (.json, .jff)"));
  auto* aceptar = CrearBoton(this, "BtnAceptar", QStringLiteral("Aceptar"));
  aceptar->setDefault(true);
  auto* cancelar = CrearBoton(this, "BtnCancelar", QStringLiteral("Cancelar"));
  connect(aceptar, &QPushButton::clicked, this, [this] {
    if (!m_dialogo) return;
    m_dialogo->PonerTextoExpresion(ACp1252(m_expresion->text()));
    if (m_dialogo->BtnAceptarClick(*m_interaccion)) accept();
  });
  connect(archivo, &QPushButton::clicked, this, [this] {
    if (m_dialogo && m_dialogo->BotonArchivoClick(*m_interaccion)) accept();
  });
  connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

  auto* capa = new QVBoxLayout(this);
  capa->addWidget(etiqueta);
  capa->addWidget(m_expresion);
  auto* botones = new QHBoxLayout;
  botones->addWidget(archivo);
  botones->addStretch(1);
  botones->addWidget(aceptar);
  botones->addWidget(cancelar);
  capa->addLayout(botones);
  resize(420, sizeHint().height());
}

TRespuesta TFelegirComparacion::Elegir(TFelegirComparacionLogica& dialogo, TInteraccion& interaccion) {
  m_dialogo = &dialogo;
  m_interaccion = &interaccion;
  m_expresion->setText(DeCp1252(dialogo.TextoExpresion()));
  m_expresion->setFocus();
  const int resultado = EjecutarModal(*this);
  m_dialogo = nullptr;
  m_interaccion = nullptr;
  return resultado == QDialog::Accepted ? TRespuesta::Ok : TRespuesta::Cancelar;
}

namespace {

// One side: its name and whether it accepts the witness above its diagram.
TVistaDiagrama* Lado(QSplitter* division, const char* nombre, const QString& titulo,
                     const TDiagrama& diagrama, TInteraccion& interaccion) {
  auto* lado = new QWidget(division);
  auto* capa = new QVBoxLayout(lado);
  capa->setContentsMargins(0, 0, 0, 0);
  auto* etiqueta = CrearEtiqueta(lado, nombre, titulo);
  QFont negrita = etiqueta->font();
  negrita.setBold(true);
  etiqueta->setFont(negrita);
  etiqueta->setWordWrap(true);
  capa->addWidget(etiqueta);
  auto* vista = new TVistaDiagrama(lado);
  vista->setObjectName(QString::fromLatin1(nombre) + QStringLiteral("Diagrama"));
  vista->PonerExportar([&interaccion](const TDiagrama& d) { ExportarDiagramaClick(interaccion, d); });
  vista->Mostrar(diagrama);
  capa->addWidget(vista, 1);
  return vista;
}

// Traces `cadena` to its end on `vista` as a user would: typed in "Probar cadena", then "Fin".
void Trazar(TVistaDiagrama* vista, const QString& cadena) {
  if (auto* campo = vista->findChild<QLineEdit*>(QStringLiteral("ProbarCadena"))) campo->setText(cadena);
  if (auto* fin = vista->findChild<QPushButton*>(QStringLiteral("BotonFin"))) fin->click();
}

}  // namespace

TFcomparar::TFcomparar(const TFcompararLogica& ventana, TAyuda& ayuda, TInteraccion& interaccion, QWidget* padre)
    : QDialog(padre) {
  setObjectName("TFcomparar");
  setWindowTitle(DeCp1252(TFcompararLogica::kCaption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* capa = new QVBoxLayout(this);
  QStringList lineas;
  for (const auto& linea : ventana.Lineas()) lineas << DeCp1252(linea).toHtmlEscaped();
  if (!lineas.isEmpty()) lineas.front() = QStringLiteral("<b>%1</b>").arg(lineas.front());
  auto* veredicto = CrearEtiqueta(this, "Veredicto", lineas.join(QStringLiteral("<br>")));
  veredicto->setTextFormat(Qt::RichText);
  veredicto->setTextInteractionFlags(Qt::TextSelectableByMouse);
  capa->addWidget(veredicto);
  auto* explicacion = CrearEtiqueta(this, "Explicacion", DeCp1252(ventana.Explicacion()));
  explicacion->setWordWrap(true);
  capa->addWidget(explicacion);

  if (ventana.HayTestigo()) {
    const bool aceptaA = ventana.Comparacion().aceptaA;
    const auto titulo = [](const std::string& nombre, bool acepta) {
      return QStringLiteral("%1 — %2 el testigo").arg(DeCp1252(nombre), acepta ? QStringLiteral("acepta")
                                                                                : QStringLiteral("rechaza"));
    };
    auto* division = new QSplitter(Qt::Horizontal, this);
    division->setObjectName("Division");
    division->setChildrenCollapsible(false);
    m_vistaA = Lado(division, "LadoA", titulo(ventana.NombreA(), aceptaA), ventana.DiagramaA(), interaccion);
    m_vistaB = Lado(division, "LadoB", titulo(ventana.NombreB(), !aceptaA), ventana.DiagramaB(), interaccion);
    capa->addWidget(division, 1);
    const QString testigo = DeCp1252(ventana.CadenaTestigo());
    Trazar(m_vistaA, testigo);
    Trazar(m_vistaB, testigo);
  }

  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  auto* botonAyuda = CrearBotonAyuda(this);
  connect(botonAyuda, &QPushButton::clicked, this,
          [&ayuda] { ayuda.Tema(ArchivoAyuda, QStringLiteral("IDH_Comparar")); });
  auto* cerrar = CrearBoton(this, "BitBtn1", QStringLiteral("Cerrar"));
  connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
  botones->addWidget(botonAyuda);
  botones->addWidget(cerrar);
  capa->addLayout(botones);
  if (ventana.HayTestigo())
    resize(920, 560);
  else
    resize(420, sizeHint().height());
}
