// The "Paso a paso" window opened from the automaton and Mealy result windows: it shows the
// steps of the run, moves with its controls and its list, plays to the end, and is rendered
// to <build>/capturas at step 0, a middle step and the last step.
#include <QLabel>
#include <QListWidget>
#include <QSlider>

#include "soporte/PruebaConPrincipal.h"
#include "soporte/Guion.h"
#include "soporte/Ventanas.h"
#include "ui/PasoAPaso.h"
#include "ui/VistaDiagrama.h"

namespace {

// Waits until both drawings of the step window are laid out, then renders it.
void Capturar(TFpasoAPaso* ventana, const QString& nombre) {
  QTRY_VERIFY_WITH_TIMEOUT(ventana->VistaAceptor()->Dibujado() && ventana->VistaCociente()->Dibujado(), 20000);
  GuardarCaptura(ventana, nombre);
}

QString TextoPaso(QWidget* ventana) { return Hijo<QLabel>(ventana, "TextoPaso")->text(); }

}  // namespace

class TestPasoAPaso : public TPruebaConPrincipal {
  Q_OBJECT

 private slots:

  void pasosDeKR() {
    P().Tomar(TTipoMuestra::TipoM_Pos, {"b", "ab", "aab", "aaab"});
    TGuion guion;
    guion.En("TFelegirParametro", [](QWidget* d) { PonerValorYPulsar(d, "ParametroK", 0, "BtnAceptar"); });
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      GuardarCaptura(v, QStringLiteral("TFmostrarAutomata-PasoAPaso"));
      QVERIFY(BotonDe(v, "BotonPasoAPaso")->isEnabled());
      BotonDe(v, "BotonPasoAPaso")->click();
    });
    guion.En("TFpasoAPaso", [](QWidget* w) {
      auto* ventana = qobject_cast<TFpasoAPaso*>(w);
      QVERIFY(ventana);
      QCOMPARE(ventana->windowTitle(), QStringLiteral("Paso a paso: Autómata resultado KR   K=0"));
      // step 0: the twelve states of the marked tree, each alone
      QCOMPARE(TextoPaso(w), QStringLiteral("Paso 0 de 9: aceptor de prefijos (8 bloques)"));
      QVERIFY(!BotonDe(w, "BotonAnterior")->isEnabled());
      auto* lista = Hijo<QListWidget>(w, "ListaPasos");
      QCOMPARE(lista->count(), 10);
      Capturar(ventana, QStringLiteral("TFpasoAPaso-paso0"));
      QCOMPARE(ventana->VistaAceptor()->Diagrama().estados.size(), 12u);

      // a click in the list goes to that step
      lista->setCurrentRow(5);
      QCOMPARE(TextoPaso(w), QStringLiteral("Paso 5 de 9: se unen b y aab (6 bloques)"));
      // the sentence names the blocks (its wording is pinned by the app tests)
      const QString frase = Hijo<QLabel>(w, "Frase")->text();
      QVERIFY2(frase.startsWith(QStringLiteral("Causa: ")) && frase.contains(QStringLiteral("b y aab llevan por '$' a ")) &&
                   frase.contains(QStringLiteral("deben unirse")),
               qPrintable(frase));
      Capturar(ventana, QStringLiteral("TFpasoAPaso-paso5"));
      BotonDe(w, "BotonAnterior")->click();
      QCOMPARE(lista->currentRow(), 4);
      // the keys move as the buttons do
      QWidget* foco = QApplication::focusWidget() ? QApplication::focusWidget() : w;
      const std::pair<Qt::Key, int> teclas[] = {{Qt::Key_Right, 5}, {Qt::Key_Home, 0}, {Qt::Key_End, 9},
                                                {Qt::Key_Left, 8}, {Qt::Key_Right, 9}};
      for (const auto& [tecla, fila] : teclas) {
        QTest::keyClick(foco, tecla);
        QCOMPARE(lista->currentRow(), fila);
      }
      lista->setCurrentRow(4);

      // the last step is the result: two states
      BotonDe(w, "BotonUltimo")->click();
      QVERIFY(!BotonDe(w, "BotonSiguiente")->isEnabled());
      QCOMPARE(ventana->VistaCociente()->Diagrama().estados.size(), 2u);
      Capturar(ventana, QStringLiteral("TFpasoAPaso-ultimo"));

      // playing from the end starts over and stops at the end
      Hijo<QSlider>(w, "Velocidad")->setValue(5);
      BotonDe(w, "BotonReproducir")->click();
      QCOMPARE(BotonDe(w, "BotonReproducir")->text(), QStringLiteral("Pausa"));
      QTRY_COMPARE_WITH_TIMEOUT(lista->currentRow(), 9, 15000);
      QCOMPARE(BotonDe(w, "BotonReproducir")->text(), QStringLiteral("Reproducir"));
      BotonDe(w, "BitBtn1")->click();
    });
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, P().Accion("OpcionKRnormal")->trigger());
  }

  void pasosDeSKR() {
    P().Tomar(TTipoMuestra::TipoM_SA, {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""});
    TGuion guion;
    guion.En("TFmostrarMealy", [](QWidget* v) {
      GuardarCaptura(v, QStringLiteral("TFmostrarMealy-PasoAPaso"));
      BotonDe(v, "BotonPasoAPaso")->click();
    });
    guion.En("TFpasoAPaso", [](QWidget* w) {
      auto* ventana = qobject_cast<TFpasoAPaso*>(w);
      QVERIFY(ventana);
      BotonDe(w, "BotonUltimo")->click();
      Capturar(ventana, QStringLiteral("TFpasoAPaso-SKR"));
      QCOMPARE(ventana->VistaCociente()->Diagrama().estados.size(), 3u);
      BotonDe(w, "BitBtn1")->click();
    });
    guion.Pulsar("TFmostrarMealy", "BitBtn1");
    EJECUTAR_GUION(guion, P().Accion("OpcionSKR")->trigger());
  }
};

QTEST_MAIN(TestPasoAPaso)
#include "PasoAPasoTest.moc"
