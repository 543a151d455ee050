// TPruebaConPrincipal: the main window lives from init to cleanup of each test function.
#include "soporte/PruebaConPrincipal.h"

void TPruebaConPrincipal::init() {
  m_principal = std::make_unique<TPrincipalDePrueba>();
  Preparar();
}

void TPruebaConPrincipal::cleanup() { m_principal.reset(); }
