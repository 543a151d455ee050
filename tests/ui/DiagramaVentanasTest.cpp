// The diagram beside each automaton window: drawn from the window's own automaton, the
// window resizable around it, grid rows and states selecting each other, the string
// trace step by step, the export button, and Graphviz's SVG read back by Qt.
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
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

      // the trace: step by step, then the verdict at the end; the acceptor's examples end in
      // the mark, which the trace adds and says so
      QCOMPARE(Hijo<QLabel>(v, "MarcaAnadida")->text(), QStringLiteral("se añade $"));
      QVERIFY(Hijo<QLabel>(v, "MarcaAnadida")->isVisible());
      QCOMPARE(Probar(v, QStringLiteral("ab")), QStringLiteral("Aceptada"));
      QCOMPARE(Actuales(vista), std::vector<int>{3});
      BotonDe(v, "BotonAnterior")->click();
      QCOMPARE(vista->PasoActual(), 2u);
      QCOMPARE(Actuales(vista), std::vector<int>{2});
      QCOMPARE(Hijo<QLabel>(v, "Veredicto")->text(), QString());
      BotonDe(v, "BotonInicio")->click();
      QCOMPARE(Actuales(vista), std::vector<int>{0});
      BotonDe(v, "BotonSiguiente")->click();
      QCOMPARE(Actuales(vista), std::vector<int>{1});
      QCOMPARE(Probar(v, QStringLiteral("a")), QStringLiteral("Rechazada"));
      QCOMPARE(vista->Motivo(), QStringLiteral("a no tiene transición con $"));
      // Enter reads the whole string at once
      auto* campo = Hijo<QLineEdit>(v, "ProbarCadena");
      campo->setText(QStringLiteral("b"));
      QCOMPARE(Hijo<QLabel>(v, "Veredicto")->text(), QString());
      QTest::keyClick(campo, Qt::Key_Return);
      QCOMPARE(Hijo<QLabel>(v, "Veredicto")->text(), QStringLiteral("Aceptada"));
      QCOMPARE(Probar(v, QStringLiteral("&")), QStringLiteral("Rechazada"));  // the empty string, then $
      QCOMPARE(vista->Motivo(), QStringLiteral("& no tiene transición con $"));
      Probar(v, QStringLiteral("a"));
      GuardarCaptura(v, QStringLiteral("TFmostrarAceptor-traza"));
      BotonDe(v, "BitBtn1")->click();
    });
    guion.En("TFmostrarAutomata", [&](QWidget* v) {
      TVistaDiagrama* vista = VistaDe(v);
      QCOMPARE(vista->Diagrama().estados.size(), 2u);
      QCOMPARE(vista->Diagrama().inicial, 1);
      QCOMPARE(Probar(v, QStringLiteral("aab")), QStringLiteral("Aceptada"));
      QVERIFY(!Hijo<QLabel>(v, "MarcaAnadida")->isVisible());  // no mark beyond the acceptor
      QCOMPARE(Probar(v, QStringLiteral("&")), QStringLiteral("Rechazada"));
      QCOMPARE(vista->Recorrido().desconocido, std::nullopt);  // "&" is the empty string, no symbol
      // stuck: the last state reached and the symbol it lacks are named
      QCOMPARE(Probar(v, QStringLiteral("ba")), QStringLiteral("Rechazada"));
      QCOMPARE(vista->Motivo(), QStringLiteral("q0 no tiene transición con a"));
      GuardarCaptura(v, QStringLiteral("TFmostrarAutomata-traza-atascada"));
      // symbols outside the alphabet, one the code page lacks too: rejected where they stand
      QCOMPARE(Probar(v, QStringLiteral("ac")), QStringLiteral("Rechazada"));
      QCOMPARE(vista->Recorrido().desconocido, std::optional<std::size_t>(1));
      QCOMPARE(Probar(v, QStringLiteral("中b")), QStringLiteral("Rechazada"));
      QCOMPARE(vista->Recorrido().desconocido, std::optional<std::size_t>(0));
      QVERIFY(Hijo<QLabel>(v, "SimbolosLeidos")->text().contains(QStringLiteral("#c0392b'>&nbsp;中")));
      QCOMPARE(vista->Motivo(), QStringLiteral("中 no está en el alfabeto"));
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

  // A huge drawing waits for "Dibujar de todos modos", which can be cancelled; another
  // diagram shown meanwhile is not kept waiting by the one dropped.
  void dibujoGrandeSeCancela() {
    TDiagrama grande;
    grande.alfabeto = {"a", "b", "c"};
    const int n = 1500;
    for (int i = 0; i < n; ++i) grande.estados.push_back({"q" + std::to_string(i), {}, i % 5 == 0, false});
    grande.inicial = 0;
    for (int i = 0; i < n; ++i)
      for (int s = 0; s < 3; ++s)
        grande.transiciones.push_back({i, (i * 7 + s * 131 + 1) % n, {grande.alfabeto[s]}, grande.alfabeto[s]});
    QVERIFY(!DibujoInmediato(grande));
    TVistaDiagrama vista;
    vista.resize(500, 400);
    vista.show();
    vista.Mostrar(grande);
    auto* dibujar = Hijo<QPushButton>(&vista, "BotonDibujarDiagrama");
    auto* cancelar = Hijo<QPushButton>(&vista, "BotonCancelarDibujo");
    QVERIFY(dibujar->isVisible());
    dibujar->click();
    QVERIFY(vista.Dibujando());
    QVERIFY(cancelar->isVisible());
    QVERIFY(Hijo<QWidget>(&vista, "ProgresoDiagrama")->isVisible());
    QTest::qWait(1100);
    QVERIFY(Hijo<QLabel>(&vista, "AvisoDiagrama")->text().contains(QStringLiteral(" s)")));
    GuardarCaptura(&vista, QStringLiteral("VistaDiagrama-dibujando"));
    cancelar->click();
    QVERIFY(!vista.Dibujando());
    QVERIFY(dibujar->isVisible());
    QVERIFY(Hijo<QLabel>(&vista, "AvisoDiagrama")->text().startsWith(QStringLiteral("Dibujo cancelado")));
    // drawing again, then a small diagram in its place: drawn at once
    dibujar->click();
    QElapsedTimer reloj;
    reloj.start();
    TDiagrama pequeno;
    pequeno.alfabeto = {"a"};
    pequeno.estados = {{"q0", {}, false, false}, {"q1", {}, true, false}};
    pequeno.inicial = 0;
    pequeno.transiciones = {{0, 1, {"a"}, "a"}};
    vista.Mostrar(pequeno);
    QTRY_VERIFY_WITH_TIMEOUT(vista.Dibujado(), 5000);
    QVERIFY2(reloj.elapsed() < 3000, qPrintable(QString::number(reloj.elapsed())));
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
      QCOMPARE(Probar(v, QStringLiteral("S1A1S9")), QStringLiteral("Rechazada"));
      // situations alone, and the actions they produce
      QCOMPARE(Probar(v, QStringLiteral("S1 S2")), QStringLiteral("Aceptada"));
      QVERIFY2(Hijo<QLabel>(v, "SimbolosLeidos")->text().contains(QStringLiteral("acciones: A1 {A2, A3}")),
               qPrintable(Hijo<QLabel>(v, "SimbolosLeidos")->text()));
      QCOMPARE(Probar(v, QStringLiteral("S1/A1 S2/A2")), QStringLiteral("Aceptada"));
      GuardarCaptura(v, QStringLiteral("TFmostrarMealy-traza"));
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionSKR")->trigger());
  }
};

QTEST_MAIN(TestDiagramaVentanas)
#include "DiagramaVentanasTest.moc"
