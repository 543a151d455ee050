// SalidaMealy: telar-cli's SKR and SKC run the same flow as the window, answered by an
// interaction that prints every result window's report and every inconsistency message
// and always asks for the next k.
#include "cli/SalidaMealy.h"

#include <iostream>
#include <limits>
#include <optional>

#include "app/comandos/ComandosMealy.h"
#include "app/ventanas/DiagramasVentanas.h"
#include "app/muestras/FlujosMuestra.h"
#include "app/muestras/LecturaMealy.h"
#include "app/ventanas/MostrarMealyLogica.h"
#include "app/sesion/Sesion.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "cli/SalidaTraza.h"
#include "cli/SalidaDiagrama.h"
#include "core/ArchivoTexto.h"
#include "core/Texto.h"
#include "diagram/Diagrama.h"

namespace {

// Prints each output (a report or a message line) with one empty line between outputs.
class TInteraccionMealyCli : public TInteraccionCli, public TInteraccionMealy {
 public:
  TCierre MostrarMealy(TFmostrarMealyLogica& ventana) override {
    ventana.FormShow(*this);
    ventana.GuardarResultados();
    Imprimir(ventana.Informe());
    ventana.FormClose();
    return TCierre::SiguienteK;
  }

  // The inconsistency box is an output answered with Retry; other boxes go to stderr.
  TRespuesta Mensaje(const std::string& texto, TIcono icono, TBotones botones) override {
    if (botones != TBotones::Reintentar) return TInteraccionCli::Mensaje(texto, icono, botones);
    Imprimir({texto});
    return TRespuesta::Reintentar;
  }

 private:
  void Imprimir(const TLista& lineas) {
    std::string texto = m_salidas++ > 0 ? "\n" : "";
    for (const auto& linea : lineas) texto += Cp1252AUtf8(linea) + "\n";
    std::cout << texto << std::flush;
  }

  int m_salidas = 0;
};

// Reads the sample file into sesion.MuestraSA as "&Abrir..." does; false after a message.
bool LeerMuestraSA(const std::string& fichero, TSesion& sesion) {
  if (fichero != kEntradaEstandar && !TieneExtension(fichero, "sya")) {
    ErrorDeEntrada(std::string(kExtensionIncorrecta) + " (sya): \"" + RutaVisible(fichero) + "\"");
    return false;
  }
  return AbrirMuestraCli(sesion, fichero, TTipoMuestra::TipoM_SA);
}

int UnaK(TAlgoritmoMealy algoritmo, const TSintaxisOrden& sintaxis, TSesion& sesion, const std::string& textoK,
         const std::optional<std::string>& salida, const std::optional<std::string>& rutaTraza,
         const std::optional<std::string>& diagrama, bool forzar) {
  const auto k = LeerEntero(textoK, 0, std::numeric_limits<int>::max());
  if (!k) return ErrorDeUso(sintaxis, "K debe ser un entero no negativo: \"" + textoK + "\"");
  const TLecturaMealy lectura = LeerModeloMealy(algoritmo, sesion.MuestraSA, sesion.CadenasSA);
  if (!lectura.modelo) return ErrorDeEntrada(lectura.error);
  const TBusquedaMealy busqueda(algoritmo, *lectura.modelo, sesion.CadenasSA);
  if (*k > busqueda.Maximo())
    return ErrorDeEntrada("K= " + std::to_string(*k) + " fuera de 0.." + std::to_string(busqueda.Maximo()) +
                          " (el mayor n\xFAmero de pares de una secuencia)");
  TTrazaFusiones traza;
  const TPasoMealy paso = busqueda.Paso(static_cast<int>(*k), rutaTraza ? &traza : nullptr);
  // the diagram's size is checked before the first output is written
  TInteraccionCli interaccion;
  std::optional<TFmostrarMealyLogica> ventana;
  TDiagrama dibujo;
  if (paso.Consistente()) {
    ventana.emplace(*paso.maquina);
    PrepararVentanaMealy(*ventana, busqueda, static_cast<int>(*k));
    ventana->FormShow(interaccion);
    ventana->GuardarResultados();
    if (diagrama) dibujo = DiagramaDeVentana(*ventana);
    if (!ComprobarTamanoDiagrama(dibujo, diagrama, forzar)) return kSalidaEntradaIncorrecta;
  }
  if (rutaTraza)
    if (const int codigo = EscribirTraza(*rutaTraza, traza.Pasos); codigo != kSalidaResultado) return codigo;
  if (!ventana) {
    std::cout << Cp1252AUtf8(MensajeSinSolucionMealy(static_cast<int>(*k))) << "\n";
    return kSalidaSinSolucion;
  }
  if (const int codigo = EmitirInforme(ventana->Informe(), salida); codigo != kSalidaResultado) return codigo;
  return EmitirDiagrama(dibujo, diagrama);
}

}  // namespace

