// SalidaResultado: runs the result windows' logic without a window. The test file is read
// first, so a bad one leaves stdout and the output file untouched.
#include "cli/SalidaResultado.h"

#include <iostream>
#include <memory>

#include "app/ventanas/ArchivosResultado.h"
#include "app/ventanas/DiagramasVentanas.h"
#include "app/ventanas/GraficosLogica.h"
#include "app/ventanas/MostrarAutomata1Logica.h"
#include "app/ventanas/MostrarAutomataDeterLogica.h"
#include "app/ventanas/MostrarAutomataLogica.h"
#include "app/sesion/Sesion.h"
#include "automatas/AutomataDeResultado.h"
#include "automatas/InformeAutomata.h"
#include "automatas/Minimizacion.h"
#include "automatas/objetivos/Identificacion.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "core/Texto.h"
#include "cli/SalidaAutomatas.h"
#include "cli/SalidaDiagrama.h"
#include "diagram/Diagrama.h"
#include "diagram/DiagramaAutomataFinito.h"
#include "results/Validacion.h"

const char* const kAyudaSalidaResultado =
    "      --determinista: si el resultado no es determinista, el informe de la ventana\n"
    "      del autómata determinista. --validar TEST.tst: tras el informe, las cuentas de\n"
    "      la validación; con --detalle, una línea \"Aceptado: x\" o \"Rechazado: x\" por\n"
    "      ejemplo de test, en su orden. -o FICHERO escribe el informe en Windows-1252 con CR LF.\n"
    "      --diagrama FICHERO dibuja el autómata del informe. --minimizar: el informe (y el\n"
    "      dibujo) del autómata determinista mínimo del resultado. --comparar AUTOMATA: tras\n"
    "      todo, si el resultado y AUTOMATA (.json, .jff o er:EXPRESION) son equivalentes y,\n"
    "      si no, el testigo y quién lo acepta (salida 1). --objetivo AUTOMATA: al final,\n"
    "      si el resultado identifica el objetivo (acepta su mismo lenguaje) y, si no, el\n"
    "      testigo. --evaluar (con --validar): la validación con etiquetas: exactitud,\n"
    "      matriz de confusión, precisión, exhaustividad, exactitud equilibrada y las\n"
    "      cadenas mal clasificadas; las etiquetas las pone --objetivo o, sin él, las\n"
    "      cadenas del test son del lenguaje y las de --test-negativo NEG.neg no.\n";

std::vector<TOpcionCli> OpcionesSalidaResultado() {
  return {{"--determinista"},
          {.nombre = "--validar", .conValor = true, .entrada = true},
          {"--detalle"},
          {.nombre = "-o", .conValor = true, .salida = true},
          OpcionDiagrama(),
          OpcionForzar(),
          {.nombre = "--comparar", .conValor = true, .entrada = true},
          {"--minimizar"},
          {.nombre = "--objetivo", .conValor = true, .entrada = true},
          {"--evaluar"},
          {.nombre = "--test-negativo", .conValor = true, .entrada = true}};
}

TOpcionesSalida LeerOpcionesSalida(const TArgumentos& argumentos) {
  TOpcionesSalida opciones;
  opciones.determinista = argumentos.Tiene("--determinista");
  opciones.validar = argumentos.Valor("--validar");
  opciones.detalle = argumentos.Tiene("--detalle");
  opciones.fichero = argumentos.Valor("-o");
  opciones.diagrama = argumentos.Valor("--diagrama");
  opciones.forzar = argumentos.Tiene("--forzar");
  opciones.comparar = argumentos.Valor("--comparar");
  opciones.minimizar = argumentos.Tiene("--minimizar");
  opciones.objetivo = argumentos.Valor("--objetivo");
  opciones.evaluar = argumentos.Tiene("--evaluar");
  opciones.testNegativo = argumentos.Valor("--test-negativo");
  return opciones;
}

namespace {

// The negative test strings of --test-negativo, read as "Validar" reads a test file.
bool LeerTestNegativo(const std::string& ruta, TLista& muestra) {
  TInteraccionCli interaccion;
  interaccion.archivoAbrir = ruta;
  return ElegirMuestraValidacion(interaccion, muestra);
}

}  // namespace

