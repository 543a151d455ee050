// Componentes: memos, fields, buttons and the result window skeleton.
#include "ui/Componentes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <limits>

#include "ui/Rejilla.h"
#include "ui/TextoQt.h"

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
  m_cuerpo = new QVBoxLayout;
  m_cuerpo->addLayout(m_memos);
  m_cuerpo->addWidget(CrearEtiqueta(this, "Label1", QStringLiteral("Función de Transición: ")));
  m_cuerpo->addWidget(m_rejilla, 1);

  m_botones = new QVBoxLayout;
  auto* capa = new QHBoxLayout(this);
  capa->addLayout(m_cuerpo, 1);
  capa->addLayout(m_botones);
  setFixedSize(tamano);
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
