// VistaDiagrama: scene items from the layout's numbers (one scene unit per point), a
// trace that only re-colours them, and the layout run on Qt's thread pool.
#include "ui/VistaDiagrama.h"

#include <QBrush>
#include <QGraphicsEllipseItem>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QSocketNotifier>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "diagram/DisposicionAparte.h"
#include "inference/AlgoritmoKR.h"
#include "ui/Componentes.h"
#include "ui/TextoQt.h"

namespace {

const QColor kColorActual("#ffd966");     // current states of the trace
const QColor kColorRecorrido("#c0392b");  // edges just taken
const QColor kColorSeleccion("#1f6fd1");  // the selected state
const QColor kColorAtascado("#f1948a");   // where a rejected walk got stuck
constexpr double kEscalaMinima = 0.01;
constexpr double kEscalaMaxima = 20;

// A label or state name as the drawing writes it: a blank symbol would be invisible, so it
// is "␣" (the ", " between symbols stays). Situation/action pairs keep their own blanks.
QString TextoVisible(const std::string& texto, const TDiagrama& diagrama) {
  if (diagrama.paresSA) return DeCp1252(texto);
  return DeCp1252(texto)
      .replace(QStringLiteral(", "), QStringLiteral("\x1F"))
      .replace(QLatin1Char(' '), QChar(0x2423))
      .replace(QStringLiteral("\x1F"), QStringLiteral(", "));
}
constexpr int kRolEstado = 0;             // item data: index of the state

QPainterPath Camino(const TAristaDispuesta& arista) {
  QPainterPath camino;
  if (arista.curva.empty()) return camino;
  camino.moveTo(arista.curva[0].x, arista.curva[0].y);
  for (std::size_t i = 1; i + 2 < arista.curva.size(); i += 3)
    camino.cubicTo(arista.curva[i].x, arista.curva[i].y, arista.curva[i + 1].x, arista.curva[i + 1].y,
                   arista.curva[i + 2].x, arista.curva[i + 2].y);
  return camino;
}

// The arrowhead from the curve's end to the tip.
QPolygonF Punta(const TAristaDispuesta& arista) {
  if (arista.curva.empty() || !arista.punta) return {};
  const QPointF base(arista.curva.back().x, arista.curva.back().y);
  const QPointF punta(arista.punta->x, arista.punta->y);
  const QPointF eje = punta - base;
  const double largo = std::hypot(eje.x(), eje.y());
  if (largo < 1e-6) return {};
  const QPointF normal(-eje.y() / largo * largo * 0.35, eje.x() / largo * largo * 0.35);
  return QPolygonF({punta, base + normal, base - normal});
}

QGraphicsSimpleTextItem* TextoCentrado(QGraphicsScene* escena, const QString& texto, QPointF centro, double tamano) {
  auto* item = escena->addSimpleText(texto);
  QFont fuente(QStringLiteral("Sans Serif"));
  fuente.setPointSizeF(tamano);
  item->setFont(fuente);
  const QRectF caja = item->boundingRect();
  item->setPos(centro - QPointF(caja.width() / 2, caja.height() / 2));
  return item;
}

QString ListaPrefijos(const TEstadoDiagrama& estado) {
  QStringList prefijos;
  for (const auto& prefijo : estado.prefijos) prefijos << DeCp1252(prefijo);
  return DeCp1252(estado.nombre) + QStringLiteral(" = { ") + prefijos.join(QStringLiteral(", ")) + QStringLiteral(" }");
}

}  // namespace

TLienzoDiagrama::TLienzoDiagrama(QWidget* padre) : QGraphicsView(padre) {
  setObjectName(QStringLiteral("LienzoDiagrama"));
  setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setBackgroundBrush(Qt::white);
}

void TLienzoDiagrama::Ampliar(double factor) {
  const double escala = transform().m11() * factor;
  if ((escala < kEscalaMinima && factor < 1) || (escala > kEscalaMaxima && factor > 1)) return;
  m_ajustado = false;
  scale(factor, factor);
}

