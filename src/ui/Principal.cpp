// Principal: the main window's layout (tool-bar panel 73 high with nine flat 57x57 buttons
// and a vertical separator, two stacked pictures, two status panels), its menus, and the
// slots that hand every command to the session's flows.
#include "ui/Principal.h"

#include <algorithm>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStackedLayout>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/comandos/ComandoIM1.h"
#include "app/comandos/ComandoIncremental.h"
#include "app/comandos/ComandosKR.h"
#include "app/comandos/ComandosMealy.h"
#include "app/comandos/OperacionesAutomata.h"
#include "app/muestras/FlujosAbbadingo.h"
#include "app/muestras/FlujosMuestra.h"
#include "app/objetivos/FlujosObjetivo.h"
#include "app/sesion/ResumenMuestras.h"
#include "app/ventanas/ExplorarKLogica.h"
#include "ui/AcercaDe.h"
#include "ui/Ayuda.h"
#include "ui/ExplorarK.h"
#include "ui/Imagen.h"
#include "ui/InteraccionVentanas.h"
#include "ui/NuevMuestra.h"
#include "ui/NuevaMuestraSA.h"
#include "ui/Sonido.h"
#include "ui/TextoQt.h"
#include "ui/VerMuestra.h"
#include "ui/Modal.h"

namespace {

constexpr int kAnchoCliente = 558;
constexpr int kAltoCliente = 486;
constexpr int kAltoPanelBotones = 73;
constexpr int kLadoBoton = 57;

// Glyph of each tool button, in button order.
constexpr std::array<const char*, 9> kGlifos = {"abrir", "guardar", "ver", "nueva", "im1", "kr", "kc", "skr", "skc"};

template <typename E>
constexpr std::size_t Indice(E valor) {
  return static_cast<std::size_t>(valor);
}

}  // namespace

TFprincipal::TFprincipal(QWidget* padre)
    : QMainWindow(padre),
      m_sesion(std::make_unique<TSesion>()),
      m_directorioInicial(QDir::currentPath()),
      m_sonidos(new TSonidos(this)) {
  setObjectName("TFprincipal");
  setWindowTitle(QStringLiteral(" Inducción Gramatical"));
  setWindowIcon(IconoDe(QStringLiteral(":/imagenes/icono.svg")));
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);

  m_interaccion = std::make_unique<TInteraccionVentanasQt>(this, *m_sonidos);
  m_ayuda = new TAyuda(m_directorioInicial, *m_interaccion, this);
  m_interaccion->PonerAyuda(*m_ayuda);

  // Client area: the button panel, then the pictures; the status bar below them.
  auto* cliente = new QWidget(this);
  cliente->setObjectName("Cliente");
  auto* capa = new QVBoxLayout(cliente);
  capa->setContentsMargins(0, 0, 0, 0);
  capa->setSpacing(0);

  auto* panel = new QFrame(cliente);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFixedHeight(kAltoPanelBotones);
  CrearBotones(panel);
  capa->addWidget(panel);

  auto* imagenes = new QWidget(cliente);
  imagenes->setObjectName("Imagenes");
  auto* pila = new QStackedLayout(imagenes);
  pila->setStackingMode(QStackedLayout::StackAll);
  m_imagenFija = new TImagen(QStringLiteral(":/imagenes/imagen_fija.svg"), imagenes);
  m_imagenFija->setObjectName("ImagenFija");
  m_imagenPresent = new TImagen(QStringLiteral(":/imagenes/imagen_present.svg"), imagenes);
  m_imagenPresent->setObjectName("ImagenPresent");
  m_imagenPresent->setMouseTracking(false);
  pila->addWidget(m_imagenFija);
  pila->addWidget(m_imagenPresent);
  pila->setCurrentWidget(m_imagenPresent);  // on top
  connect(m_imagenFija, &TImagen::RatonMovido, this, &TFprincipal::ImagenFijaMouseMove);
  capa->addWidget(imagenes, 1);
  setCentralWidget(cliente);

  auto* barra = new QStatusBar(this);
  barra->setObjectName("StatusBar1");
  barra->setSizeGripEnabled(false);
  m_panel0 = new QLabel(DeCp1252(kTextoInicialEstado), barra);
  m_panel0->setObjectName("Panel0");
  // 50 pixels, or the text's width if this font needs more, so "Telar 99" is never clipped.
  m_panel0->setFixedWidth(std::max(50, fontMetrics().horizontalAdvance(m_panel0->text()) + 7));
  m_panelMuestras = new QLabel(barra);
  m_panelMuestras->setObjectName("PanelMuestras");
  m_panel1 = new QLabel(barra);
  m_panel1->setObjectName("Panel1Estado");
  m_panel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_panel1->setMinimumWidth(50);
  for (auto* p : {m_panel0, m_panelMuestras, m_panel1}) p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  barra->addWidget(m_panel0);
  barra->addWidget(m_panelMuestras);
  barra->addWidget(m_panel1, 1);  // the last panel reaches the window's right edge
  // the session's target, when one is set ("Objetivo: (a|b)*ab")
  m_panelObjetivo = new QLabel(barra);
  m_panelObjetivo->setObjectName("PanelObjetivo");
  m_panelObjetivo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_panelObjetivo->hide();
  barra->addPermanentWidget(m_panelObjetivo);
  setStatusBar(barra);

  CrearMenus();

  m_timer1 = new QTimer(this);
  m_timer1->setObjectName("Timer1");
  m_timer1->setInterval(8000);
  connect(m_timer1, &QTimer::timeout, this, &TFprincipal::Timer1Timer);
  m_timer1->start();

  m_sesion->AlCambiar([this] { Refrescar(); });
  Refrescar();

  // Fixed size: the client area is 558 by 486 below the menu bar.
  setFixedSize(kAnchoCliente, menuBar()->sizeHint().height() + kAltoCliente);
  if (const QScreen* pantalla = QApplication::primaryScreen())
    move(pantalla->availableGeometry().center() - rect().center());
}

