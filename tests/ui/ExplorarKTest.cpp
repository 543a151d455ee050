// The "Explorar K" window from the main window: rows and charts as the sweep makes them,
// a row opened in the result window, a long sweep cancelled within a second keeping its
// rows, renders; and the validation chart's lists of strings with a negative sample.
#include <QChart>
#include <QImage>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <random>

#include "soporte/PruebaConPrincipal.h"
#include "soporte/Guion.h"
#include "soporte/Ventanas.h"
#include "ui/ExplorarK.h"
#include "ui/Graficos.h"

namespace {

QStringList Textos(QListWidget* lista) {
  QStringList textos;
  for (int i = 0; i < lista->count(); ++i) textos << lista->item(i)->text();
  return textos;
}

QStringList FilaTabla(QTableWidget* tabla, int fila) {
  QStringList celdas;
  for (int c = 0; c < tabla->columnCount(); ++c) celdas << tabla->item(fila, c)->text();
  return celdas;
}

}  // namespace

class TestExplorarK : public TPruebaConPrincipal {
  Q_OBJECT

 private slots:

  void menuItemFollowsThePositiveSample() {
    QVERIFY(!P().Accion("OpcionExplorarK")->isEnabled());
    P().Tomar(TTipoMuestra::TipoM_Pos, {"ab"});
    QVERIFY(P().Accion("OpcionExplorarK")->isEnabled());
    QCOMPARE(P().Accion("OpcionExplorarK")->text(), QStringLiteral("Explorar &K..."));
  }

  void rowsChartsAndARowOpenedInTheResultWindow() {
    P().Tomar(TTipoMuestra::TipoM_Pos, {"ab", "b"});
    P().Tomar(TTipoMuestra::TipoM_Neg, {"aab"});
    P().Tomar(TTipoMuestra::TipoM_Test, {"b", "ab", "ba"});
    TGuion guion;
    guion.En("TFexplorarK", [](QWidget* w) {
      auto* v = qobject_cast<TFexplorarK*>(w);
      QVERIFY(v);
      QCOMPARE(v->windowTitle(), QStringLiteral(" Explorar K"));
      QTRY_VERIFY_WITH_TIMEOUT(!v->Explorando() && v->Tabla()->rowCount() == 6, 10000);
      QCOMPARE(FilaTabla(v->Tabla(), 0).mid(0, 8),
               (QStringList{"KR", "0", "2", "2", "1", "no", "2", "67%"}));
      QCOMPARE(FilaTabla(v->Tabla(), 1).mid(0, 6), (QStringList{"KR", "1", "3", "3", "0", "sí"}));
      QCOMPARE(FilaTabla(v->Tabla(), 3).at(0), QStringLiteral("KC"));
      QCOMPARE(v->GraficoEstados()->series().size(), 2);    // KR, KC
      QCOMPARE(v->GraficoAceptados()->series().size(), 4);  // test and negatives of each
      QCOMPARE(Hijo<QProgressBar>(v, "Progreso")->value(), 6);
      GuardarCaptura(v, QStringLiteral("TFexplorarK"));
      emit v->Tabla()->cellDoubleClicked(1, 2);
    });
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado KR   K=1"));
      BotonDe(v, "BitBtn1")->click();
    });
    // both charts saved as one picture, PNG at twice the window's size, or SVG
    const QString png = m_casa.Ruta() + QStringLiteral("/graficos.png");
    const QString svg = m_casa.Ruta() + QStringLiteral("/graficos.svg");
    guion.Pulsar("TFexplorarK", "BotonGuardarGrafico");
    guion.En("SaveDialog1", [&](QWidget*) { ResponderDialogoArchivo(png); });
    guion.Pulsar("TFexplorarK", "BotonGuardarGrafico");
    guion.En("SaveDialog1", [&](QWidget*) { ResponderDialogoArchivo(svg); });
    guion.Pulsar("TFexplorarK", "BotonCerrar");
    EJECUTAR_GUION(guion, P().Accion("OpcionExplorarK")->trigger());
    const QImage imagen(png);
    QVERIFY(!imagen.isNull());
    QVERIFY(imagen.width() >= 800);
    QVERIFY(Leer(svg).contains("<svg"));
  }

  void cancelStopsALongSweepWithinASecondKeepingItsRows() {
    std::mt19937 azar(12345);
    std::uniform_int_distribution<int> largo(1, 12), letra(0, 2);
    TLista muestra;
    for (int i = 0; i < 10000; ++i) {
      std::string s;
      for (int n = largo(azar); n > 0; --n) s += static_cast<char>('a' + letra(azar));
      muestra.push_back(s);
    }
    P().Tomar(TTipoMuestra::TipoM_Pos, muestra);
    TGuion guion;
    guion.En("TFexplorarK", [](QWidget* w) {
      auto* v = qobject_cast<TFexplorarK*>(w);
      QTRY_VERIFY_WITH_TIMEOUT(v->Tabla()->rowCount() >= 2, 60000);
      QVERIFY(v->Explorando());
      GuardarCaptura(v, QStringLiteral("TFexplorarK-explorando"));
      QElapsedTimer reloj;
      reloj.start();
      BotonDe(v, "BotonCancelar")->click();
      QTRY_VERIFY_WITH_TIMEOUT(!v->Explorando(), 5000);
      qInfo("cancelado en %lld ms", static_cast<long long>(reloj.elapsed()));
      QVERIFY2(reloj.elapsed() < 1000, qPrintable(QString::number(reloj.elapsed())));
      const int filas = v->Tabla()->rowCount();
      QVERIFY(filas >= 2 && filas < 26);
      QCOMPARE(static_cast<int>(v->Logica().Filas().size()), filas);
      QVERIFY(Hijo<QLabel>(v, "Estado")->text().startsWith(QStringLiteral("Cancelado")));
      QVERIFY(BotonDe(v, "BotonExplorar")->isEnabled());
      BotonDe(v, "BotonCerrar")->click();
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionExplorarK")->trigger());
  }

  void validationChartListsTestStringsAndNegativesAccepted() {
    P().Tomar(TTipoMuestra::TipoM_Pos, {"ab", "b"});
    P().Tomar(TTipoMuestra::TipoM_Neg, {"aab", "a", "b"});
    P().Accion("TipoM_Pos")->trigger();
    const QString test = m_casa.Escribir("prueba.tst", "ab\n\nba\naab\n");
    TGuion guion;
    guion.Pulsar("TFelegirParametro", "BtnAceptar");
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.Pulsar("TFmostrarAutomata", "BotonValidar");
    guion.En("OpenDialog1", [&](QWidget*) { ResponderDialogoArchivo(test); });
    guion.En("TFgraficos", [](QWidget* w) {
      auto* g = qobject_cast<TFgraficos*>(w);
      QCOMPARE(Hijo<QLabel>(g, "Aciertos")->text(), QStringLiteral("Aciertos: 50%      "));
      QCOMPARE(Textos(g->ListaAceptados()), (QStringList{"ab", "aab"}));
      QCOMPARE(Textos(g->ListaRechazados()), (QStringList{"&", "ba"}));
      QVERIFY(!g->ListaNegativos()->isHidden());
      QCOMPARE(Textos(g->ListaNegativos()), (QStringList{"aab", "b"}));
      QCOMPARE(g->TituloNegativos()->text(), QStringLiteral("Negativos aceptados: 2"));
      GuardarCaptura(g, QStringLiteral("TFgraficos-detalle"));
      g->close();
    });
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, P().Accion("OpcionKRnormal")->trigger());
  }
};

QTEST_MAIN(TestExplorarK)
#include "ExplorarKTest.moc"
