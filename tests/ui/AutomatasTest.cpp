// The windows of the automaton operations on the "ends in ab" sample, opened through the
// real program from a KR result: each rendered to <build>/capturas/; the witness traced on
// both diagrams (accepted on one, rejected on the other), the minimal states' tips, the
// clipboard, the number field of the strings window, and an automaton opened from the menu.
#include <QClipboard>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "InteraccionGuion.h"
#include "soporte/Guion.h"
#include "soporte/Soporte.h"
#include "app/objetivos/FlujosObjetivo.h"
#include "app/ventanas/ExpresionAutomataLogica.h"
#include "automatas/LecturaAutomata.h"
#include "automatas/AutomataFinito.h"
#include "ui/CompararAutomatas.h"
#include "ui/ExpresionAutomata.h"
#include "ui/Principal.h"
#include "ui/VistaDiagrama.h"

class TestAutomatas : public QObject {
  Q_OBJECT

  TCasaTemporal m_casa;
  std::unique_ptr<TFprincipal> m_principal;

  QAction* Accion(const char* nombre) { return Hijo<QAction>(m_principal.get(), nombre); }
  static void Capturar(QWidget* ventana, const QString& nombre) { QVERIFY(!GuardarCaptura(ventana, nombre).isEmpty()); }
  static void EsperarDibujo(QWidget* ventana) {
    for (auto* vista : ventana->findChildren<TVistaDiagrama*>()) QTRY_VERIFY_WITH_TIMEOUT(vista->Dibujado(), 10000);
  }
  static TGuion::TAccion CapturarYCerrar(const QString& nombre) {
    return [=](QWidget* w) {
      EsperarDibujo(w);
      Capturar(w, nombre);
      Hijo<QAbstractButton>(w, "BitBtn1")->click();
    };
  }
  // The KR run with `k` up to its result window, where `enResultado` acts.
  void KR(int k, const TGuion::TAccion& enResultado, TGuion& guion) {
    guion.En("TFelegirParametro", [k](QWidget* d) {
      Hijo<QSpinBox>(d, "ParametroK")->setValue(k);
      Hijo<QAbstractButton>(d, "BtnAceptar")->click();
    });
    guion.Pulsar("TFmostrarAceptor", "BitBtn1");
    guion.En("TFmostrarAutomata", enResultado);
  }
  // Types `expresion` in the comparison dialog and accepts it.
  static TGuion::TAccion Comparar(const QString& expresion, const QString& captura = {}) {
    return [=](QWidget* d) {
      Hijo<QLineEdit>(d, "TextoExpresion")->setText(expresion);
      if (!captura.isEmpty()) Capturar(d, captura);
      Hijo<QAbstractButton>(d, "BtnAceptar")->click();
    };
  }

