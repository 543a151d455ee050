// TInteraccion: every point where a command flow shows something to the user or waits
// for an answer. The Qt forms implement it; tests implement it with a script of answers
// and a transcript of what was shown. Texts crossing it are Windows-1252.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/Lista.h"

class TFpasoAPasoLogica;

enum class TIcono { Error, Informacion, Advertencia, Pregunta };
enum class TBotones { Ok, Reintentar, SiNo, OkCancelar };
enum class TRespuesta { Ok, Cancelar, Si, No, Reintentar };

// How a common file dialog is prepared: title, filter list ("Texto (*.ext)|*.ext|..."),
// default extension without dot, 1-based filter index, initial folder (empty: the user's home).
struct TDialogoArchivo {
  std::string titulo;
  std::string filtro;
  std::string extensionPorDefecto;
  int indiceFiltro = 1;
  std::string carpetaInicial;
  std::string nombreArchivo;
};

// The sounds of the program, files of the "Sonidos" folder.
inline constexpr const char* kSonidoAlgoritmo = "Execute.wav";    // an algorithm command starts
inline constexpr const char* kSonidoResultado = "Result.wav";     // a result window appears
inline constexpr const char* kSonidoMuestra = "Command.wav";      // a sample button
inline constexpr const char* kSonidoPresentacion = "Present.wav"; // the splash at start-up

class TInteraccion {
 public:
  virtual ~TInteraccion();

  // A modal message box; returns the button that closed it.
  virtual TRespuesta Mensaje(const std::string& texto, TIcono icono, TBotones botones) = 0;
  // The same box with a detail under its text (why a sample was refused: its file and line);
  // `texto` stays the box's own. An interface without a place for it shows `texto` alone.
  virtual TRespuesta MensajeDetallado(const std::string& texto, const std::string& detalle, TIcono icono,
                                      TBotones botones);

  // Open and save dialogs; std::nullopt when the user cancels. The path is the file
  // system's own (UTF-8 on this platform), not Windows-1252.
  virtual std::optional<std::string> ElegirArchivoAbrir(const TDialogoArchivo& dialogo) = 0;
  virtual std::optional<std::string> ElegirArchivoGuardar(const TDialogoArchivo& dialogo) = 0;

  // Starts a sound from the "Sonidos" folder ("Execute.wav"...) without waiting.
  virtual void ReproducirSonido(const std::string& archivo) = 0;

  // The sample editor TFnuevMuestra, shown modally and starting empty: its entries in list
  // order when closed with "Aceptar", std::nullopt with "Cancelar". The default answers
  // std::nullopt, for implementations that never show it.
  virtual std::optional<TLista> EditarMuestra() { return std::nullopt; }
  // The situation/action editor TFnuevaMuestraSA, modal, alike.
  virtual std::optional<TLista> EditarMuestraSA() { return std::nullopt; }
  // The step-by-step window "Paso a paso", modal, driven by `ventana`'s handlers; opened from
  // a result window. The default shows nothing, for implementations without windows.
  virtual void MostrarPasoAPaso(TFpasoAPasoLogica& ventana) { (void)ventana; }

  // Long work of a command (building, inferring, converting, validating): runs `trabajo`,
  // which touches neither this interface nor anything the user sees, and answers true when
  // it ran to its end, false when the user cancelled it; a cancelled command goes back to
  // where it started with nothing changed. `texto` says what is being done. The work stops
  // early at its loops' ComprobarCancelacion once the user asked; whatever it throws
  // (TErrorInterno, std::bad_alloc) comes out of this call. This call returns only when
  // `trabajo` has ended, so the work may use the caller's objects. The default runs it here
  // and now, never cancelled; a window implementation runs it away from the user interface,
  // keeps the windows painted, and offers "Cancelar" when it lasts.
  virtual bool EjecutarConProgreso(const std::string& texto, const std::function<void()>& trabajo);
};
