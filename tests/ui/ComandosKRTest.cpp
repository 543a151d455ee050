// The KR and KC commands from the main window through their real windows: the parameter
// dialog, the acceptor window, the result window with validation and saving, the searches
// against a negative sample and the incremental window with its notice.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QValueAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHeaderView>

#include "soporte/PruebaConPrincipal.h"
#include "soporte/Guion.h"
#include "soporte/Ventanas.h"
#include "ui/Ayuda.h"
#include "ui/Graficos.h"
#include "ui/MostrarAutomata.h"

namespace {

// The parameter dialog: its texts and bounds, then k and "Aceptar".
TGuion::TAccion ElegirK(int maximo, int k) {
  return [=](QWidget* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral(" Parámetro"));
    QCOMPARE(Hijo<QLabel>(d, "Label1")->text(), QStringLiteral("Seleccionar parámetro K: "));
    auto* campo = Hijo<QSpinBox>(d, "ParametroK");
    QCOMPARE(campo->value(), 0);
    QCOMPARE(campo->minimum(), 0);
    QCOMPARE(campo->maximum(), maximo);
    PonerValorYPulsar(d, "ParametroK", k, "BtnAceptar");
  };
}

}  // namespace

class TestComandosKR : public TPruebaConPrincipal {
  Q_OBJECT

  void Preparar() override {
    P().Tomar(TTipoMuestra::TipoM_Pos, {"ab", "b"});
  }

 private slots:

