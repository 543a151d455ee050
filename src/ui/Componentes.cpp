// Componentes: memos, fields, buttons and the result window skeleton.
#include "ui/Componentes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/exportar/ExportarDiagrama.h"
#include "ui/Rejilla.h"
#include "ui/TextoQt.h"
#include "ui/VistaDiagrama.h"

namespace {

QFont Negrita(const QWidget* w) {
  QFont f = w->font();
  f.setBold(true);
  return f;
}

}  // namespace

QLineEdit* CrearMemo(QWidget* padre, const char* nombre) {
  auto* memo = new QLineEdit(padre);
  memo->setObjectName(nombre);
  memo->setReadOnly(true);
  memo->setFrame(false);
  memo->setFocusPolicy(Qt::ClickFocus);  // shown windows do not start with a memo selected
  memo->setFont(Negrita(memo));
  memo->setMaxLength(std::numeric_limits<int>::max());
  QPalette colores = memo->palette();
  colores.setColor(QPalette::Base, colores.color(QPalette::Window));
  memo->setPalette(colores);
  return memo;
}

void PonerTextoMemo(QLineEdit* memo, const std::string& texto) {
  memo->setText(DeCp1252(texto));
  memo->setCursorPosition(0);
}

QLineEdit* CrearTextoRojo(QWidget* padre, const char* nombre, const QString& texto) {
  QLineEdit* campo = CrearMemo(padre, nombre);
  QPalette colores = campo->palette();
  colores.setColor(QPalette::Text, Qt::red);
  campo->setPalette(colores);
  campo->setText(texto);
  return campo;
}

QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QString& texto) {
  auto* etiqueta = new QLabel(texto, padre);
  etiqueta->setObjectName(nombre);
  return etiqueta;
}

QPushButton* CrearBoton(QWidget* padre, const char* nombre, const QString& texto, const QString& pista) {
  auto* boton = new QPushButton(texto, padre);
  boton->setObjectName(nombre);
  boton->setAutoDefault(false);
  if (!pista.isEmpty()) boton->setToolTip(pista);
  return boton;
}

QPushButton* CrearBotonImprimir(QWidget* padre) {
  QPushButton* boton = CrearBoton(padre, "BotonImprimir", QStringLiteral("Imprimir"), QStringLiteral("Imprimir datos"));
  boton->setEnabled(false);
  return boton;
}

QPushButton* CrearBotonAyuda(QWidget* padre, bool soloImagen) {
  QPushButton* boton = CrearBoton(padre, "BotonAyuda", soloImagen ? QString() : QStringLiteral("Ayuda    "));
  boton->setIcon(padre->style()->standardIcon(QStyle::SP_DialogHelpButton));
  return boton;
}

TVentanaResultado::TVentanaResultado(const char* nombre, const QString& caption, QSize tamano,
                                     std::initializer_list<TFilaMemo> filas, const QString& textoEsquina,
                                     QWidget* padre)
    : QDialog(padre) {
  setObjectName(nombre);
  setWindowTitle(caption);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  m_memos = new QGridLayout;
  m_memos->setColumnStretch(1, 1);
  int fila = 0;
  for (const auto& f : filas) {
    m_memos->addWidget(CrearEtiqueta(this, f.etiqueta, QString::fromUtf8(f.texto)), fila, 0);
    m_listaMemos.push_back(CrearMemo(this, f.memo));
    m_memos->addWidget(m_listaMemos.back(), fila, 1);
    ++fila;
  }

  m_rejilla = new TRejilla(textoEsquina, this);
  auto* izquierda = new QWidget(this);
  m_cuerpo = new QVBoxLayout(izquierda);
  m_cuerpo->setContentsMargins(0, 0, 0, 0);
  m_cuerpo->addLayout(m_memos);
  m_cuerpo->addWidget(CrearEtiqueta(this, "Label1", QStringLiteral("Función de Transición: ")));
  m_cuerpo->addWidget(m_rejilla, 1);

  m_vista = new TVistaDiagrama(this);
  auto* division = new QSplitter(Qt::Horizontal, this);
  division->setObjectName(QStringLiteral("DivisionDiagrama"));
  division->setChildrenCollapsible(false);
  division->addWidget(izquierda);
  division->addWidget(m_vista);
  division->setStretchFactor(0, 1);
  division->setStretchFactor(1, 1);

  m_botones = new QVBoxLayout;
  auto* capa = new QHBoxLayout(this);
  capa->addWidget(division, 1);
  capa->addLayout(m_botones);
  setSizeGripEnabled(true);
  setMinimumSize(tamano);
  resize(tamano.width() + 480, std::max(tamano.height(), 460));
  division->setSizes({tamano.width() - 100, 480});

  // a row of the table and a state of the diagram select each other
  connect(m_rejilla->selectionModel(), &QItemSelectionModel::selectionChanged, m_vista, [this] {
    const QModelIndexList elegidas = m_rejilla->selectionModel()->selectedIndexes();
    m_vista->SeleccionarEstado(elegidas.isEmpty() ? -1 : elegidas.first().row());
  });
  connect(m_vista, &TVistaDiagrama::EstadoElegido, m_rejilla, [this](int estado) {
    if (estado >= 0 && estado < m_rejilla->model()->rowCount()) m_rejilla->setCurrentIndex(m_rejilla->model()->index(estado, 0));
  });
}

void TVentanaResultado::MostrarDiagrama(TDiagrama diagrama, TInteraccion& interaccion) {
  m_vista->PonerExportar([&interaccion](const TDiagrama& d) { ExportarDiagramaClick(interaccion, d); });
  m_vista->Mostrar(std::move(diagrama));
}

QLineEdit* TVentanaResultado::Memo(int fila) const { return m_listaMemos.at(static_cast<std::size_t>(fila)); }

QPushButton* TVentanaResultado::AnadirBoton(const char* nombre, const QString& texto, const QString& pista,
                                            std::function<void()> accion) {
  QPushButton* boton = CrearBoton(this, nombre, texto, pista);
  connect(boton, &QPushButton::clicked, this, std::move(accion));
  m_botones->addWidget(boton);
  return boton;
}

void TVentanaResultado::Rellenar(std::initializer_list<std::reference_wrapper<const std::string>> textos,
                                 const TTablaTexto& tabla) {
  int fila = 0;
  for (const std::string& texto : textos) PonerTextoMemo(Memo(fila++), texto);
  m_rejilla->PonerTabla(tabla);
  if (auto* cerrar = findChild<QPushButton*>(QStringLiteral("BitBtn1"))) cerrar->setFocus();
}