TSintaxisOrden SintaxisMealy(TAlgoritmoMealy algoritmo) {
  const std::string orden = algoritmo == TAlgoritmoMealy::SKR ? "skr" : "skc";
  const std::string metodo = algoritmo == TAlgoritmoMealy::SKR ? "KR (k-reversible)" : "KC (k-sufijos)";
  return {.orden = orden,
          .uso = "telar-cli " + orden +
                 " FICHERO.sya [-k K [-o FICHERO] [--traza FICHERO] [--diagrama FICHERO [--forzar]]]",
          .ayuda = "  " + orden + " FICHERO.sya [-k K [-o FICHERO] [--traza FICHERO] [--diagrama FICHERO]]\n"
                   "      Máquina de Mealy por " + metodo + " sobre pares situación/acción.\n"
                   "      Sin -k: para cada K de 0 al mayor número de pares de una secuencia,\n"
                   "      el informe si la máquina es consistente o \"No se encontró solución\n"
                   "      para K= K\"; salida 0 si algún K tiene solución, 1 si ninguno.\n"
                   "      Con -k K: solo ese K. -o FICHERO (requiere -k) guarda el informe;\n"
                   "      --diagrama FICHERO (requiere -k) dibuja la máquina.\n" + kAyudaDiagrama +
                   kAyudaTraza + "      (requiere -k)\n",
          .opciones = {{.nombre = "-k", .conValor = true},
                       {.nombre = "-o", .conValor = true, .salida = true},
                       OpcionTraza(),
                       OpcionDiagrama(),
                       OpcionForzar()},
          .minimoFicheros = 1,
          .maximoFicheros = 1};
}

namespace {

int Ejecutar(TAlgoritmoMealy algoritmo, const TArgumentos& argumentos) {
  const TSintaxisOrden sintaxis = SintaxisMealy(algoritmo);
  const auto k = argumentos.Valor("-k");
  const auto salida = argumentos.Valor("-o");
  const auto diagrama = argumentos.Valor("--diagrama");
  if (salida && !k) return ErrorDeUso(sintaxis, "-o requiere -k");
  const auto rutaTraza = argumentos.Valor("--traza");
  if (rutaTraza && !k) return ErrorDeUso(sintaxis, "--traza requiere -k");
  if (diagrama && !k) return ErrorDeUso(sintaxis, "--diagrama requiere -k");
  if (!ComprobarDiagrama(diagrama)) return kSalidaEntradaIncorrecta;
  TSesion sesion;
  if (!LeerMuestraSA(argumentos.ficheros.front(), sesion)) return kSalidaEntradaIncorrecta;
  if (k) return UnaK(algoritmo, sintaxis, sesion, *k, salida, rutaTraza, diagrama, argumentos.Tiene("--forzar"));
  TInteraccionMealyCli interaccion;
  const TResumenMealy resumen = EjecutarMealy(algoritmo, sesion, interaccion);
  if (!resumen.muestraAceptada) return kSalidaEntradaIncorrecta;
  return resumen.resultados > 0 ? kSalidaResultado : kSalidaSinSolucion;
}

}  // namespace

int EjecutarOrdenMealy(TAlgoritmoMealy algoritmo, const TArgumentos& argumentos) {
  return Ejecutar(algoritmo, argumentos);
}