  void krDesdeElBotonConParametroAceptorYResultado() {
    TGuion guion;
    guion.En("TFelegirParametro", ElegirK(2, 0));
    guion.En("TFmostrarAceptor", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Aceptor de prefijos  (KR)"));
      QCOMPARE(v->minimumSize(), QSize(542, 353));
      QVERIFY(!(v->windowFlags() & Qt::WindowCloseButtonHint));
      QVERIFY(!(v->windowFlags() & Qt::WindowSystemMenuHint));
      QCOMPARE(TextoDe(v, "Alfabeto"), QStringLiteral("{ a, b, $ }"));
      QCOMPARE(TextoDe(v, "Einicial"), QStringLiteral("&"));
      QCOMPARE(Hijo<QLabel>(v, "Label2")->text(), QStringLiteral("(cadena vacía)"));
      QCOMPARE(TextoDe(v, "Efinales"), QStringLiteral("{ ab$, b$ }"));
      QCOMPARE(TextoDe(v, "Estados"), QStringLiteral("{ &, a, ab, ab$, b, b$ }"));
      auto* rejilla = Hijo<TRejilla>(v, "Rejilla");
      QCOMPARE(rejilla->model()->rowCount() + 1, 7);
      QCOMPARE(rejilla->model()->columnCount() + 1, 4);
      QCOMPARE(FilaDe(v, 0), (QStringList{"   ", "a", "b", "$"}));
      QCOMPARE(FilaDe(v, 1), (QStringList{"&", "a", "b", "_"}));
      QVERIFY(!BotonDe(v, "BotonImprimir")->isEnabled());
      QCOMPARE(BotonDe(v, "BotonImprimir")->toolTip(), QStringLiteral("Imprimir datos"));
      QCOMPARE(BotonDe(v, "BotonGuardar")->toolTip(), QStringLiteral("Guardar Datos"));
      QCOMPARE(BotonDe(v, "BitBtn1")->text(), QStringLiteral("Autómata"));
      BotonDe(v, "BitBtn1")->click();
    });
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado KR   K=0"));
      QCOMPARE(v->minimumSize(), QSize(605, 356));
      QVERIFY(Hijo<QWidget>(v, "TextoK")->isHidden());
      QVERIFY(BotonDe(v, "BotonValidar")->isEnabled());
      QVERIFY(!BotonDe(v, "BotonImprimir")->isEnabled());
      QCOMPARE(TextoDe(v, "Alfabeto"), QStringLiteral("{ a, b }"));
      BotonDe(v, "BitBtn1")->click();
    });
    QCOMPARE(P().Boton("BotonKR")->text(), QStringLiteral("KR"));
    EJECUTAR_GUION(guion, P().Boton("BotonKR")->click());
    QCOMPARE(P()->Sonidos().UltimoArchivo().section('/', -1), QStringLiteral("Result.wav"));
  }

  void kcAceptorSinMarcaYResultadoQueSeRellena() {
    TGuion guion;
    guion.En("TFelegirParametro", ElegirK(2, 2));
    guion.En("TFmostrarAceptor", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Aceptor de prefijos  (KC)"));
      QCOMPARE(TextoDe(v, "Alfabeto"), QStringLiteral("{ a, b }"));
      QCOMPARE(TextoDe(v, "Efinales"), QStringLiteral("{ ab, b }"));
      QCOMPARE(TextoDe(v, "Estados"), QStringLiteral("{ &, a, ab, b }"));
      v->close();  // however it is closed, the command goes on
    });
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado KC   K=2"));
      QCOMPARE(Hijo<TRejilla>(v, "Rejilla")->model()->rowCount(), 4);
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionKCnormal")->trigger());

    // A second result refills the reused window: its table follows the new automaton.
    TGuion otro;
    otro.En("TFelegirParametro", ElegirK(2, 0));
    otro.Pulsar("TFmostrarAceptor", "BitBtn1");
    otro.En("TFmostrarAutomata", [](QWidget* v) {
      QCOMPARE(Hijo<TRejilla>(v, "Rejilla")->model()->rowCount(), 1);
      QCOMPARE(FilaDe(v, 1), (QStringList{" q0", "q0 ", "q0 "}));
      v->close();
    });
    EJECUTAR_GUION(otro, P().Accion("OpcionKCnormal")->trigger());
  }

  void resultadoConCadaEstadoSoloYSuInforme() {
    const QString ruta = m_casa.Ruta() + QStringLiteral("/unitaria.aut");
    TGuion guion;
    guion.En("TFelegirParametro", ElegirK(2, 2));
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado KR   K=2"));
      QCOMPARE(Hijo<QLabel>(v, "EtiquetaEinicial")->text(), QStringLiteral("Estado Inicial: "));
      QCOMPARE(Hijo<QLabel>(v, "Label1")->text(), QStringLiteral("Función de Transición: "));
      QCOMPARE(TextoDe(v, "Einicial"), QStringLiteral("q0 = { & }"));
      QCOMPARE(TextoDe(v, "Efinales"), QStringLiteral("  q2 = { ab }  q3 = { b }"));
      QCOMPARE(TextoDe(v, "Estados"), QStringLiteral("  q0 = { & }  q1 = { a }  q2 = { ab }  q3 = { b }"));
      QCOMPARE(FilaDe(v, 0), (QStringList{"  E/A  ", "a", "b"}));
      QCOMPARE(FilaDe(v, 1), (QStringList{" q0", "q1 ", "q3 "}));
      QCOMPARE(FilaDe(v, 2), (QStringList{" q1", "", "q2 "}));
      QCOMPARE(FilaDe(v, 3), (QStringList{" q2", "", ""}));
      QCOMPARE(FilaDe(v, 4), (QStringList{" q3", "", ""}));
      auto* rejilla = Hijo<TRejilla>(v, "Rejilla");
      QCOMPARE(rejilla->verticalHeader()->sectionSize(3), 24);
      QVERIFY(rejilla->font().bold());
      QVERIFY(Hijo<QLineEdit>(v, "Estados")->font().bold());
      QVERIFY(Hijo<QLineEdit>(v, "Estados")->isReadOnly());
      BotonDe(v, "BotonGuardar")->click();
    });
    guion.En("SaveDialog1", [&](QWidget*) { ResponderDialogoArchivo(ruta); });
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, P().Accion("OpcionKRnormal")->trigger());
    QByteArray esperado = Leer(Dato("resultados/ab-b-unitaria.aut"));
    esperado.replace(" Aut\xF3mata resultado\r\n", "Aut\xF3mata resultado KR   K=2\r\n");
    QCOMPARE(Leer(ruta), esperado);
  }

  void ayudaDeCadaVentanaSobreElDialogo_data() {
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("pagina");
    QTest::newRow("aceptor") << "OpcionKRnormal" << "TFmostrarAceptor" << "resultados.html";
    QTest::newRow("resultado") << "OpcionKRnormal" << "TFmostrarAutomata" << "resultados.html";
    QTest::newRow("incremental") << "OpcionKRincremental" << "TFmostrarAutomata1" << "alg_kr.html";
  }
  void ayudaDeCadaVentanaSobreElDialogo() {
    QFETCH(QString, orden);
    QFETCH(QString, ventana);
    QFETCH(QString, pagina);
    TGuion guion;
    guion.En("TFelegirParametro", ElegirK(2, 0));
    if (ventana != QStringLiteral("TFmostrarAceptor") && orden == QStringLiteral("OpcionKRnormal"))
      guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.En(ventana, [&](QWidget* v) {
      BotonDe(v, "BotonAyuda")->click();
      TFayuda* ayuda = P()->Ayuda().Ventana(ArchivoAyuda);
      QVERIFY(ayuda && ayuda->isVisible());
      QCOMPARE(ayuda->PaginaActual().fileName(), pagina);
      // The dialog is modal over its own window only, so the help beside it is usable.
      QCOMPARE(ayuda->windowModality(), Qt::NonModal);
      QVERIFY(QApplication::activeModalWidget() != ayuda);
      ayuda->close();
      BotonDe(v, "BitBtn1")->click();
    });
    if (ventana == QStringLiteral("TFmostrarAceptor")) guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, P().Accion(qPrintable(orden))->trigger());
    // From the main window the help is not modal.
    P().Accion("Contenidos1")->trigger();
    QCOMPARE(P()->Ayuda().Ventana(ArchivoAyuda)->windowModality(), Qt::NonModal);
  }

  void sonidoSoloDesdeLosBotones() {
    const QString antes = P()->Sonidos().UltimoArchivo();
    TGuion menu;
    menu.Pulsar("TFelegirParametro", "BtnCancelar");
    EJECUTAR_GUION(menu, P().Accion("OpcionKRnormal")->trigger());
    QCOMPARE(P()->Sonidos().UltimoArchivo(), antes);
    TGuion boton;
    boton.Pulsar("TFelegirParametro", "BtnCancelar");
    EJECUTAR_GUION(boton, P().Boton("BotonKC")->click());
    QCOMPARE(P()->Sonidos().UltimoArchivo().section('/', -1), QStringLiteral("Execute.wav"));
  }

  void cancelarElParametroNoMuestraNada() {
    TGuion guion;
    guion.Pulsar("TFelegirParametro", "BtnCancelar");
    EJECUTAR_GUION(guion, P().Accion("OpcionKRnormal")->trigger());
  }

  void busquedaNegativaEncuentraK_data() {
    QTest::addColumn<QString>("variante");
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QStringList>("positiva");
    QTest::addColumn<QStringList>("negativa");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("textoK");
    QTest::newRow("KR boton, K=0") << "TipoKR_E" << "BotonKR" << QStringList{"ab", "b"} << QStringList{"a"}
                                   << "Autómata resultado KR NEGATIVO   K=0" << "Encontrada solución para K = 0";
    QTest::newRow("KR menu, K=1") << "TipoKR_N" << "OpcionKRejemplosnegativos" << QStringList{"ab", "b"}
                                  << QStringList{"aab"} << "Autómata resultado KR NEGATIVO   K=1"
                                  << "Encontrada solución para K = 1";
    QTest::newRow("KC boton, K=1") << "TipoKC_E" << "BotonKC" << QStringList{"aa", "ba"} << QStringList{"b"}
                                   << "Autómata resultado KC NEGATIVO   K=1" << "Encontrada solución para K = 1";
  }
  void busquedaNegativaEncuentraK() {
    QFETCH(QString, variante);
    QFETCH(QString, orden);
    QFETCH(QStringList, positiva);
    QFETCH(QStringList, negativa);
    QFETCH(QString, caption);
    QFETCH(QString, textoK);
    P().Tomar(TTipoMuestra::TipoM_Pos, ALista(positiva));
    P().Tomar(TTipoMuestra::TipoM_Neg, ALista(negativa));
    P().Accion(qPrintable(variante))->trigger();
    TGuion guion;
    guion.En("TFmostrarAutomata", [&](QWidget* v) {
      QCOMPARE(v->windowTitle(), caption);
      auto* campo = Hijo<QLineEdit>(v, "TextoK");
      QVERIFY(campo->isVisible());
      QCOMPARE(campo->text(), textoK);
      QCOMPARE(campo->palette().color(QPalette::Text), QColor(Qt::red));
      BotonDe(v, "BitBtn1")->click();
    });
    if (orden.startsWith(QStringLiteral("Boton"))) {
      QVERIFY(P().Boton(qPrintable(orden))->text().endsWith(QStringLiteral(" -")));
      EJECUTAR_GUION(guion, P().Boton(qPrintable(orden))->click());
    } else {
      EJECUTAR_GUION(guion, P().Accion(qPrintable(orden))->trigger());
    }
    // Closing the window hid TextoK again.
    QVERIFY(Hijo<QWidget>(P()->Interaccion().Ventana<TFmostrarAutomata>(), "TextoK")->isHidden());
  }

  void busquedaNegativaSinSolucionYSinMuestra() {
    TGuion sinMuestra;
    sinMuestra.En("Mensaje", [](QWidget* caja) {
      ResponderMensaje(caja, QStringLiteral("No existe Muestra Negativa"), QMessageBox::Critical, QMessageBox::Ok,
                       QMessageBox::Ok);
    });
    EJECUTAR_GUION(sinMuestra, P().Accion("OpcionKRejemplosnegativos")->trigger());

    P().Tomar(TTipoMuestra::TipoM_Neg, {"ab"});  // also a positive example: every k accepts it
    TGuion guion;
    guion.En("Mensaje", [](QWidget* caja) {
      ResponderMensaje(caja, QStringLiteral("No se encontró solución para el rango de K = [0..2]"),
                       QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionKCejemplosnegativos")->trigger());
  }

  void incrementalConNuevoCaracter() {
    P().Accion("TipoKR_I")->trigger();
    QCOMPARE(P().Boton("BotonKR")->text(), QStringLiteral("KR i"));
    auto anadir = [](QWidget* v, const QString& ejemplo) {
      Hijo<QComboBox>(v, "TextoEjemplo")->setEditText(ejemplo);
      BotonDe(v, "BotonInsertarEjemplo")->click();
    };
    auto estado = [](QWidget* v, const QString& texto, const QStringList& lista) {
      QCOMPARE(Hijo<QLabel>(v, "Texto")->text(), texto);
      auto* combo = Hijo<QComboBox>(v, "TextoEjemplo");
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      QCOMPARE(items, lista);
    };
    TGuion guion;
    guion.En("TFelegirParametro", ElegirK(2, 0));
    guion.En("TFmostrarAutomata1", [&](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado  KR INCREMENTAL   K=0"));
      QCOMPARE(Hijo<QLabel>(v, "Label4")->text(), QStringLiteral("Ejemplo: "));
      QCOMPARE(BotonDe(v, "BotonInsertarEjemplo")->text(), QStringLiteral("&Añadir Ejemplo"));
      QCOMPARE(Hijo<QLabel>(v, "Texto")->palette().color(QPalette::WindowText), QColor(Qt::red));
      estado(v, QString(), {});
      anadir(v, QString());  // an empty box: the message, the window stays
      QVERIFY(v->isVisible());
      anadir(v, QStringLiteral("AaB"));
    });
    guion.En("Mensaje", [](QWidget* caja) {
      ResponderMensaje(caja, QStringLiteral("Debe insertar un ejemplo"), QMessageBox::Critical, QMessageBox::Ok,
                       QMessageBox::Ok);
    });
    guion.En("TFmostrarAutomata1", [&](QWidget* v) {
      estado(v, QStringLiteral("Reconocido. No se ha modificado el autómata"), {"AaB"});
      QCOMPARE(Hijo<QComboBox>(v, "TextoEjemplo")->currentText(), QStringLiteral("AaB"));
      anadir(v, QStringLiteral("c"));
    });
    guion.En("TFavisos", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Aviso"));
      QCOMPARE(Hijo<QLabel>(d, "Aviso")->text(), QStringLiteral("Nuevo carácter."));
      QCOMPARE(Hijo<QLabel>(d, "Pregunta")->text(), QStringLiteral("¿Desea ampliar el alfabeto?"));
      QCOMPARE(BotonDe(d, "BotonSi")->text(), QStringLiteral("Sí"));
      QVERIFY(qobject_cast<QPushButton*>(BotonDe(d, "BotonSi"))->isDefault());
      QTest::keyClick(d, Qt::Key_Escape);  // "No"
    });
    guion.En("TFmostrarAutomata1", [&](QWidget* v) {
      estado(v, QStringLiteral("   "), {"AaB", "c"});
      QCOMPARE(TextoDe(v, "Alfabeto"), QStringLiteral("{ a, b }"));
      anadir(v, QStringLiteral("C"));
    });
    guion.Pulsar("TFavisos", "BotonSi");
    guion.En("TFmostrarAutomata1", [&](QWidget* v) {
      estado(v, QStringLiteral("Aplicado el algoritmo incremental"), {"AaB", "c"});
      QCOMPARE(TextoDe(v, "Alfabeto"), QStringLiteral("{ a, b, c }"));
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, P().Boton("BotonKR")->click());
    QCOMPARE(P()->Sesion().MuestraPositiva, (TLista{"ab", "b"}));
  }

  void ejemploIncrementalEsLoQueSeEscribe() {
    P().Accion("TipoKR_I")->trigger();
    auto caja = [](QWidget* v) { return Hijo<QComboBox>(v, "TextoEjemplo")->lineEdit(); };
    // Types `texto` over whatever the box holds, checks that the box shows it, then Enter.
    auto escribir = [&](QWidget* v, const QString& texto) {
      caja(v)->selectAll();
      QTest::keyClicks(caja(v), texto);
      QCOMPARE(caja(v)->text(), texto);
      QTest::keyClick(caja(v), Qt::Key_Return);
    };
    auto lista = [](QWidget* v) {
      auto* combo = Hijo<QComboBox>(v, "TextoEjemplo");
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      return items;
    };
    TGuion guion;
    guion.En("TFelegirParametro", ElegirK(2, 0));
    guion.En("TFmostrarAutomata1", [&](QWidget* v) { escribir(v, QStringLiteral("abc")); });
    guion.Pulsar("TFavisos", "BotonNo");
    guion.En("TFmostrarAutomata1", [&](QWidget* v) {
      QCOMPARE(caja(v)->text(), QStringLiteral("abc"));
      escribir(v, QStringLiteral("a"));  // an earlier example begins so: no completion to it
    });
    guion.En("TFmostrarAutomata1", [&](QWidget* v) {
      QCOMPARE(lista(v), (QStringList{"abc", "a"}));
      QCOMPARE(caja(v)->text(), QStringLiteral("a"));
      escribir(v, QStringLiteral("abd"));
    });
    guion.Pulsar("TFavisos", "BotonNo");
    guion.En("TFmostrarAutomata1", [&](QWidget* v) {
      QCOMPARE(caja(v)->text(), QStringLiteral("abd"));
      escribir(v, QStringLiteral("ba"));
    });
    guion.En("TFmostrarAutomata1", [&](QWidget* v) {
      QCOMPARE(lista(v), (QStringList{"abc", "a", "abd", "ba"}));
      QCOMPARE(caja(v)->text(), QStringLiteral("ba"));
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, P().Boton("BotonKR")->click());
  }

  void validacionConGraficoYExtensionIncorrecta() {
    const QString test = m_casa.Escribir("prueba.tst", "ab\nb\naab\nba\n");
    const QString otra = m_casa.Escribir("prueba.txt", "ab\n");
    TGuion guion;
    guion.En("TFelegirParametro", ElegirK(2, 0));
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.Pulsar("TFmostrarAutomata", "BotonValidar");
    guion.En("OpenDialog1", [&](QWidget*) { ResponderDialogoArchivo(test); });
    guion.En("TFgraficos", [](QWidget* w) {
      auto* g = qobject_cast<TFgraficos*>(w);
      QVERIFY(g);
      QCOMPARE(g->windowTitle(), QStringLiteral(" Resultado validación"));
      QCOMPARE(Hijo<QWidget>(g, "AreaGrafico")->size(), QSize(536, 348));
      QCOMPARE(g->Grafico()->title(), QStringLiteral("Resultado Validación"));
      QCOMPARE(g->EjeIzquierdo()->titleText(), QStringLiteral("Nº total de ejemplos"));
      QCOMPARE(g->EjeIzquierdo()->tickInterval(), 1.0);
      const QStringList nombres{"SerieMuestra", "SerieEjemplos", "SerieAceptados", "SerieRechazados"};
      const QStringList titulos{"Muestra Entrenamiento", "Muestra Test", "Ejemplos Aceptados", "Ejemplos Rechazados"};
      const QList<QColor> colores{Qt::red, Qt::green, Qt::yellow, Qt::blue};
      const QList<double> valores{2, 4, 3, 1};
      for (int i = 0; i < 4; ++i) {
        QBarSeries* serie = g->Series()[static_cast<std::size_t>(i)];
        QCOMPARE(serie->objectName(), nombres[i]);
        QCOMPARE(serie->count(), 1);
        QCOMPARE(serie->barSets().first()->label(), titulos[i]);
        QCOMPARE(serie->barSets().first()->color(), colores[i]);
        QCOMPARE(serie->barSets().first()->at(0), valores[i]);
        QCOMPARE(serie->isLabelsVisible(), i >= 2);
      }
      QCOMPARE(g->Grafico()->series().indexOf(g->Series()[0]), 0);
      QCOMPARE(Hijo<QLabel>(g, "Aciertos")->text(), QStringLiteral("Aciertos: 75%      "));
      auto textos = [](QListWidget* lista) {
        QStringList t;
        for (int i = 0; i < lista->count(); ++i) t << lista->item(i)->text();
        return t;
      };
      QCOMPARE(textos(g->ListaAceptados()), (QStringList{"ab", "b", "aab"}));
      QCOMPARE(textos(g->ListaRechazados()), (QStringList{"ba"}));
      QVERIFY(g->ListaNegativos()->isHidden());  // no negative sample loaded
      g->close();
    });
    guion.Pulsar("TFmostrarAutomata", "BotonValidar");
    guion.En("OpenDialog1", [&](QWidget*) { ResponderDialogoArchivo(otra); });
    guion.En("Mensaje", [](QWidget* caja) {
      ResponderMensaje(caja, QStringLiteral("El archivo especificado no tiene extensión correcta"),
                       QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
    });
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, P().Accion("OpcionKRnormal")->trigger());
    QCOMPARE(P()->Sesion().MuestraValidacion, (TLista{"ab", "b", "aab", "ba"}));
  }

  void guardarDesdeAceptorYResultadoYArchivoQueNoSePuedeEscribir() {
    const QString aceptor = m_casa.Ruta() + QStringLiteral("/aceptor.aut");
    const QString resultado = m_casa.Ruta() + QStringLiteral("/resultado.txt");
    const QString imposible = m_casa.Ruta() + QStringLiteral("/no/existe.aut");
    TGuion guion;
    guion.En("TFelegirParametro", ElegirK(2, 2));
    guion.Pulsar("TFmostrarAceptor", "BotonGuardar");
    guion.En("SaveDialog1", [&](QWidget* d) {
      auto* dialogo = qobject_cast<QFileDialog*>(d);
      QCOMPARE(dialogo->defaultSuffix(), QStringLiteral("aut"));
      QCOMPARE(dialogo->nameFilters(),
               (QStringList{"Archivos de resultados (*.aut)", "Archivos de texto (*.txt)"}));
      QVERIFY(!dialogo->testOption(QFileDialog::DontConfirmOverwrite));  // replacing asks first
      ResponderDialogoArchivo(aceptor);
    });
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.Pulsar("TFmostrarAutomata", "BotonGuardar");
    guion.En("SaveDialog1", [&](QWidget*) { ResponderDialogoArchivo(resultado); });
    guion.Pulsar("TFmostrarAutomata", "BotonGuardar");
    guion.En("SaveDialog1", [&](QWidget*) { ResponderDialogoArchivo(imposible); });
    guion.En("Mensaje", [&](QWidget* caja) {
      auto* mensaje = qobject_cast<QMessageBox*>(caja);
      QVERIFY2(mensaje->text().startsWith(QStringLiteral("No se puede escribir el archivo")),
               qPrintable(mensaje->text()));
      QVERIFY(mensaje->text().contains(QStringLiteral("existe.aut")));
      QCOMPARE(mensaje->icon(), QMessageBox::Critical);
      mensaje->accept();
    });
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, P().Accion("OpcionKRnormal")->trigger());
    QCOMPARE(Leer(aceptor), Leer(Dato("muestras/ab-kr.aut")));
    QVERIFY(Leer(resultado).startsWith("Aut\xF3mata resultado KR   K=2\r\nMuestra: { ab, b }\r\n"));
  }

};

QTEST_MAIN(TestComandosKR)
#include "ComandosKRTest.moc"