TFprincipal::~TFprincipal() {
  m_sesion->AlCambiar({});
}

void TFprincipal::CrearBotones(QWidget* panel) {
  const int arriba = (kAltoPanelBotones - kLadoBoton) / 2;
  int x = 8;
  for (const auto boton : kBotonesPrincipales) {
    const auto& datos = DatosBoton(boton);
    if (boton == TBotonPrincipal::BotonIM1) {
      auto* separador = new QFrame(panel);
      separador->setObjectName("Bevel1");
      separador->setFrameShape(QFrame::VLine);
      separador->setFrameShadow(QFrame::Sunken);
      separador->setGeometry(x + 2, arriba, 4, kLadoBoton);
      x += 10;
    }
    auto* b = new QToolButton(panel);
    b->setObjectName(datos.componente);
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setIcon(IconoDe(QStringLiteral(":/imagenes/%1.svg").arg(kGlifos[Indice(boton)])));
    b->setIconSize(QSize(30, 30));
    b->setToolTip(DeCp1252(datos.hint));
    b->setGeometry(x, arriba, kLadoBoton, kLadoBoton);
    b->setMouseTracking(true);
    b->installEventFilter(this);
    m_botones[Indice(boton)] = b;
    x += kLadoBoton;
  }

  auto conectar = [this](TBotonPrincipal boton, auto accion) {
    connect(m_botones[Indice(boton)], &QToolButton::clicked, this, accion);
  };
  conectar(TBotonPrincipal::BotonAbrir, &TFprincipal::BotonAbrirClick);
  conectar(TBotonPrincipal::BotonGuardar, &TFprincipal::BotonGuardarClick);
  conectar(TBotonPrincipal::BotonVer, &TFprincipal::BotonVerClick);
  conectar(TBotonPrincipal::BotonNueva, &TFprincipal::BotonNuevaClick);
  const std::pair<TBotonPrincipal, TOrdenAlgoritmo> algoritmos[] = {
      {TBotonPrincipal::BotonIM1, TOrdenAlgoritmo::BotonIM1}, {TBotonPrincipal::BotonKR, TOrdenAlgoritmo::BotonKR},
      {TBotonPrincipal::BotonKC, TOrdenAlgoritmo::BotonKC},   {TBotonPrincipal::BotonSKR, TOrdenAlgoritmo::BotonSKR},
      {TBotonPrincipal::BotonSKC, TOrdenAlgoritmo::BotonSKC}};
  for (const auto& [boton, orden] : algoritmos) conectar(boton, [this, orden = orden] { EjecutarOrden(orden); });
}