 private slots:
  void initTestCase() {
    m_principal = std::make_unique<TFprincipal>();
    m_principal->CrearVentanas([] {});
    m_principal->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_principal.get()));
    QFile muestra(QStringLiteral(TELAR_TEST_DATA "/../../data/muestras/termina-ab.pos"));
    QVERIFY(muestra.open(QIODevice::ReadOnly));
    TLista lineas;
    for (const QByteArray& linea : muestra.readAll().split('\n'))
      if (!linea.trimmed().isEmpty()) lineas.push_back(linea.trimmed().toStdString());
    TInteraccionGuion guion;
    m_principal->Sesion().ElegirTipo(TTipoMuestra::TipoM_Pos);
    QVERIFY(m_principal->Sesion().DarValoresSegunTipo(lineas, guion));
  }
  void cleanupTestCase() { m_principal.reset(); }

  // k = 2: the result's buttons, the minimal window (3 states, tips naming the result's
  // states), its expression, strings and an equivalent comparison.
  void desdeElResultado() {
    TGuion guion;
    KR(2, [](QWidget* v) {
      EsperarDibujo(v);
      Capturar(v, QStringLiteral("TFmostrarAutomata-operaciones"));
      Hijo<QAbstractButton>(v, "BotonMinimizar")->click();
    }, guion);
    guion.En("TFmostrarAutomataFinito", [](QWidget* v) {
      EsperarDibujo(v);
      auto* vista = v->findChild<TVistaDiagrama*>();
      QCOMPARE(vista->Diagrama().estados.size(), std::size_t{3});
      // every state's tip names the result states it groups
      int pistas = 0;
      for (auto* item : vista->Lienzo()->scene()->items())
        if (item->toolTip().contains(QStringLiteral("\nAgrupa: q"))) ++pistas;
      QCOMPARE(pistas, 3);
      Capturar(v, QStringLiteral("TFmostrarAutomataFinito-minimo"));
      Hijo<QAbstractButton>(v, "BotonExpresion")->click();
    });
    guion.En("TFexpresion", [](QWidget* e) {
      const QString expresion = Hijo<QPlainTextEdit>(e, "TextoExpresion")->toPlainText();
      QVERIFY(!expresion.isEmpty());
      QVERIFY(Hijo<QPlainTextEdit>(e, "TextoExpresion")->isReadOnly());
      Hijo<QAbstractButton>(e, "BotonCopiar")->click();
      QCOMPARE(QGuiApplication::clipboard()->text(), expresion);
      QVERIFY(!Hijo<QLabel>(e, "Aviso")->isVisible());
      CapturarYCerrar(QStringLiteral("TFexpresion"))(e);
    });
    guion.Pulsar("TFmostrarAutomataFinito", "BotonCadenas");
    guion.En("TFcadenas", [](QWidget* c) {
      auto* lista = Hijo<QListWidget>(c, "ListaCadenas");
      QCOMPARE(lista->count(), 20);
      QCOMPARE(lista->item(0)->text(), QStringLiteral("ab"));
      Hijo<QSpinBox>(c, "NumeroCadenas")->setValue(8);
      QCOMPARE(lista->count(), 8);
      QCOMPARE(lista->item(7)->text(), QStringLiteral("aaaab"));
      QCOMPARE(Hijo<QListWidget>(c, "ListaCuentas")->item(4)->text(), QStringLiteral("Longitud 4: 4"));
      CapturarYCerrar(QStringLiteral("TFcadenas"))(c);
    });
    guion.Pulsar("TFmostrarAutomataFinito", "BotonComparar");
    guion.En("TFelegirComparacion", Comparar(QStringLiteral("(a|b)*ab"), QStringLiteral("TFelegirComparacion")));
    guion.En("TFcomparar", [](QWidget* c) {
      QVERIFY(Hijo<QLabel>(c, "Veredicto")->text().contains(QStringLiteral("Equivalentes")));
      QVERIFY(!c->findChild<TVistaDiagrama*>());
      CapturarYCerrar(QStringLiteral("TFcomparar-equivalentes"))(c);
    });
    guion.Pulsar("TFmostrarAutomataFinito", "BitBtn1");
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, Accion("OpcionKRnormal")->trigger());
  }

  // With a target set, the result window says whether it identifies it: k = 2 does, k = 1
  // not (with the witness).
  void identificaElObjetivo() {
    m_principal->Sesion().Objetivo = std::make_shared<const TObjetivo>(
        TObjetivo{*LeerAutomataDeArgumento("er:(a|b)*ab").automata, "(a|b)*ab", true});
    for (const int k : {2, 1}) {
      TGuion guion;
      KR(k, [k](QWidget* v) {
        EsperarDibujo(v);
        auto* veredicto = Hijo<QLabel>(v, "EtiquetaIdentifica");
        QVERIFY(veredicto->isVisible());
        QCOMPARE(veredicto->text().startsWith(QStringLiteral("Identifica el objetivo: s")), k == 2);
        if (k == 1) QVERIFY(veredicto->text().contains(QStringLiteral("Testigo: ")));
        CapturarYCerrar(QStringLiteral("TFmostrarAutomata-objetivo-k%1").arg(k))(v);
      }, guion);
      EJECUTAR_GUION(guion, Accion("OpcionKRnormal")->trigger());
    }
    m_principal->Sesion().Objetivo.reset();
  }

  // k = 0 accepts every string: the witness & traced on both sides; a malformed
  // expression first gives its message and keeps the dialog.
  void testigoEnLosDosDiagramas() {
    TGuion guion;
    KR(0, [](QWidget* v) { Hijo<QAbstractButton>(v, "BotonComparar")->click(); }, guion);
    guion.En("TFelegirComparacion", [](QWidget* d) {
      Hijo<QLineEdit>(d, "TextoExpresion")->setText(QStringLiteral("(ab"));
      Hijo<QAbstractButton>(d, "BtnAceptar")->click();
    });
    guion.En("Mensaje", [](QWidget* caja) {
      Capturar(caja, QStringLiteral("Mensaje-ExpresionMalFormada"));
      QTest::keyClick(caja, Qt::Key_Escape);
    });
    guion.En("TFelegirComparacion", Comparar(QStringLiteral("(a|b)*ab")));
    guion.En("TFcomparar", [](QWidget* c) {
      EsperarDibujo(c);
      auto* comparar = qobject_cast<TFcomparar*>(c);
      QVERIFY(comparar);
      QVERIFY(Hijo<QLabel>(c, "Veredicto")->text().contains(QStringLiteral("Testigo: &amp;")));
      QCOMPARE(Hijo<QLabel>(comparar->VistaA(), "Veredicto")->text(), QStringLiteral("Aceptada"));
      QCOMPARE(Hijo<QLabel>(comparar->VistaB(), "Veredicto")->text(), QStringLiteral("Rechazada"));
      CapturarYCerrar(QStringLiteral("TFcomparar-testigo"))(c);
    });
    guion.Pulsar("TFmostrarAutomata", "BitBtn1");
    EJECUTAR_GUION(guion, Accion("OpcionKRnormal")->trigger());
  }

  // An expression past its cap: the box stays empty, the notice says why, nothing to copy.
  void expresionCapada() {
    const TFexpresionLogica capada(*LeerExpresion("(a|b)*ab(a|bb)*(ba|b)*").automata, " Aut\xF3mata", 5);
    TFexpresion ventana(capada, m_principal->Ayuda(), m_principal.get());
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    QVERIFY(Hijo<QPlainTextEdit>(&ventana, "TextoExpresion")->toPlainText().isEmpty());
    QVERIFY(Hijo<QLabel>(&ventana, "Aviso")->isVisible());
    QVERIFY(!Hijo<QLabel>(&ventana, "Aviso")->text().isEmpty());
    QVERIFY(!Hijo<QPushButton>(&ventana, "BotonCopiar")->isEnabled());
    Capturar(&ventana, QStringLiteral("TFexpresion-capada"));
  }

  // "Abrir autómata...": a JFLAP file with a λ-move opens determinized with the same
  // buttons; a Mealy machine gives the module's message.
  void abrirAutomata() {
    TGuion guion;
    guion.En("OpenDialog1", [](QWidget*) {
      ResponderDialogoArchivo(QStringLiteral(TELAR_TEST_DATA "/automatas/jflap-lambda-etiqueta-larga.jff"));
    });
    guion.En("TFmostrarAutomataFinito", [](QWidget* v) {
      for (const char* boton : {"BotonMinimizar", "BotonComparar", "BotonExpresion", "BotonCadenas", "BotonValidar"})
        QVERIFY(Hijo<QPushButton>(v, boton)->isEnabled());
      CapturarYCerrar(QStringLiteral("TFmostrarAutomataFinito-abierto"))(v);
    });
    EJECUTAR_GUION(guion, Accion("AbrirAutomata")->trigger());

    TGuion mealy;
    mealy.En("OpenDialog1", [](QWidget*) {
      ResponderDialogoArchivo(QStringLiteral(TELAR_TEST_DATA "/automatas/maquina-mealy.jff"));
    });
    mealy.En("Mensaje", [](QWidget* caja) {
      Capturar(caja, QStringLiteral("Mensaje-AutomataRechazado"));
      QTest::keyClick(caja, Qt::Key_Escape);
    });
    EJECUTAR_GUION(mealy, Accion("AbrirAutomata")->trigger());
  }
};

QTEST_MAIN(TestAutomatas)
#include "AutomatasTest.moc"
