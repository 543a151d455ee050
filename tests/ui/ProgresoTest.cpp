// Long work in the desktop program: the windows keep being served while it runs; after half
// a second the progress dialog TFprogreso offers "Cancelar", which brings control back at
// the work's next check with the work's result thrown away; short work shows nothing; what
// the work throws comes back to the command, and running out of memory, in a command or in
// any event, is an error box after which the program goes on.
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <atomic>
#include <chrono>
#include <new>
#include <thread>

#include "app/comandos/ErrorInternoEnCaja.h"
#include "core/Cancelacion.h"
#include "soporte/Guion.h"
#include "soporte/Ventanas.h"
#include "ui/Aplicacion.h"
#include "ui/Progreso.h"

namespace {

const QString kTextoMemoria = DeCp1252(kMemoriaInsuficiente);

bool HayDialogoProgreso() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("TFprogreso") && w->isVisible()) return true;
  return false;
}

}  // namespace

class TestProgreso : public QObject {
  Q_OBJECT

  TCasaTemporal m_casa;

 private slots:
  void longWorkShowsTheDialogAndCancelReturnsAtTheNextCheck() {
    TPrincipalDePrueba principal;
    // the event loop goes on while the work runs: this timer keeps firing
    int latidos = 0;
    QTimer latido;
    connect(&latido, &QTimer::timeout, [&] { ++latidos; });
    latido.start(20);

    std::atomic<int> vueltas{0};
    const auto trabajo = [&] {
      for (; vueltas < 4000; ++vueltas) {  // at most 20 s
        ComprobarCancelacion();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    };
    QElapsedTimer reloj;
    qint64 alAparecer = 0, alCancelar = 0;
    int latidosAntes = 0;
    TGuion guion;
    guion.En("TFprogreso", [&](QWidget* w) {
      alAparecer = reloj.elapsed();
      latidosAntes = latidos;
      auto* dialogo = qobject_cast<TFprogreso*>(w);
      QVERIFY(dialogo);
      QCOMPARE(dialogo->windowModality(), Qt::WindowModal);  // over the main window only
      QCOMPARE(dialogo->labelText(), QStringLiteral("Ejecutando KR..."));
      QCOMPARE(dialogo->minimum(), 0);  // a busy bar: no measure of how much is done
      QCOMPARE(dialogo->maximum(), 0);
      QTest::qWait(300);  // the bar moves in the render
      GuardarCaptura(dialogo, QStringLiteral("TFprogreso"));
      alCancelar = reloj.elapsed();
      QTest::mouseClick(dialogo->BotonCancelar(), Qt::LeftButton);
      QCOMPARE(dialogo->labelText(), TFprogreso::TextoCancelando());
      QVERIFY(!dialogo->BotonCancelar()->isEnabled());
      QVERIFY(dialogo->isVisible());  // up until the work has stopped
      GuardarCaptura(dialogo, QStringLiteral("TFprogreso-cancelando"));
    });
    bool terminado = true;
    reloj.start();
    EJECUTAR_GUION(guion, terminado = principal->Interaccion().EjecutarConProgreso("Ejecutando KR...", trabajo));
    const qint64 fin = reloj.elapsed();
    qInfo("dialogo a los %lld ms, %d latidos antes; control devuelto %lld ms tras Cancelar",
          static_cast<long long>(alAparecer), latidosAntes, static_cast<long long>(fin - alCancelar));
    QVERIFY(!terminado);
    QVERIFY2(alAparecer >= EsperaDialogoMs, qPrintable(QString::number(alAparecer)));
    QVERIFY2(latidosAntes >= 10, qPrintable(QString::number(latidosAntes)));
    QVERIFY2(fin - alCancelar < 1000, qPrintable(QString::number(fin - alCancelar)));
    QVERIFY(vueltas < 4000);
    QVERIFY(!HayDialogoProgreso());
  }

  void shortWorkShowsNothingAndWhatItThrowsComesBack() {
    TPrincipalDePrueba principal;
    QTest::qWait(400);  // work soon after a dialog closed shows its own at once; this starts later
    bool visto = false;
    QTimer sondeo;
    connect(&sondeo, &QTimer::timeout, [&] { visto = visto || HayDialogoProgreso(); });
    sondeo.start(5);
    int resultado = 0;
    QVERIFY(principal->Interaccion().EjecutarConProgreso("Breve", [&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
      resultado = 42;
    }));
    QCOMPARE(resultado, 42);
    QVERIFY(!visto);
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc,
                             principal->Interaccion().EjecutarConProgreso("Sin memoria", [] { throw std::bad_alloc(); }));
  }

  void memoryRunningOutIsAnErrorBoxAndTheProgramGoesOn() {
    TPrincipalDePrueba principal;
    // in a command's long work: the command's error box
    TGuion guion;
    guion.En("Mensaje", [](QWidget* caja) {
      ResponderMensaje(caja, kTextoMemoria, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
    });
    EJECUTAR_GUION(guion, ConErrorInternoEnCaja(principal->Interaccion(), [&] {
                     principal->Interaccion().EjecutarConProgreso("Ejecutando KR...", [] { throw std::bad_alloc(); });
                   }));
    // in any event's handler: the application's error box, and the button still works
    QPushButton boton(QStringLiteral("Abrir"));
    int pulsaciones = 0;
    connect(&boton, &QPushButton::clicked, [&] {
      if (++pulsaciones == 1) throw std::bad_alloc();
    });
    boton.show();
    QVERIFY(QTest::qWaitForWindowExposed(&boton));
    TGuion caja;
    caja.En("Mensaje", [](QWidget* w) {
      GuardarCaptura(w, QStringLiteral("Mensaje-memoria"));
      ResponderMensaje(w, kTextoMemoria, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
    });
    EJECUTAR_GUION(caja, QTest::mouseClick(&boton, Qt::LeftButton));
    QTest::mouseClick(&boton, Qt::LeftButton);
    QCOMPARE(pulsaciones, 2);
  }
};

// The program's own application object, as main() makes it.
int main(int argc, char** argv) {
  TAplicacion aplicacion(argc, argv);
  TestProgreso prueba;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&prueba, argc, argv);
}

#include "ProgresoTest.moc"
