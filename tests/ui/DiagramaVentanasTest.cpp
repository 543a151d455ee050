// The diagram beside each automaton window: drawn from the window's own automaton, the
// window resizable around it, grid rows and states selecting each other, the string
// trace step by step, the export button, and Graphviz's SVG read back by Qt.
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSplitter>
#include <QSvgRenderer>

#include "diagram/Disposicion.h"
#include "soporte/PruebaConPrincipal.h"
#include "soporte/Guion.h"
#include "soporte/Ventanas.h"
#include "ui/VistaDiagrama.h"

namespace {

TVistaDiagrama* VistaDe(QWidget* ventana) {
  auto* vista = Hijo<TVistaDiagrama>(ventana, "VistaDiagrama");
  [&] { QTRY_VERIFY_WITH_TIMEOUT(vista->Dibujado(), 20000); }();
  return vista;
}

// Types `cadena` in "Probar cadena" and presses "Fin": the verdict shown.
QString Probar(QWidget* ventana, const QString& cadena) {
  Hijo<QLineEdit>(ventana, "ProbarCadena")->setText(cadena);
  BotonDe(ventana, "BotonFin")->click();
  return Hijo<QLabel>(ventana, "Veredicto")->text();
}

std::vector<int> Actuales(TVistaDiagrama* vista) { return vista->Recorrido().pasos[vista->PasoActual()].estados; }

}  // namespace

class TestDiagramaVentanas : public TPruebaConPrincipal {
  Q_OBJECT

 private slots:

