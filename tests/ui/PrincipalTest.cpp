// TFprincipal and the start-up: layout, buttons, menus, variants and sample kinds, hints,
// the picture timer, the enabling of algorithm commands and their wiring.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "InteraccionGuion.h"
#include "soporte/Guion.h"
#include "soporte/Soporte.h"
#include "ui/AcercaDe.h"
#include "ui/Arranque.h"
#include "ui/Presentacion.h"
#include "ui/Principal.h"

namespace {

void MoverRaton(QWidget* widget) {
  QMouseEvent evento(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &evento);
}

// The texts of a menu's items in order, "-" for a separator.
QStringList TextosMenu(QMenu* menu) {
  QStringList textos;
  for (QAction* accion : menu->actions()) textos << (accion->isSeparator() ? QStringLiteral("-") : accion->text());
  return textos;
}

}  // namespace

class TestPrincipal : public QObject {
  Q_OBJECT

  TCasaTemporal m_casa;
  std::unique_ptr<TFprincipal> m_principal;

  TFprincipal& Principal() { return *m_principal; }
  QToolButton* Boton(const char* nombre) { return Hijo<QToolButton>(m_principal.get(), nombre); }
  QAction* Accion(const char* nombre) { return Hijo<QAction>(m_principal.get(), nombre); }
  QLabel* Panel0() { return Hijo<QLabel>(m_principal.get(), "Panel0"); }
  void Tomar(TTipoMuestra tipo, const TLista& lineas) {
    TInteraccionGuion guion;
    Principal().Sesion().ElegirTipo(tipo);
    QVERIFY(Principal().Sesion().DarValoresSegunTipo(lineas, guion));
  }