void TFprincipal::CrearMenus() {
  auto item = [this](QMenu* menu, const char* nombre, const QString& texto, const QKeySequence& atajo = {}) {
    QAction* accion = menu->addAction(texto);
    accion->setObjectName(nombre);
    accion->setShortcut(atajo);
    return accion;
  };
  auto menu = [this](QMenu* padre, const char* nombre, const QString& texto) {
    QMenu* m = padre ? padre->addMenu(texto) : menuBar()->addMenu(texto);
    m->setObjectName(nombre);
    m->menuAction()->setObjectName(nombre);
    return m;
  };
  auto orden = [this](QAction* accion, TOrdenAlgoritmo o) {
    connect(accion, &QAction::triggered, this, [this, o] { EjecutarOrden(o); });
  };

  QMenu* muestra = menu(nullptr, "MuestraM", QStringLiteral("&Muestra"));
  connect(item(muestra, "NuevaMuestra", QStringLiteral("&Nueva..."), QKeySequence(Qt::CTRL | Qt::Key_U)),
          &QAction::triggered, this, &TFprincipal::NuevaMuestraClick);
  connect(item(muestra, "Abrir1", QStringLiteral("&Abrir..."), QKeySequence(Qt::CTRL | Qt::Key_A)),
          &QAction::triggered, this, &TFprincipal::Abrir1Click);
  connect(item(muestra, "VerMuestra", QStringLiteral("&Ver")), &QAction::triggered, this,
          &TFprincipal::VerMuestraClick);
  connect(item(muestra, "GuardarComo", QStringLiteral("&Guardar como..."), QKeySequence(Qt::CTRL | Qt::Key_G)),
          &QAction::triggered, this, &TFprincipal::GuardarComoClick);
  muestra->addSeparator();
  // Abbadingo files, the format of the field's competitions
  connect(item(muestra, "Importar", QStringLiteral("Importar...")), &QAction::triggered, this,
          [this] { ImportarClick(*m_sesion, *m_interaccion); });
  connect(item(muestra, "Exportar", QStringLiteral("Exportar...")), &QAction::triggered, this,
          [this] { ExportarClick(*m_sesion, *m_interaccion); });
  muestra->addSeparator();
  // finite automata saved by Telar (.json) or by JFLAP (.jff)
  connect(item(muestra, "AbrirAutomata", QStringLiteral("Abrir autómata...")), &QAction::triggered, this,
          [this] { AbrirAutomataClick(*m_sesion, *m_interaccion); });
  muestra->addSeparator();
  connect(item(muestra, "Salir1", QStringLiteral("&Salir"), QKeySequence(Qt::CTRL | Qt::Key_X)),
          &QAction::triggered, this, &TFprincipal::Salir1Click);

  QMenu* algoritmos = menu(nullptr, "AlgoritmosM", QStringLiteral("&Algoritmos"));
  QAction* im1 = item(algoritmos, "OpcionIM1", QStringLiteral("&IM1..."));
  orden(im1, TOrdenAlgoritmo::OpcionIM1);
  QMenu* kr = menu(algoritmos, "OpcionKR", QStringLiteral("K&R"));
  orden(item(kr, "OpcionKRnormal", QStringLiteral("KR...")), TOrdenAlgoritmo::OpcionKRnormal);
  orden(item(kr, "OpcionKRincremental", QStringLiteral("KR incremental...")), TOrdenAlgoritmo::OpcionKRincremental);
  orden(item(kr, "OpcionKRejemplosnegativos", QStringLiteral("KR ejemplos negativos...")),
        TOrdenAlgoritmo::OpcionKRejemplosnegativos);
  QMenu* kc = menu(algoritmos, "OpcionKC", QStringLiteral("K&C"));
  orden(item(kc, "OpcionKCnormal", QStringLiteral("KC...")), TOrdenAlgoritmo::OpcionKCnormal);
  orden(item(kc, "OpcionKCincremental", QStringLiteral("KC incremental...")), TOrdenAlgoritmo::OpcionKCincremental);
  orden(item(kc, "OpcionKCejemplosnegativos", QStringLiteral("KC ejemplos negativos...")),
        TOrdenAlgoritmo::OpcionKCejemplosnegativos);
  QAction* skr = item(algoritmos, "OpcionSKR", QStringLiteral("SKR"));
  orden(skr, TOrdenAlgoritmo::OpcionSKR);
  QAction* skc = item(algoritmos, "OpcionSKC", QStringLiteral("SKC"));
  orden(skc, TOrdenAlgoritmo::OpcionSKC);
  m_algoritmos = {im1, kr->menuAction(), kc->menuAction(), skr, skc};
  algoritmos->addSeparator();
  m_explorarK = item(algoritmos, "OpcionExplorarK", DeCp1252(TFexplorarKLogica::kCaptionMenu));
  connect(m_explorarK, &QAction::triggered, this, &TFprincipal::ExplorarKClick);

  CrearMenuObjetivo(menu, item);

  // A radio group whose items follow the session: kinds, KR variants, KC variants.
  auto radios = [this, &item](QMenu* m, const auto& valores, auto datosDe, auto& acciones, auto elegir) {
    auto* grupo = new QActionGroup(this);
    for (const auto valor : valores) {
      const auto& datos = datosDe(valor);
      QAction* accion = item(m, datos.componente, DeCp1252(datos.caption));
      accion->setCheckable(true);
      grupo->addAction(accion);
      connect(accion, &QAction::triggered, this, [this, valor, elegir] { (m_sesion.get()->*elegir)(valor); });
      acciones[Indice(valor)] = accion;
    }
  };
  QMenu* configuracion = menu(nullptr, "ConfiguracionM", QStringLiteral("&Configuración"));
  radios(menu(configuracion, "TipoMuestraM", QStringLiteral("&Muestra")), kTiposMuestra, DatosTipoMuestra,
         m_tiposMuestra, &TSesion::ElegirTipo);
  configuracion->addSeparator();
  radios(menu(configuracion, "TipoKR", QStringLiteral("K&R...")),
         std::array{TVarianteKR::TipoKR_N, TVarianteKR::TipoKR_I, TVarianteKR::TipoKR_E}, DatosVarianteKR,
         m_variantesKR, &TSesion::ElegirVarianteKR);
  radios(menu(configuracion, "TipoKC", QStringLiteral("K&C...")),
         std::array{TVarianteKC::TipoKC_N, TVarianteKC::TipoKC_I, TVarianteKC::TipoKC_E}, DatosVarianteKC,
         m_variantesKC, &TSesion::ElegirVarianteKC);

  QMenu* ayuda = menu(nullptr, "AyudaM", QStringLiteral("Ay&uda"));
  connect(item(ayuda, "Contenidos1", QStringLiteral("&Temas de Ayuda")), &QAction::triggered, this,
          &TFprincipal::Contenidos1Click);
  ayuda->addSeparator();
  connect(item(ayuda, "Acercade1", QStringLiteral("&Acerca de...")), &QAction::triggered, this,
          &TFprincipal::Acercade1Click);

  QMenu* tutorial = menu(nullptr, "MTutorial", QStringLiteral("&Tutorial"));
  connect(item(tutorial, "TemasTutor", QStringLiteral("&Temas Tutorial")), &QAction::triggered, this,
          &TFprincipal::TemasTutorClick);

  for (QMenu* m : {muestra, algoritmos, configuracion, ayuda})
    connect(m, &QMenu::aboutToShow, this, &TFprincipal::MuestraMClick);
  connect(tutorial, &QMenu::aboutToShow, this, &TFprincipal::MTutorialClick);
}

