// BotonesAutomata: one push button per operation, with its hint.
#include "ui/BotonesAutomata.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "app/objetivos/FlujosObjetivo.h"
#include "ui/Componentes.h"
#include "ui/TextoQt.h"

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

namespace {

// Refreshes the verdict each time the window appears (the windows are reused).
class TVeredictoAlMostrar : public QObject {
 public:
  TVeredictoAlMostrar(QLabel* etiqueta, std::function<std::optional<TAutomataVentana>()> origen)
      : QObject(etiqueta), m_etiqueta(etiqueta), m_origen(std::move(origen)) {}

  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() == QEvent::Show) {
      QStringList lineas;
      if (const auto origen = m_origen())
        for (const auto& linea : LineasIdentificacionVentana(*origen)) lineas << DeCp1252(linea);
      m_etiqueta->setText(lineas.join('\n'));
      m_etiqueta->setVisible(!lineas.isEmpty());
    }
    return QObject::eventFilter(objeto, evento);
  }

 private:
  QLabel* m_etiqueta;
  std::function<std::optional<TAutomataVentana>()> m_origen;
};

}  // namespace

void AnadirIdentificacion(QWidget* ventana, QBoxLayout* columna, std::function<std::optional<TAutomataVentana>()> origen) {
  auto* etiqueta = new QLabel(ventana);
  etiqueta->setObjectName("EtiquetaIdentifica");
  etiqueta->setWordWrap(true);
  etiqueta->setMaximumWidth(160);
  etiqueta->hide();
  columna->addWidget(etiqueta);
  ventana->installEventFilter(new TVeredictoAlMostrar(etiqueta, std::move(origen)));
}
