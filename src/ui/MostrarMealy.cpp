// MostrarMealy: five memos, the pair table with "  E/SA  " in its corner, the red TextoK,
// and "Siguiente K", "Guardar", "Imprimir", "Cerrar" and the help picture.
#include "ui/MostrarMealy.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DiagramasVentanas.h"
#include "app/MostrarMealyLogica.h"
#include "ui/Ayuda.h"
#include "ui/Rejilla.h"
#include "ui/TextoQt.h"
#include "ui/Modal.h"

TFmostrarMealy::TFmostrarMealy(TAyuda& ayuda, QWidget* padre)
    : TVentanaResultado("TFmostrarMealy", QStringLiteral(" Máquina Mealy"), QSize(601, 434),
                        {{"Label2", "Conjunto de Situaciones: ", "Situaciones"},
                         {"Label3", "Conjunto de Acciones: ", "Acciones"},
                         {"Label4", "Estado Inicial: ", "Einicial"},
                         {"Label5", "Estados Finales: ", "Efinales"},
                         {"Label6", "Conjunto de Estados: ", "Estados"}},
                        DeCp1252(TFmostrarMealyLogica::kTextoEsquina), padre),
      m_ayuda(ayuda) {
  m_textoK = CrearTextoRojo(this, "TextoK", DeCp1252(TFmostrarMealyLogica::kTextoK));
  Cuerpo()->addWidget(m_textoK);

  m_siguiente = AnadirBoton("BotonSiguiente", QStringLiteral("Siguiente K"), {}, [this] {
    m_cierre = TCierre::SiguienteK;
    accept();
  });
  AnadirBoton("BotonGuardar", QStringLiteral("Guardar"), QStringLiteral("Guardar Datos"), [this] {
    if (m_ventana) m_ventana->BotonGuardarClick(*m_interaccion);
  });
  Botones()->addWidget(CrearBotonImprimir(this));
  m_pasoAPaso = AnadirBoton("BotonPasoAPaso", QStringLiteral("Paso a paso"),
                            QStringLiteral("Ver cada fusión desde el árbol aceptor"), [this] {
                              if (m_ventana) m_ventana->BotonPasoAPasoClick(*m_interaccion);
                            });
  Botones()->addStretch(1);
  AnadirBoton("BitBtn1", QStringLiteral("Cerrar"), {}, [this] { reject(); });
  auto* botonAyuda = CrearBotonAyuda(this, true);
  connect(botonAyuda, &QPushButton::clicked, this, [this] {
    if (m_ventana) m_ayuda.Tema(ArchivoAyuda, QString::fromLatin1(m_ventana->TemaAyuda()));
  });
  Botones()->addWidget(botonAyuda);
}

TCierre TFmostrarMealy::Mostrar(TFmostrarMealyLogica& ventana, TInteraccion& interaccion) {
  m_ventana = &ventana;
  m_interaccion = &interaccion;
  m_cierre = TCierre::Cancelar;
  setWindowTitle(DeCp1252(ventana.Caption()));
  m_textoK->setText(DeCp1252(ventana.TextoK()));
  m_siguiente->setEnabled(ventana.BotonSiguienteHabilitado());
  m_pasoAPaso->setEnabled(ventana.BotonPasoAPasoHabilitado());
  ventana.FormShow(interaccion);
  Rellenar({ventana.Situaciones(), ventana.Acciones(), ventana.Einicial(), ventana.Efinales(), ventana.Estados()},
           ventana.Rejilla());
  MostrarDiagrama(DiagramaDeVentana(ventana), interaccion);
  EjecutarModal(*this);
  m_ventana = nullptr;
  m_interaccion = nullptr;
  return m_cierre;
}

void TFmostrarMealy::done(int resultado) {
  if (m_ventana && isVisible()) m_ventana->FormClose();
  TVentanaResultado::done(resultado);
}
