// OrdenKRKC: the orders kr and kc over the same flows as the windows.
#include "cli/OrdenKRKC.h"

#include <iostream>

#include "app/comandos/ComandoIncremental.h"
#include "app/comandos/ComandosKR.h"
#include "app/muestras/FlujosMuestra.h"
#include "app/ventanas/MostrarAutomata1Logica.h"
#include "app/muestras/Muestra.h"
#include "app/sesion/Sesion.h"
#include "cli/InteraccionCli.h"
#include "cli/InteraccionKRCli.h"
#include "cli/Orden.h"
#include "cli/SalidaDiagrama.h"
#include "cli/SalidaResultado.h"
#include "cli/SalidaTraza.h"
#include "core/ArchivoTexto.h"
#include "core/Automata.h"
#include "core/Texto.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/BusquedaK.h"
#include "inference/Incremental.h"

TSintaxisOrden SintaxisKRKC(TAlgoritmoK algoritmo) {
  const std::string orden = algoritmo == TAlgoritmoK::KR ? "kr" : "kc";
  const std::string nombre = algoritmo == TAlgoritmoK::KR ? "KR" : "KC";
  std::vector<TOpcionCli> opciones = {
      {"-k", true}, {.nombre = "--negativa", .conValor = true, .entrada = true}, {"-e", true, true}};
  for (auto& opcion : OpcionesSalidaResultado()) opciones.push_back(std::move(opcion));
  opciones.push_back(OpcionTraza());
  const std::string ayudaMarca =
      algoritmo == TAlgoritmoK::KR ? "      Una muestra con el carácter \"$\" (la marca de fin de KR) se rechaza.\n" : "";
  return {.orden = orden,
          .uso = "telar-cli " + orden + " (-k K [-e EJEMPLO ...] | --negativa NEG.neg) FICHERO.pos "
                 "[--determinista] [--validar TEST.tst] [-o FICHERO] [--traza FICHERO]"
                  " [--diagrama FICHERO [--forzar]] [--minimizar] [--comparar AUTOMATA] [--objetivo AUTOMATA]"
                  " [--evaluar [--test-negativo NEG.neg]]",
          .ayuda = "  " + orden + " -k K FICHERO.pos\n"
                   "      Informe de la ventana del resultado de " + nombre + " con el parámetro K\n"
                   "      (de 0 a la longitud del ejemplo más largo).\n"
                   "  " + orden + " --negativa NEG.neg FICHERO.pos\n"
                   "      Busca el menor K cuyo resultado rechaza toda la muestra negativa; sin\n"
                   "      solución, el mensaje del sistema y la salida 1.\n"
                   "  " + orden + " -k K -e EJEMPLO [-e EJEMPLO ...] FICHERO.pos\n"
                   "      " + nombre + " incremental: cada -e pulsa \"&Añadir Ejemplo\" (un carácter nuevo\n"
                   "      se acepta); en stderr, una línea por -e con el texto de esa pasada.\n" +
                   ayudaMarca + kAyudaSalidaResultado + kAyudaDiagrama + kAyudaTraza +
                   "      Con -e, la traza es la de la última pasada.\n",
          .opciones = std::move(opciones),
          .minimoFicheros = 1,
          .maximoFicheros = 1};
}