void TLienzoDiagrama::Ajustar() {
  m_ajustado = true;
  if (scene() == nullptr) return;
  fitInView(scene()->sceneRect(), Qt::KeepAspectRatio);
  // never enlarge a small automaton beyond twice its size
  if (transform().m11() > 2) setTransform(QTransform::fromScale(2, 2));
}

void TLienzoDiagrama::resizeEvent(QResizeEvent* evento) {
  QGraphicsView::resizeEvent(evento);
  if (m_ajustado) Ajustar();
}

void TLienzoDiagrama::wheelEvent(QWheelEvent* evento) {
  const int grados = evento->angleDelta().y();
  if (grados == 0) return QGraphicsView::wheelEvent(evento);
  Ampliar(std::pow(1.0015, grados));
  evento->accept();
}

void TLienzoDiagrama::mousePressEvent(QMouseEvent* evento) {
  for (QGraphicsItem* item = itemAt(evento->position().toPoint()); item != nullptr; item = item->parentItem())
    if (item->data(kRolEstado).isValid()) {
      emit EstadoPulsado(item->data(kRolEstado).toInt());
      break;
    }
  QGraphicsView::mousePressEvent(evento);
}

TVistaDiagrama::TVistaDiagrama(QWidget* padre) : QWidget(padre) {
  setObjectName(QStringLiteral("VistaDiagrama"));
  m_segundos = new QTimer(this);
  m_segundos->setInterval(1000);
  connect(m_segundos, &QTimer::timeout, this, [this] {
    m_aviso->setText(QStringLiteral("Dibujando el diagrama (%1 s)...").arg(m_reloj.elapsed() / 1000));
  });

  // the drawing, or while there is none, a notice
  m_paginas = new QStackedWidget(this);
  auto* paginaAviso = new QWidget(m_paginas);
  auto* capaAviso = new QVBoxLayout(paginaAviso);
  m_aviso = new QLabel(paginaAviso);
  m_aviso->setObjectName(QStringLiteral("AvisoDiagrama"));
  m_aviso->setAlignment(Qt::AlignCenter);
  m_aviso->setWordWrap(true);
  m_dibujarTodos = CrearBoton(paginaAviso, "BotonDibujarDiagrama", QStringLiteral("Dibujar de todos modos"));
  connect(m_dibujarTodos, &QPushButton::clicked, this, &TVistaDiagrama::DibujarDeTodosModos);
  m_progreso = new QProgressBar(paginaAviso);
  m_progreso->setObjectName(QStringLiteral("ProgresoDiagrama"));
  m_progreso->setRange(0, 0);  // Graphviz says nothing of how far it is: a busy bar
  m_progreso->setMaximumWidth(260);
  m_progreso->hide();
  m_cancelarDibujo = CrearBoton(paginaAviso, "BotonCancelarDibujo", QStringLiteral("Cancelar"),
                                QStringLiteral("Dejar de dibujar el diagrama"));
  m_cancelarDibujo->hide();
  connect(m_cancelarDibujo, &QPushButton::clicked, this, &TVistaDiagrama::CancelarDibujo);
  capaAviso->addStretch(1);
  capaAviso->addWidget(m_aviso);
  capaAviso->addWidget(m_progreso, 0, Qt::AlignCenter);
  capaAviso->addWidget(m_dibujarTodos, 0, Qt::AlignCenter);
  capaAviso->addWidget(m_cancelarDibujo, 0, Qt::AlignCenter);
  capaAviso->addStretch(1);
  m_lienzo = new TLienzoDiagrama(m_paginas);
  m_escena = new QGraphicsScene(this);
  m_lienzo->setScene(m_escena);
  m_paginas->addWidget(paginaAviso);
  m_paginas->addWidget(m_lienzo);
  connect(m_lienzo, &TLienzoDiagrama::EstadoPulsado, this, [this](int estado) {
    SeleccionarEstado(estado);
    emit EstadoElegido(estado);
  });

  // zoom and export
  auto* herramientas = new QHBoxLayout;
  auto* ampliar = CrearBoton(this, "BotonAmpliar", QStringLiteral("+"), QStringLiteral("Ampliar"));
  auto* reducir = CrearBoton(this, "BotonReducir", QStringLiteral("−"), QStringLiteral("Reducir"));
  auto* ajustar = CrearBoton(this, "BotonAjustar", QStringLiteral("Ajustar"), QStringLiteral("Ver todo el diagrama"));
  auto* exportar = CrearBoton(this, "BotonExportarDiagrama", QStringLiteral("Exportar diagrama"),
                              QStringLiteral("Guardar el diagrama como .svg, .png, .dot, .tex, .json o .jff (JFLAP)"));
  for (QPushButton* b : {ampliar, reducir}) b->setFixedWidth(32);
  connect(ampliar, &QPushButton::clicked, this, [this] { m_lienzo->Ampliar(1.25); });
  connect(reducir, &QPushButton::clicked, this, [this] { m_lienzo->Ampliar(0.8); });
  connect(ajustar, &QPushButton::clicked, this, [this] { m_lienzo->Ajustar(); });
  connect(exportar, &QPushButton::clicked, this, [this] {
    if (m_exportar) m_exportar(m_diagrama);
  });
  herramientas->addWidget(CrearEtiqueta(this, "EtiquetaDiagrama", QStringLiteral("Diagrama: ")));
  herramientas->addStretch(1);
  for (QPushButton* b : {ampliar, reducir, ajustar, exportar}) herramientas->addWidget(b);

  // the trace
  m_filaPrueba = new QWidget(this);
  auto* prueba = new QHBoxLayout(m_filaPrueba);
  prueba->setContentsMargins(0, 0, 0, 0);
  m_cadena = new QLineEdit(this);
  m_cadena->setObjectName(QStringLiteral("ProbarCadena"));
  m_cadena->setPlaceholderText(QStringLiteral("cadena"));
  connect(m_cadena, &QLineEdit::textChanged, this, &TVistaDiagrama::NuevaCadena);
  // Enter reads the whole string at once
  connect(m_cadena, &QLineEdit::returnPressed, this, [this] {
    m_probando = true;
    IrAPaso(m_recorrido.UltimoPaso());
  });
  prueba->addWidget(CrearEtiqueta(this, "EtiquetaProbarCadena", QStringLiteral("Probar cadena: ")));
  prueba->addWidget(m_cadena, 1);
  m_marca = CrearEtiqueta(this, "MarcaAnadida", QString());
  m_marca->hide();
  prueba->addWidget(m_marca);
  const struct {
    const char* nombre;
    const char* texto;
    const char* pista;
    std::function<std::size_t(TVistaDiagrama&)> paso;
  } botones[] = {
      {"BotonInicio", "|◀", "Inicio", [](TVistaDiagrama&) { return std::size_t{0}; }},
      {"BotonAnterior", "◀", "Anterior", [](TVistaDiagrama& v) { return v.m_paso == 0 ? 0 : v.m_paso - 1; }},
      {"BotonSiguiente", "▶", "Siguiente", [](TVistaDiagrama& v) { return v.m_paso + 1; }},
      {"BotonFin", "▶|", "Fin", [](TVistaDiagrama& v) { return v.m_recorrido.UltimoPaso(); }},
  };
  for (const auto& b : botones) {
    auto* boton = CrearBoton(this, b.nombre, QString::fromUtf8(b.texto), QString::fromUtf8(b.pista));
    boton->setFixedWidth(36);
    connect(boton, &QPushButton::clicked, this, [this, paso = b.paso] {
      m_probando = true;
      IrAPaso(paso(*this));
    });
    prueba->addWidget(boton);
  }
  m_veredicto = new QLabel(this);
  m_veredicto->setObjectName(QStringLiteral("Veredicto"));
  m_veredicto->setMinimumWidth(72);
  QFont negrita = m_veredicto->font();
  negrita.setBold(true);
  m_veredicto->setFont(negrita);
  prueba->addWidget(m_veredicto);
  m_simbolos = new QLabel(this);
  m_simbolos->setObjectName(QStringLiteral("SimbolosLeidos"));
  m_simbolos->setTextFormat(Qt::RichText);
  m_simbolos->setWordWrap(true);
  m_motivo = new QLabel(this);
  m_motivo->setObjectName(QStringLiteral("MotivoRechazo"));
  m_motivo->setWordWrap(true);
  QPalette rojo = m_motivo->palette();
  rojo.setColor(QPalette::WindowText, QColor("#c0392b"));
  m_motivo->setPalette(rojo);

  auto* capa = new QVBoxLayout(this);
  capa->setContentsMargins(0, 0, 0, 0);
  capa->addLayout(herramientas);
  capa->addWidget(m_paginas, 1);
  capa->addWidget(m_filaPrueba);
  capa->addWidget(m_simbolos);
  capa->addWidget(m_motivo);
}

