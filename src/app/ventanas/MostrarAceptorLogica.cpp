// TFmostrarAceptorLogica: filling the acceptor window and saving its report.
#include "app/ventanas/MostrarAceptorLogica.h"

#include "app/ventanas/ArchivosResultado.h"
#include "core/Automata.h"
#include "results/Informe.h"
#include "results/RejillaAceptor.h"

void TFmostrarAceptorLogica::FormShow() {
  if (!m_preparada) PrepararDatos();
  m_preparada = false;
}

void TFmostrarAceptorLogica::PrepararDatos() {
  m_preparada = true;
  m_alfabetoAceptor = m_aceptor.Alfabeto().Lista();
  m_estadosAceptor = m_aceptor.Estados().Lista();
  m_inicialAceptor = TLista{""};
  m_finalesAceptor = m_aceptor.Finales().Lista();
  m_lineasAceptor.clear();
  m_alfabeto = ConjuntoATexto(m_aceptor.Alfabeto());
  m_efinales = ConjuntoATexto(m_aceptor.Finales());
  m_estados = ConjuntoATexto(m_aceptor.Estados());
  m_rejilla = RejillaAceptor(m_aceptor);
}

void TFmostrarAceptorLogica::BotonGuardarClick(TInteraccion& interaccion) {
  m_lineasAceptor = InformeAceptor(m_caption, m_muestra, m_aceptor);
  GuardarInforme(interaccion, m_lineasAceptor);
}

void TFmostrarAceptorLogica::FormClose() {
  m_alfabetoAceptor.clear();
  m_estadosAceptor.clear();
  m_inicialAceptor.clear();
  m_finalesAceptor.clear();
  m_lineasAceptor.clear();
}