QStringList TFprincipal::CrearVentanas(const std::function<void()>& paso) {
  // Start-up order. The entries without a form here are created by the algorithm windows.
  const std::pair<const char*, std::function<void()>> ventanas[] = {
      {"TFacercaDe", [this] { m_acercaDe = new TFacercaDe(this); }},
      {"TFelegirHeuristico", [this] { m_interaccion->Ventana<TFelegirHeuristico>(); }},
      {"TFverMuestra", [this] { m_verMuestra = new TFverMuestra(this); }},
      {"TFnuevMuestra", [this] { m_nuevMuestra = new TFnuevMuestra(*m_ayuda, this); }},
      {"TFelegirCotaS", [this] { m_interaccion->Ventana<TFelegirCotaS>(); }},
      {"TFelegirParametro", [this] { m_interaccion->Ventana<TFelegirParametro>(); }},
      {"TFnuevaMuestraSA", [this] { m_nuevaMuestraSA = new TFnuevaMuestraSA(*m_interaccion, *m_ayuda, this); }},
      {"TFmostrarAutomata1", [this] { m_interaccion->Ventana<TFmostrarAutomata1>(); }},
      {"TFmostrarAutomata", [this] { m_interaccion->Ventana<TFmostrarAutomata>(); }},
      {"TFgraficos", [this] { m_interaccion->Ventana<TFgraficos>(); }},
      {"TFavisos", [this] { m_interaccion->Ventana<TFavisos>(); }},
      {"TFavisos1", [this] { m_interaccion->Ventana<TFavisos1>(); }},
      {"TFmostrarAutomataDeter", [this] { m_interaccion->Ventana<TFmostrarAutomataDeter>(); }},
  };
  QStringList nombres;
  for (const auto& [nombre, crear] : ventanas) {
    paso();
    if (crear) crear();
    nombres << QString::fromLatin1(nombre);
  }
  m_interaccion->PonerEditores(m_nuevMuestra, m_nuevaMuestraSA);
  Refrescar();
  return nombres;
}

