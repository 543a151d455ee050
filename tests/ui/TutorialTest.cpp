// The tutorial followed as a student follows it: each of its five steps is read beside the
// window the step is about, its page chosen with one click in the tutorial's contents while
// that window (modal over the main window) is open.
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QLabel>
#include <QLineEdit>
#include <QWindow>

#include "soporte/Guion.h"
#include "soporte/PruebaConPrincipal.h"
#include "soporte/Ventanas.h"
#include "ui/Ayuda.h"
#include "ui/VerMuestra.h"

namespace {

// Clicks step `paso` (1 to 5) in the tutorial's contents as a user does, through the window
// system, which drops input to a window a modal dialog blocks; the page shown then.
QString ElegirPaso(TFayuda* tutorial, int paso) {
  QHelpContentWidget* contenido = tutorial->Motor().contentWidget();
  const QModelIndex item = contenido->model()->index(paso - 1, 0, contenido->model()->index(0, 0));
  contenido->scrollTo(item);
  const QPoint punto = contenido->viewport()->mapTo(tutorial, contenido->visualRect(item).center());
  QTest::mouseClick(tutorial->windowHandle(), Qt::LeftButton, {}, punto);
  return tutorial->PaginaActual().fileName();
}

}  // namespace

class TestTutorial : public TPruebaConPrincipal {
  Q_OBJECT

 private slots:
  void cincoPasosConSusVentanasAbiertas() {
    P().Accion("TemasTutor")->trigger();
    TFayuda* tutorial = P()->Ayuda().Ventana(ArchivoTutorial);
    QVERIFY(tutorial && tutorial->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(tutorial));
    QCOMPARE(tutorial->PaginaActual().fileName(), QStringLiteral("tutor_index.html"));
    QHelpContentWidget* contenido = tutorial->Motor().contentWidget();
    // the five steps and the lesson on identifying the target language
    QTRY_VERIFY(contenido->model()->rowCount(contenido->model()->index(0, 0)) == 6);
    QVERIFY(contenido->isVisible());  // it opens on its contents
    // beside the main window, not over its middle
    QVERIFY(!tutorial->frameGeometry().contains(P()->frameGeometry().center()));

    const QString test = m_casa.Escribir("tutor.tst", "ab\nb\naab\nba\n&\n");
    TGuion guion;
    guion.En("TFnuevMuestra", [&](QWidget* editor) {
      QCOMPARE(ElegirPaso(tutorial, 1), QStringLiteral("tutor_1_muestra.html"));
      auto* linea = Hijo<QLineEdit>(editor, "MuestraLBEdit");
      for (const char* ejemplo : {"ab", "b"}) {
        QTest::keyClicks(linea, ejemplo);
        QTest::keyClick(linea, Qt::Key_Return);
      }
      BotonDe(editor, "BotonAceptar")->click();
    });
    EJECUTAR_GUION(guion, P().Accion("NuevaMuestra")->trigger());
    // the main window and the viewer say what sample the session holds
    QCOMPARE(Hijo<QLabel>(&*P(), "PanelMuestras")->text(), QStringLiteral("S+ sin guardar (2)"));
    GuardarCaptura(&*P(), QStringLiteral("TFprincipal-muestras"));
    P().Accion("VerMuestra")->trigger();
    QCOMPARE(Hijo<QLabel>(P()->VerMuestra(), "TipoMuestraVista")->text(),
             QStringLiteral("Muestra positiva: sin guardar, 2 cadenas"));
    GuardarCaptura(P()->VerMuestra(), QStringLiteral("TFverMuestra-tipo"));
    P()->VerMuestra()->close();

    TGuion kr;
    kr.En("TFelegirParametro", [&](QWidget* dialogo) {
      QCOMPARE(ElegirPaso(tutorial, 2), QStringLiteral("tutor_2_kr.html"));
      PonerValorYPulsar(dialogo, "ParametroK", 0, "BtnAceptar");
    });
    kr.Pulsar("TFmostrarAceptor", "BitBtn1");
    kr.En("TFmostrarAutomata", [&](QWidget* resultado) {
      QCOMPARE(ElegirPaso(tutorial, 3), QStringLiteral("tutor_3_resultado.html"));
      GuardarCaptura(tutorial, QStringLiteral("TFayuda-tutorial-con-resultado"));
      BotonDe(resultado, "BotonValidar")->click();
    });
    kr.En("OpenDialog1", [&](QWidget*) { ResponderDialogoArchivo(test); });
    kr.En("TFgraficos", [&](QWidget* graficos) {
      QCOMPARE(ElegirPaso(tutorial, 4), QStringLiteral("tutor_4_validar.html"));
      // a*b accepts ab, b and aab; "&" is the empty string, which it rejects
      QCOMPARE(Hijo<QLabel>(graficos, "Aciertos")->text(), QStringLiteral("Aciertos: 60%      "));
      graficos->close();
    });
    kr.En("TFmostrarAutomata", [&](QWidget* resultado) {
      QCOMPARE(ElegirPaso(tutorial, 5), QStringLiteral("tutor_5_mas.html"));
      BotonDe(resultado, "BitBtn1")->click();
    });
    EJECUTAR_GUION(kr, P().Boton("BotonKR")->click());
    // the main window's quit asks about the typed sample, which was never saved
    QVERIFY(P()->Sesion().HayMuestrasSinGuardar());
  }
};

QTEST_MAIN(TestTutorial)
#include "TutorialTest.moc"
