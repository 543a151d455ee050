// SKR and SKC from the main window through their real windows: a new Mealy result window
// for each consistent k with "Siguiente K" and "Cerrar", the information box with the
// single Retry button for each inconsistent k, and the report saved from the window.
#include <QFile>
#include <QHeaderView>
#include <QLabel>

#include "soporte/PruebaConPrincipal.h"
#include "soporte/Guion.h"
#include "soporte/Ventanas.h"
#include "ui/MostrarMealy.h"

namespace {

const TLista kEjemplo = {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""};

TGuion::TAccion SinSolucion(int k, QMessageBox::StandardButton pulsar) {
  return [=](QWidget* caja) {
    ResponderMensaje(caja, QStringLiteral("No se encontró solución para K= %1").arg(k), QMessageBox::Information,
                     QMessageBox::Retry, pulsar);
  };
}

}  // namespace

class TestComandosMealy : public TPruebaConPrincipal {
  Q_OBJECT

  void Preparar() override {
    P().Tomar(TTipoMuestra::TipoM_SA, kEjemplo);
  }

 private slots:

  void skrSiguienteKYReintentarHastaElFinal() {
    const QString informe = m_casa.Ruta() + QStringLiteral("/mealy.aut");
    TGuion guion;
    guion.En("TFmostrarMealy", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Máquina Mealy Resultado SKR  K= 0"));
      QCOMPARE(v->minimumSize(), QSize(601, 434));
      QVERIFY(v->windowFlags() & Qt::WindowCloseButtonHint);
      auto* textoK = Hijo<QLineEdit>(v, "TextoK");
      QCOMPARE(textoK->text(), QStringLiteral("Encontrada solución para K = 0"));
      QCOMPARE(textoK->palette().color(QPalette::Text), QColor(Qt::red));
      QVERIFY(textoK->font().bold());
      QCOMPARE(Hijo<QLabel>(v, "Label2")->text(), QStringLiteral("Conjunto de Situaciones: "));
      QCOMPARE(TextoDe(v, "Situaciones"), QStringLiteral("S1 , S2"));
      QCOMPARE(TextoDe(v, "Acciones"), QStringLiteral("A1 , A2 , A3"));
      QCOMPARE(TextoDe(v, "Einicial"), QStringLiteral("q0"));
      QCOMPARE(TextoDe(v, "Efinales"), QStringLiteral("  q2"));
      QCOMPARE(TextoDe(v, "Estados"), QStringLiteral("  q0  q1  q2"));
      QCOMPARE(FilaDe(v, 0), (QStringList{"  E/SA  ", "S1 / A1", "S2 / A2", "S2 / A3"}));
      QCOMPARE(FilaDe(v, 1), (QStringList{" q0", "q1", "", ""}));
      QCOMPARE(FilaDe(v, 2), (QStringList{" q1", "", "q2", "q2"}));
      QCOMPARE(FilaDe(v, 3), (QStringList{" q2", "", "", ""}));
      QCOMPARE(Hijo<TRejilla>(v, "Rejilla")->verticalHeader()->sectionSize(0), 24);
      QCOMPARE(BotonDe(v, "BotonSiguiente")->text(), QStringLiteral("Siguiente K"));
      QVERIFY(BotonDe(v, "BotonSiguiente")->isEnabled());
      QVERIFY(!BotonDe(v, "BotonImprimir")->isEnabled());
      QCOMPARE(BotonDe(v, "BitBtn1")->text(), QStringLiteral("Cerrar"));
      QVERIFY(BotonDe(v, "BotonAyuda")->text().isEmpty());
      QVERIFY(!BotonDe(v, "BotonAyuda")->icon().isNull());
      BotonDe(v, "BotonGuardar")->click();
    });
    guion.En("SaveDialog1", [&](QWidget*) { ResponderDialogoArchivo(informe); });
    guion.Pulsar("TFmostrarMealy", "BotonSiguiente");
    guion.En("Mensaje", SinSolucion(1, QMessageBox::Retry));
    guion.En("Mensaje", SinSolucion(2, QMessageBox::Retry));
    EJECUTAR_GUION(guion, P().Boton("BotonSKR")->click());
    QCOMPARE(Leer(informe), Leer(Dato("mealy/ejemplo-skr-k0.aut")));
    // The window of each result is released when it closes.
    QVERIFY(!P()->findChild<TFmostrarMealy*>());
  }

  void skcSeDetieneAlCerrarElAviso() {
    TGuion guion;
    guion.En("TFmostrarMealy", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Máquina Mealy Resultado SKC  K= 0"));
      QCOMPARE(FilaDe(v, 1), (QStringList{" q0", "q0", "q0", "q0"}));
      BotonDe(v, "BotonSiguiente")->click();
    });
    guion.En("Mensaje", [](QWidget* caja) { QTest::keyClick(caja, Qt::Key_Escape); });  // no k = 2
    EJECUTAR_GUION(guion, P().Accion("OpcionSKC")->trigger());
  }

  void cerrarDetieneLaBusquedaYElUltimoKNoTieneSiguiente() {
    TGuion cerrar;
    cerrar.Pulsar("TFmostrarMealy", "BitBtn1");
    EJECUTAR_GUION(cerrar, P().Accion("OpcionSKR")->trigger());

    P().Tomar(TTipoMuestra::TipoM_SA, {"S1/A1", "", "S2/A2", ""});
    TGuion guion;
    guion.Pulsar("TFmostrarMealy", "BotonSiguiente");
    guion.En("TFmostrarMealy", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Máquina Mealy Resultado SKC  K= 1"));
      QCOMPARE(TextoDe(v, "TextoK"), QStringLiteral("Encontrada solución para K = 1"));
      QVERIFY(!BotonDe(v, "BotonSiguiente")->isEnabled());
      v->close();
    });
    EJECUTAR_GUION(guion, P().Boton("BotonSKC")->click());
  }

  void muestraSinSecuenciaCerradaNoEsValida() {
    P().Tomar(TTipoMuestra::TipoM_SA, {"S1/A1"});
    TGuion guion;
    guion.En("Mensaje", [](QWidget* caja) {
      ResponderMensaje(caja, QStringLiteral("Muestra No válida"), QMessageBox::Critical, QMessageBox::Ok,
                       QMessageBox::Ok);
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionSKR")->trigger());
  }
};

QTEST_MAIN(TestComandosMealy)
#include "ComandosMealyTest.moc"
