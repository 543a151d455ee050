// Renders every window and dialog of the desktop program to PNG files under
// <build>/capturas/, so that a person can look at each one; checks each file was written
// at the window's size.
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QComboBox>
#include <QSpinBox>
#include <QRadioButton>
#include <QToolButton>

#include "InteraccionGuion.h"
#include "soporte/Guion.h"
#include "soporte/Soporte.h"
#include "ui/AcercaDe.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/NuevMuestra.h"
#include "ui/NuevaMuestraSA.h"
#include "ui/Presentacion.h"
#include "ui/Principal.h"
#include "ui/VerMuestra.h"

class TestCapturas : public QObject {
  Q_OBJECT

  TCasaTemporal m_casa;
  std::unique_ptr<TFprincipal> m_principal;

  // Renders `ventana` and checks the file holds an image of its size.
  static void Capturar(QWidget* ventana, const QString& nombre) {
    const QString ruta = GuardarCaptura(ventana, nombre);
    const QImage imagen(ruta);
    QVERIFY2(!imagen.isNull(), qPrintable(ruta));
    QCOMPARE(imagen.size(), ventana->size() * ventana->devicePixelRatio());
  }
  QAction* Accion(const char* nombre) { return Hijo<QAction>(m_principal.get(), nombre); }
  void Tomar(TTipoMuestra tipo, const TLista& lineas) {
    TInteraccionGuion guion;
    m_principal->Sesion().ElegirTipo(tipo);
    QVERIFY(m_principal->Sesion().DarValoresSegunTipo(lineas, guion));
  }
  // A step that renders the window as `nombre` and then presses its button `boton`.
  static TGuion::TAccion CapturarYPulsar(const QString& nombre, const char* boton) {
    return [=](QWidget* w) {
      Capturar(w, nombre);
      Hijo<QAbstractButton>(w, boton)->click();
    };
  }