// The layout's child process, if any, ends with the window.
TVistaDiagrama::~TVistaDiagrama() = default;

void TVistaDiagrama::PonerAspecto(std::vector<QColor> rellenos, std::vector<QColor> bordes) {
  m_rellenos = std::move(rellenos);
  m_bordes = std::move(bordes);
  Resaltar();
}

void TVistaDiagrama::PonerPistas(std::vector<QString> pistas) {
  m_pistas = std::move(pistas);
  for (std::size_t n = 0; n < m_estados.size() && n < m_pistas.size(); ++n)
    if (!m_pistas[n].isEmpty()) m_estados[n]->setToolTip(m_pistas[n]);
}

void TVistaDiagrama::OcultarPrueba() {
  m_filaPrueba->hide();
  m_simbolos->hide();
  m_motivo->hide();
}

void TVistaDiagrama::Mostrar(TDiagrama diagrama) {
  TerminarDibujo();
  m_diagrama = std::move(diagrama);
  const bool conMarca = std::any_of(m_diagrama.estados.begin(), m_diagrama.estados.end(),
                                    [](const TEstadoDiagrama& e) { return e.marcado; });
  m_textoMarca = conMarca ? kMarcaFinal : std::string();
  m_marca->setText(conMarca ? QStringLiteral("se añade %1").arg(DeCp1252(kMarcaFinal)) : QString());
  m_marca->setToolTip(conMarca ? QStringLiteral("Los ejemplos del aceptor de KR terminan en la marca %1: "
                                                "se añade a la cadena probada")
                                     .arg(DeCp1252(kMarcaFinal))
                               : QString());
  m_marca->setVisible(conMarca);
  m_pistas.clear();
  m_rellenos.clear();
  m_bordes.clear();
  m_dibujado = false;
  m_seleccionado = -1;
  m_escena->clear();
  m_estados.clear();
  m_aristas.clear();
  m_puntas.clear();
  m_paginas->setCurrentIndex(0);
  const QString cuentas = QStringLiteral("%1 estados, %2 transiciones")
                              .arg(m_diagrama.estados.size())
                              .arg(m_diagrama.NumeroDeTransiciones());
  if (DibujoInmediato(m_diagrama)) {
    m_aviso->setText(QStringLiteral("Dibujando el diagrama (%1)...").arg(cuentas));
    m_dibujarTodos->hide();
    DibujarDeTodosModos();
  } else {
    m_aviso->setText(cuentas + QStringLiteral(".\nUn diagrama tan grande tarda en dibujarse."));
    m_dibujarTodos->show();
  }
  NuevaCadena();
}

