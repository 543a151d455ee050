// Large results stay usable: a sample whose prefix tree has thousands of states is shown
// in the acceptor and result windows in bounded time, with every state in the memos and
// the table, and the table scrolls to its last row.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScrollBar>

#include "soporte/Guion.h"
#include "soporte/Ventanas.h"

class TestGrandes : public QObject {
  Q_OBJECT

  TCasaTemporal m_casa;

 private slots:
  void miles_de_estados() {
    TPrincipalDePrueba principal;
    QRandomGenerator azar(7);
    TLista muestra;
    for (int i = 0; i < 4000; ++i) {
      std::string e;
      const int largo = 8 + static_cast<int>(azar.bounded(5));
      for (int j = 0; j < largo; ++j) e += static_cast<char>('a' + azar.bounded(4));
      muestra.push_back(e);
    }
    principal.Tomar(TTipoMuestra::TipoM_Pos, muestra);
    qint64 aceptor = 0;
    qint64 resultado = 0;
    int estados = 0;
    qsizetype largoMemo = 0;
    QElapsedTimer reloj;
    TGuion guion;
    guion.En("TFelegirParametro", [&](QWidget* d) {
      reloj.start();
      PonerValorYPulsar(d, "ParametroK", 12, "BtnAceptar");
    });
    guion.En("TFmostrarAceptor", [&](QWidget* v) {
      aceptor = reloj.elapsed();
      QVERIFY(TextoDe(v, "Estados").endsWith(QStringLiteral(" }")));
      reloj.start();
      BotonDe(v, "BitBtn1")->click();
    });
    guion.En("TFmostrarAutomata", [&](QWidget* v) {
      resultado = reloj.elapsed();
      auto* rejilla = Hijo<TRejilla>(v, "Rejilla");
      const int filas = rejilla->model()->rowCount();
      QVERIFY2(filas > 10000, qPrintable(QString::number(filas)));
      estados = filas;
      largoMemo = TextoDe(v, "Estados").size();
      QVERIFY(TextoDe(v, "Estados").contains(QStringLiteral("  q%1 = {").arg(filas - 1)));
      QCOMPARE(rejilla->TextoCelda(filas, 0), QStringLiteral(" q%1").arg(filas - 1));
      QElapsedTimer desplazar;
      desplazar.start();
      rejilla->scrollToBottom();
      v->grab();
      QVERIFY(rejilla->verticalScrollBar()->value() == rejilla->verticalScrollBar()->maximum());
      QVERIFY2(desplazar.elapsed() < 2000, qPrintable(QString::number(desplazar.elapsed())));
      BotonDe(v, "BitBtn1")->click();
    });
    EJECUTAR_GUION(guion, principal.Accion("OpcionKCnormal")->trigger());
    qInfo("%d estados, memo de %lld caracteres: aceptor %lld ms, resultado %lld ms", estados,
          static_cast<long long>(largoMemo), aceptor, resultado);
    QVERIFY2(aceptor < 5000 && resultado < 5000, "ventanas lentas con miles de estados");
  }
};

QTEST_MAIN(TestGrandes)
#include "GrandesTest.moc"