 private slots:
  void initTestCase() {
    InstalarTraducciones(*qApp);  // as the program does, so the renders show Qt's Spanish texts
    m_principal = std::make_unique<TFprincipal>();
    m_principal->CrearVentanas([] {});
    m_principal->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_principal.get()));
  }
  void cleanupTestCase() { m_principal.reset(); }

  void presentacion() {
    TFpresentacion presentacion;
    presentacion.show();
    for (int i = 0; i < 9; ++i) presentacion.Paso();
    Capturar(&presentacion, QStringLiteral("TFpresentacion"));
  }

  void principal() {
    Capturar(m_principal.get(), QStringLiteral("TFprincipal-presentacion"));
    m_principal->Timer1Timer();
    m_principal->MostrarHintEnStatusBar(QStringLiteral("Ejecutar algoritmo KR i"));
    Capturar(m_principal.get(), QStringLiteral("TFprincipal"));
  }

  void menus_data() {
    QTest::addColumn<QString>("menu");
    for (const char* m : {"MuestraM", "AlgoritmosM", "ConfiguracionM", "TipoMuestraM", "TipoKR", "TipoKC", "AyudaM",
                          "MTutorial"})
      QTest::newRow(m) << QString::fromLatin1(m);
  }
  void menus() {
    QFETCH(QString, menu);
    auto* m = Hijo<QMenu>(m_principal.get(), qPrintable(menu));
    m->popup(m_principal->geometry().topLeft());
    QTRY_VERIFY(m->isVisible());
    Capturar(m, QStringLiteral("menu-") + menu);
    m->hide();
  }

  void acercaDe() {
    AlAbrirseModal<TFacercaDe>([](TFacercaDe* acerca) {
      Capturar(acerca, QStringLiteral("TFacercaDe"));
      acerca->accept();
    });
    Accion("Acercade1")->trigger();
  }

  void nuevaMuestra() {
    AlAbrirseModal<TFnuevMuestra>([](TFnuevMuestra* editor) {
      auto* linea = Hijo<QLineEdit>(editor, "MuestraLBEdit");
      for (const char* e : {"ab", "b", "aab", "&"}) {
        QTest::keyClicks(linea, e);
        QTest::keyClick(linea, Qt::Key_Return);
      }
      QTest::keyClicks(linea, "ba");
      Capturar(editor, QStringLiteral("TFnuevMuestra"));
      linea->clear();
      Hijo<QPushButton>(editor, "BotonAceptar")->click();
    });
    Accion("NuevaMuestra")->trigger();
  }

  void verMuestra() {
    Accion("VerMuestra")->trigger();
    Capturar(m_principal->VerMuestra(), QStringLiteral("TFverMuestra"));
    m_principal->VerMuestra()->close();
  }

  void nuevaMuestraSA() {
    Accion("TipoM_SA")->trigger();
    AlAbrirseModal<TFnuevaMuestraSA>([](TFnuevaMuestraSA* editor) {
      auto* par = Hijo<QLineEdit>(editor, "ParSA");
      QTest::keyClicks(par, "1/1");
      QTest::keyClick(par, Qt::Key_Return);
      Hijo<QPushButton>(editor, "BotonNuevaSecuencia")->click();
      QTest::keyClicks(par, "1/1");
      QTest::keyClick(par, Qt::Key_Return);
      par->selectAll();
      QTest::keyClicks(par, "12/3");
      QTest::keyClick(par, Qt::Key_Return);
      Capturar(editor, QStringLiteral("TFnuevaMuestraSA"));
      Hijo<QPushButton>(editor, "BotonCancelar")->click();
    });
    Accion("NuevaMuestra")->trigger();
    Accion("TipoM_Pos")->trigger();
  }

  void mensajeDeError() {
    AlAbrirseModal<TFnuevMuestra>([](TFnuevMuestra* editor) {
      AlAbrirseModal<QMessageBox>([](QMessageBox* caja) {
        Capturar(caja, QStringLiteral("Mensaje-MuestraNoValida"));
        QCOMPARE(caja->button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
        caja->accept();
      });
      Hijo<QPushButton>(editor, "BotonAceptar")->click();
    });
    Accion("NuevaMuestra")->trigger();
  }

  void dialogoAbrir() {
    ResponderDialogoArchivo(m_casa.Escribir("captura.pos", "ab\nb\n"), [](QFileDialog* dialogo) {
      Capturar(dialogo, QStringLiteral("Dialogo-Abrir"));
    });
    Accion("Abrir1")->trigger();
  }

  void ventanasDeKR() {
    Tomar(TTipoMuestra::TipoM_Pos, {"ab", "b"});
    const QString test = m_casa.Escribir("captura.tst", "ab\nb\naab\nba\n");
    TGuion guion;
    guion.En("TFelegirParametro", [](QWidget* d) {
      Hijo<QSpinBox>(d, "ParametroK")->setValue(2);
      CapturarYPulsar(QStringLiteral("TFelegirParametro"), "BtnAceptar")(d);
    });
    guion.En("TFmostrarAceptor", CapturarYPulsar(QStringLiteral("TFmostrarAceptor"), "BitBtn1"));
    guion.En("TFmostrarAutomata", CapturarYPulsar(QStringLiteral("TFmostrarAutomata"), "BotonValidar"));
    guion.En("OpenDialog1", [&](QWidget*) { ResponderDialogoArchivo(test); });
    guion.En("TFgraficos", [](QWidget* g) {
      Capturar(g, QStringLiteral("TFgraficos"));
      g->close();
    });
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, Accion("OpcionKRnormal")->trigger());

    Tomar(TTipoMuestra::TipoM_Neg, {"aab"});
    TGuion negativa;
    negativa.En("TFmostrarAutomata", CapturarYPulsar(QStringLiteral("TFmostrarAutomata-negativo"), "BitBtn1"));
    EJECUTAR_GUION(negativa, Accion("OpcionKRejemplosnegativos")->trigger());
    Accion("TipoM_Pos")->trigger();
  }

  void ventanasIncrementales() {
    TGuion guion;
    guion.Pulsar("TFelegirParametro", "BtnAceptar");
    guion.En("TFmostrarAutomata1", [](QWidget* v) {
      Hijo<QComboBox>(v, "TextoEjemplo")->setEditText(QStringLiteral("abc"));
      Hijo<QAbstractButton>(v, "BotonInsertarEjemplo")->click();
    });
    guion.En("TFavisos", CapturarYPulsar(QStringLiteral("TFavisos"), "BotonSi"));
    guion.En("TFmostrarAutomata1", CapturarYPulsar(QStringLiteral("TFmostrarAutomata1"), "BitBtn1"));
    EJECUTAR_GUION(guion, Accion("OpcionKCincremental")->trigger());
  }

  void ventanasDeIM1() {
    Tomar(TTipoMuestra::TipoM_Pos, {"a", "ab", "abb"});
    TGuion guion;
    guion.En("TFelegirHeuristico", [](QWidget* d) {
      Hijo<QRadioButton>(d, "Levine")->click();
      CapturarYPulsar(QStringLiteral("TFelegirHeuristico"), "BtnAceptar")(d);
    });
    guion.En("TFelegirCotaS", [](QWidget* d) {
      auto* lista = Hijo<QListWidget>(d, "ListaCotas");
      lista->setCurrentRow(1);
      CapturarYPulsar(QStringLiteral("TFelegirCotaS"), "BtnAceptar")(d);
    });
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.En("TFavisos1", CapturarYPulsar(QStringLiteral("TFavisos1"), "BotonSi"));
    guion.En("TFmostrarAutomataDeter", CapturarYPulsar(QStringLiteral("TFmostrarAutomataDeter"), "BitBtn1"));
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, Accion("OpcionIM1")->trigger());
  }

  void ventanasDeMealy() {
    Tomar(TTipoMuestra::TipoM_SA, {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""});
    TGuion guion;
    guion.En("TFmostrarMealy", CapturarYPulsar(QStringLiteral("TFmostrarMealy"), "BotonSiguiente"));
    guion.En("Mensaje", [](QWidget* caja) {
      Capturar(caja, QStringLiteral("Mensaje-SinSolucionMealy"));
      QTest::keyClick(caja, Qt::Key_Escape);
    });
    EJECUTAR_GUION(guion, Accion("OpcionSKR")->trigger());
    Accion("TipoM_Pos")->trigger();
  }

  void ayuda() {
    Accion("Contenidos1")->trigger();
    TFayuda* ventana = m_principal->Ayuda().Ventana(ArchivoAyuda);
    QVERIFY(ventana);
    ventana->MostrarTema(QStringLiteral("IDH_AlgKR"));
    QTest::qWait(200);  // contents are filled in the background
    Capturar(ventana, QStringLiteral("TFayuda-Ayuda"));
    Accion("TemasTutor")->trigger();
    TFayuda* tutorial = m_principal->Ayuda().Ventana(ArchivoTutorial);
    QVERIFY(tutorial);
    QTest::qWait(200);
    Capturar(tutorial, QStringLiteral("TFayuda-Tutorial"));
  }
};

QTEST_MAIN(TestCapturas)
#include "CapturasTest.moc"