void TVistaDiagrama::DibujarDeTodosModos() {
  TerminarDibujo();
  m_dibujarTodos->hide();
  m_aviso->setText(QStringLiteral("Dibujando el diagrama..."));
  m_reloj.start();
  m_disposicion = std::make_unique<TDisposicionAparte>(m_diagrama);
  if (m_disposicion->Terminada()) return RecogerDisposicion();
  m_progreso->show();
  m_cancelarDibujo->show();
  m_segundos->start();
  m_notificador = new QSocketNotifier(m_disposicion->Descriptor(), QSocketNotifier::Read, this);
  connect(m_notificador, &QSocketNotifier::activated, this, &TVistaDiagrama::RecogerDisposicion);
}

void TVistaDiagrama::RecogerDisposicion() {
  if (!m_disposicion || !m_disposicion->Leer()) return;
  const auto disposicion = m_disposicion->Resultado();
  TerminarDibujo();
  if (disposicion)
    Dibujar(*disposicion);
  else
    m_aviso->setText(QStringLiteral("Graphviz no pudo dibujar este autómata."));
}

void TVistaDiagrama::TerminarDibujo() {
  if (m_notificador) {
    m_notificador->setEnabled(false);
    m_notificador->deleteLater();
    m_notificador = nullptr;
  }
  m_disposicion.reset();
  m_segundos->stop();
  m_progreso->hide();
  m_cancelarDibujo->hide();
}