void TFprincipal::CrearMenuObjetivo(const std::function<QMenu*(QMenu*, const char*, const QString&)>& menu,
                                    const std::function<QAction*(QMenu*, const char*, const QString&)>& item) {
  QMenu* objetivo = menu(nullptr, "ObjetivoM", DeCp1252(kMenuObjetivo));
  const auto hacer = [this](auto flujo) {
    return [this, flujo] {
      flujo();
      RefrescarObjetivo();
    };
  };
  connect(item(objetivo, "DefinirExpresion", DeCp1252(kDefinirExpresion)), &QAction::triggered, this,
          hacer([this] { DefinirExpresionClick(*m_sesion, *m_interaccion); }));
  connect(item(objetivo, "AbrirObjetivo", DeCp1252(kAbrirAutomataObjetivo)), &QAction::triggered, this,
          hacer([this] { AbrirObjetivoClick(*m_sesion, *m_interaccion); }));
  objetivo->addSeparator();
  m_accionesObjetivo = {item(objetivo, "VerObjetivo", DeCp1252(kVerObjetivo)),
                        item(objetivo, "GenerarMuestras", DeCp1252(kGenerarMuestras)),
                        item(objetivo, "QuitarObjetivo", DeCp1252(kQuitarObjetivo))};
  connect(m_accionesObjetivo[0], &QAction::triggered, this, [this] { VerObjetivoClick(*m_sesion, *m_interaccion); });
  connect(m_accionesObjetivo[1], &QAction::triggered, this, hacer([this] {
            GenerarMuestrasClick(*m_sesion, *m_interaccion, QRandomGenerator::global()->bounded(1000000u));
          }));
  connect(m_accionesObjetivo[2], &QAction::triggered, this, hacer([this] { QuitarObjetivoClick(*m_sesion); }));
  RefrescarObjetivo();
}

