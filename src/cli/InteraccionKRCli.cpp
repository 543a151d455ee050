// TInteraccionKRCli: fixed answers for the KR and KC windows on the command line.
#include "cli/InteraccionKRCli.h"

TRespuesta TInteraccionKRCli::Mensaje(const std::string& texto, TIcono icono, TBotones botones) {
  return m_cli.Mensaje(texto, icono, botones);
}
std::optional<std::string> TInteraccionKRCli::ElegirArchivoAbrir(const TDialogoArchivo& dialogo) {
  return m_cli.ElegirArchivoAbrir(dialogo);
}
std::optional<std::string> TInteraccionKRCli::ElegirArchivoGuardar(const TDialogoArchivo& dialogo) {
  return m_cli.ElegirArchivoGuardar(dialogo);
}
void TInteraccionKRCli::ReproducirSonido(const std::string& archivo) { m_cli.ReproducirSonido(archivo); }

TRespuesta TInteraccionKRCli::Avisos(const std::string&, const std::string&) { return TRespuesta::Si; }

TRespuesta TInteraccionKRCli::ElegirParametro(TFelegirParametroLogica&) { return TRespuesta::Cancelar; }
void TInteraccionKRCli::MostrarAceptor(TFmostrarAceptorLogica&) {}
TCierre TInteraccionKRCli::MostrarIncremental(TFmostrarAutomata1Logica&) { return TCierre::Cancelar; }
TCierre TInteraccionKRCli::MostrarResultado(TFmostrarAutomataLogica&) { return TCierre::Cancelar; }
TCierre TInteraccionKRCli::MostrarDeterminista(TFmostrarAutomataDeterLogica&) { return TCierre::Cancelar; }
void TInteraccionKRCli::MostrarGraficos(const TFgraficosLogica&) {}
TRespuesta TInteraccionKRCli::Avisos1(const std::string&, const std::string&) { return TRespuesta::Cancelar; }