void TVistaDiagrama::CancelarDibujo() {
  if (!m_disposicion) return;
  TerminarDibujo();
  m_aviso->setText(QStringLiteral("Dibujo cancelado: %1 estados, %2 transiciones.")
                       .arg(m_diagrama.estados.size())
                       .arg(m_diagrama.NumeroDeTransiciones()));
  m_dibujarTodos->show();
}

void TVistaDiagrama::Dibujar(const TDisposicion& disposicion) {
  m_escena->clear();
  m_estados.clear();
  m_aristas.clear();
  m_puntas.clear();
  const QPen trazo(Qt::black, 1.2);
  for (std::size_t t = 0; t < disposicion.transiciones.size() && t < m_diagrama.transiciones.size(); ++t) {
    const auto& arista = disposicion.transiciones[t];
    m_aristas.push_back(m_escena->addPath(Camino(arista), trazo));
    m_puntas.push_back(m_escena->addPolygon(Punta(arista), trazo, Qt::black));
    if (arista.etiqueta)
      TextoCentrado(m_escena, TextoVisible(m_diagrama.transiciones[t].etiqueta, m_diagrama),
                    QPointF(arista.etiqueta->x, arista.etiqueta->y), 8.5);
  }
  if (disposicion.flechaInicial) {
    m_escena->addPath(Camino(*disposicion.flechaInicial), trazo);
    m_escena->addPolygon(Punta(*disposicion.flechaInicial), trazo, Qt::black);
  }
  for (std::size_t n = 0; n < disposicion.estados.size() && n < m_diagrama.estados.size(); ++n) {
    const auto& nodo = disposicion.estados[n];
    const auto& estado = m_diagrama.estados[n];
    const QRectF caja(nodo.centro.x - nodo.ancho / 2, nodo.centro.y - nodo.alto / 2, nodo.ancho, nodo.alto);
    QPen pluma = trazo;
    if (estado.marcado) pluma.setStyle(Qt::DashLine);
    auto* circulo = m_escena->addEllipse(caja, pluma, Qt::white);
    circulo->setData(kRolEstado, static_cast<int>(n));
    circulo->setToolTip(n < m_pistas.size() && !m_pistas[n].isEmpty() ? m_pistas[n] : ListaPrefijos(estado));
    circulo->setZValue(1);
    if (estado.final) {
      auto* interior = new QGraphicsEllipseItem(caja.adjusted(4, 4, -4, -4), circulo);
      interior->setPen(pluma);
    }
    auto* nombre = TextoCentrado(m_escena, TextoVisible(estado.nombre, m_diagrama), caja.center(), 9.5);
    nombre->setParentItem(circulo);
    nombre->setPos(circulo->mapFromScene(nombre->pos()));
    m_estados.push_back(circulo);
  }
  m_escena->setSceneRect(QRectF(0, 0, disposicion.ancho, disposicion.alto).adjusted(-8, -8, 8, 8));
  m_paginas->setCurrentIndex(1);
  m_dibujado = true;
  m_lienzo->Ajustar();
  Resaltar();
}

void TVistaDiagrama::SeleccionarEstado(int estado) {
  m_seleccionado = estado >= 0 && static_cast<std::size_t>(estado) < m_diagrama.estados.size() ? estado : -1;
  Resaltar();
  if (m_seleccionado >= 0 && static_cast<std::size_t>(m_seleccionado) < m_estados.size())
    m_lienzo->ensureVisible(m_estados[m_seleccionado], 16, 16);
}

