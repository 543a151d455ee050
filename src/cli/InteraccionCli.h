// TInteraccionCli: the user's side of a flow when telar-cli runs it: files come from the
// command line, messages go to stderr, nothing is played or shown.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "app/interaccion/Interaccion.h"
#include "app/sesion/Sesion.h"

class TInteraccionCli : public virtual TInteraccion {
 public:
  // The file that the next open and save dialogs answer; std::nullopt answers "cancel".
  std::optional<std::string> archivoAbrir;
  std::optional<std::string> archivoGuardar;
  // Answers to message boxes, in order; when none is left a box answers Ok, or No for a
  // yes/no question.
  std::deque<TRespuesta> respuestas;

  // Prints the message (Windows-1252) to stderr in UTF-8 and counts error boxes.
  TRespuesta Mensaje(const std::string& texto, TIcono icono, TBotones botones) override;
  // The text, then the detail on its own line.
  TRespuesta MensajeDetallado(const std::string& texto, const std::string& detalle, TIcono icono,
                              TBotones botones) override;
  std::optional<std::string> ElegirArchivoAbrir(const TDialogoArchivo& dialogo) override;
  std::optional<std::string> ElegirArchivoGuardar(const TDialogoArchivo& dialogo) override;
  void ReproducirSonido(const std::string& archivo) override;

  // How many error boxes the flow showed.
  int Errores() const { return m_errores; }

 private:
  int m_errores = 0;
};

// The file name that stands for the standard input, and how messages name it.
inline constexpr const char* kEntradaEstandar = "-";
inline constexpr const char* kNombreEntradaEstandar = "(entrada est\xE1ndar)";

// Reads the sample file `ruta` into `sesion` as "&Abrir..." does with the kind `tipo`
// checked; false after the flow's message on stderr (the sample in use stays as it was).
// "-" reads the standard input instead, taken as a file of that kind.
bool AbrirMuestraCli(TSesion& sesion, const std::string& ruta, TTipoMuestra tipo = TTipoMuestra::TipoM_Pos);

// Each sample AbrirMuestraCli was asked for, in order, with its size: its examples and the
// longest one's length once read, the file's bytes before that (Windows-1252, for the
// out-of-memory message: "\"s.pos\": 1 ejemplo, el más largo de 100000 caracteres").
std::string DescripcionMuestrasLeidas();
