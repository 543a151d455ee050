// telar-cli im1 --heuristico levine|miclet|ksufijos [-k K] [--cota S] [--cotas] FICHERO.pos:
// IM1 on a positive sample with the chosen heuristic, printed as the result window shows it.
// The choices are the dialogs' (TFlujoIM1): k suffixes takes K from 0 to the longest
// example; Levine and Miclet run with K = the longest example, Levine with one of the
// candidate bounds as the bound dialog lists them, Miclet with the smallest one.
#include <iostream>

#include "app/ventanas/ElegirCotaSLogica.h"
#include "app/comandos/FlujoIM1.h"
#include "app/muestras/FlujosMuestra.h"
#include "app/muestras/Muestra.h"
#include "app/sesion/Sesion.h"
#include "cli/Argumentos.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "cli/SalidaDiagrama.h"
#include "cli/SalidaResultado.h"
#include "cli/SalidaTraza.h"
#include "core/Automata.h"
#include "core/Texto.h"
#include "inference/AlgoritmoIM1.h"

namespace {

TSintaxisOrden Sintaxis() {
  auto opciones = OpcionesSalidaResultado();
  opciones.push_back(OpcionTraza());
  opciones.insert(opciones.begin(), {{"--heuristico", true}, {"-k", true}, {"--cota", true}, {"--cotas"}});
  return {
      .orden = "im1",
      .uso = "telar-cli im1 --heuristico levine|miclet|ksufijos [-k K] [--cota S] [--cotas] FICHERO.pos "
             "[--determinista] [--validar TEST.tst] [-o FICHERO] [--traza FICHERO]"
              " [--diagrama FICHERO [--forzar]] [--minimizar] [--comparar AUTOMATA] [--objetivo AUTOMATA]"
              " [--evaluar [--test-negativo NEG.neg]]",
      .ayuda = std::string("  im1 --heuristico levine|miclet|ksufijos [-k K] [--cota S] FICHERO.pos\n"
                           "      IM1: une los estados del árbol aceptor que aprueba el heurístico.\n"
                           "      ksufijos usa -k K (0 por omisión, de 0 a la longitud del ejemplo más\n"
                           "      largo); levine necesita --cota S, una de las cotas candidatas, que\n"
                           "      --cotas lista una por línea en el orden del diálogo; miclet toma la\n"
                           "      menor. Con levine y miclet, K es la longitud del ejemplo más largo.\n") +
               kAyudaSalidaResultado + kAyudaDiagrama + kAyudaTraza,
      .opciones = opciones,
      .minimoFicheros = 1,
      .maximoFicheros = 1};
}

const TSintaxisOrden kSintaxis = Sintaxis();

int IM1(const TArgumentos& argumentos) {
  const auto heuristico = argumentos.Valor("--heuristico");
  if (!heuristico) return ErrorDeUso(kSintaxis, "falta --heuristico levine|miclet|ksufijos");
  THeuristico codigo = THeuristico::OtroH;
  if (*heuristico == "levine") codigo = THeuristico::Levine;
  if (*heuristico == "miclet") codigo = THeuristico::Miclet;
  if (*heuristico == "ksufijos") codigo = THeuristico::K_Sufijos;
  if (codigo == THeuristico::OtroH) return ErrorDeUso(kSintaxis, "heurístico desconocido \"" + *heuristico + "\"");
  if (argumentos.Tiene("-k") && codigo != THeuristico::K_Sufijos)
    return ErrorDeUso(kSintaxis, "-k solo vale con ksufijos (levine y miclet usan la longitud del ejemplo más largo)");
  if ((argumentos.Tiene("--cota") || argumentos.Tiene("--cotas")) && codigo != THeuristico::Levine)
    return ErrorDeUso(kSintaxis, "--cota y --cotas solo valen con levine");
  if (argumentos.Tiene("--cota") && argumentos.Tiene("--cotas"))
    return ErrorDeUso(kSintaxis, "--cota y --cotas no pueden ir juntas");
  if (argumentos.Tiene("--cotas") && (argumentos.Tiene("-o") || argumentos.Tiene("--validar") ||
                                     argumentos.Tiene("--determinista") || argumentos.Tiene("--diagrama")))
    return ErrorDeUso(kSintaxis, "--cotas solo lista las cotas: no va con -o, --validar, --determinista ni --diagrama");
  if (codigo == THeuristico::Levine && !argumentos.Tiene("--cota") && !argumentos.Tiene("--cotas"))
    return ErrorDeUso(kSintaxis, "levine necesita --cota S (las cotas posibles las lista --cotas)");

  if (!ComprobarDiagrama(argumentos.Valor("--diagrama"))) return kSalidaEntradaIncorrecta;

  TSesion sesion;
  if (!AbrirMuestraCli(sesion, argumentos.ficheros.front())) return kSalidaEntradaIncorrecta;
  const TLista& muestra = sesion.MuestraPositiva;
  TAutomata automata(muestra);
  TFlujoIM1 flujo(automata, muestra);
  const int longitudMaxima = flujo.MaximoK();

  TParametrosIM1 parametros;
  if (codigo == THeuristico::K_Sufijos) {
    int k = 0;
    if (const auto texto = argumentos.Valor("-k")) {
      const auto valor = LeerEntero(*texto, 0, longitudMaxima);
      if (!valor)
        return ErrorDeUso(kSintaxis, "-k debe ser un entero de 0 a " + std::to_string(longitudMaxima) +
                                         " (la longitud del ejemplo más largo)");
      k = static_cast<int>(*valor);
    }
    parametros = flujo.Parametros(codigo, k);
  } else {
    const TLista cotas = OrdenarComoListBox(flujo.CotasStren());
    if (argumentos.Tiene("--cotas")) {
      for (const auto& cota : cotas) std::cout << Cp1252AUtf8(cota) << "\n";
      return kSalidaResultado;
    }
    if (codigo == THeuristico::Miclet) {
      parametros = flujo.Parametros(codigo);
    } else {
      const std::string cota = *argumentos.Valor("--cota");
      bool esCandidata = false;
      for (const auto& candidata : cotas) esCandidata = esCandidata || candidata == cota;
      if (!esCandidata) {
        std::string lista;
        for (const auto& candidata : cotas) lista += (lista.empty() ? "" : ", ") + Cp1252AUtf8(candidata);
        return ErrorDeUso(kSintaxis, "la cota \"" + cota + "\" no es una de las candidatas" +
                                         (lista.empty() ? std::string(" (no hay ninguna)") : ": " + lista));
      }
      parametros = flujo.Parametros(codigo, 0, cota);
    }
  }

  const auto rutaTraza = argumentos.Valor("--traza");
  TTrazaFusiones traza;
  flujo.Inferir(parametros, rutaTraza ? &traza : nullptr);
  // S is written with the Spanish decimal comma, as the windows write it by default
  const int salida = SalidaResultado(automata, muestra, CaptionResultadoIM1(parametros, ','), nullptr,
                                     LeerOpcionesSalida(argumentos));
  if (salida != kSalidaResultado || !rutaTraza) return salida;
  return EscribirTraza(*rutaTraza, traza.Pasos);
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, IM1));

}  // namespace