  void aceptorYResultadoDeKR() {
    P().Tomar(TTipoMuestra::TipoM_Pos, {"ab", "b"});
    const QString svg = m_casa.Ruta() + QStringLiteral("/resultado.svg");
    TGuion guion;
    guion.En("TFelegirParametro", [](QWidget* d) { PonerValorYPulsar(d, "ParametroK", 0, "BtnAceptar"); });
    guion.En("TFmostrarAceptor", [](QWidget* v) {
      TVistaDiagrama* vista = VistaDe(v);
      // the tree of the marked sample: six states, the end marks drawn dashed
      QCOMPARE(vista->Diagrama().estados.size(), 6u);
      QVERIFY(vista->Diagrama().estados[3].marcado);  // ab$
      QVERIFY(!vista->Diagrama().estados[2].marcado);

      // resizable from the design size up; table and diagram grow with the window
      QCOMPARE(v->minimumSize(), QSize(542, 353));
      QVERIFY(v->maximumSize().width() > 2000);
      auto* rejilla = Hijo<TRejilla>(v, "Rejilla");
      const QSize antesRejilla = rejilla->size(), antesVista = vista->size();
      v->resize(v->width() + 300, v->height() + 200);
      QTRY_VERIFY(rejilla->height() > antesRejilla.height() && vista->height() > antesVista.height());
      QVERIFY(rejilla->width() > antesRejilla.width() || vista->width() > antesVista.width());

      // a grid row selects its state; a press on a state selects its row
      rejilla->setCurrentIndex(rejilla->model()->index(2, 0));
      QCOMPARE(vista->EstadoSeleccionado(), 2);
      const TDisposicion disposicion = Disponer(vista->Diagrama());
      auto* lienzo = vista->Lienzo();
      const TPunto centro = disposicion.estados[4].centro;
      QTest::mouseClick(lienzo->viewport(), Qt::LeftButton, {}, lienzo->mapFromScene(QPointF(centro.x, centro.y)));
      QCOMPARE(vista->EstadoSeleccionado(), 4);
      QCOMPARE(rejilla->currentIndex().row(), 4);

      // the trace: step by step, then the verdict at the end
      QCOMPARE(Probar(v, QStringLiteral("ab$")), QStringLiteral("Aceptada"));
      QCOMPARE(Actuales(vista), std::vector<int>{3});
      BotonDe(v, "BotonAnterior")->click();
      QCOMPARE(vista->PasoActual(), 2u);
      QCOMPARE(Actuales(vista), std::vector<int>{2});
      QCOMPARE(Hijo<QLabel>(v, "Veredicto")->text(), QString());
      BotonDe(v, "BotonInicio")->click();
      QCOMPARE(Actuales(vista), std::vector<int>{0});
      BotonDe(v, "BotonSiguiente")->click();
      QCOMPARE(Actuales(vista), std::vector<int>{1});
      QCOMPARE(Probar(v, QStringLiteral("ab")), QStringLiteral("Rechazada"));
      GuardarCaptura(v, QStringLiteral("TFmostrarAceptor-traza"));
      BotonDe(v, "BitBtn1")->click();
    });
    guion.En("TFmostrarAutomata", [&](QWidget* v) {
      TVistaDiagrama* vista = VistaDe(v);
      QCOMPARE(vista->Diagrama().estados.size(), 2u);
      QCOMPARE(vista->Diagrama().inicial, 1);
      QCOMPARE(Probar(v, QStringLiteral("aab")), QStringLiteral("Aceptada"));
      // symbols outside the alphabet, one the code page lacks too: rejected where they stand
      QCOMPARE(Probar(v, QStringLiteral("ac")), QStringLiteral("Rechazada"));
      QCOMPARE(vista->Recorrido().desconocido, std::optional<std::size_t>(1));
      QCOMPARE(Probar(v, QStringLiteral("中b")), QStringLiteral("Rechazada"));
      QCOMPARE(vista->Recorrido().desconocido, std::optional<std::size_t>(0));
      QVERIFY(Hijo<QLabel>(v, "SimbolosLeidos")->text().contains(QStringLiteral("line-through'>中")));
      BotonDe(v, "BotonExportarDiagrama")->click();
      QVERIFY(QSvgRenderer(svg).isValid());
      BotonDe(v, "BitBtn1")->click();
    });
    guion.En("SaveDialog1", [&](QWidget*) {
      ResponderDialogoArchivo(svg, [](QFileDialog* dialogo) {
        // the exchange formats are offered beside the pictures
        QVERIFY(dialogo->nameFilters().contains(QStringLiteral("Autómata JSON (*.json)")));
        QVERIFY(dialogo->nameFilters().contains(QStringLiteral("JFLAP (*.jff)")));
        QCOMPARE(dialogo->selectedNameFilter(), QStringLiteral("Imagen SVG (*.svg)"));
        GuardarCaptura(dialogo, QStringLiteral("Dialogo-ExportarDiagrama"));
      });
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionKRnormal")->trigger());
  }

  void deterministaDeIM1() {
    P().Tomar(TTipoMuestra::TipoM_Pos, {"a", "ab", "abb"});
    TGuion guion;
    guion.En("TFelegirHeuristico", [](QWidget* d) {
      Hijo<QRadioButton>(d, "K_Sufijos")->click();
      Hijo<QSpinBox>(d, "parametroK")->setValue(1);
      BotonDe(d, "BtnAceptar")->click();
    });
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.Pulsar("TFavisos1", "BotonSi");
    guion.En("TFmostrarAutomataDeter", [](QWidget* v) {
      TVistaDiagrama* vista = VistaDe(v);
      QCOMPARE(QString::fromStdString(vista->Diagrama().estados[0].nombre), QStringLiteral("[q0]"));
      QCOMPARE(Probar(v, QStringLiteral("abb")), QStringLiteral("Aceptada"));
      QVERIFY(Actuales(vista).size() == 1);
      BotonDe(v, "BitBtn1")->click();
    });
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      // the quotient itself is not deterministic: the trace keeps a set of states
      TVistaDiagrama* vista = VistaDe(v);
      QCOMPARE(Probar(v, QStringLiteral("ab")), QStringLiteral("Aceptada"));
      bool varios = false;
      for (const auto& paso : vista->Recorrido().pasos) varios = varios || paso.estados.size() > 1;
      QVERIFY(varios);
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionIM1")->trigger());
  }

  void maquinaMealy() {
    P().Tomar(TTipoMuestra::TipoM_SA, {"S1/A1", "S2/A2", "", "S1/A1", "S2/A3", ""});
    TGuion guion;
    guion.En("TFmostrarMealy", [](QWidget* v) {
      TVistaDiagrama* vista = VistaDe(v);
      QCOMPARE(QString::fromStdString(vista->Diagrama().transiciones[1].etiqueta), QStringLiteral("S2 / A2, S2 / A3"));
      QCOMPARE(v->minimumSize(), QSize(601, 434));
      QCOMPARE(Probar(v, QStringLiteral("S1A1S2A3")), QStringLiteral("Aceptada"));
      QCOMPARE(Probar(v, QStringLiteral("S1A1S2")), QStringLiteral("Rechazada"));
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionSKR")->trigger());
  }
};

QTEST_MAIN(TestDiagramaVentanas)
#include "DiagramaVentanasTest.moc"
