// The IM1 command from the main window through its real windows: the heuristic dialog
// with each heuristic, the bound dialog of Levine, the acceptor and result windows, and a
// non-deterministic result converted, saved and validated in the deterministic window.
#include <QBarSeries>
#include <QBarSet>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>

#include "soporte/PruebaConPrincipal.h"
#include "soporte/Guion.h"
#include "soporte/Ventanas.h"
#include "ui/Graficos.h"

namespace {

QRadioButton* Radio(QWidget* d, const char* nombre) { return Hijo<QRadioButton>(d, nombre); }

// In the heuristic dialog: click `heuristico` (if any), check the K field's state, type
// `k` when it is enabled, then "Aceptar".
TGuion::TAccion Heuristico(const char* heuristico, bool kHabilitado, int k = 0) {
  return [=](QWidget* d) {
    if (heuristico) Radio(d, heuristico)->click();
    QCOMPARE(Hijo<QLabel>(d, "LabelK")->isEnabled(), kHabilitado);
    QCOMPARE(Hijo<QSpinBox>(d, "parametroK")->isEnabled(), kHabilitado);
    if (kHabilitado) Hijo<QSpinBox>(d, "parametroK")->setValue(k);
    BotonDe(d, "BtnAceptar")->click();
  };
}

}  // namespace

class TestComandoIM1 : public TPruebaConPrincipal {
  Q_OBJECT

  void Preparar() override {
    P().Tomar(TTipoMuestra::TipoM_Pos, {"a", "ab", "abb"});
  }

 private slots:

