// Help and sounds: every topic ID opens a real page, contents, index and search work, a
// missing help file gets a clear message, closing the main window closes help; data files
// are found from the start (or current) directory first, then beside the program; sounds
// never block.
#include <QElapsedTimer>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>

#include "InteraccionGuion.h"
#include "soporte/Soporte.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/NuevMuestra.h"
#include "ui/NuevaMuestraSA.h"
#include "ui/Principal.h"
#include "ui/Rutas.h"
#include "ui/Sonido.h"

namespace {

QString Pagina(TFayuda* ventana) { return ventana->PaginaActual().fileName(); }

// The page of the item selected in the contents tree ("" while none is).
QString PaginaSeleccionada(TFayuda* ventana) {
  const QModelIndex actual = ventana->Motor().contentWidget()->currentIndex();
  QHelpContentItem* item = ventana->Motor().contentModel()->contentItemAt(actual);
  return item ? item->url().fileName() : QString();
}

bool Copiar(const QString& origen, const QString& destino) {
  QDir().mkpath(QFileInfo(destino).path());
  return QFile::copy(origen, destino);
}

}  // namespace

class TestAyuda : public QObject {
  Q_OBJECT

  TInteraccionGuion m_guion;

 private slots:
  void temasAbrenSuPagina_data() {
    QTest::addColumn<QString>("tema");
    QTest::addColumn<QString>("pagina");
    QTest::newRow("IDH_NuevaM") << "IDH_NuevaM" << "nueva_muestra.html";
    QTest::newRow("IDH_Resultados") << "IDH_Resultados" << "resultados.html";
    QTest::newRow("IDH_AlgKR") << "IDH_AlgKR" << "alg_kr.html";
    QTest::newRow("IDH_AlgIM1") << "IDH_AlgIM1" << "alg_im1.html";
    QTest::newRow("IDH_NuevaSA") << "IDH_NuevaSA" << "nueva_muestra_sa.html";
    QTest::newRow("IDH_AlgSKR") << "IDH_AlgSKR" << "alg_skr.html";
    QTest::newRow("IDH_PasoAPaso") << "IDH_PasoAPaso" << "paso_a_paso.html";
  }
  void temasAbrenSuPagina() {
    QFETCH(QString, tema);
    QFETCH(QString, pagina);
    TAyuda ayuda(QDir::currentPath(), m_guion);
    ayuda.Tema(ArchivoAyuda, tema);
    TFayuda* ventana = ayuda.Ventana(ArchivoAyuda);
    QVERIFY(ventana);
    QVERIFY(ventana->isVisible());
    QVERIFY(ventana->MostrarTema(tema));
    QCOMPARE(Pagina(ventana), pagina);
    auto* navegador = Hijo<QTextBrowser>(ventana, "Navegador");
    QVERIFY(!navegador->documentTitle().isEmpty());
    QVERIFY(navegador->toPlainText().size() > 300);
    QTRY_COMPARE(PaginaSeleccionada(ventana), pagina);  // the tree shows where the topic is
    QVERIFY(m_guion.transcripcion.empty());
  }

  void botonesAyudaDeLosEditoresSaltanASuTema() {
    TFprincipal principal;
    principal.CrearVentanas([] {});
    AlAbrirseModal<TFnuevMuestra>([](TFnuevMuestra* editor) {
      Hijo<QPushButton>(editor, "BotonAyuda")->click();
      Hijo<QPushButton>(editor, "BotonCancelar")->click();
    });
    Hijo<QAction>(&principal, "NuevaMuestra")->trigger();
    QCOMPARE(Pagina(principal.Ayuda().Ventana(ArchivoAyuda)), QStringLiteral("nueva_muestra.html"));
    Hijo<QAction>(&principal, "TipoM_SA")->trigger();
    AlAbrirseModal<TFnuevaMuestraSA>([](TFnuevaMuestraSA* editor) {
      Hijo<QPushButton>(editor, "BotonAyuda")->click();
      Hijo<QPushButton>(editor, "BotonCancelar")->click();
    });
    Hijo<QAction>(&principal, "NuevaMuestra")->trigger();
    QCOMPARE(Pagina(principal.Ayuda().Ventana(ArchivoAyuda)), QStringLiteral("nueva_muestra_sa.html"));
  }

