// MostrarAutomataFinito: the result window's skeleton over the logic object.
#include "ui/MostrarAutomataFinito.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/interaccion/InteraccionResultados.h"
#include "app/ventanas/MostrarAutomataFinitoLogica.h"
#include "ui/Ayuda.h"
#include "ui/BotonesAutomata.h"
#include "ui/TextoQt.h"
#include "ui/VistaDiagrama.h"
#include "ui/Modal.h"

TFmostrarAutomataFinito::TFmostrarAutomataFinito(TAyuda& ayuda, QWidget* padre)
    : TVentanaResultado("TFmostrarAutomataFinito", QStringLiteral("Autómata"), QSize(605, 356),
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
  AnadirBotonesAutomata(this, Botones(), [this](TOperacionAutomata operacion) {
    if (m_ventana) OperacionAutomataClick(operacion, m_ventana->AutomataVentana(), *m_interaccion);
  });
  AnadirIdentificacion(this, Botones(), [this]() -> std::optional<TAutomataVentana> {
    if (!m_ventana) return std::nullopt;
    return m_ventana->AutomataVentana();
  });
  Botones()->addStretch(1);
  AnadirBoton("BitBtn1", QStringLiteral("Cerrar"), {}, [this] { reject(); });
  auto* botonAyuda = CrearBotonAyuda(this);
  connect(botonAyuda, &QPushButton::clicked, this, [this] {
    if (m_ventana) m_ayuda.Tema(ArchivoAyuda, QString::fromLatin1(m_ventana->TemaAyuda()));
  });
  Botones()->addWidget(botonAyuda);
}

void TFmostrarAutomataFinito::Mostrar(TFmostrarAutomataFinitoLogica& ventana, TInteraccionResultados& interaccion) {
  m_ventana = &ventana;
  m_interaccion = &interaccion;
  setWindowTitle(DeCp1252(ventana.Caption()));
  ventana.FormShow(interaccion);
  Rellenar({ventana.Alfabeto(), ventana.Einicial(), ventana.Efinales(), ventana.Estados()}, ventana.Rejilla());
  MostrarDiagrama(ventana.Diagrama(), interaccion);
  std::vector<QString> pistas;
  for (int q = 0; q < ventana.Automata().NumeroDeEstados(); ++q) pistas.push_back(DeCp1252(ventana.PistaEstado(q)));
  Vista()->PonerPistas(std::move(pistas));
  EjecutarModal(*this);
  m_ventana = nullptr;
  m_interaccion = nullptr;
}

void TFmostrarAutomataFinito::done(int resultado) {
  if (m_ventana && isVisible()) m_ventana->FormClose();
  TVentanaResultado::done(resultado);
}