  void dialogoDeHeuristicoAlMostrarse() {
    TGuion guion;
    guion.En("TFelegirHeuristico", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral(" Heurístico"));
      QCOMPARE(d->size(), QSize(368, 229));
      QCOMPARE(Hijo<QLabel>(d, "Label1")->text(), QStringLiteral("Seleccionar Heurístico:"));
      QVERIFY(Hijo<QLabel>(d, "Label1")->isEnabled());
      const QStringList textos{"Levine", "Miclet", "K_Sufijos", "Otro"};
      int i = 0;
      for (const char* nombre : {"Levine", "Miclet", "K_Sufijos", "OtroH"}) {
        QCOMPARE(Radio(d, nombre)->text(), textos[i++]);
        QVERIFY(!Radio(d, nombre)->isChecked());
        QCOMPARE(Radio(d, nombre)->isEnabled(), QByteArray(nombre) != "OtroH");
      }
      QCOMPARE(Hijo<QLabel>(d, "LabelK")->text(), QStringLiteral("Valor del parámetro K: "));
      auto* k = Hijo<QSpinBox>(d, "parametroK");
      QCOMPARE(k->value(), 0);
      QCOMPARE(k->maximum(), 3);
      QCOMPARE(BotonDe(d, "BotonAyuda")->text(), QStringLiteral("Ayuda    "));
      Radio(d, "OtroH")->click();  // never selectable
      QVERIFY(!Radio(d, "OtroH")->isChecked());
      Radio(d, "Levine")->click();
      QVERIFY(!k->isEnabled());
      Radio(d, "K_Sufijos")->click();
      QVERIFY(k->isEnabled());
      k->setValue(2);
      BotonDe(d, "BtnCancelar")->click();
    });
    // Shown again, it starts afresh.
    guion.En("TFelegirHeuristico", [](QWidget* d) {
      QVERIFY(!Radio(d, "K_Sufijos")->isChecked());
      QCOMPARE(Hijo<QSpinBox>(d, "parametroK")->value(), 0);
      BotonDe(d, "BtnAceptar")->click();  // nothing chosen
    });
    guion.En("Mensaje", [](QWidget* caja) {
      ResponderMensaje(caja, QStringLiteral("Debe seleccionar un Heurístico"), QMessageBox::Critical, QMessageBox::Ok,
                       QMessageBox::Ok);
    });
    EJECUTAR_GUION(guion, {
      P().Boton("BotonIM1")->click();
      P().Accion("OpcionIM1")->trigger();
    });
  }

  void kSufijosConversionADeterministaGuardarYValidar() {
    const QString informe = m_casa.Ruta() + QStringLiteral("/determinista.aut");
    const QString test = m_casa.Escribir("im1.tst", "a\nabbb\nb\n");
    TGuion guion;
    guion.En("TFelegirHeuristico", Heuristico("K_Sufijos", true, 1));
    guion.En("TFmostrarAceptor", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Aceptor de prefijos  (IM1)"));
      BotonDe(v, "BitBtn1")->click();
    });
    guion.En("TFavisos1", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Aviso"));
      QCOMPARE(Hijo<QLabel>(d, "Aviso")->text(), QStringLiteral("Autómata NO determinístico"));
      QCOMPARE(Hijo<QLabel>(d, "Pregunta")->text(), QStringLiteral("¿Desea convertir el autómata?"));
      BotonDe(d, "BotonSi")->click();
    });
    guion.En("TFmostrarAutomataDeter", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado IM1   K=1  K Sufijos"));
      QCOMPARE(v->minimumSize(), QSize(600, 353));
      QCOMPARE(TextoDe(v, "Alfabeto"), QStringLiteral("{ a, b }"));
      QCOMPARE(TextoDe(v, "Einicial"), QStringLiteral("[q0]"));
      QCOMPARE(TextoDe(v, "Efinales"), QStringLiteral("[q2][q2q1]"));
      QCOMPARE(TextoDe(v, "Estados"), QStringLiteral("[q0][q2][q2q1]"));
      QCOMPARE(FilaDe(v, 0), (QStringList{"  E/A  ", "a", "b"}));
      QCOMPARE(FilaDe(v, 1), (QStringList{"[q0]", "[q2]", ""}));
      QCOMPARE(FilaDe(v, 2), (QStringList{"[q2]", "", "[q2q1]"}));
      QCOMPARE(FilaDe(v, 3), (QStringList{"[q2q1]", "", "[q2q1]"}));
      QVERIFY(BotonDe(v, "BotonValidar")->isEnabled());
      QVERIFY(!BotonDe(v, "BotonImprimir")->isEnabled());
      BotonDe(v, "BotonGuardar")->click();
    });
    guion.En("SaveDialog1", [&](QWidget*) { ResponderDialogoArchivo(informe); });
    guion.Pulsar("TFmostrarAutomataDeter", "BotonValidar");
    guion.En("OpenDialog1", [&](QWidget*) { ResponderDialogoArchivo(test); });
    guion.En("TFgraficos", [](QWidget* g) {
      QCOMPARE(Hijo<QLabel>(g, "Aciertos")->text(), QStringLiteral("Aciertos: 67%      "));
      const QList<double> valores{3, 3, 2, 1};
      for (int i = 0; i < 4; ++i)
        QCOMPARE(qobject_cast<TFgraficos*>(g)->Series()[static_cast<std::size_t>(i)]->barSets().first()->at(0),
                 valores[i]);
      g->close();
    });
    guion.Pulsar("TFmostrarAutomataDeter", "BitBtn1");
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado IM1   K=1  K Sufijos"));
      QCOMPARE(FilaDe(v, 3), (QStringList{" q2", "", "q2 q1 "}));
      QVERIFY(!BotonDe(v, "BotonValidar")->isEnabled());
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, P().Boton("BotonIM1")->click());
    QCOMPARE(Leer(informe), Leer(Dato("resultados/a-ab-abb-im1-determinista.aut")));
  }

  void conversionConEscapeEsNoYConCierreConvierte() {
    TGuion guion;
    for (const bool escape : {true, false}) {
      guion.En("TFelegirHeuristico", Heuristico("K_Sufijos", true, 1));
      guion.Pulsar("TFmostrarAceptor", "BitBtn1");
      guion.En("TFavisos1", [escape](QWidget* d) {
        if (escape)
          QTest::keyClick(d, Qt::Key_Escape);  // "No", as on the new-character notice
        else
          d->close();  // the close box converts, as ever
      });
      if (!escape) guion.Pulsar("TFmostrarAutomataDeter", "BitBtn1");
      guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    }
    EJECUTAR_GUION(guion, {
      P().Accion("OpcionIM1")->trigger();
      P().Accion("OpcionIM1")->trigger();
    });
    QCOMPARE(guion.Vistas(), (QStringList{"TFelegirHeuristico", "TFmostrarAceptor", "TFavisos1", "TFmostrarAutomata",
                                          "TFelegirHeuristico", "TFmostrarAceptor", "TFavisos1",
                                          "TFmostrarAutomataDeter", "TFmostrarAutomata"}));
  }

  void micletTomaLaMenorCotaYLaLongitudMaxima() {
    TGuion guion;
    guion.En("TFelegirHeuristico", [](QWidget* d) {
      Hijo<QSpinBox>(d, "parametroK")->setValue(2);  // K stays the longest example's length
      Heuristico("Miclet", false)(d);
    });
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado IM1   K=3  Miclet   S =1"));
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, P().Accion("OpcionIM1")->trigger());
  }

  void levineConSuDialogoDeCotas() {
    QFile archivo(Dato("im1/cotas.pos"));
    QVERIFY(archivo.open(QIODevice::ReadOnly));
    P().Tomar(TTipoMuestra::TipoM_Pos, ALista(QString::fromLatin1(archivo.readAll()).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)));
    auto lista = [](QWidget* d) { return Hijo<QListWidget>(d, "ListaCotas"); };
    TGuion guion;
    guion.En("TFelegirHeuristico", Heuristico("Levine", false));
    guion.En("TFelegirCotaS", [&](QWidget* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral(" Cota S (Levine)"));
      QCOMPARE(d->size(), QSize(319, 224));
      QVERIFY(d->windowFlags() & Qt::WindowCloseButtonHint);
      QVERIFY(!(d->windowFlags() & Qt::WindowMinimizeButtonHint));
      QCOMPARE(Hijo<QLabel>(d, "Label1")->text(), QStringLiteral("Seleccionar Cota:"));
      QStringList items;
      for (int i = 0; i < lista(d)->count(); ++i) items << lista(d)->item(i)->text();
      QCOMPARE(items, (QStringList{"1", "10", "2"}));
      QCOMPARE(lista(d)->visualItemRect(lista(d)->item(1)).height(), 16);
      QCOMPARE(lista(d)->selectionMode(), QAbstractItemView::SingleSelection);
      BotonDe(d, "BtnAceptar")->click();  // nothing selected
    });
    guion.En("Mensaje", [](QWidget* caja) {
      ResponderMensaje(caja, QStringLiteral("Debe seleccionar un valor de S"), QMessageBox::Critical, QMessageBox::Ok,
                       QMessageBox::Ok);
    });
    // Both dialogs have closed; the second time a bound is chosen.
    guion.En("TFelegirHeuristico", Heuristico("Levine", false));
    guion.En("TFelegirCotaS", [&](QWidget* d) {
      QVERIFY(lista(d)->selectedItems().isEmpty());
      QTest::mouseClick(lista(d)->viewport(), Qt::LeftButton, {},
                        lista(d)->visualItemRect(lista(d)->item(1)).center());
      BotonDe(d, "BtnAceptar")->click();
    });
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.Pulsar("TFavisos1", "BotonNo");
    guion.En("TFmostrarAutomata", [](QWidget* v) {
      QCOMPARE(v->windowTitle(), QStringLiteral("Autómata resultado IM1   K=3  Levine   S =10"));
      QVERIFY(!BotonDe(v, "BotonValidar")->isEnabled());
      BotonDe(v, "BitBtn1")->click();
    });
    // The close box of the bound dialog: no run.
    guion.En("TFelegirHeuristico", Heuristico("Levine", false));
    guion.En("TFelegirCotaS", [](QWidget* d) { d->close(); });
    EJECUTAR_GUION(guion, {
      P().Accion("OpcionIM1")->trigger();
      P().Accion("OpcionIM1")->trigger();
      P().Accion("OpcionIM1")->trigger();
    });
  }
};

QTEST_MAIN(TestComandoIM1)
#include "ComandoIM1Test.moc"