  void temasDeAyudaMuestraElContenido() {
    TFprincipal principal;
    Hijo<QAction>(&principal, "Contenidos1")->trigger();
    TFayuda* ventana = principal.Ayuda().Ventana(ArchivoAyuda);
    QVERIFY(ventana && ventana->isVisible());
    QCOMPARE(Hijo<QTabWidget>(ventana, "Pestanas")->currentIndex(), 0);
    QCOMPARE(Pagina(ventana), QStringLiteral("index.html"));
    auto* contenido = ventana->Motor().contentWidget();
    QTRY_VERIFY(contenido->model()->rowCount() > 0);
    QTRY_VERIFY(contenido->model()->rowCount(contenido->model()->index(0, 0)) >= 8);
  }

  void temasTutorialMuestraElContenidoDelTutorial() {
    TFprincipal principal;
    Hijo<QAction>(&principal, "TemasTutor")->trigger();
    TFayuda* ventana = principal.Ayuda().Ventana(ArchivoTutorial);
    QVERIFY(ventana && ventana->isVisible());
    QVERIFY(!principal.Ayuda().Ventana(ArchivoAyuda));
    QCOMPARE(Hijo<QTabWidget>(ventana, "Pestanas")->currentIndex(), 0);
    QCOMPARE(Pagina(ventana), QStringLiteral("tutor_index.html"));
    auto* indice = ventana->Motor().indexWidget();
    QTRY_VERIFY(indice->model()->rowCount() >= 10);
  }

  // Accented words sort as in a Spanish dictionary, letter case aside: "Árbol..." among the A.
  void indiceOrdenadoComoEnEspanol() {
    TAyuda ayuda(QDir::currentPath(), m_guion);
    ayuda.Buscador(ArchivoAyuda);
    auto* indice = ayuda.Ventana(ArchivoAyuda)->Motor().indexWidget();
    QTRY_VERIFY(indice->model()->rowCount() > 20);
    QStringList palabras;
    for (int i = 0; i < indice->model()->rowCount(); ++i) palabras << indice->model()->index(i, 0).data().toString();
    const auto arbol = palabras.indexOf(QStringLiteral("Árbol aceptor de prefijos"));
    QVERIFY(arbol > palabras.indexOf(QStringLiteral("Alfabeto")));
    QVERIFY(arbol < palabras.indexOf(QStringLiteral("Archivos de muestra")));
    QVERIFY(palabras.indexOf(QStringLiteral("Autómata")) < palabras.indexOf(QStringLiteral("Barra de estado")));
    // and an entry found there still opens its page
    indice->setCurrentIndex(indice->model()->index(arbol, 0));
    indice->activateCurrentItem();
    QCOMPARE(Pagina(ayuda.Ventana(ArchivoAyuda)), QStringLiteral("aceptor.html"));
  }

  void indiceFiltradoLlevaALaPagina() {
    TAyuda ayuda(QDir::currentPath(), m_guion);
    ayuda.Buscador(ArchivoAyuda);
    TFayuda* ventana = ayuda.Ventana(ArchivoAyuda);
    auto* indice = ventana->Motor().indexWidget();
    QTRY_VERIFY(indice->model()->rowCount() > 0);
    QTest::keyClicks(Hijo<QLineEdit>(ventana, "FiltroIndice"), "Mealy");
    QTRY_COMPARE(indice->model()->rowCount(), 1);
    indice->setCurrentIndex(indice->model()->index(0, 0));
    indice->activateCurrentItem();
    QCOMPARE(Pagina(ventana), QStringLiteral("alg_skr.html"));
  }

