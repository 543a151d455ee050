// InteraccionQt: the Qt side of TInteraccion: message boxes, file dialogs and sounds.
#pragma once

#include <QString>
#include <QStringList>

#include "app/Interaccion.h"

class QWidget;
class TSonidos;

class TInteraccionQt : public TInteraccion {
 public:
  // Boxes and dialogs are modal over `ventana`; sounds go to `sonidos`.
  TInteraccionQt(QWidget* ventana, TSonidos& sonidos);

  TRespuesta Mensaje(const std::string& texto, TIcono icono, TBotones botones) override;
  std::optional<std::string> ElegirArchivoAbrir(const TDialogoArchivo& dialogo) override;
  std::optional<std::string> ElegirArchivoGuardar(const TDialogoArchivo& dialogo) override;
  void ReproducirSonido(const std::string& archivo) override;

 private:
  std::optional<std::string> ElegirArchivo(const TDialogoArchivo& dialogo, bool guardar);

  QWidget* m_ventana;
  TSonidos& m_sonidos;
};

// "Texto (*.pos)|*.pos|Otro (*.neg)|*.neg" as Qt's name filters, one per described kind.
QStringList FiltrosQt(const QString& filtro);
