// TEditorMuestraSA: the situation/action editor's pair and sequence rules.
#include "app/muestras/EditorMuestraSA.h"

#include "app/interaccion/Interaccion.h"
#include "core/Utilidades.h"
#include "inference/mealy/ParSA.h"

namespace {

// The character at 1-based `posicion`, a blank past the end of the text.
char Posicion(const std::string& texto, std::size_t posicion) {
  return posicion <= texto.size() ? texto[posicion - 1] : ' ';
}

}  // namespace

void TEditorMuestraSA::FormShow() {
  m_muestraTxt.clear();
  m_listSitAcc.clear();
  m_sucesion = 1;
  m_nuevaSecuenciaHabilitada = false;
  m_parSA = kParSAVacio;
}

bool TEditorMuestraSA::BotonInsertarParClick(TInteraccion& interaccion) {
  m_nuevaSecuenciaHabilitada = true;
  const std::string par = QuitarBlancos(m_parSA);
  // The mask lets only digits into the number positions; the pair-line test keeps that
  // promise for any text, so the editor never writes a line the Mealy commands refuse.
  if (Posicion(m_parSA, 2) == ' ' || Posicion(m_parSA, 8) == ' ' || !EsLineaDePar(par)) {
    interaccion.Mensaje(kErrorEnElPar, TIcono::Error, TBotones::Ok);
    m_parSA = kParSAVacio;
    return false;
  }
  m_listSitAcc.push_back(par);
  m_muestraTxt.push_back(par);
  return true;
}

void TEditorMuestraSA::BotonNuevaSecuenciaClick() {
  m_muestraTxt.emplace_back();
  m_listSitAcc.clear();
  ++m_sucesion;
  m_parSA = kParSAVacio;
  m_nuevaSecuenciaHabilitada = false;
}

void TEditorMuestraSA::BotonCancelarClick() {
  m_listSitAcc.clear();
  m_sucesion = 1;
}