  void busquedaEncuentraLasPaginas() {
    TAyuda ayuda(QDir::currentPath(), m_guion);
    ayuda.Contenido(ArchivoAyuda);
    QHelpSearchEngine* buscador = ayuda.Ventana(ArchivoAyuda)->Motor().searchEngine();
    // The index is built in the background when the window opens; search until it answers.
    QElapsedTimer reloj;
    reloj.start();
    while (buscador->searchResultCount() == 0 && reloj.elapsed() < 20000) {
      QSignalSpy buscado(buscador, &QHelpSearchEngine::searchingFinished);
      buscador->search(QStringLiteral("consistente"));
      QVERIFY(buscado.wait(20000));
      if (buscador->searchResultCount() == 0) QTest::qWait(100);
    }
    QVERIFY(buscador->searchResultCount() > 0);
    QStringList paginas;
    for (const auto& resultado : buscador->searchResults(0, buscador->searchResultCount()))
      paginas << resultado.url().fileName();
    QVERIFY2(paginas.contains(QStringLiteral("alg_skr.html")), qPrintable(paginas.join(' ')));
  }

  void busquedaEnEspanol() {
    InstalarTraducciones(*qApp);  // as the program does at start-up
    TAyuda ayuda(QDir::currentPath(), m_guion);
    ayuda.Contenido(ArchivoAyuda);
    TFayuda* ventana = ayuda.Ventana(ArchivoAyuda);
    Hijo<QTabWidget>(ventana, "Pestanas")->setCurrentIndex(2);
    auto* consulta = Hijo<QWidget>(ventana, "Consulta");
    auto* resultados = Hijo<QWidget>(ventana, "Resultados");
    // Searched from the tab as a user does, until the index built in the background answers.
    QHelpSearchEngine* buscador = ventana->Motor().searchEngine();
    QElapsedTimer reloj;
    reloj.start();
    while (buscador->searchResultCount() == 0 && reloj.elapsed() < 20000) {
      QSignalSpy buscado(buscador, &QHelpSearchEngine::searchingFinished);
      consulta->findChild<QLineEdit*>()->setText(QStringLiteral("consistente"));
      consulta->findChild<QPushButton*>()->click();
      QVERIFY(buscado.wait(20000));
      if (buscador->searchResultCount() == 0) QTest::qWait(100);
    }
    QCOMPARE(consulta->findChild<QPushButton*>()->text(), QStringLiteral("Buscar"));
    QStringList textos;
    for (auto* etiqueta : consulta->findChildren<QLabel*>() + resultados->findChildren<QLabel*>())
      textos << etiqueta->text();
    QVERIFY2(textos.contains(QStringLiteral("Buscar:")), qPrintable(textos.join('|')));
    QVERIFY2(!textos.join('|').contains(QStringLiteral("Hits")), qPrintable(textos.join('|')));
    // the snippets read their entities: a quoted phrase of a page shows its quotes
    QSignalSpy buscado(buscador, &QHelpSearchEngine::searchingFinished);
    consulta->findChild<QLineEdit*>()->setText(QStringLiteral("hacia"));
    consulta->findChild<QPushButton*>()->click();
    QVERIFY(buscado.wait(20000));
    const QString lista = Hijo<QTextBrowser>(ventana, "Resultados")->toPlainText();
    QVERIFY2(lista.contains(QStringLiteral("\"hacia atrás")), qPrintable(lista));
    for (const char* crudo : {"&quot;", "&amp;", "<b>"}) QVERIFY2(!lista.contains(QLatin1String(crudo)), qPrintable(lista));
    GuardarCaptura(ventana, QStringLiteral("TFayuda-busqueda"));
  }

  void archivoDeAyudaQueFaltaDaUnMensajeClaro() {
    TCasaTemporal vacia;
    TInteraccionGuion guion;
    TAyuda ayuda(vacia.Ruta(), guion);
    ayuda.Tema(QStringLiteral("Ayuda/NoExiste.qch"), QStringLiteral("IDH_NuevaM"));
    QVERIFY(!ayuda.Ventana(QStringLiteral("Ayuda/NoExiste.qch")));
    QCOMPARE(guion.transcripcion,
             std::vector<std::string>{"Mensaje Error Ok: No se puede abrir el archivo de ayuda Ayuda/NoExiste.qch"});
  }