const std::vector<int>& TVistaDiagrama::EstadosResaltados(bool& atascado) const {
  static const std::vector<int> ninguno;
  atascado = false;
  if (m_recorrido.pasos.empty()) return ninguno;
  const auto& estados = m_recorrido.pasos[m_paso].estados;
  // stuck: the step is empty; the states it came from stay marked
  if (estados.empty() && m_paso > 0 && m_paso == m_recorrido.UltimoPaso()) {
    atascado = true;
    return m_recorrido.pasos[m_paso - 1].estados;
  }
  return estados;
}

QString TVistaDiagrama::Motivo() const { return m_motivo->text(); }

void TVistaDiagrama::Resaltar() {
  const auto& paso = m_recorrido.pasos.empty() ? TPasoRecorrido{} : m_recorrido.pasos[m_paso];
  const bool trazando = m_probando || !m_cadena->text().isEmpty();
  bool atascado = false;
  const std::vector<int>& resaltados = EstadosResaltados(atascado);
  for (std::size_t n = 0; n < m_estados.size(); ++n) {
    const bool actual = trazando && std::count(resaltados.begin(), resaltados.end(), static_cast<int>(n)) > 0;
    const QColor relleno = n < m_rellenos.size() && m_rellenos[n].isValid() ? m_rellenos[n] : QColor(Qt::white);
    m_estados[n]->setBrush(actual ? (atascado ? kColorAtascado : kColorActual) : relleno);
    QPen pluma = m_estados[n]->pen();
    const bool elegido = static_cast<int>(n) == m_seleccionado;
    const bool bordeado = n < m_bordes.size() && m_bordes[n].isValid();
    pluma.setColor(elegido ? kColorSeleccion : bordeado ? m_bordes[n] : QColor(Qt::black));
    pluma.setWidthF(elegido ? 2.6 : bordeado ? 3.4 : 1.2);
    m_estados[n]->setPen(pluma);
  }
  for (std::size_t t = 0; t < m_aristas.size(); ++t) {
    const bool tomada = trazando && std::count(paso.aristas.begin(), paso.aristas.end(), static_cast<int>(t)) > 0;
    const QColor color = tomada ? kColorRecorrido : QColor(Qt::black);
    m_aristas[t]->setPen(QPen(color, tomada ? 2.4 : 1.2));
    m_puntas[t]->setPen(QPen(color, 1.2));
    m_puntas[t]->setBrush(color);
  }
  // the current state stays in sight on a big drawing
  if (trazando && !resaltados.empty() && static_cast<std::size_t>(resaltados.front()) < m_estados.size() &&
      m_dibujado)
    m_lienzo->ensureVisible(m_estados[resaltados.front()], 40, 40);
}

void TVistaDiagrama::NuevaCadena() {
  // each character on its own, so one the code page lacks is an unknown symbol at its place
  const QList<uint> caracteres = m_cadena->text().toUcs4();
  std::string cadena;
  QStringList textos;
  for (uint caracter : caracteres) {
    const QString texto = QString::fromUcs4(reinterpret_cast<const char32_t*>(&caracter), 1);
    const std::string byte = ACp1252(texto);
    cadena += byte.size() == 1 && (byte != "?" || texto == QStringLiteral("?")) ? byte : std::string(1, '\0');
    textos << texto;
  }
  m_textoSimbolos = textos;
  if (m_diagrama.paresSA) {
    // a Mealy machine reads words (situations, pairs): the trace shows those
    m_recorrido = Recorrer(m_diagrama, cadena);
    m_textoSimbolos.clear();
    for (const auto& pieza : m_recorrido.simbolos) m_textoSimbolos << DeCp1252(pieza);
  } else {
    // "&" alone is the empty string: nothing to show but the end mark, if any
    if (cadena == kCadenaVaciaRecorrido) {
      cadena.clear();
      m_textoSimbolos.clear();
    }
    if (!m_textoMarca.empty() && !m_cadena->text().isEmpty()) {
      cadena += m_textoMarca;
      m_textoSimbolos << DeCp1252(m_textoMarca);
    }
    m_recorrido = Recorrer(m_diagrama, cadena);
    // one character of the field per byte of the string: the pieces as the walk cut them
    const QStringList caracteresLeidos = m_textoSimbolos;
    m_textoSimbolos.clear();
    int inicio = 0;
    for (const auto& simbolo : m_recorrido.simbolos) {
      m_textoSimbolos << caracteresLeidos.mid(inicio, static_cast<int>(simbolo.size())).join(QString());
      inicio += static_cast<int>(simbolo.size());
    }
  }
  m_probando = !m_cadena->text().isEmpty();
  IrAPaso(0);
}

