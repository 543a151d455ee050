// BotonesAutomata: one push button per operation, with its hint.
#include "ui/BotonesAutomata.h"

#include <QBoxLayout>
#include <QPushButton>

#include "ui/Componentes.h"

void AnadirBotonesAutomata(QWidget* ventana, QBoxLayout* columna, std::function<void(TOperacionAutomata)> accion) {
  const struct {
    const char* nombre;
    const char* texto;
    const char* pista;
    TOperacionAutomata operacion;
  } botones[] = {
      {"BotonMinimizar", "Minimizar", "El autómata determinista mínimo del mismo lenguaje", TOperacionAutomata::Minimizar},
      {"BotonComparar", "Comparar...", "¿Aceptan el mismo lenguaje que otro autómata o una expresión regular?",
       TOperacionAutomata::Comparar},
      {"BotonExpresion", "Expresión regular", "El lenguaje como expresión regular", TOperacionAutomata::Expresion},
      {"BotonCadenas", "Cadenas...", "Las primeras cadenas aceptadas y cuántas hay de cada longitud",
       TOperacionAutomata::Cadenas},
      {"BotonValidarEtiquetas", "Validar con etiquetas",
       "Exactitud, matriz de confusión y cadenas mal clasificadas en un test etiquetado (por el objetivo, si lo hay)",
       TOperacionAutomata::ValidarConEtiquetas},
  };
  for (const auto& b : botones) {
    auto* boton = CrearBoton(ventana, b.nombre, QString::fromUtf8(b.texto), QString::fromUtf8(b.pista));
    QObject::connect(boton, &QPushButton::clicked, ventana, [accion, operacion = b.operacion] { accion(operacion); });
    columna->addWidget(boton);
  }
}
