// Ayuda: Qt Help engine per help file, with a collection of its own in a temporary folder,
// so nothing is written beside the program and nothing outlives the run.
#include "ui/Ayuda.h"

#include <algorithm>

#include <QApplication>
#include <QCollator>
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
#include <QScreen>
#include <QSplitter>
#include <QStringListModel>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "app/Interaccion.h"
#include "ui/Rutas.h"
#include "ui/TextoQt.h"

namespace {
// Every help file names its first page with this topic ID.
constexpr const char* TemaInicio = "IDH_Inicio";

// Sorts the index's keywords as a Spanish dictionary does ("Árbol" among the A, "ñ" after
// "n"), letter case aside. The engine's model is a string list whose strings are what an
// activation looks up, so sorting the list keeps every entry working. With `filtrado`, the
// first entry is made current, as the engine's filtering does.
void OrdenarIndice(QHelpIndexWidget& lista, bool filtrado) {
  auto* modelo = qobject_cast<QStringListModel*>(lista.model());
  if (modelo == nullptr) return;
  QCollator orden{QLocale(QLocale::Spanish, QLocale::Spain)};
  orden.setCaseSensitivity(Qt::CaseInsensitive);
  QStringList palabras = modelo->stringList();
  std::stable_sort(palabras.begin(), palabras.end(),
                   [&orden](const QString& a, const QString& b) { return orden.compare(a, b) < 0; });
  if (palabras == modelo->stringList()) return;
  modelo->setStringList(palabras);
  if (filtrado && modelo->rowCount() > 0) lista.setCurrentIndex(modelo->index(0, 0));
}

// A snippet as plain text: its marks dropped and its entities read, however many times it
// was escaped ("&amp;quot;" is '"', "<b>hacia</b>" is "hacia").
QString SinEntidades(QString texto) {
  for (int vuelta = 0; vuelta < 3 && (texto.contains(QLatin1Char('&')) || texto.contains(QLatin1Char('<'))); ++vuelta) {
    const QString leido = QTextDocumentFragment::fromHtml(texto).toPlainText();
    if (leido == texto) break;
    texto = leido;
  }
  return texto;
}

// The search results as a page: each title a link to its page, its snippet below as text.
QString HtmlResultados(const QList<QHelpSearchResult>& resultados) {
  if (resultados.isEmpty()) return QStringLiteral("<p>No se ha encontrado ninguna página.</p>");
  QString html = QStringLiteral("<p>%1 páginas:</p>").arg(resultados.size());
  for (const auto& resultado : resultados)
    html += QStringLiteral("<p><a href=\"%1\">%2</a><br/><small>%3</small></p>")
                .arg(resultado.url().toString().toHtmlEscaped(), SinEntidades(resultado.title()).toHtmlEscaped(),
                     SinEntidades(resultado.snippet()).simplified().toHtmlEscaped());
  return html;
}

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
  // one click opens an item, as the tree of a help viewer usually does
  connect(contenido, &QTreeView::clicked, this, [this](const QModelIndex& indice) {
    if (QHelpContentItem* item = m_motor->contentModel()->contentItemAt(indice)) AbrirEnlace(item->url());
  });
  connect(m_motor->contentModel(), &QHelpContentModel::contentsCreated, contenido, [this, contenido] {
    contenido->expandToDepth(0);
    SeleccionarEnContenido();
  });

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
  connect(filtro, &QLineEdit::textChanged, lista, [lista](const QString& texto) {
    lista->filterIndices(texto);
    OrdenarIndice(*lista, !texto.isEmpty());
  });
  connect(m_motor->indexModel(), &QHelpIndexModel::indexCreated, lista, [lista] { OrdenarIndice(*lista, false); });
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
  // the results are listed here rather than in the engine's widget, which shows the
  // snippets' entities raw ("&quot;")
  auto* resultados = new QTextBrowser;
  resultados->setObjectName("Resultados");
  resultados->setOpenLinks(false);
  capaBusqueda->addWidget(consulta);
  capaBusqueda->addWidget(resultados, 1);
  connect(consulta, &QHelpSearchQueryWidget::search, buscador,
          [buscador, consulta] { buscador->search(consulta->searchInput()); });
  connect(buscador, &QHelpSearchEngine::searchingFinished, resultados, [buscador, resultados](int cantidad) {
    resultados->setHtml(HtmlResultados(buscador->searchResults(0, cantidad)));
  });
  connect(resultados, &QTextBrowser::anchorClicked, this, &TFayuda::AbrirEnlace);

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
  // Dialogs are modal over their own windows only (see Modal.h), so this window, which
  // belongs to none, is never blocked and never needs to be modal itself.
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

void TFayuda::SeleccionarEnContenido() {
  QHelpContentWidget* contenido = m_motor->contentWidget();
  const QModelIndex indice = contenido->indexOf(PaginaActual());
  if (!indice.isValid()) return;
  contenido->setCurrentIndex(indice);
  contenido->scrollTo(indice);
}

void TFayuda::AbrirEnlace(const QUrl& enlace) {
  if (enlace.scheme() == QLatin1String("qthelp") || enlace.isRelative()) {
    m_navegador->setSource(m_navegador->source().resolved(enlace));
    SeleccionarEnContenido();
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
  if (archivo == ArchivoTutorial) ColocarAlLado(*ventana);
  return m_ventanas.emplace(archivo, std::move(ventana)).first->second.get();
}

void TAyuda::ColocarAlLado(QWidget& ventana) const {
  // The tutorial is read while the main window is used: beside it, on the side with more
  // room, never over it when the screen has room for both.
  auto* principal = qobject_cast<QWidget*>(parent());
  if (principal == nullptr || principal->screen() == nullptr) return;
  const QRect pantalla = principal->screen()->availableGeometry();
  const QRect marco = principal->frameGeometry();
  const int derecha = pantalla.right() - marco.right();
  const int izquierda = marco.left() - pantalla.left();
  const int ancho = std::clamp(std::max(derecha, izquierda) - 12, 360, ventana.width());
  const int alto = std::min(ventana.height(), pantalla.height() - 40);
  ventana.resize(ancho, alto);
  // a narrow window gives the page most of its width
  if (auto* division = ventana.findChild<QSplitter*>(); division && ancho < 700) division->setSizes({ancho / 3, ancho - ancho / 3});
  const int x = derecha >= izquierda ? marco.right() + 8 : marco.left() - 8 - ancho;
  const int y = std::clamp(marco.top(), pantalla.top(), std::max(pantalla.top(), pantalla.bottom() - alto));
  ventana.move(std::clamp(x, pantalla.left(), std::max(pantalla.left(), pantalla.right() - ancho)), y);
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
