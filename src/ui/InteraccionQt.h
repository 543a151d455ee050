// InteraccionQt: the Qt side of TInteraccion: message boxes, file dialogs, sounds and the
// two sample editors.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include "app/Interaccion.h"

class QWidget;
class TFnuevaMuestraSA;
class TFnuevMuestra;
class TSonidos;

class TInteraccionQt : public virtual TInteraccion {
 public:
  // Boxes and dialogs are modal over `ventana`; sounds go to `sonidos`.
  TInteraccionQt(QWidget* ventana, TSonidos& sonidos);

  TRespuesta Mensaje(const std::string& texto, TIcono icono, TBotones botones) override;
  // The detail goes to the box's "Show Details..." part (QMessageBox::setDetailedText).
  TRespuesta MensajeDetallado(const std::string& texto, const std::string& detalle, TIcono icono,
                              TBotones botones) override;
  std::optional<std::string> ElegirArchivoAbrir(const TDialogoArchivo& dialogo) override;
  std::optional<std::string> ElegirArchivoGuardar(const TDialogoArchivo& dialogo) override;
  void ReproducirSonido(const std::string& archivo) override;
  std::optional<TLista> EditarMuestra() override;
  std::optional<TLista> EditarMuestraSA() override;
  // In a thread of its own, with TFprogreso when it lasts (EjecutarConProgresoQt).
  bool EjecutarConProgreso(const std::string& texto, const std::function<void()>& trabajo) override;

  // The two sample editors, created at start-up after the main window; until then the
  // editors answer as cancelled.
  void PonerEditores(TFnuevMuestra* editor, TFnuevaMuestraSA* editorSA);

 private:
  std::optional<std::string> ElegirArchivo(const TDialogoArchivo& dialogo, bool guardar);
  // The window a message or file dialog opens over: the modal window that asked, if
  // any (a result window saving or validating), else the main window.
  QWidget* Encima() const;

  QWidget* m_ventana;
  TSonidos& m_sonidos;
  QPointer<TFnuevMuestra> m_editor;
  QPointer<TFnuevaMuestraSA> m_editorSA;
};

// The folder every file dialog of the program opens in once a file has been chosen or
// given: that file's folder, until another is. Empty before any, or when the folder is gone;
// dialogs then open in the folder they ask for (the user's home by default). A save dialog
// opens where the last file was saved, when one was, rather than where a sample was opened.
QString CarpetaReciente();
void RecordarCarpetaDe(const QString& archivo);

// "Texto (*.pos)|*.pos|Otro (*.neg)|*.neg" as Qt's name filters, one per described kind.
QStringList FiltrosQt(const QString& filtro);
