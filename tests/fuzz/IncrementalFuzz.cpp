// Fuzz target: incremental KR and KC, the examples taken in the order they are typed. The
// input is a positive sample file, a NUL byte, and the examples typed, one per line; its last
// bytes pick KR or KC and k. Every example is entered as "&Añadir Ejemplo" takes it and the
// widening of the alphabet is agreed. Properties: an example refused ("$" for KR, "&" beside
// other characters) never stays in the box's list; the result after the last pass is the one
// a complete run gives on the working sample; it accepts every example of that sample and,
// since these languages only grow with the sample, every example that a pass recognised.
#include <memory>

#include "Fuzz.h"
#include "app/comandos/ComandoIncremental.h"
#include "app/interaccion/InteraccionKR.h"
#include "app/ventanas/MostrarAutomata1Logica.h"
#include "app/muestras/Muestra.h"
#include "app/sesion/Sesion.h"
#include "core/Utilidades.h"
#include "inference/AlgoritmoKR.h"
#include "inference/Incremental.h"

namespace {

using fuzz::Comprobar;

// The user who agrees to every new character and sees no window.
class TInteraccionIncremental : public TInteraccionKR {
 public:
  TRespuesta Mensaje(const std::string&, TIcono, TBotones botones) override {
    return botones == TBotones::SiNo ? TRespuesta::No : TRespuesta::Ok;
  }
  std::optional<std::string> ElegirArchivoAbrir(const TDialogoArchivo&) override { return std::nullopt; }
  std::optional<std::string> ElegirArchivoGuardar(const TDialogoArchivo&) override { return std::nullopt; }
  void ReproducirSonido(const std::string&) override {}
  TRespuesta Avisos(const std::string&, const std::string&) override { return TRespuesta::Si; }
  TRespuesta ElegirParametro(TFelegirParametroLogica&) override { return TRespuesta::Cancelar; }
  void MostrarAceptor(TFmostrarAceptorLogica&) override {}
  TCierre MostrarIncremental(TFmostrarAutomata1Logica&) override { return TCierre::Cancelar; }
  TCierre MostrarResultado(TFmostrarAutomataLogica&) override { return TCierre::Cancelar; }
  TCierre MostrarDeterminista(TFmostrarAutomataDeterLogica&) override { return TCierre::Cancelar; }
  void MostrarGraficos(const TFgraficosLogica&) override {}
  TRespuesta Avisos1(const std::string&, const std::string&) override { return TRespuesta::No; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  if (tamano > 384) return 0;
  fuzz::TBytes bytes(datos, tamano);
  const bool kr = bytes.Byte() % 2 == 0;
  const unsigned k = bytes.Byte() % 3;
  const std::string_view resto = bytes.Resto();
  const std::size_t nulo = resto.find('\0');
  if (nulo == std::string_view::npos) return 0;
  const auto muestra = fuzz::LeerMuestra(resto.substr(0, nulo));
  const TLecturaTexto ejemplos = DecodificarTexto(resto.substr(nulo + 1), "fuzz");
  if (!muestra || !ejemplos.Correcta() || k > LongitudMaxima(*muestra) || (kr && UsaMarcaFinal(*muestra))) return 0;
  const TAlgoritmoK algoritmo = kr ? TAlgoritmoK::KR : TAlgoritmoK::KC;

  TSesion sesion;
  sesion.MuestraPositiva = *muestra;
  std::unique_ptr<TAutomata> automata = InferenciaInicial(static_cast<int>(k), algoritmo, *muestra);
  TFmostrarAutomata1Logica ventana(*automata, sesion);
  ventana.ReiniciarEjemplo();
  TLista ampliada = *muestra;
  TLista vistos;    // the examples taken, as typed
  TLista tomados;   // and as each pass took it
  TInteraccionIncremental interaccion;
  for (const auto& ejemplo : ejemplos.lineas) {
    ventana.PonerTextoEjemplo(ejemplo);
    if (!ventana.BotonInsertarEjemploClick(interaccion)) continue;
    const std::string tomado = ventana.NuevoEjemplo();
    const bool rechazado = (kr && UsaMarcaFinal({tomado})) || CadenaVaciaDentro(tomado);
    Comprobar(PasoIncremental(algoritmo, static_cast<int>(k), ventana, automata, ampliada, interaccion) != rechazado,
              "un ejemplo se rechaza solo por \"$\" en KR o \"&\" dentro");
    if (rechazado) {
      Comprobar(!EsMiembro(ejemplo, ventana.EjemplosIntroducidos()) || EsMiembro(ejemplo, vistos),
                "un ejemplo rechazado no queda en la lista");
      continue;
    }
    vistos.push_back(ejemplo);
    tomados.push_back(tomado);
  }
  const auto completo = InferenciaInicial(static_cast<int>(k), algoritmo, ampliada);
  Comprobar(completo->Bloques() == automata->Bloques(), "el resultado es el de una ejecuci\xC3\xB3n completa");
  const TDatosResultado resultado = CalcularDatosResultado(*automata);
  for (const auto& ejemplo : ampliada)
    Comprobar(fuzz::Acepta(*automata, resultado, ejemplo), "el resultado acepta la muestra de trabajo");
  for (const auto& ejemplo : tomados)
    Comprobar(fuzz::Acepta(*automata, resultado, ejemplo), "el resultado acepta cada ejemplo tomado");
  return 0;
}
