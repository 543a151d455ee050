// Ayuda: Qt Help engine per help file, with a collection of its own in a temporary folder,
// so nothing is written beside the program and nothing outlives the run.
#include "ui/Ayuda.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/interaccion/Interaccion.h"
#include "ui/Rutas.h"
#include "ui/TextoQt.h"

namespace {
// Every help file names its first page with this topic ID.
constexpr const char* TemaInicio = "IDH_Inicio";
}  // namespace

TNavegadorAyuda::TNavegadorAyuda(QHelpEngine& motor, QWidget* padre) : QTextBrowser(padre), m_motor(motor) {
  setObjectName("Navegador");
  setOpenLinks(false);  // links are followed by TFayuda, which sends other schemes outside
}

QVariant TNavegadorAyuda::loadResource(int tipo, const QUrl& nombre) {
  // Style sheets arrive with the name as written in the page; pictures already resolved.
  const QUrl url = nombre.isRelative() ? source().resolved(nombre) : nombre;
  if (url.scheme() == QLatin1String("qthelp")) return m_motor.fileData(url);
  return QTextBrowser::loadResource(tipo, url);
}

TFayuda::TFayuda(const QString& coleccion, const QString& archivoQch, const QString& titulo)
    : m_motor(new QHelpEngine(coleccion, this)) {
  setObjectName("TFayuda");
  setWindowTitle(titulo);
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(900, 640);

  m_motor->setReadOnly(false);
  m_motor->setUsesFilterEngine(true);
  const QString espacio = QHelpEngineCore::namespaceName(archivoQch);
  m_valida = m_motor->setupData() && !espacio.isEmpty() &&
             (m_motor->registeredDocumentations().contains(espacio) || m_motor->registerDocumentation(archivoQch));

  m_navegador = new TNavegadorAyuda(*m_motor, this);
  connect(m_navegador, &QTextBrowser::anchorClicked, this, &TFayuda::AbrirEnlace);

  // Contents.
  auto* contenido = m_motor->contentWidget();
  contenido->setObjectName("Contenido");
  connect(contenido, &QHelpContentWidget::linkActivated, this, &TFayuda::AbrirEnlace);
  connect(m_motor->contentModel(), &QHelpContentModel::contentsCreated, contenido,
          [contenido] { contenido->expandToDepth(0); });

  // Index with its filter line.
  auto* indice = new QWidget;
  auto* filtro = new QLineEdit(indice);
  filtro->setObjectName("FiltroIndice");
  filtro->setPlaceholderText(tr("Buscar en el índice"));
  auto* lista = m_motor->indexWidget();
  lista->setObjectName("Indice");
  auto* capaIndice = new QVBoxLayout(indice);
  capaIndice->addWidget(filtro);
  capaIndice->addWidget(lista);
  connect(filtro, &QLineEdit::textChanged, lista, [lista](const QString& texto) { lista->filterIndices(texto); });
  connect(filtro, &QLineEdit::returnPressed, lista, &QHelpIndexWidget::activateCurrentItem);
  connect(lista, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& documento, const QString&) { AbrirEnlace(documento.url); });
  connect(lista, &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& documentos, const QString&) {
            if (!documentos.isEmpty()) AbrirEnlace(documentos.first().url);
          });

  // Full-text search.
  auto* buscador = m_motor->searchEngine();
  auto* busqueda = new QWidget;
  auto* capaBusqueda = new QVBoxLayout(busqueda);
  auto* consulta = buscador->queryWidget();
  consulta->setObjectName("Consulta");
  auto* resultados = buscador->resultWidget();
  resultados->setObjectName("Resultados");
  capaBusqueda->addWidget(consulta);
  capaBusqueda->addWidget(resultados, 1);
  connect(consulta, &QHelpSearchQueryWidget::search, buscador,
          [buscador, consulta] { buscador->search(consulta->searchInput()); });
  connect(resultados, &QHelpSearchResultWidget::requestShowLink, this, &TFayuda::AbrirEnlace);

  m_pestanas = new QTabWidget;
  m_pestanas->setObjectName("Pestanas");
  m_pestanas->addTab(contenido, tr("Contenido"));
  m_pestanas->addTab(indice, tr("Índice"));
  m_pestanas->addTab(busqueda, tr("Buscar"));

  auto* division = new QSplitter(this);
  division->addWidget(m_pestanas);
  division->addWidget(m_navegador);
  division->setStretchFactor(1, 1);
  division->setSizes({260, 640});
  setCentralWidget(division);

  if (m_valida) {
    const auto inicio = m_motor->documentsForIdentifier(TemaInicio);
    if (!inicio.isEmpty()) m_inicio = inicio.first().url;
    buscador->scheduleIndexDocumentation();
  }
}

