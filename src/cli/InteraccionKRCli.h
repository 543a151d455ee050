// TInteraccionKRCli: the KR and KC windows when telar-cli runs a command: messages go to
// stderr, a new character is always agreed to ("Sí"), and no window is shown.
#pragma once

#include <string>

#include "app/interaccion/InteraccionKR.h"
#include "cli/InteraccionCli.h"

class TInteraccionKRCli : public TInteraccionKR {
 public:
  // Messages, file dialogs and sounds as TInteraccionCli answers them.
  TRespuesta Mensaje(const std::string& texto, TIcono icono, TBotones botones) override;
  std::optional<std::string> ElegirArchivoAbrir(const TDialogoArchivo& dialogo) override;
  std::optional<std::string> ElegirArchivoGuardar(const TDialogoArchivo& dialogo) override;
  void ReproducirSonido(const std::string& archivo) override;

  // "Sí".
  TRespuesta Avisos(const std::string& aviso, const std::string& pregunta) override;

  // The orders print results through SalidaResultado and never show these windows: each
  // closes at once without an answer (Cancelar), TFavisos1 included.
  TRespuesta ElegirParametro(TFelegirParametroLogica& dialogo) override;
  void MostrarAceptor(TFmostrarAceptorLogica& ventana) override;
  TCierre MostrarIncremental(TFmostrarAutomata1Logica& ventana) override;
  TCierre MostrarResultado(TFmostrarAutomataLogica& ventana) override;
  TCierre MostrarDeterminista(TFmostrarAutomataDeterLogica& ventana) override;
  void MostrarGraficos(const TFgraficosLogica& graficos) override;
  TRespuesta Avisos1(const std::string& aviso, const std::string& pregunta) override;

 private:
  TInteraccionCli m_cli;
};
