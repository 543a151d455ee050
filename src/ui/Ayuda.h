// Ayuda: the help viewer. Each compiled help file (Qt Help, .qch) gets one window with
// contents, index and full-text search; the program opens it at its contents, at its
// index or at a topic ID ("IDH_NuevaM"...).
#pragma once

#include <QMainWindow>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <map>
#include <memory>

class QHelpEngine;
class QTabWidget;
class TInteraccion;

// Help files, relative to the start directory (or the other data folders, see Rutas.h).
inline constexpr const char* ArchivoAyuda = "Ayuda/Telar.qch";
inline constexpr const char* ArchivoTutorial = "Tutorial/Tutor.qch";

// The page area: a text browser that reads qthelp:// pages and pictures from the engine.
class TNavegadorAyuda : public QTextBrowser {
  Q_OBJECT
 public:
  TNavegadorAyuda(QHelpEngine& motor, QWidget* padre);
  QVariant loadResource(int tipo, const QUrl& nombre) override;

 private:
  QHelpEngine& m_motor;
};

// The window of one help file.
class TFayuda : public QMainWindow {
  Q_OBJECT
 public:
  // `coleccion`: a writable collection file of its own; `archivoQch`: the compiled help.
  TFayuda(const QString& coleccion, const QString& archivoQch, const QString& titulo);

  // True when the help file could be registered and read.
  bool Valida() const { return m_valida; }

  // The three below show the window, never modal: dialogs block only the windows they go
  // over, so it stays usable beside any of them. The contents tree selects the page shown.
  // Shows the window with the contents tab, at the help's first page.
  void MostrarContenido();
  // Shows the window with the index tab (the finder), at the help's first page.
  void MostrarIndice();
  // Shows the page of topic `id`; an unknown ID shows the first page and returns false.
  bool MostrarTema(const QString& id);

  QUrl PaginaActual() const;
  QHelpEngine& Motor() { return *m_motor; }

 private:
  void Mostrar(int pestana, const QUrl& pagina);
  void AbrirEnlace(const QUrl& enlace);
  void SeleccionarEnContenido();

  QHelpEngine* m_motor;
  QTabWidget* m_pestanas;
  TNavegadorAyuda* m_navegador;
  QUrl m_inicio;
  bool m_valida = false;
};

// The program's help commands. Paths are built from the start directory taken when the
// main window was created, so a later change of the current directory does not matter.
class TAyuda : public QObject {
  Q_OBJECT
 public:
  TAyuda(const QString& directorioInicial, TInteraccion& interaccion, QObject* padre = nullptr);
  ~TAyuda() override;

  // `archivo` is ArchivoAyuda or ArchivoTutorial. A help file that cannot be found or read
  // gets an error box naming it; nothing else happens.
  void Contenido(const QString& archivo);
  void Buscador(const QString& archivo);
  void Tema(const QString& archivo, const QString& id);

  // Closes every help window (the main window calls it when it closes).
  void Salir();

  // The window of a help file once opened, else nullptr.
  TFayuda* Ventana(const QString& archivo) const;

 private:
  TFayuda* Abrir(const QString& archivo);
  // Places `ventana` beside the main window (this object's parent).
  void ColocarAlLado(QWidget& ventana) const;

  QString m_directorioInicial;
  TInteraccion& m_interaccion;
  QTemporaryDir m_colecciones;  // collection and search index files, removed at exit
  std::map<QString, std::unique_ptr<TFayuda>> m_ventanas;
};