void TFprincipal::RefrescarObjetivo() {
  const QString texto = DeCp1252(TextoEstadoObjetivo(*m_sesion));
  m_panelObjetivo->setText(texto);
  m_panelObjetivo->setVisible(!texto.isEmpty());
  for (QAction* accion : m_accionesObjetivo) accion->setEnabled(HayObjetivo(*m_sesion));
}

void TFprincipal::Refrescar() {
  for (const auto boton : kBotonesPrincipales) {
    QToolButton* b = m_botones[Indice(boton)];
    b->setText(DeCp1252(m_sesion->CaptionBoton(boton)));
    b->setEnabled(m_sesion->BotonHabilitado(boton));
  }
  m_tiposMuestra[Indice(m_sesion->Tipo())]->setChecked(true);
  m_variantesKR[Indice(m_sesion->VarianteKR())]->setChecked(true);
  m_variantesKC[Indice(m_sesion->VarianteKC())]->setChecked(true);
  for (const auto algoritmo : {TAlgoritmo::IM1, TAlgoritmo::KR, TAlgoritmo::KC, TAlgoritmo::SKR, TAlgoritmo::SKC})
    m_algoritmos[Indice(algoritmo)]->setEnabled(m_sesion->Habilitado(algoritmo));
  m_explorarK->setEnabled(!m_sesion->MuestraPositiva.empty());
  if (m_verMuestra) {
    m_verMuestra->MostrarLineas(DeLista(m_sesion->MemoMuestra()));
    m_verMuestra->MostrarTipo(DeCp1252(TituloVisor(*m_sesion)));
  }
  const QString muestras = DeCp1252(LineaMuestras(*m_sesion));
  const QString visible = m_panelMuestras->fontMetrics().elidedText(muestras, Qt::ElideRight, 290);
  m_panelMuestras->setText(visible);
  m_panelMuestras->setFixedWidth(m_panelMuestras->fontMetrics().horizontalAdvance(visible) + 12);
  m_panelMuestras->setToolTip(DeLista(DetalleMuestras(*m_sesion)).join(QLatin1Char('\n')));
}

void TFprincipal::MostrarHintEnStatusBar(const QString& texto) {
  m_panel0->setFixedWidth(fontMetrics().horizontalAdvance(texto) + 7);
  m_panel0->setText(texto);
}

void TFprincipal::showEvent(QShowEvent* evento) {
  m_panel1->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("     "));
  QMainWindow::showEvent(evento);
}

void TFprincipal::closeEvent(QCloseEvent* evento) {
  if (!::PuedeSalir(*m_sesion, *m_interaccion)) {
    evento->ignore();
    return;
  }
  m_ayuda->Salir();
  if (m_verMuestra) m_verMuestra->close();
  evento->accept();
}

bool TFprincipal::event(QEvent* evento) {
  // Menu items carry no status tips; an empty one would hide the status panels.
  if (evento->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(evento);
}

bool TFprincipal::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::MouseMove) {
    for (const auto boton : kBotonesPrincipales)
      if (objeto == m_botones[Indice(boton)]) BotonMouseMove(boton);
  }
  return QMainWindow::eventFilter(objeto, evento);
}

