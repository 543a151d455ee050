// TPruebaConPrincipal: the fixture that the window tests share: a temporary home folder for
// the whole program, and a fresh main window for every test function.
#pragma once

#include <QObject>
#include <memory>

#include "soporte/Soporte.h"
#include "soporte/Ventanas.h"

class TPruebaConPrincipal : public QObject {
  Q_OBJECT

 protected:
  TPrincipalDePrueba& P() { return *m_principal; }
  // Called after each new main window: a test class gives it its sample here.
  virtual void Preparar() {}

  TCasaTemporal m_casa;

 private slots:
  void init();
  void cleanup();

 private:
  std::unique_ptr<TPrincipalDePrueba> m_principal;
};