namespace {

// The negative sample of `ruta` into the session, as "&Abrir..." takes it with the kind
// "Negativa"; a file without lines cannot hold a negative sample. False after a message.
bool CargarNegativa(TSesion& sesion, const std::string& ruta) {
  if (TieneExtension(ruta, DatosTipoMuestra(TTipoMuestra::TipoM_Neg).extension)) {
    const auto lectura = LeerArchivoTexto(ruta);
    if (lectura.Correcta() && lectura.lineas.empty()) {
      ErrorDeEntrada(kNoExisteMuestraNegativa);
      return false;
    }
  }
  return AbrirMuestraCli(sesion, ruta, TTipoMuestra::TipoM_Neg);
}

int Negativa(TAlgoritmoK algoritmo, TSesion& sesion, const std::string& ruta, const TOpcionesSalida& opciones) {
  if (!CargarNegativa(sesion, ruta)) return kSalidaEntradaIncorrecta;
  const int cota = static_cast<int>(LongitudMaxima(sesion.MuestraPositiva));
  const auto solucion = BuscarKNegativo(algoritmo, sesion.MuestraPositiva, sesion.MuestraNegativa, cota);
  if (!solucion) {
    std::cout << Cp1252AUtf8(MensajeSinSolucion(cota)) << "\n";
    return kSalidaSinSolucion;
  }
  return SalidaResultado(*solucion->automata, sesion.MuestraPositiva, CaptionResultadoNegativo(algoritmo, solucion->k),
                         nullptr, opciones);
}

int Incremental(TAlgoritmoK algoritmo, int k, TSesion& sesion, const std::vector<std::string>& ejemplos,
                const TOpcionesSalida& opciones, const std::optional<std::string>& rutaTraza) {
  std::unique_ptr<TAutomata> automata = InferenciaInicial(k, algoritmo, sesion.MuestraPositiva);
  TFmostrarAutomata1Logica ventana(*automata, sesion);
  ventana.ReiniciarEjemplo();
  ventana.PonerCaption(CaptionResultadoIncremental(algoritmo, k));
  TLista muestraAmpliada = sesion.MuestraPositiva;
  TInteraccionKRCli interaccion;
  for (const auto& ejemplo : ejemplos) {
    ventana.PonerTextoEjemplo(ejemplo);
    if (!ventana.BotonInsertarEjemploClick(interaccion)) continue;
    if (PasoIncremental(algoritmo, k, ventana, automata, muestraAmpliada, interaccion))
      std::cerr << Cp1252AUtf8(ventana.Texto()) << "\n";
  }
  const int codigo = SalidaResultado(ventana, opciones);
  if (codigo != kSalidaResultado || !rutaTraza) return codigo;
  // The last pass was a complete run on the working sample as it is now: run it again, heard.
  TTrazaFusiones traza;
  InferenciaInicial(k, algoritmo, muestraAmpliada, &traza);
  return EscribirTraza(*rutaTraza, traza.Pasos);
}

int Ejecutar(TAlgoritmoK algoritmo, const TSintaxisOrden& sintaxis, const TArgumentos& argumentos) {
  const bool negativa = argumentos.Tiene("--negativa");
  const auto textoK = argumentos.Valor("-k");
  const auto valoresE = argumentos.Valores("-e");
  if (negativa && (textoK || !valoresE.empty()))
    return ErrorDeUso(sintaxis, "--negativa no puede ir con -k ni con -e");
  if (!valoresE.empty() && !textoK) return ErrorDeUso(sintaxis, "-e necesita -k K");
  if (!negativa && !textoK) return ErrorDeUso(sintaxis, "falta -k K o --negativa NEG.neg");
  const auto rutaTraza = argumentos.Valor("--traza");
  if (negativa && rutaTraza) return ErrorDeUso(sintaxis, "--traza necesita -k K");
  if (!ComprobarDiagrama(argumentos.Valor("--diagrama"))) return kSalidaEntradaIncorrecta;
  std::vector<std::string> ejemplos;
  for (const auto& valor : valoresE) {
    const auto ejemplo = Utf8ACp1252(valor);
    if (!ejemplo)
      return ErrorDeUso(sintaxis, "el ejemplo \"" + valor + "\" tiene caracteres que Windows-1252 no admite");
    ejemplos.push_back(*ejemplo);
  }

  TSesion sesion;
  if (!AbrirMuestraCli(sesion, argumentos.ficheros.front())) return kSalidaEntradaIncorrecta;
  if (algoritmo == TAlgoritmoK::KR && UsaMarcaFinal(sesion.MuestraPositiva)) return ErrorDeEntrada(MensajeMarcaFinalEnMuestra());
  const TOpcionesSalida opciones = LeerOpcionesSalida(argumentos);
  if (negativa) return Negativa(algoritmo, sesion, *argumentos.Valor("--negativa"), opciones);

  const long cota = static_cast<long>(LongitudMaxima(sesion.MuestraPositiva));
  const auto k = LeerEntero(*textoK, 0, cota);
  if (!k) return ErrorDeUso(sintaxis, "K debe ser un entero de 0 a " + std::to_string(cota));
  if (!ejemplos.empty()) return Incremental(algoritmo, static_cast<int>(*k), sesion, ejemplos, opciones, rutaTraza);
  TTrazaFusiones traza;
  const auto automata =
      InferenciaInicial(static_cast<int>(*k), algoritmo, sesion.MuestraPositiva, rutaTraza ? &traza : nullptr);
  const std::string caption = algoritmo == TAlgoritmoK::KR ? CaptionResultadoKR(static_cast<int>(*k))
                                           : CaptionResultadoKC(static_cast<int>(*k));
  const int codigo = SalidaResultado(*automata, sesion.MuestraPositiva, caption, nullptr, opciones);
  if (codigo != kSalidaResultado || !rutaTraza) return codigo;
  return EscribirTraza(*rutaTraza, traza.Pasos);
}

}  // namespace

int EjecutarKRKC(TAlgoritmoK algoritmo, const TArgumentos& argumentos) {
  return Ejecutar(algoritmo, SintaxisKRKC(algoritmo), argumentos);
}