  void cerrarLaVentanaPrincipalCierraLaAyuda() {
    TFprincipal principal;
    principal.show();
    Hijo<QAction>(&principal, "Contenidos1")->trigger();
    Hijo<QAction>(&principal, "TemasTutor")->trigger();
    QVERIFY(principal.Ayuda().Ventana(ArchivoAyuda));
    principal.close();
    QVERIFY(!principal.Ayuda().Ventana(ArchivoAyuda));
    QVERIFY(!principal.Ayuda().Ventana(ArchivoTutorial));
  }

  void datosDelDirectorioInicialAntesQueLosDelPrograma() {
    TCasaTemporal inicio;
    const QString delPrograma = QDir(CarpetaDatosPrograma()).filePath(ArchivoAyuda);
    QCOMPARE(BuscarArchivoDeDatos(inicio.Ruta(), ArchivoAyuda), QFileInfo(delPrograma).absoluteFilePath());
    const QString propio = QDir(inicio.Ruta()).filePath(ArchivoAyuda);
    QVERIFY(Copiar(delPrograma, propio));
    QCOMPARE(BuscarArchivoDeDatos(inicio.Ruta(), ArchivoAyuda), QFileInfo(propio).absoluteFilePath());
    QVERIFY(BuscarArchivoDeDatos(inicio.Ruta(), QStringLiteral("Ayuda/NoExiste.qch")).isEmpty());
  }

  // An installed prefix may be moved (a package built for /usr, an install into a
  // temporary folder): the program then finds its data beside its own bin folder.
  void datosDelPrefijoDondeEstaInstalado() {
    TCasaTemporal inicio;
    TCasaTemporal prefijo;
    const QString instalado = QDir(prefijo.Ruta()).filePath(QStringLiteral("share/telar/") + ArchivoAyuda);
    QVERIFY(Copiar(QDir(CarpetaDatosPrograma()).filePath(ArchivoAyuda), instalado));
    QVERIFY(QDir(prefijo.Ruta()).mkpath(QStringLiteral("bin")));
    const QString bin = QDir(prefijo.Ruta()).filePath(QStringLiteral("bin"));
    QCOMPARE(BuscarArchivoDeDatos(inicio.Ruta(), ArchivoAyuda, bin), QFileInfo(instalado).absoluteFilePath());
  }

  void sonidosDesdeElDirectorioActualSinBloquear() {
    TCasaTemporal actual;
    const QString anterior = QDir::currentPath();
    QDir::setCurrent(actual.Ruta());
    TSonidos sonidos;
    sonidos.Reproducir(QStringLiteral("Execute.wav"));
    QCOMPARE(sonidos.UltimoArchivo(), QDir(CarpetaDatosPrograma()).absoluteFilePath("Sonidos/Execute.wav"));
    const QString propio = QDir(actual.Ruta()).filePath("Sonidos/Execute.wav");
    QVERIFY(Copiar(sonidos.UltimoArchivo(), propio));
    sonidos.Reproducir(QStringLiteral("Execute.wav"));
    QCOMPARE(sonidos.UltimoArchivo(), QFileInfo(propio).absoluteFilePath());
    QElapsedTimer reloj;
    reloj.start();
    sonidos.Reproducir(QStringLiteral("NoExiste.wav"));
    QVERIFY(sonidos.UltimoArchivo().isEmpty());
    for (int i = 0; i < 20; ++i) sonidos.Reproducir(QStringLiteral("Result.wav"));
    QVERIFY2(reloj.elapsed() < 2000, "sounds start without waiting");
    QDir::setCurrent(anterior);
  }

  void botonesDeMuestraSuenanCommand() {
    TFprincipal principal;
    principal.CrearVentanas([] {});
    Hijo<QToolButton>(&principal, "BotonVer")->click();
    QVERIFY(principal.Sonidos().UltimoArchivo().endsWith(QStringLiteral("Sonidos/Command.wav")));
  }
};

QTEST_MAIN(TestAyuda)
#include "AyudaTest.moc"
