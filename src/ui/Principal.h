// Principal: the main window TFprincipal: menus, tool bar, pictures, status bar, and the
// windows it creates once at start-up. It owns the session (the sample lists and menu
// state) and only shows it: every command is a call into the session's flows.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "app/ventanas/PistasEstado.h"
#include "app/sesion/Sesion.h"

class QActionGroup;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class TAyuda;
class TFacercaDe;
class TFnuevaMuestraSA;
class TFnuevMuestra;
class TFverMuestra;
class TImagen;
class TInteraccionVentanasQt;
class TSonidos;

// The algorithm commands of the main window: its five algorithm buttons and the items of
// "&Algoritmos". Each reaches TFprincipal::EjecutarOrden, the one place their flows are wired.
enum class TOrdenAlgoritmo {
  BotonIM1, BotonKR, BotonKC, BotonSKR, BotonSKC,
  OpcionIM1, OpcionKRnormal, OpcionKRincremental, OpcionKRejemplosnegativos,
  OpcionKCnormal, OpcionKCincremental, OpcionKCejemplosnegativos, OpcionSKR, OpcionSKC
};

class TFprincipal : public QMainWindow {
  Q_OBJECT
 public:
  // FormCreate: creates the session with its six sample lists and takes DirectorioInicial
  // from the current directory.
  explicit TFprincipal(QWidget* padre = nullptr);
  ~TFprincipal() override;

  // Creates the other windows of the program once, in start-up order, running `paso`
  // before each one (the splash's progress bar). Returns the names of the windows, in
  // that order; those whose forms another part of the program adds are listed too.
  QStringList CrearVentanas(const std::function<void()>& paso);

  // Opens `archivo` as a sample of the kind its extension names (the program started with
  // a file), with the boxes of "&Abrir..."; its folder becomes the dialogs' folder.
  void AbrirArchivo(const QString& archivo);

  TSesion& Sesion() { return *m_sesion; }
  TInteraccionVentanasQt& Interaccion() { return *m_interaccion; }
  TAyuda& Ayuda() { return *m_ayuda; }
  TSonidos& Sonidos() { return *m_sonidos; }
  const QString& DirectorioInicial() const { return m_directorioInicial; }

  TFacercaDe* AcercaDe() const { return m_acercaDe; }
  TFverMuestra* VerMuestra() const { return m_verMuestra; }
  TFnuevMuestra* NuevMuestra() const { return m_nuevMuestra; }
  TFnuevaMuestraSA* NuevaMuestraSA() const { return m_nuevaMuestraSA; }

  // Sets status panel 0 to `texto`, its width to the text's width in the window's font
  // plus 7 pixels.
  void MostrarHintEnStatusBar(const QString& texto);

 signals:
  // Emitted by EjecutarOrden for every algorithm command, before the command runs.
  void OrdenAlgoritmo(TOrdenAlgoritmo orden);

 public slots:
  void Acercade1Click();
  void NuevaMuestraClick();
  void Abrir1Click();
  void VerMuestraClick();
  void GuardarComoClick();
  void Salir1Click();
  void Contenidos1Click();
  void TemasTutorClick();
  // "Explorar K...": the k sweep window over the session's samples, modal.
  void ExplorarKClick();
  void BotonAbrirClick();
  void BotonGuardarClick();
  void BotonVerClick();
  void BotonNuevaClick();
  void Timer1Timer();
  void MuestraMClick();
  void MTutorialClick();
  void ImagenFijaMouseMove();
  // The mouse-move handlers of the nine buttons: hint, one blank, current caption.
  void BotonMouseMove(TBotonPrincipal boton);

 protected:
  void showEvent(QShowEvent* evento) override;   // FormShow
  void closeEvent(QCloseEvent* evento) override;  // FormClose
  bool event(QEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

  // Runs an algorithm command: announces it through OrdenAlgoritmo, then runs its flow with
  // the session and the algorithm windows.
  virtual void EjecutarOrden(TOrdenAlgoritmo orden);

 private:
  void CrearMenus();
  void CrearBotones(QWidget* panel);
  void MostrarVisor();
  // Re-reads the session: captions, checks, enabled commands, the viewer's memo.
  void Refrescar();
  // The "&Objetivo" menu (built with CrearMenus' helpers) and the sign of the target.
  void CrearMenuObjetivo(const std::function<QMenu*(QMenu*, const char*, const QString&)>& menu,
                         const std::function<QAction*(QMenu*, const char*, const QString&)>& item);
  void RefrescarObjetivo();

  std::unique_ptr<TSesion> m_sesion;
  QString m_directorioInicial;
  TSonidos* m_sonidos;
  std::unique_ptr<TInteraccionVentanasQt> m_interaccion;
  TAyuda* m_ayuda;

  std::array<QToolButton*, 9> m_botones{};
  std::array<QAction*, 4> m_tiposMuestra{};
  std::array<QAction*, 3> m_variantesKR{};
  std::array<QAction*, 3> m_variantesKC{};
  std::array<QAction*, 5> m_algoritmos{};
  QAction* m_explorarK = nullptr;  // enabled while a positive sample exists  // by TAlgoritmo: the item or the submenu's action
  TImagen* m_imagenPresent;
  TImagen* m_imagenFija;
  QTimer* m_timer1;
  QLabel* m_panel0;
  QLabel* m_panelMuestras;  // the session's samples: kind, file, strings
  QLabel* m_panel1;
  QLabel* m_panelObjetivo;                       // "Objetivo: ..." while a target is set
  std::array<QAction*, 3> m_accionesObjetivo{};  // Ver, Generar, Quitar: enabled with a target

  // Created by CrearVentanas, owned as children of this window.
  TFacercaDe* m_acercaDe = nullptr;
  TFverMuestra* m_verMuestra = nullptr;
  TFnuevMuestra* m_nuevMuestra = nullptr;
  TFnuevaMuestraSA* m_nuevaMuestraSA = nullptr;
};
