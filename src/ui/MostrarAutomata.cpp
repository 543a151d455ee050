// MostrarAutomata: memos and table from the logic object; the activation runs once, from
// the window's own event loop, after the window has been shown.
#include "ui/MostrarAutomata.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ventanas/AutomatasVentanas.h"
#include "app/ventanas/DiagramasVentanas.h"
#include "app/interaccion/InteraccionResultados.h"
#include "app/ventanas/MostrarAutomataLogica.h"
#include "ui/Ayuda.h"
#include "ui/BotonesAutomata.h"
#include "ui/Rejilla.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

namespace {

// The name of the dynamic property that is true from the window's showing until its
// activation has started (tests wait for it before they act on the window).
constexpr const char* kActivacionPendiente = "activacionPendiente";

}  // namespace

TFmostrarAutomata::TFmostrarAutomata(TAyuda& ayuda, QWidget* padre)
    : TFmostrarAutomata("TFmostrarAutomata", QSize(605, 356), ayuda, padre) {}

TFmostrarAutomata::TFmostrarAutomata(const char* nombre, QSize tamano, TAyuda& ayuda, QWidget* padre)
    : TVentanaResultado(nombre, QStringLiteral(" Autómata resultado"), tamano,
                        {{"EtiquetaAlfabeto", "Alfabeto: ", "Alfabeto"},
                         {"EtiquetaEinicial", "Estado Inicial: ", "Einicial"},
                         {"EtiquetaEfinales", "Estados Finales: ", "Efinales"},
                         {"EtiquetaEstados", "Conjunto de Estados: ", "Estados"}},
                        DeCp1252(TFmostrarAutomataLogica::kTextoEsquina), padre),
      m_ayuda(ayuda) {
  Construir();
}

void TFmostrarAutomata::Construir() {
  m_textoK = CrearTextoRojo(this, "TextoK", DeCp1252(TFmostrarAutomataLogica::kTextoK));
  m_textoK->hide();
  Cuerpo()->addWidget(m_textoK);

  m_validar = AnadirBoton("BotonValidar", QStringLiteral("Validar"), {}, [this] {
    if (m_ventana) m_ventana->BotonValidarClick(*m_interaccion);
  });
  AnadirBoton("BotonGuardar", QStringLiteral("Guardar"), QStringLiteral("Guardar Datos"), [this] {
    if (m_ventana) m_ventana->BotonGuardarClick(*m_interaccion);
  });
  Botones()->addWidget(CrearBotonImprimir(this));
  m_pasoAPaso = AnadirBoton("BotonPasoAPaso", QStringLiteral("Paso a paso"),
                            QStringLiteral("Ver cada fusión desde el árbol aceptor"), [this] {
                              if (m_ventana) m_ventana->BotonPasoAPasoClick(*m_interaccion);
                            });
  AnadirBotonesAutomata(this, Botones(), [this](TOperacionAutomata operacion) {
    if (m_ventana) OperacionAutomataClick(operacion, AutomataDeVentana(*m_ventana), *m_interaccion);
  });
  AnadirIdentificacion(this, Botones(), [this]() -> std::optional<TAutomataVentana> {
    if (!m_ventana) return std::nullopt;
    return AutomataDeVentana(*m_ventana);
  });
  Botones()->addStretch(1);
  AnadirBoton("BitBtn1", QStringLiteral("Cerrar"), {}, [this] { Cerrar(TCierre::Cancelar); });
  auto* botonAyuda = CrearBotonAyuda(this);
  connect(botonAyuda, &QPushButton::clicked, this, [this] {
    if (m_ventana) m_ayuda.Tema(ArchivoAyuda, QString::fromLatin1(m_ventana->TemaAyuda()));
  });
  Botones()->addWidget(botonAyuda);
}

TCierre TFmostrarAutomata::Mostrar(TFmostrarAutomataLogica& ventana, TInteraccionResultados& interaccion) {
  return Ejecutar(ventana, interaccion);
}

TCierre TFmostrarAutomata::Ejecutar(TFmostrarAutomataLogica& ventana, TInteraccionResultados& interaccion) {
  m_ventana = &ventana;
  m_interaccion = &interaccion;
  m_cierre = TCierre::Cancelar;
  setWindowTitle(DeCp1252(ventana.Caption()));
  EjecutarModal(*this);
  m_ventana = nullptr;
  m_interaccion = nullptr;
  return m_cierre;
}

void TFmostrarAutomata::Cerrar(TCierre cierre) {
  m_cierre = cierre;
  done(QDialog::Accepted);
}

void TFmostrarAutomata::showEvent(QShowEvent* evento) {
  if (m_ventana && !evento->spontaneous()) {
    m_ventana->FormShow(*m_interaccion);
    Refrescar();
    setProperty(kActivacionPendiente, true);
    QTimer::singleShot(0, this, &TFmostrarAutomata::Activar);
  }
  TVentanaResultado::showEvent(evento);
}

void TFmostrarAutomata::Activar() {
  if (!property(kActivacionPendiente).toBool()) return;
  setProperty(kActivacionPendiente, false);
  if (!m_ventana || !isVisible()) return;
  m_ventana->OfrecerConversion(*m_interaccion);
  if (m_ventana) m_validar->setEnabled(m_ventana->BotonValidarHabilitado());
}

void TFmostrarAutomata::Refrescar() {
  Rellenar({m_ventana->Alfabeto(), m_ventana->Einicial(), m_ventana->Efinales(), m_ventana->Estados()},
           m_ventana->Rejilla());
  MostrarDiagrama(DiagramaDeVentana(*m_ventana), *m_interaccion);
  m_textoK->setText(DeCp1252(m_ventana->TextoK()));
  m_textoK->setVisible(m_ventana->TextoKVisible());
  m_validar->setEnabled(m_ventana->BotonValidarHabilitado());
  m_pasoAPaso->setEnabled(m_ventana->BotonPasoAPasoHabilitado());
}

void TFmostrarAutomata::done(int resultado) {
  setProperty(kActivacionPendiente, false);
  if (m_ventana && isVisible()) {
    m_ventana->FormClose();
    m_textoK->setVisible(m_ventana->TextoKVisible());
  }
  TVentanaResultado::done(resultado);
}