void TFayuda::Mostrar(int pestana, const QUrl& pagina) {
  m_pestanas->setCurrentIndex(pestana);
  if (!pagina.isEmpty()) AbrirEnlace(pagina);
  // Asked for from a modal dialog, a plain window would be blocked by the dialog: it is
  // then shown modal itself, above the dialog; asked for from the main window, it is not.
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality modalidad = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != modalidad && modal != this) {
    hide();
    setWindowModality(modalidad);
  }
  show();
  raise();
  activateWindow();
}

void TFayuda::MostrarContenido() { Mostrar(0, m_inicio); }

void TFayuda::MostrarIndice() { Mostrar(1, m_inicio); }

bool TFayuda::MostrarTema(const QString& id) {
  const auto documentos = m_motor->documentsForIdentifier(id);
  Mostrar(0, documentos.isEmpty() ? m_inicio : documentos.first().url);
  return !documentos.isEmpty();
}

QUrl TFayuda::PaginaActual() const { return m_navegador->source(); }

void TFayuda::AbrirEnlace(const QUrl& enlace) {
  if (enlace.scheme() == QLatin1String("qthelp") || enlace.isRelative()) {
    m_navegador->setSource(m_navegador->source().resolved(enlace));
  } else {
    QDesktopServices::openUrl(enlace);
  }
}

TAyuda::TAyuda(const QString& directorioInicial, TInteraccion& interaccion, QObject* padre)
    : QObject(padre), m_directorioInicial(directorioInicial), m_interaccion(interaccion) {}

TAyuda::~TAyuda() = default;

TFayuda* TAyuda::Abrir(const QString& archivo) {
  if (auto existente = m_ventanas.find(archivo); existente != m_ventanas.end()) return existente->second.get();

  const QString ruta = BuscarArchivoDeDatos(m_directorioInicial, archivo);
  std::unique_ptr<TFayuda> ventana;
  if (!ruta.isEmpty() && m_colecciones.isValid()) {
    const QString base = QFileInfo(archivo).completeBaseName();
    const QString titulo = archivo == ArchivoTutorial ? tr("Tutorial de Telar") : tr("Ayuda de Telar");
    ventana = std::make_unique<TFayuda>(m_colecciones.filePath(base + ".qhc"), ruta, titulo);
  }
  if (!ventana || !ventana->Valida()) {
    m_interaccion.Mensaje(ACp1252(tr("No se puede abrir el archivo de ayuda %1").arg(archivo)), TIcono::Error,
                          TBotones::Ok);
    return nullptr;
  }
  return m_ventanas.emplace(archivo, std::move(ventana)).first->second.get();
}

void TAyuda::Contenido(const QString& archivo) {
  if (auto* ventana = Abrir(archivo)) ventana->MostrarContenido();
}

void TAyuda::Buscador(const QString& archivo) {
  if (auto* ventana = Abrir(archivo)) ventana->MostrarIndice();
}

void TAyuda::Tema(const QString& archivo, const QString& id) {
  if (auto* ventana = Abrir(archivo)) ventana->MostrarTema(id);
}

void TAyuda::Salir() { m_ventanas.clear(); }

TFayuda* TAyuda::Ventana(const QString& archivo) const {
  const auto encontrada = m_ventanas.find(archivo);
  return encontrada == m_ventanas.end() ? nullptr : encontrada->second.get();
}
