// MostrarAutomataDeter: subset-states in the memos and the table; "Validar" always enabled.
#include "ui/MostrarAutomataDeter.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/ventanas/AutomatasVentanas.h"
#include "app/ventanas/DiagramasVentanas.h"
#include "app/interaccion/InteraccionResultados.h"
#include "app/ventanas/MostrarAutomataDeterLogica.h"
#include "ui/Ayuda.h"
#include "ui/BotonesAutomata.h"
#include "ui/Rejilla.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

TFmostrarAutomataDeter::TFmostrarAutomataDeter(TAyuda& ayuda, QWidget* padre)
    : TVentanaResultado("TFmostrarAutomataDeter", QStringLiteral("Autómata Determinístico Resultado"), QSize(600, 353),
                        {{"EtiquetaAlfabeto", "Alfabeto: ", "Alfabeto"},
                         {"EtiquetaEinicial", "Estado Inicial: ", "Einicial"},
                         {"EtiquetaEfinales", "Estados Finales: ", "Efinales"},
                         {"EtiquetaEstados", "Conjunto de Estados: ", "Estados"}},
                        QStringLiteral("  E/A  "), padre),
      m_ayuda(ayuda) {
  AnadirBoton("BotonValidar", QStringLiteral("Validar"), {}, [this] {
    if (m_ventana) m_ventana->BotonValidarClick(*m_interaccion);
  });
  AnadirBoton("BotonGuardar", QStringLiteral("Guardar"), QStringLiteral("Guardar Datos"), [this] {
    if (m_ventana) m_ventana->BotonGuardarClick(*m_interaccion);
  });
  Botones()->addWidget(CrearBotonImprimir(this));
  AnadirBotonesAutomata(this, Botones(), [this](TOperacionAutomata operacion) {
    if (m_ventana) OperacionAutomataClick(operacion, AutomataDeVentana(*m_ventana), *m_interaccion);
  });
  AnadirIdentificacion(this, Botones(), [this]() -> std::optional<TAutomataVentana> {
    if (!m_ventana) return std::nullopt;
    return AutomataDeVentana(*m_ventana);
  });
  Botones()->addStretch(1);
  AnadirBoton("BitBtn1", QStringLiteral("Cerrar"), {}, [this] { reject(); });
  auto* botonAyuda = CrearBotonAyuda(this);
  connect(botonAyuda, &QPushButton::clicked, this, [this] {
    if (m_ventana) m_ayuda.Tema(ArchivoAyuda, QString::fromLatin1(m_ventana->TemaAyuda()));
  });
  Botones()->addWidget(botonAyuda);
}

TCierre TFmostrarAutomataDeter::Mostrar(TFmostrarAutomataDeterLogica& ventana, TInteraccionResultados& interaccion) {
  m_ventana = &ventana;
  m_interaccion = &interaccion;
  setWindowTitle(DeCp1252(ventana.Caption()));
  ventana.FormShow(interaccion);
  Rellenar({ventana.Alfabeto(), ventana.Einicial(), ventana.Efinales(), ventana.Estados()}, ventana.Rejilla());
  MostrarDiagrama(DiagramaDeVentana(ventana), interaccion);
  EjecutarModal(*this);
  m_ventana = nullptr;
  m_interaccion = nullptr;
  return TCierre::Cancelar;
}

void TFmostrarAutomataDeter::done(int resultado) {
  if (m_ventana && isVisible()) m_ventana->FormClose();
  TVentanaResultado::done(resultado);
}
