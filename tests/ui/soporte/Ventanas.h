// Ventanas: reading the algorithm windows in tests: memo texts, table rows, buttons and
// the message box, and a main window with samples taken as the user takes them.
#pragma once

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "InteraccionGuion.h"
#include "soporte/Soporte.h"
#include "ui/Principal.h"
#include "ui/InteraccionVentanas.h"
#include "ui/Rejilla.h"
#include "ui/Sonido.h"
#include "ui/TextoQt.h"

// The text of the line edit (memo) `nombre` of `ventana`.
inline QString TextoDe(QWidget* ventana, const char* nombre) {
  auto* campo = Hijo<QLineEdit>(ventana, nombre);
  return campo ? campo->text() : QStringLiteral("<falta %1>").arg(nombre);
}

// Row `fila` of the window's table as the user reads it, header column included (row 0
// being the header row with the corner text).
inline QStringList FilaDe(QWidget* ventana, int fila) {
  auto* rejilla = Hijo<TRejilla>(ventana, "Rejilla");
  QStringList celdas;
  if (!rejilla) return celdas;
  for (int c = 0; c <= rejilla->model()->columnCount(); ++c) celdas << rejilla->TextoCelda(fila, c);
  return celdas;
}

inline QAbstractButton* BotonDe(QWidget* ventana, const char* nombre) { return Hijo<QAbstractButton>(ventana, nombre); }

// Sets the spin box `nombre` to `valor` as typed, then presses the button `boton`.
inline void PonerValorYPulsar(QWidget* dialogo, const char* nombre, int valor, const char* boton) {
  auto* campo = Hijo<QSpinBox>(dialogo, nombre);
  QVERIFY(campo);
  campo->setValue(valor);
  BotonDe(dialogo, boton)->click();
}

// The message box `caja` shows `texto` with `icono` and only the buttons `botones`; then
// the button `pulsar` is pressed.
inline void ResponderMensaje(QWidget* caja, const QString& texto, QMessageBox::Icon icono,
                             QMessageBox::StandardButtons botones, QMessageBox::StandardButton pulsar) {
  auto* mensaje = qobject_cast<QMessageBox*>(caja);
  QVERIFY(mensaje);
  QCOMPARE(mensaje->text(), texto);
  QCOMPARE(mensaje->icon(), icono);
  QMessageBox::StandardButtons visibles;
  for (QAbstractButton* b : mensaje->buttons())
    if (!b->isHidden()) visibles |= mensaje->standardButton(b);
  QCOMPARE(visibles, botones);
  mensaje->button(pulsar)->click();
}

// The bytes of a file, or a text saying it could not be read.
inline QByteArray Leer(const QString& ruta) {
  QFile archivo(ruta);
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray("<no se pudo leer>");
}

// A file of tests/data.
inline QString Dato(const char* relativa) { return QStringLiteral(TELAR_TEST_DATA "/") + QString::fromLatin1(relativa); }

// A main window with its start-up windows, shown, for a test function.
class TPrincipalDePrueba {
 public:
  TPrincipalDePrueba() : m_principal(std::make_unique<TFprincipal>()) {
    m_principal->CrearVentanas([] {});
    m_principal->show();
    m_principal->Timer1Timer();
  }
  TFprincipal* operator->() { return m_principal.get(); }
  TFprincipal& operator*() { return *m_principal; }

  // Takes `lineas` as the sample of kind `tipo`, as the editor or a file would give them.
  void Tomar(TTipoMuestra tipo, const TLista& lineas) {
    TInteraccionGuion guion;
    m_principal->Sesion().ElegirTipo(tipo);
    QVERIFY(m_principal->Sesion().DarValoresSegunTipo(lineas, guion));
  }
  QAction* Accion(const char* nombre) { return Hijo<QAction>(m_principal.get(), nombre); }
  QAbstractButton* Boton(const char* nombre) { return Hijo<QAbstractButton>(m_principal.get(), nombre); }

 private:
  std::unique_ptr<TFprincipal> m_principal;
};
