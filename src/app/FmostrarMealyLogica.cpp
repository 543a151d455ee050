// TFmostrarMealyLogica: fills the Mealy result window from its machine and builds its
// report through the report module, so the window, "Guardar" and telar-cli write the same
// lines.
#include "app/FmostrarMealyLogica.h"

#include "app/ArchivosResultado.h"
#include "core/Utilidades.h"
#include "inference/mealy/MaquinaMealy.h"
#include "results/Informe.h"

TFmostrarMealyLogica::TFmostrarMealyLogica(const TMaquinaMealy& maquina) : m_maquina(maquina) {}

void TFmostrarMealyLogica::FormShow(TInteraccion& interaccion) {
  interaccion.ReproducirSonido(kSonidoResultado);
  m_informe.clear();
  Situaciones = ListaATexto(m_maquina.Situaciones());
  Acciones = ListaATexto(m_maquina.Acciones());
  Einicial = m_maquina.TextoEstadoInicial();
  Efinales = m_maquina.TextoEstadosFinales();
  Estados = m_maquina.TextoEstados();
  Rejilla = m_maquina.RejillaMealy();
}

std::optional<std::string> TFmostrarMealyLogica::RejillaDrawCell(int columna, int fila) {
  if (columna == 0 && fila == 0) return std::string(kEsquina);
  return std::nullopt;
}

void TFmostrarMealyLogica::GuardarResultados() {
  m_informe = CabeceraInformeMealy(Caption, Situaciones, Acciones, Einicial, Efinales, Estados);
  GuardarFuncionTransicion();
}

void TFmostrarMealyLogica::GuardarFuncionTransicion() {
  for (auto& linea : LineasDeTabla(Rejilla, TFormatoTabla::Mealy)) m_informe.push_back(std::move(linea));
}

void TFmostrarMealyLogica::BotonGuardarClick(TInteraccion& interaccion) {
  GuardarResultados();
  GuardarInforme(interaccion, m_informe);
}

void TFmostrarMealyLogica::FormClose() { m_informe.clear(); }
