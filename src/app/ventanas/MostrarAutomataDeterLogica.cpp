// TFmostrarAutomataDeterLogica: the deterministic window's handlers over the results
// layer's subset construction.
#include "app/ventanas/MostrarAutomataDeterLogica.h"

#include "app/ventanas/ArchivosResultado.h"
#include "app/interaccion/InteraccionResultados.h"
#include "app/ventanas/MostrarAutomataLogica.h"
#include "app/sesion/Sesion.h"
#include "core/Automata.h"
#include "core/ErrorInterno.h"
#include "results/Aceptacion.h"
#include "results/Informe.h"

namespace {

// The conversion starts from the initial block; a partition without one breaks the result
// window's contract.
int BloqueInicialDe(const TFmostrarAutomataLogica& resultado) {
  if (resultado.BloqueInicial() < 0) throw TErrorInterno("ERROR INT0DET01");
  return resultado.BloqueInicial();
}

}  // namespace

TFmostrarAutomataDeterLogica::TFmostrarAutomataDeterLogica(const TFmostrarAutomataLogica& resultado)
    : m_automata(resultado.Automata()),
      m_sesion(resultado.Sesion()),
      m_bloqueInicial(BloqueInicialDe(resultado)),
      m_bloquesFinales(resultado.BloquesFinales()),
      m_determinista(ConstruirDeterminista(resultado.TablaDestinos(), m_bloqueInicial,
                                           resultado.Automata().Alfabeto())) {}

void TFmostrarAutomataDeterLogica::FormShow(TInteraccion& interaccion) {
  m_informe.clear();
  interaccion.ReproducirSonido(kSonidoResultado);
  m_datos = CalcularDatosDeterminista(m_automata, m_determinista, m_bloqueInicial, m_bloquesFinales);
}

TCuentasValidacion TFmostrarAutomataDeterLogica::CuentasValidacion(const TLista& test) const {
  const TAceptadorDeterminista aceptador(m_determinista, ::FilasFinales(m_determinista, m_bloquesFinales));
  return ContarValidacion(test, m_sesion.MuestraPositiva.size(),
                          [&](const std::string& ejemplo) { return aceptador.Acepta(ejemplo); });
}

TDetalleValidacion TFmostrarAutomataDeterLogica::DetalleValidacion(const TLista& test) const {
  const TAceptadorDeterminista aceptador(m_determinista, ::FilasFinales(m_determinista, m_bloquesFinales));
  return DetallarValidacion(test, m_sesion.MuestraNegativa,
                            [&](const std::string& ejemplo) { return aceptador.Acepta(ejemplo); });
}

void TFmostrarAutomataDeterLogica::BotonValidarClick(TInteraccionResultados& interaccion) {
  ValidarArchivo(interaccion, m_sesion.MuestraValidacion, [&] { return EstadisticaValidacion(interaccion); });
}

bool TFmostrarAutomataDeterLogica::EstadisticaValidacion(TInteraccionResultados& interaccion) {
  return ValidarConProgreso(interaccion, m_graficos, [&](TFgraficosLogica& graficos) {
    graficos.MostrarCuentas(CuentasValidacion(m_sesion.MuestraValidacion));
    graficos.MostrarDetalle(DetalleValidacion(m_sesion.MuestraValidacion));
  });
}

void TFmostrarAutomataDeterLogica::BotonGuardarClick(TInteraccion& interaccion) {
  GuardarResultados();
  GuardarInforme(interaccion, m_informe);
}

void TFmostrarAutomataDeterLogica::GuardarResultados() {
  m_informe = CabeceraInformeDeterminista(m_caption, m_sesion.MuestraPositiva, m_datos);
  GuardarFuncionTransicion();
}

void TFmostrarAutomataDeterLogica::GuardarFuncionTransicion() {
  EmitirLineasDeTabla(m_datos.Tabla, TFormatoTabla::B, [&](const std::string& linea) { m_informe.push_back(linea); });
}

void TFmostrarAutomataDeterLogica::EmitirInforme(const TSalidaLineas& salida) const {
  for (const auto& linea : CabeceraInformeDeterminista(m_caption, m_sesion.MuestraPositiva, m_datos)) salida(linea);
  EmitirLineasDeTabla(m_datos.Tabla, TFormatoTabla::B, salida);
}

void TFmostrarAutomataDeterLogica::FormClose() {
  m_informe.clear();
  m_datos.FilasFinales.clear();
}
