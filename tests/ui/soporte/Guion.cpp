// Guion: one polling timer watches the active modal widget; a matching step is queued so
// that it runs from the event loop (the timer itself must be free to fire in the nested
// loops the step may open).
#include "soporte/Guion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

TGuion& TGuion::En(const QString& ventana, TAccion accion) {
  m_pasos.push_back({ventana, std::move(accion)});
  return *this;
}

TGuion& TGuion::Pulsar(const QString& ventana, const char* boton) {
  return En(ventana, [boton = QString::fromLatin1(boton)](QWidget* w) {
    auto* b = w->findChild<QAbstractButton*>(boton);
    QVERIFY2(b, qPrintable(QStringLiteral("falta el botón ") + boton));
    QVERIFY2(b->isEnabled(), qPrintable(QStringLiteral("botón deshabilitado ") + boton));
    b->click();
  });
}

QStringList TGuion::Ejecutar(const std::function<void()>& orden, int limiteMs) {
  QTimer sondeo;
  sondeo.setInterval(5);
  QElapsedTimer espera;
  espera.start();
  bool encolado = false;
  QObject::connect(&sondeo, &QTimer::timeout, &sondeo, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!m_fallos.isEmpty() || QTest::currentTestFailed()) {
      if (m_fallos.isEmpty()) m_fallos << QStringLiteral("fallo dentro de un paso");
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      return;
    }
    if (encolado || !w || !w->isVisible() || w->property("activacionPendiente").toBool()) return;
    if (m_pasos.empty() || w->objectName() != m_pasos.front().ventana) {
      if (espera.elapsed() > limiteMs)
        m_fallos << QStringLiteral("ventana inesperada %1 (se esperaba %2)")
                        .arg(w->objectName(), m_pasos.empty() ? QStringLiteral("ninguna") : m_pasos.front().ventana);
      return;
    }
    encolado = true;
    QTimer::singleShot(0, &sondeo, [&, ventana = QPointer<QWidget>(w)] {
      encolado = false;
      if (!ventana || QApplication::activeModalWidget() != ventana || m_pasos.empty()) return;
      TPaso paso = std::move(m_pasos.front());
      m_pasos.pop_front();
      m_vistas << paso.ventana;
      espera.restart();
      paso.accion(ventana);
      espera.restart();
    });
  });
  sondeo.start();
  orden();
  sondeo.stop();
  for (const auto& paso : m_pasos) m_fallos << QStringLiteral("no se abrió %1").arg(paso.ventana);
  m_pasos.clear();
  return m_fallos;
}