void TVistaDiagrama::IrAPaso(std::size_t paso) {
  m_paso = std::min(paso, m_recorrido.UltimoPaso());
  const bool alFinal = m_paso == m_recorrido.UltimoPaso();
  QString linea;
  for (int i = 0; i < m_textoSimbolos.size(); ++i) {
    const QString simbolo = m_textoSimbolos[i].toHtmlEscaped();
    if (alFinal && m_recorrido.desconocido == static_cast<std::size_t>(i))
      linea += QStringLiteral("<span style='color:white; background:#c0392b'>&nbsp;%1&nbsp;</span>").arg(simbolo);
    else if (static_cast<std::size_t>(i) < m_paso)
      linea += QStringLiteral("<span style='background:%1'><b>%2</b></span>").arg(kColorActual.name(), simbolo);
    else
      linea += simbolo;
    if (m_diagrama.paresSA) linea += QStringLiteral(" ");
  }
  if (m_probando && m_diagrama.paresSA && m_paso > 0) {
    // the actions produced so far, step by step
    QStringList acciones;
    for (std::size_t p = 1; p <= m_paso && p < m_recorrido.pasos.size(); ++p) {
      QStringList deEstePaso;
      for (const auto& accion : m_recorrido.pasos[p].acciones) deEstePaso << DeCp1252(accion);
      const QString juntas = deEstePaso.join(QStringLiteral(", "));
      acciones << (deEstePaso.size() == 1 ? juntas : QStringLiteral("{%1}").arg(juntas));
    }
    linea += QStringLiteral("&nbsp;&nbsp;acciones: ") + acciones.join(QLatin1Char(' ')).toHtmlEscaped();
  }
  if (!m_recorrido.pasos.empty() && m_probando) {
    QStringList estados;
    for (int e : m_recorrido.pasos[m_paso].estados) estados << DeCp1252(m_diagrama.estados[e].nombre);
    linea += QStringLiteral("&nbsp;&nbsp;&rarr;&nbsp;") +
             (estados.isEmpty() ? QStringLiteral("ningún estado") : estados.join(QStringLiteral(" ")).toHtmlEscaped());
    if (alFinal && m_recorrido.desconocido)
      linea += QStringLiteral(" (símbolo fuera del alfabeto)");
  }
  m_simbolos->setText(linea);
  m_veredicto->setText(alFinal && m_probando ? QString::fromLatin1(Veredicto(m_recorrido, m_diagrama)) : QString());
  QString motivo = alFinal && m_probando ? DeCp1252(MotivoRechazo(m_recorrido, m_diagrama)) : QString();
  // a character the code page lacks is named as typed
  if (!motivo.isEmpty() && m_recorrido.desconocido && *m_recorrido.desconocido < static_cast<std::size_t>(m_textoSimbolos.size()))
    motivo = m_textoSimbolos[static_cast<int>(*m_recorrido.desconocido)] + QStringLiteral(" no está en el alfabeto");
  m_motivo->setText(motivo);
  QPalette paleta = m_veredicto->palette();
  paleta.setColor(QPalette::WindowText,
                  m_recorrido.Aceptada(m_diagrama) ? QColor("#1e8449") : QColor("#c0392b"));
  m_veredicto->setPalette(paleta);
  Resaltar();
}
