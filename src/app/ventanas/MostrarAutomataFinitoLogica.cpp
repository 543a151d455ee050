// TFmostrarAutomataFinitoLogica: the result window's data and files over a TAutomataFinito.
#include "app/ventanas/MostrarAutomataFinitoLogica.h"

#include "app/ventanas/ArchivosResultado.h"
#include "app/interaccion/InteraccionResultados.h"
#include "app/sesion/Sesion.h"
#include "automatas/DatosAutomataFinito.h"
#include "automatas/InformeAutomata.h"
#include "core/Utilidades.h"
#include "diagram/DiagramaAutomataFinito.h"

TFmostrarAutomataFinitoLogica::TFmostrarAutomataFinitoLogica(TAutomataFinito automata, TSesion& sesion,
                                                             std::string caption, std::vector<TLista> agrupa,
                                                             bool conMuestra)
    : m_automata(std::move(automata)),
      m_sesion(sesion),
      m_caption(std::move(caption)),
      m_agrupa(std::move(agrupa)),
      m_conMuestra(conMuestra),
      m_datos() {
  // the drawing names states as the grid does
  for (int q = 0; q < m_automata.NumeroDeEstados(); ++q) m_automata.PonerNombre(q, NombreBloque(q));
  m_datos = DatosDeAutomataFinito(m_automata);
}

TAutomataVentana TFmostrarAutomataFinitoLogica::AutomataVentana() const {
  return {m_automata, m_caption, &m_sesion};
}

void TFmostrarAutomataFinitoLogica::FormShow(TInteraccion& interaccion) {
  interaccion.ReproducirSonido(kSonidoResultado);
}

bool TFmostrarAutomataFinitoLogica::Acepta(const std::string& ejemplo) const {
  const auto cadena = m_automata.CadenaDeTexto(ejemplo);
  return cadena && m_automata.Acepta(*cadena);
}

TCuentasValidacion TFmostrarAutomataFinitoLogica::CuentasValidacion(const TLista& test) const {
  return ContarValidacion(test, m_sesion.MuestraPositiva.size(), [&](const std::string& e) { return Acepta(e); });
}

TDetalleValidacion TFmostrarAutomataFinitoLogica::DetalleValidacion(const TLista& test) const {
  return DetallarValidacion(test, m_sesion.MuestraNegativa, [&](const std::string& e) { return Acepta(e); });
}

void TFmostrarAutomataFinitoLogica::BotonValidarClick(TInteraccionResultados& interaccion) {
  ValidarArchivo(interaccion, m_sesion.MuestraValidacion, [&] {
    return ValidarConProgreso(interaccion, m_graficos, [&](TFgraficosLogica& graficos) {
      graficos.MostrarCuentas(CuentasValidacion(m_sesion.MuestraValidacion));
      graficos.MostrarDetalle(DetalleValidacion(m_sesion.MuestraValidacion));
    });
  });
}

TLista TFmostrarAutomataFinitoLogica::Informe() const {
  TLista informe;
  EmitirInformeAutomata(m_caption, m_conMuestra ? &m_sesion.MuestraPositiva : nullptr, m_automata,
                        [&](const std::string& linea) { informe.push_back(linea); });
  return informe;
}

void TFmostrarAutomataFinitoLogica::BotonGuardarClick(TInteraccion& interaccion) {
  GuardarInforme(interaccion, Informe());
}

TDiagrama TFmostrarAutomataFinitoLogica::Diagrama() const { return DiagramaDeAutomataFinito(m_automata); }

std::string TFmostrarAutomataFinitoLogica::PistaEstado(int estado) const {
  std::string pista = m_automata.Nombre(estado) + " = " + ConjuntoATexto(m_automata.Prefijos(estado));
  if (static_cast<std::size_t>(estado) < m_agrupa.size()) {
    std::string nombres;
    for (const auto& nombre : m_agrupa[estado]) nombres += (nombres.empty() ? "" : ", ") + nombre;
    pista += "\nAgrupa: " + (nombres.empty() ? std::string("ning\xFAn estado") : nombres);
  }
  return pista;
}
