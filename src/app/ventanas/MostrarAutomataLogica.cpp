// TFmostrarAutomataLogica: the window's handlers over the results layer's data.
#include "app/ventanas/MostrarAutomataLogica.h"

#include <cassert>
#include <optional>

#include "app/ventanas/ArchivosResultado.h"
#include "app/interaccion/InteraccionResultados.h"
#include "app/ventanas/MostrarAutomataDeterLogica.h"
#include "app/pasos/PasoAPasoLogica.h"
#include "app/sesion/Sesion.h"
#include "app/interaccion/TextosProgreso.h"
#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/Utilidades.h"
#include "results/Informe.h"

TFmostrarAutomataLogica::TFmostrarAutomataLogica(const TAutomata& automata, TSesion& sesion)
    : m_automata(&automata), m_sesion(sesion) {}

TFmostrarAutomataLogica::~TFmostrarAutomataLogica() = default;

void TFmostrarAutomataLogica::MostrarTextoK(int k) {
  m_textoK = std::string(kTextoK) + std::to_string(k);
  m_textoKVisible = true;
}

void TFmostrarAutomataLogica::FormShow(TInteraccion& interaccion) {
  m_botonValidar = true;
  interaccion.ReproducirSonido(kSonidoResultado);
  m_informe.clear();
  m_funcion.reset();
  m_mostrada = true;
  if (!m_datosPreparados) m_datos = CalcularDatosResultado(*m_automata, m_textosEstados);
  m_datosPreparados = false;
}

void TFmostrarAutomataLogica::PrepararDatos() {
  m_datos = CalcularDatosResultado(*m_automata, m_textosEstados);
  m_datosPreparados = true;
}

void TFmostrarAutomataLogica::BotonPasoAPasoClick(TInteraccion& interaccion) {
  AbrirPasoAPaso(m_repetir, m_automata->Bloques(), m_caption, interaccion);
}

void TFmostrarAutomataLogica::PonerAutomata(const TAutomata& automata) {
  m_automata = &automata;
  m_datosPreparados = false;
  m_funcion.reset();
}

const TFuncion* TFmostrarAutomataLogica::FuncionValidacion() const {
  if (!m_mostrada) return nullptr;
  if (!m_funcion) m_funcion = std::make_unique<TFuncion>(*m_automata);
  return m_funcion.get();
}

void TFmostrarAutomataLogica::OfrecerConversion(TInteraccionResultados& interaccion) {
  if (m_datos.EsDeterminista()) return;
  m_botonValidar = false;
  if (interaccion.Avisos1(kAvisoNoDeterminista, kPreguntaConvertir) == TRespuesta::No) return;
  std::optional<TFmostrarAutomataDeterLogica> determinista;
  if (!interaccion.EjecutarConProgreso(kProgresoDeterminista, [&] { determinista.emplace(*this); })) return;
  determinista->PonerCaption(m_caption);
  interaccion.MostrarDeterminista(*determinista);
}

void TFmostrarAutomataLogica::BotonValidarClick(TInteraccionResultados& interaccion) {
  if (!m_botonValidar) return;
  ValidarArchivo(interaccion, m_sesion.MuestraValidacion, [&] { return EstadisticaValidacion(interaccion); });
}

TCuentasValidacion TFmostrarAutomataLogica::CuentasValidacion(const TLista& test) const {
  assert(m_mostrada && "validation needs the window shown");
  // The quotient walk follows one target of a cell: a non-deterministic result is counted
  // through its deterministic equivalent, which accepts the same language.
  if (!m_datos.EsDeterminista()) return TFmostrarAutomataDeterLogica(*this).CuentasValidacion(test);
  const TFuncion& funcion = *FuncionValidacion();
  const TLista& alfabeto = m_automata->Alfabeto();
  return ContarValidacion(test, m_sesion.MuestraPositiva.size(), [&](const std::string& ejemplo) {
    return CadenaAceptada(ejemplo, funcion, alfabeto);
  });
}

TDetalleValidacion TFmostrarAutomataLogica::DetalleValidacion(const TLista& test) const {
  assert(m_mostrada && "validation needs the window shown");
  if (!m_datos.EsDeterminista()) return TFmostrarAutomataDeterLogica(*this).DetalleValidacion(test);
  const TFuncion& funcion = *FuncionValidacion();
  const TLista& alfabeto = m_automata->Alfabeto();
  return DetallarValidacion(test, m_sesion.MuestraNegativa, [&](const std::string& ejemplo) {
    return CadenaAceptada(ejemplo, funcion, alfabeto);
  });
}

bool TFmostrarAutomataLogica::EstadisticaValidacion(TInteraccionResultados& interaccion) {
  return ValidarConProgreso(interaccion, m_graficos, [&](TFgraficosLogica& graficos) {
    graficos.MostrarCuentas(CuentasValidacion(m_sesion.MuestraValidacion));
    graficos.MostrarDetalle(DetalleValidacion(m_sesion.MuestraValidacion));
  });
}

void TFmostrarAutomataLogica::BotonGuardarClick(TInteraccion& interaccion) {
  GuardarResultados();
  GuardarInforme(interaccion, m_informe);
}

void TFmostrarAutomataLogica::GuardarResultados() {
  m_informe = CabeceraInformeResultado(m_caption, m_sesion.MuestraPositiva, EjemplosAnadidos(), m_datos);
  GuardarFuncionTransicion();
}

void TFmostrarAutomataLogica::GuardarFuncionTransicion() {
  EmitirLineasDeTabla(m_datos.Tabla, TFormatoTabla::A, [&](const std::string& linea) { m_informe.push_back(linea); });
}

void TFmostrarAutomataLogica::EmitirInforme(const TSalidaLineas& salida) const {
  EmitirCabeceraResultado(m_caption, m_sesion.MuestraPositiva, EjemplosAnadidos(), m_datos, m_automata, salida);
  EmitirLineasDeTabla(m_datos.Tabla, TFormatoTabla::A, salida);
}

void TFmostrarAutomataLogica::FormClose() {
  m_informe.clear();
  m_funcion.reset();
  m_mostrada = false;
  m_datos.TablaDestinos.clear();
  m_datos.BloquesFinales.clear();
  m_textoKVisible = false;
}
