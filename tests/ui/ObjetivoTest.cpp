// The "&Objetivo" forms rendered to <build>/capturas: the menu, the main window with its
// target's sign, the generation dialog and the target's window; and the dialog's figures
// handed back as typed (the seed included).
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QtTest>

#include "app/sesion/Sesion.h"
#include "app/objetivos/FlujosObjetivo.h"
#include "automatas/LecturaAutomata.h"
#include "soporte/Soporte.h"
#include "ui/Arranque.h"
#include "ui/Objetivo.h"
#include "ui/Principal.h"

class TestObjetivo : public QObject {
  Q_OBJECT

  static void Capturar(QWidget* ventana, const QString& nombre) {
    const QImage imagen(GuardarCaptura(ventana, nombre));
    QVERIFY(!imagen.isNull());
  }

 private slots:
  void initTestCase() { InstalarTraducciones(*qApp); }

  void menuYSenal() {
    TFprincipal principal;
    principal.CrearVentanas([] {});
    principal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    auto* menu = Hijo<QMenu>(&principal, "ObjetivoM");
    QVERIFY(!Hijo<QAction>(&principal, "VerObjetivo")->isEnabled());
    auto* senal = Hijo<QLabel>(&principal, "PanelObjetivo");
    QVERIFY(!senal->isVisible());
    principal.Sesion().Objetivo = std::make_shared<const TObjetivo>(
        TObjetivo{*LeerAutomataDeArgumento("er:(a|b)*ab").automata, "(a|b)*ab", true});
    Hijo<QAction>(&principal, "QuitarObjetivo")->setEnabled(true);
    // the sign follows the session after any item of the menu; quitting clears it
    Hijo<QAction>(&principal, "QuitarObjetivo")->trigger();
    QVERIFY(!senal->isVisible());
    QVERIFY(!Hijo<QAction>(&principal, "GenerarMuestras")->isEnabled());
    menu->popup(principal.geometry().topLeft());
    QTRY_VERIFY(menu->isVisible());
    Capturar(menu, QStringLiteral("menu-ObjetivoM"));
    menu->hide();
  }

  void generarMuestras() {
    TFgenerarMuestras dialogo;
    TDatosGeneracion datos;
    datos.semilla = 4711;
    datos.caracteristica = TCaracteristica::KR;
    datos.k = 2;
    dialogo.Poner(datos);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    Capturar(&dialogo, QStringLiteral("TFgenerarMuestras"));
    dialogo.hide();
    QTimer::singleShot(0, &dialogo, [&] {
      auto* semilla = Hijo<QLineEdit>(&dialogo, "Semilla");
      semilla->clear();
      QTest::keyClicks(semilla, "99x");  // the validator keeps digits only
      Hijo<QSpinBox>(&dialogo, "Positivos")->setValue(7);
      dialogo.accept();
    });
    QVERIFY(dialogo.Pedir(datos));
    QCOMPARE(datos.semilla, std::uint64_t{99});
    QCOMPARE(datos.positivos, std::size_t{7});
    QCOMPARE(datos.k, 2);
  }

  void verObjetivo() {
    const TObjetivo objetivo{*LeerAutomataDeArgumento("er:(a|b)*ab").automata, "(a|b)*ab", true};
    TFverObjetivo ventana(DatosVerObjetivo(objetivo));
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    QTest::qWait(300);  // the layout runs away from the window's thread
    Capturar(&ventana, QStringLiteral("TFverObjetivo"));
    QVERIFY(Hijo<QLabel>(&ventana, "TextoObjetivo")->text().contains(QStringLiteral("k = 2")));
  }
};

QTEST_MAIN(TestObjetivo)
#include "ObjetivoTest.moc"