void TFprincipal::EjecutarOrden(TOrdenAlgoritmo orden) {
  emit OrdenAlgoritmo(orden);
  TSesion& s = *m_sesion;
  TInteraccionVentanasQt& i = *m_interaccion;
  using O = TOrdenAlgoritmo;
  switch (orden) {
    case O::BotonIM1: ::BotonIM1Click(s, i); break;
    case O::BotonKR: ::BotonKRClick(s, i); break;
    case O::BotonKC: ::BotonKCClick(s, i); break;
    case O::BotonSKR: ::BotonSKRClick(s, i); break;
    case O::BotonSKC: ::BotonSKCClick(s, i); break;
    case O::OpcionIM1: ::OpcionIM1Click(s, i); break;
    case O::OpcionKRnormal: ::OpcionKRnormalClick(s, i); break;
    case O::OpcionKRincremental: ::OpcionKRincrementalClick(s, i); break;
    case O::OpcionKRejemplosnegativos: ::OpcionKRejemplosnegativosClick(s, i); break;
    case O::OpcionKCnormal: ::OpcionKCnormalClick(s, i); break;
    case O::OpcionKCincremental: ::OpcionKCincrementalClick(s, i); break;
    case O::OpcionKCejemplosnegativos: ::OpcionKCejemplosnegativosClick(s, i); break;
    case O::OpcionSKR: ::OpcionSKRClick(s, i); break;
    case O::OpcionSKC: ::OpcionSKCClick(s, i); break;
  }
}

void TFprincipal::MostrarVisor() {
  if (!m_verMuestra) return;
  m_verMuestra->show();
  m_verMuestra->raise();
  m_verMuestra->activateWindow();
}

void TFprincipal::Acercade1Click() {
  if (m_acercaDe) EjecutarModal(*m_acercaDe);
}

void TFprincipal::NuevaMuestraClick() { ::CrearMuestra(*m_sesion, *m_interaccion); }

void TFprincipal::Abrir1Click() { ::AbrirMuestra(*m_sesion, *m_interaccion); }

void TFprincipal::AbrirArchivo(const QString& archivo) {
  RecordarCarpetaDe(archivo);
  AbrirArchivoMuestra(*m_sesion, *m_interaccion, QFile::encodeName(archivo).toStdString());
}

void TFprincipal::VerMuestraClick() {
  ::MostrarMuestraEnVisor(*m_sesion);
  MostrarVisor();
}

void TFprincipal::GuardarComoClick() { ::GuardarMuestraComo(*m_sesion, *m_interaccion); }

void TFprincipal::Salir1Click() { close(); }

void TFprincipal::Contenidos1Click() { m_ayuda->Contenido(ArchivoAyuda); }

void TFprincipal::ExplorarKClick() {
  if (!PuedeExplorarK(*m_sesion, *m_interaccion)) return;
  TFexplorarK ventana(*m_sesion, *m_interaccion, m_interaccion->SeparadorDecimal(), this);
  EjecutarModal(ventana);
}

void TFprincipal::TemasTutorClick() { m_ayuda->Contenido(ArchivoTutorial); }

void TFprincipal::BotonAbrirClick() { ::BotonAbrirClick(*m_sesion, *m_interaccion); }

void TFprincipal::BotonGuardarClick() { ::BotonGuardarClick(*m_sesion, *m_interaccion); }

void TFprincipal::BotonVerClick() {
  ::BotonVerClick(*m_sesion, *m_interaccion);
  MostrarVisor();
}

void TFprincipal::BotonNuevaClick() { ::BotonNuevaClick(*m_sesion, *m_interaccion); }

void TFprincipal::Timer1Timer() { m_imagenPresent->hide(); }

void TFprincipal::MuestraMClick() { MostrarHintEnStatusBar(DeCp1252(PistaMenu(TMenuPrincipal::Muestra))); }

void TFprincipal::MTutorialClick() { MostrarHintEnStatusBar(DeCp1252(PistaMenu(TMenuPrincipal::Tutorial))); }

void TFprincipal::ImagenFijaMouseMove() { MostrarHintEnStatusBar(DeCp1252(kPistaTelar)); }

void TFprincipal::BotonMouseMove(TBotonPrincipal boton) {
  MostrarHintEnStatusBar(DeCp1252(PistaBoton(*m_sesion, boton)));
}
