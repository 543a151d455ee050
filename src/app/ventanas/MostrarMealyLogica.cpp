// TFmostrarMealyLogica: fills the Mealy result window from its machine and builds its
// report through the report module, so the window, "Guardar" and telar-cli write the same
// lines.
#include "app/ventanas/MostrarMealyLogica.h"

#include "app/ventanas/ArchivosResultado.h"
#include "app/interaccion/Interaccion.h"
#include "app/pasos/PasoAPasoLogica.h"
#include "core/Utilidades.h"
#include "inference/mealy/MaquinaMealy.h"
#include "results/Informe.h"

TFmostrarMealyLogica::TFmostrarMealyLogica(const TMaquinaMealy& maquina) : m_maquina(maquina) {}

void TFmostrarMealyLogica::MostrarTextoK(int k) { m_textoK = kTextoK + std::to_string(k); }

void TFmostrarMealyLogica::FormShow(TInteraccion& interaccion) {
  interaccion.ReproducirSonido(kSonidoResultado);
  m_informe.clear();
  m_situaciones = ListaATexto(m_maquina.Situaciones());
  m_acciones = ListaATexto(m_maquina.Acciones());
  m_einicial = m_maquina.TextoEstadoInicial();
  m_efinales = m_maquina.TextoEstadosFinales();
  m_estados = m_maquina.TextoEstados();
  m_rejilla = m_maquina.RejillaMealy();
}

std::optional<std::string> TFmostrarMealyLogica::RejillaDrawCell(int columna, int fila) {
  if (columna == 0 && fila == 0) return std::string(kTextoEsquina);
  return std::nullopt;
}

void TFmostrarMealyLogica::BotonGuardarClick(TInteraccion& interaccion) {
  GuardarResultados();
  GuardarInforme(interaccion, m_informe);
}

void TFmostrarMealyLogica::GuardarResultados() {
  m_informe = CabeceraInformeMealy(m_caption, m_situaciones, m_acciones, m_einicial, m_efinales, m_estados);
  GuardarFuncionTransicion();
}

void TFmostrarMealyLogica::GuardarFuncionTransicion() {
  for (auto& linea : LineasDeTabla(m_rejilla, TFormatoTabla::Mealy)) m_informe.push_back(std::move(linea));
}

void TFmostrarMealyLogica::BotonPasoAPasoClick(TInteraccion& interaccion) {
  AbrirPasoAPaso(m_repetir, m_maquina.Bloques(), m_caption, interaccion);
}

void TFmostrarMealyLogica::FormClose() { m_informe.clear(); }