int SalidaResultado(TFmostrarAutomataLogica& ventana, const TOpcionesSalida& opciones) {
  TSesion& sesion = ventana.Sesion();
  if (opciones.detalle && !opciones.validar) return ErrorDeEntrada("--detalle necesita --validar TEST.tst");
  if (opciones.minimizar && opciones.determinista)
    return ErrorDeEntrada("--minimizar y --determinista no pueden ir juntas");
  if (!ComprobarDiagrama(opciones.diagrama)) return kSalidaEntradaIncorrecta;
  std::optional<TAutomataFinito> otro;
  if (opciones.comparar && !(otro = LeerAutomataCli(*opciones.comparar))) return kSalidaEntradaIncorrecta;
  if (opciones.evaluar && !opciones.validar) return ErrorDeEntrada("--evaluar necesita --validar TEST.tst");
  if (opciones.testNegativo && !opciones.evaluar) return ErrorDeEntrada("--test-negativo necesita --evaluar");
  std::optional<TAutomataFinito> objetivo;
  if (opciones.objetivo && !(objetivo = LeerAutomataCli(*opciones.objetivo))) return kSalidaEntradaIncorrecta;
  TLista testNegativo;
  if (opciones.testNegativo && !LeerTestNegativo(*opciones.testNegativo, testNegativo)) return kSalidaEntradaIncorrecta;
  TInteraccionCli interaccion;
  if (opciones.validar) {
    interaccion.archivoAbrir = *opciones.validar;
    if (!ElegirMuestraValidacion(interaccion, sesion.MuestraValidacion)) return kSalidaEntradaIncorrecta;
  }
  ventana.SoloInforme();
  ventana.FormShow(interaccion);

  // Nothing is counted unless something validates; the report is written as it is formed.
  TProductorLineas informe;
  TCuentasValidacion cuentas;
  TDetalleValidacion detalle;
  TDiagrama diagrama;
  std::unique_ptr<TFmostrarAutomataDeterLogica> determinista;
  std::optional<TAutomataFinito> resultado;
  if (opciones.minimizar || otro || objetivo || opciones.evaluar) resultado = AutomataDeCociente(ventana.Automata(), ventana.Datos());
  std::optional<TAutomataFinito> minimo;
  if (opciones.minimizar) {
    minimo = Minimizar(*resultado).automata;
    informe = [&](const TSalidaLineas& salida) {
      EmitirInformeAutomata(CaptionMinimo(ventana.Caption()), &sesion.MuestraPositiva, *minimo, salida);
    };
    if (opciones.validar) cuentas = ventana.CuentasValidacion(sesion.MuestraValidacion);
    if (opciones.detalle) detalle = ventana.DetalleValidacion(sesion.MuestraValidacion);
    if (opciones.diagrama) diagrama = DiagramaDeAutomataFinito(*minimo);
  } else if (opciones.determinista && !ventana.EsDeterminista()) {
    determinista = std::make_unique<TFmostrarAutomataDeterLogica>(ventana);
    determinista->PonerCaption(ventana.Caption());
    determinista->FormShow(interaccion);
    informe = [&](const TSalidaLineas& salida) { determinista->EmitirInforme(salida); };
    if (opciones.validar) cuentas = determinista->CuentasValidacion(sesion.MuestraValidacion);
    if (opciones.detalle) detalle = determinista->DetalleValidacion(sesion.MuestraValidacion);
    if (opciones.diagrama) diagrama = DiagramaDeVentana(*determinista);
  } else {
    informe = [&](const TSalidaLineas& salida) { ventana.EmitirInforme(salida); };
    if (opciones.validar) cuentas = ventana.CuentasValidacion(sesion.MuestraValidacion);
    if (opciones.detalle) detalle = ventana.DetalleValidacion(sesion.MuestraValidacion);
    if (opciones.diagrama) diagrama = DiagramaDeVentana(ventana);
  }

  if (!ComprobarTamanoDiagrama(diagrama, opciones.diagrama, opciones.forzar)) return kSalidaEntradaIncorrecta;
  if (const int codigo = EmitirInforme(informe, opciones.fichero); codigo != kSalidaResultado) return codigo;
  if (opciones.validar) {
    std::cout << "Muestra Entrenamiento: " << cuentas.entrenamiento << "\n"
              << "Muestra Test: " << cuentas.total << "\n"
              << "Ejemplos Aceptados: " << cuentas.aceptados << "\n"
              << "Ejemplos Rechazados: " << cuentas.rechazados << "\n"
              << TextoAciertos(PorcentajeAciertos(cuentas.aceptados, cuentas.total)) << "\n";
    if (opciones.detalle)
      for (std::size_t i = 0; i < sesion.MuestraValidacion.size(); ++i)
        std::cout << (detalle.aceptado[i] ? "Aceptado: " : "Rechazado: ")
                  << Cp1252AUtf8(TextoEjemplo(sesion.MuestraValidacion[i])) << "\n";
    if (opciones.evaluar) {
      const TTestEtiquetado etiquetado = objetivo ? EtiquetarConObjetivo(sesion.MuestraValidacion, *objetivo)
                                                  : TTestEtiquetado{sesion.MuestraValidacion, testNegativo};
      for (const auto& linea : LineasEvaluacion(EvaluarAutomata(*resultado, etiquetado)))
        std::cout << Cp1252AUtf8(linea) << "\n";
    }
    std::cout << std::flush;
  }
  if (const int codigo = EmitirDiagrama(diagrama, opciones.diagrama); codigo != kSalidaResultado) return codigo;
  if (objetivo) {
    for (const auto& linea : LineasIdentificacion(Identificar(*resultado, *objetivo)))
      std::cout << Cp1252AUtf8(linea) << "\n";
    std::cout << std::flush;
  }
  if (!otro) return kSalidaResultado;
  return EmitirComparacion(*resultado, *otro, false, "el resultado", NombreDeArgumento(*opciones.comparar));
}

int SalidaResultado(const TAutomata& automata, const TLista& muestraPositiva, const std::string& caption,
                    const TLista* ejemplosAnadidos, const TOpcionesSalida& opciones) {
  TSesion sesion;
  sesion.MuestraPositiva = muestraPositiva;
  if (ejemplosAnadidos == nullptr) {
    TFmostrarAutomataLogica ventana(automata, sesion);
    ventana.PonerCaption(caption);
    return SalidaResultado(ventana, opciones);
  }
  TFmostrarAutomata1Logica ventana(automata, sesion);
  TInteraccionCli interaccion;
  for (const auto& ejemplo : *ejemplosAnadidos) {
    if (ejemplo.empty()) continue;
    ventana.PonerTextoEjemplo(ejemplo);
    ventana.BotonInsertarEjemploClick(interaccion);
  }
  ventana.PonerCaption(caption);
  return SalidaResultado(ventana, opciones);
}