 private slots:
  void init() {
    m_principal = std::make_unique<TFprincipal>();
    m_principal->CrearVentanas([] {});
    m_principal->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_principal.get()));
  }
  void cleanup() { m_principal.reset(); }

  void ventanaConTamanoFijoYBarraDeEstado() {
    QCOMPARE(Principal().windowTitle(), QStringLiteral(" Inducción Gramatical"));
    QCOMPARE(Principal().width(), 558);
    QCOMPARE(Principal().height() - Principal().menuBar()->height(), 486);
    QCOMPARE(Principal().minimumSize(), Principal().maximumSize());
    QCOMPARE(Hijo<QWidget>(&Principal(), "Panel1")->height(), 73);
    QCOMPARE(Panel0()->text(), QStringLiteral("Telar 99"));
    QCOMPARE(Panel0()->width(), std::max(50, Principal().fontMetrics().horizontalAdvance("Telar 99") + 7));
    const QString hora = Hijo<QLabel>(&Principal(), "Panel1Estado")->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d     $")).match(hora).hasMatch(), qPrintable(hora));
    QVERIFY(!Principal().statusBar()->isSizeGripEnabled());
  }

  void botones_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("pista");
    QTest::addColumn<bool>("habilitado");
    QTest::newRow("Abrir") << "BotonAbrir" << "S+" << "Abrir archivo muestra" << true;
    QTest::newRow("Guardar") << "BotonGuardar" << "S+" << "Guardar archivo muestra" << true;
    QTest::newRow("Ver") << "BotonVer" << "S+" << "Ver muestra actual" << true;
    QTest::newRow("Nueva") << "BotonNueva" << "S+" << "Nueva muestra" << true;
    QTest::newRow("IM1") << "BotonIM1" << "IM1" << "Ejecutar algoritmo" << false;
    QTest::newRow("KR") << "BotonKR" << "KR" << "Ejecutar algoritmo" << false;
    QTest::newRow("KC") << "BotonKC" << "KC" << "Ejecutar algoritmo" << false;
    QTest::newRow("SKR") << "BotonSKR" << "SKR" << "Ejecutar algoritmo" << false;
    QTest::newRow("SKC") << "BotonSKC" << "SKC" << "Ejecutar algoritmo" << false;
  }
  void botones() {
    QFETCH(QString, nombre);
    QFETCH(QString, texto);
    QFETCH(QString, pista);
    QFETCH(bool, habilitado);
    auto* boton = Boton(qPrintable(nombre));
    QVERIFY(boton);
    QCOMPARE(boton->text(), texto);
    QCOMPARE(boton->toolTip(), pista);
    QCOMPARE(boton->isEnabled(), habilitado);
    QCOMPARE(boton->size(), QSize(57, 57));
    QVERIFY(boton->autoRaise());
    QCOMPARE(boton->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(!boton->icon().isNull());
  }

  void botonesEnOrdenConElSeparadorEntreMuestrasYAlgoritmos() {
    const char* orden[] = {"BotonAbrir", "BotonGuardar", "BotonVer", "BotonNueva", "BotonIM1",
                           "BotonKR",    "BotonKC",      "BotonSKR", "BotonSKC"};
    for (std::size_t i = 0; i + 1 < std::size(orden); ++i)
      QVERIFY(Boton(orden[i])->geometry().right() < Boton(orden[i + 1])->geometry().left());
    auto* separador = Hijo<QFrame>(&Principal(), "Bevel1");
    QCOMPARE(separador->frameShape(), QFrame::VLine);
    QVERIFY(Boton("BotonNueva")->geometry().right() < separador->geometry().left());
    QVERIFY(separador->geometry().right() < Boton("BotonIM1")->geometry().left());
    QVERIFY(Boton("BotonSKC")->geometry().right() < 558);
  }

  void estructuraDeMenus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("textos");
    QTest::newRow("barra") << "" << QStringList{"&Muestra", "&Algoritmos", "&Objetivo", "&Configuración", "Ay&uda", "&Tutorial"};
    QTest::newRow("Muestra") << "MuestraM"
                             << QStringList{"&Nueva...", "&Abrir...", "&Ver", "&Guardar como...", "-",
                                            "Importar...", "Exportar...", "-", "Abrir autómata...", "-", "&Salir"};
    QTest::newRow("Algoritmos") << "AlgoritmosM" << QStringList{"&IM1...", "K&R", "K&C", "SKR", "SKC", "-", "Explorar &K..."};
    QTest::newRow("KR") << "OpcionKR" << QStringList{"KR...", "KR incremental...", "KR ejemplos negativos..."};
    QTest::newRow("KC") << "OpcionKC" << QStringList{"KC...", "KC incremental...", "KC ejemplos negativos..."};
    QTest::newRow("Configuracion") << "ConfiguracionM" << QStringList{"&Muestra", "-", "K&R...", "K&C..."};
    QTest::newRow("Tipos") << "TipoMuestraM" << QStringList{"Positiva", "Negativa", "Test", "Situación/Acción"};
    QTest::newRow("VariantesKR") << "TipoKR" << QStringList{"KR", "KR incremental", "KR ejemplos negativos"};
    QTest::newRow("VariantesKC") << "TipoKC" << QStringList{"KC", "KC incremental", "KC ejemplos negativos"};
    QTest::newRow("Ayuda") << "AyudaM" << QStringList{"&Temas de Ayuda", "-", "&Acerca de..."};
    QTest::newRow("Tutorial") << "MTutorial" << QStringList{"&Temas Tutorial"};
    QTest::newRow("Objetivo") << "ObjetivoM"
                              << QStringList{"Definir expresión...", "Abrir autómata...", "-", "Ver objetivo",
                                             "Generar muestras...", "Quitar objetivo"};
  }
  void estructuraDeMenus() {
    QFETCH(QString, menu);
    QFETCH(QStringList, textos);
    if (menu.isEmpty()) {
      QStringList barra;
      for (QAction* a : Principal().menuBar()->actions()) barra << a->text();
      QCOMPARE(barra, textos);
    } else {
      auto* m = Hijo<QMenu>(&Principal(), qPrintable(menu));
      QVERIFY(m);
      QCOMPARE(TextosMenu(m), textos);
    }
  }

  void itemsDeMenu_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QKeySequence>("atajo");
    QTest::addColumn<bool>("marcable");
    QTest::addColumn<bool>("marcado");
    QTest::addColumn<bool>("habilitado");
    const QKeySequence ninguno;
    auto fila = [](const char* n, QKeySequence a, bool marcable, bool marcado, bool habilitado) {
      QTest::newRow(n) << QString::fromLatin1(n) << a << marcable << marcado << habilitado;
    };
    fila("NuevaMuestra", QKeySequence(Qt::CTRL | Qt::Key_U), false, false, true);
    fila("Abrir1", QKeySequence(Qt::CTRL | Qt::Key_A), false, false, true);
    fila("VerMuestra", ninguno, false, false, true);
    fila("GuardarComo", QKeySequence(Qt::CTRL | Qt::Key_G), false, false, true);
    fila("Salir1", QKeySequence(Qt::CTRL | Qt::Key_X), false, false, true);
    fila("OpcionIM1", ninguno, false, false, false);
    fila("OpcionKR", ninguno, false, false, false);
    fila("OpcionKC", ninguno, false, false, false);
    fila("OpcionSKR", ninguno, false, false, false);
    fila("OpcionSKC", ninguno, false, false, false);
    fila("OpcionExplorarK", ninguno, false, false, false);
    fila("TipoM_Pos", ninguno, true, true, true);
    fila("TipoM_Neg", ninguno, true, false, true);
    fila("TipoM_Test", ninguno, true, false, true);
    fila("TipoM_SA", ninguno, true, false, true);
    fila("TipoKR_N", ninguno, true, true, true);
    fila("TipoKR_I", ninguno, true, false, true);
    fila("TipoKR_E", ninguno, true, false, true);
    fila("TipoKC_N", ninguno, true, true, true);
    fila("TipoKC_I", ninguno, true, false, true);
    fila("TipoKC_E", ninguno, true, false, true);
    fila("Contenidos1", ninguno, false, false, true);
    fila("Acercade1", ninguno, false, false, true);
    fila("TemasTutor", ninguno, false, false, true);
  }
  void itemsDeMenu() {
    QFETCH(QString, nombre);
    QFETCH(QKeySequence, atajo);
    QFETCH(bool, marcable);
    QFETCH(bool, marcado);
    QFETCH(bool, habilitado);
    QAction* accion = Accion(qPrintable(nombre));
    QVERIFY(accion);
    QCOMPARE(accion->shortcut(), atajo);
    QCOMPARE(accion->isCheckable(), marcable);
    QCOMPARE(accion->isChecked(), marcado);
    QCOMPARE(accion->isEnabled(), habilitado);
  }

  void tipoDeMuestraCambiaLosCuatroBotonesDeMuestra_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("texto");
    QTest::newRow("Negativa") << "TipoM_Neg" << "S-";
    QTest::newRow("Test") << "TipoM_Test" << "S test";
    QTest::newRow("SituacionAccion") << "TipoM_SA" << "S/A";
    QTest::newRow("Positiva") << "TipoM_Pos" << "S+";
  }
  void tipoDeMuestraCambiaLosCuatroBotonesDeMuestra() {
    QFETCH(QString, item);
    QFETCH(QString, texto);
    Accion("TipoM_Neg")->trigger();  // start from another kind so every row changes something
    Accion(qPrintable(item))->trigger();
    QVERIFY(Accion(qPrintable(item))->isChecked());
    for (const char* b : {"BotonAbrir", "BotonGuardar", "BotonVer", "BotonNueva"}) QCOMPARE(Boton(b)->text(), texto);
    QCOMPARE(Boton("BotonKR")->text(), QStringLiteral("KR"));
    QCOMPARE(Boton("BotonKC")->text(), QStringLiteral("KC"));
    int marcados = 0;
    for (const char* t : {"TipoM_Pos", "TipoM_Neg", "TipoM_Test", "TipoM_SA"}) marcados += Accion(t)->isChecked();
    QCOMPARE(marcados, 1);
  }

  void variantesCambianLosBotonesKRyKC_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("texto");
    QTest::newRow("KR incremental") << "TipoKR_I" << "BotonKR" << "KR i";
    QTest::newRow("KR negativos") << "TipoKR_E" << "BotonKR" << "KR -";
    QTest::newRow("KR normal") << "TipoKR_N" << "BotonKR" << "KR";
    QTest::newRow("KC incremental") << "TipoKC_I" << "BotonKC" << "KC i";
    QTest::newRow("KC negativos") << "TipoKC_E" << "BotonKC" << "KC -";
    QTest::newRow("KC normal") << "TipoKC_N" << "BotonKC" << "KC";
  }
  void variantesCambianLosBotonesKRyKC() {
    QFETCH(QString, item);
    QFETCH(QString, boton);
    QFETCH(QString, texto);
    Accion("TipoKR_E")->trigger();
    Accion("TipoKC_E")->trigger();
    Accion(qPrintable(item))->trigger();
    QVERIFY(Accion(qPrintable(item))->isChecked());
    QCOMPARE(Boton(qPrintable(boton))->text(), texto);
  }

  void pistasDeLosBotonesLlevanSuTextoActual() {
    Tomar(TTipoMuestra::TipoM_Pos, {"ab", "b"});
    Accion("TipoKR_I")->trigger();
    MoverRaton(Boton("BotonKR"));
    QCOMPARE(Panel0()->text(), QStringLiteral("Ejecutar algoritmo KR i"));
    QCOMPARE(Panel0()->width(), Principal().fontMetrics().horizontalAdvance(Panel0()->text()) + 7);
    Accion("TipoM_Neg")->trigger();
    MoverRaton(Boton("BotonAbrir"));
    QCOMPARE(Panel0()->text(), QStringLiteral("Abrir archivo muestra S-"));
    const int ancho = Panel0()->width();
    MoverRaton(Boton("BotonVer"));
    QCOMPARE(Panel0()->text(), QStringLiteral("Ver muestra actual S-"));
    QVERIFY2(Panel0()->width() < ancho, "the panel narrows to fit a shorter hint");
  }

  void pistasDeLaImagenYDeLosMenus_data() {
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QString>("texto");
    QTest::newRow("ImagenFija") << "ImagenFija" << " Telar 99 ";
    QTest::newRow("Muestra") << "MuestraM" << " Telar 99 ";
    QTest::newRow("Algoritmos") << "AlgoritmosM" << " Telar 99 ";
    QTest::newRow("Configuracion") << "ConfiguracionM" << " Telar 99 ";
    QTest::newRow("Ayuda") << "AyudaM" << " Telar 99 ";
    QTest::newRow("Tutorial") << "MTutorial" << "Tutorial";
  }
  void pistasDeLaImagenYDeLosMenus() {
    QFETCH(QString, origen);
    QFETCH(QString, texto);
    Principal().MostrarHintEnStatusBar(QStringLiteral("otra cosa"));
    if (auto* menu = Principal().findChild<QMenu*>(origen)) {
      menu->popup(Principal().geometry().center());
      QTRY_VERIFY(menu->isVisible());
      menu->hide();
    } else {
      MoverRaton(Hijo<QWidget>(&Principal(), qPrintable(origen)));
    }
    QCOMPARE(Panel0()->text(), texto);
  }

  void temporizadorOcultaLaImagenDePresentacion() {
    auto* timer = Hijo<QTimer>(&Principal(), "Timer1");
    QCOMPARE(timer->interval(), 8000);
    QVERIFY(timer->isActive());
    QVERIFY(!timer->isSingleShot());
    auto* presentacion = Hijo<QWidget>(&Principal(), "ImagenPresent");
    auto* fija = Hijo<QWidget>(&Principal(), "ImagenFija");
    QVERIFY(presentacion->isVisible());
    QCOMPARE(presentacion->geometry(), fija->geometry());
    Principal().Timer1Timer();
    QVERIFY(!presentacion->isVisible());
    QVERIFY(fija->isVisible());
    Principal().Timer1Timer();  // hiding it again changes nothing
    QVERIFY(!presentacion->isVisible());
  }

  void habilitacionPorMuestra_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QStringList>("lineas");
    QTest::addColumn<QStringList>("habilitados");
    QTest::newRow("un ejemplo: KC") << int(TTipoMuestra::TipoM_Pos) << QStringList{"ab"} << QStringList{"KC"};
    QTest::newRow("dos ejemplos: IM1 KR KC") << int(TTipoMuestra::TipoM_Pos) << QStringList{"ab", "&"}
                                            << QStringList{"IM1", "KR", "KC"};
    QTest::newRow("negativa: nada") << int(TTipoMuestra::TipoM_Neg) << QStringList{"ab", "b"} << QStringList{};
    QTest::newRow("situacion/accion: SKR SKC") << int(TTipoMuestra::TipoM_SA) << QStringList{"S1/A1", ""}
                                              << QStringList{"SKR", "SKC"};
  }
  void habilitacionPorMuestra() {
    QFETCH(int, tipo);
    QFETCH(QStringList, lineas);
    QFETCH(QStringList, habilitados);
    TLista lista;
    for (const auto& l : lineas) lista.push_back(l.toStdString());
    Tomar(static_cast<TTipoMuestra>(tipo), lista);
    for (const QString algoritmo : {"IM1", "KR", "KC", "SKR", "SKC"}) {
      const bool esperado = habilitados.contains(algoritmo);
      QCOMPARE(Boton(qPrintable("Boton" + algoritmo))->isEnabled(), esperado);
      QCOMPARE(Accion(qPrintable("Opcion" + algoritmo))->isEnabled(), esperado);
    }
  }

  void ordenesDeAlgoritmoLleganAlPuntoUnicoYAbrenSuVentana() {
    Tomar(TTipoMuestra::TipoM_Pos, {"ab", "b"});
    Tomar(TTipoMuestra::TipoM_SA, {"S1/A1", ""});
    QList<TOrdenAlgoritmo> recibidas;
    connect(&Principal(), &TFprincipal::OrdenAlgoritmo, this, [&](TOrdenAlgoritmo o) { recibidas << o; });
    // Each command, and the first window its flow opens (closed at once).
    const std::pair<const char*, const char*> ordenes[] = {
        {"BotonIM1", "TFelegirHeuristico"},        {"BotonKR", "TFelegirParametro"},
        {"BotonKC", "TFelegirParametro"},          {"BotonSKR", "TFmostrarMealy"},
        {"BotonSKC", "TFmostrarMealy"},            {"OpcionIM1", "TFelegirHeuristico"},
        {"OpcionKRnormal", "TFelegirParametro"},   {"OpcionKRincremental", "TFelegirParametro"},
        {"OpcionKRejemplosnegativos", "Mensaje"},  {"OpcionKCnormal", "TFelegirParametro"},
        {"OpcionKCincremental", "TFelegirParametro"}, {"OpcionKCejemplosnegativos", "Mensaje"},
        {"OpcionSKR", "TFmostrarMealy"},           {"OpcionSKC", "TFmostrarMealy"}};
    for (const auto& [orden, ventana] : ordenes) {
      TGuion guion;
      guion.En(QString::fromLatin1(ventana), [](QWidget* w) { w->close(); });
      const QString nombre = QString::fromLatin1(orden);
      EJECUTAR_GUION(guion, nombre.startsWith(QStringLiteral("Boton")) ? Boton(orden)->click() : Accion(orden)->trigger());
    }
    using O = TOrdenAlgoritmo;
    const QList<O> esperadas{O::BotonIM1,
                             O::BotonKR,
                             O::BotonKC,
                             O::BotonSKR,
                             O::BotonSKC,
                             O::OpcionIM1,
                             O::OpcionKRnormal,
                             O::OpcionKRincremental,
                             O::OpcionKRejemplosnegativos,
                             O::OpcionKCnormal,
                             O::OpcionKCincremental,
                             O::OpcionKCejemplosnegativos,
                             O::OpcionSKR,
                             O::OpcionSKC};
    QCOMPARE(recibidas, esperadas);
  }

  void acercaDeModalConSusTextos() {
    AlAbrirseModal<TFacercaDe>([](TFacercaDe* acerca) {
      QCOMPARE(acerca->windowTitle(), QStringLiteral(" Acerca de Telar"));
      QCOMPARE(Hijo<QLabel>(acerca, "ProductName")->text(), QStringLiteral("Telar 99"));
      QCOMPARE(Hijo<QLabel>(acerca, "Version")->text(), QStringLiteral("Versión 1.0"));
      auto* descripcion = Hijo<QLabel>(acerca, "Comments");
      QCOMPARE(descripcion->text(), QStringLiteral("Sistema para la ejecución y enseñanza de los algoritmos de "
                                                   "inducción de lenguajes regulares a partir de muestras"));
      QVERIFY(descripcion->wordWrap());
      QCOMPARE(Hijo<QWidget>(acerca, "Panel1")->palette().color(QPalette::Window), QColor(Qt::white));
      auto* cerrar = Hijo<QPushButton>(acerca, "OKButton");
      QCOMPARE(cerrar->text(), QStringLiteral("&Cerrar"));
      cerrar->click();
    });
    Accion("Acercade1")->trigger();
    QVERIFY(!Principal().AcercaDe()->isVisible());
  }

  void salirCierraLaVentana() {
    Accion("Salir1")->trigger();
    QVERIFY(!Principal().isVisible());
  }

  void directorioInicialEsElActualAlCrearla() {
    TCasaTemporal otra;
    const QString anterior = QDir::currentPath();
    QDir::setCurrent(otra.Ruta());
    TFprincipal principal;
    QDir::setCurrent(anterior);
    QCOMPARE(principal.DirectorioInicial(), QDir(otra.Ruta()).absolutePath());
  }

  void arranqueCreaLasVentanasEnOrdenYTerminaEnDieciseis() {
    TFpresentacion presentacion;
    QCOMPARE(presentacion.windowTitle(), QStringLiteral(" Inducción Gramatical"));
    QCOMPARE(presentacion.size(), QSize(500, 400));
    QVERIFY(presentacion.windowFlags() & Qt::FramelessWindowHint);
    auto* panel = Hijo<QLabel>(&presentacion, "Panel1");
    QCOMPARE(panel->text(), QStringLiteral("Cargando... Espere"));
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(0, 0, 128));
    auto* barra = Hijo<QProgressBar>(&presentacion, "ProgressBar1");
    QCOMPARE(barra->minimum(), 0);
    QCOMPARE(barra->maximum(), 18);
    presentacion.Paso();  // the step made when the splash is first shown
    QStringList ventanas;
    auto principal = Arrancar(presentacion, &ventanas);
    QCOMPARE(presentacion.Progreso(), 16);
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Telar"));
    QCOMPARE(ventanas, (QStringList{"TFprincipal", "TFacercaDe", "TFelegirHeuristico", "TFverMuestra",
                                    "TFnuevMuestra", "TFelegirCotaS", "TFelegirParametro", "TFnuevaMuestraSA",
                                    "TFmostrarAutomata1", "TFmostrarAutomata", "TFgraficos", "TFavisos",
                                    "TFavisos1", "TFmostrarAutomataDeter"}));
    for (const char* v : {"TFacercaDe", "TFelegirHeuristico", "TFverMuestra", "TFnuevMuestra", "TFelegirCotaS",
                          "TFelegirParametro", "TFnuevaMuestraSA", "TFmostrarAutomata1", "TFmostrarAutomata",
                          "TFgraficos", "TFavisos", "TFavisos1", "TFmostrarAutomataDeter"})
      QVERIFY2(principal->findChild<QWidget*>(v), v);
  }
};

QTEST_MAIN(TestPrincipal)
#include "PrincipalTest.moc"
