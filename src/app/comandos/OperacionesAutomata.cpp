// OperacionesAutomata: each button asks what it needs, runs the operation as long work and
// opens the window of its answer.
#include "app/comandos/OperacionesAutomata.h"

#include <optional>

#include "app/interaccion/InteraccionResultados.h"
#include "app/objetivos/FlujosObjetivo.h"
#include "app/ventanas/CadenasAutomataLogica.h"
#include "app/ventanas/CompararAutomataLogica.h"
#include "app/ventanas/ExpresionAutomataLogica.h"
#include "app/ventanas/MostrarAutomataFinitoLogica.h"
#include "automatas/InformeAutomata.h"
#include "automatas/LecturaAutomata.h"
#include "automatas/Minimizacion.h"
#include "automatas/Subconjuntos.h"
#include "core/ArchivoTexto.h"

std::string NombreDeArchivo(const std::string& ruta) {
  const auto barra = ruta.find_last_of('/');
  return RutaVisible(barra == std::string::npos ? ruta : ruta.substr(barra + 1));
}

void BotonMinimizarClick(const TAutomataVentana& origen, TInteraccionResultados& interaccion) {
  std::optional<TMinimizacion> minimo;
  if (!interaccion.EjecutarConProgreso(kProgresoMinimizar, [&] {
        minimo = Minimizar(origen.automata);
        if (minimo->automata.NumeroDeEstados() == 0) minimo = Minimizar(origen.automata, TModoMinimo::Completo);
      }))
    return;
  std::vector<TLista> agrupa;
  for (const auto& grupo : minimo->grupos) {
    TLista nombres;
    for (int estado : grupo) nombres.push_back(origen.automata.Nombre(estado));
    agrupa.push_back(std::move(nombres));
  }
  TFmostrarAutomataFinitoLogica ventana(std::move(minimo->automata), *origen.sesion, CaptionMinimo(origen.caption),
                                        std::move(agrupa), true);
  interaccion.MostrarAutomataFinito(ventana);
}

void BotonCompararClick(const TAutomataVentana& origen, TInteraccionResultados& interaccion) {
  TFelegirComparacionLogica dialogo(origen.automata.Alfabeto());
  if (interaccion.ElegirComparacion(dialogo) != TRespuesta::Ok || !dialogo.Automata()) return;
  std::optional<TFcompararLogica> ventana;
  if (!interaccion.EjecutarConProgreso(kProgresoComparar, [&] {
        ventana.emplace(origen.automata, NombreDeVentana(origen.caption), *dialogo.Automata(), dialogo.Nombre());
      }))
    return;
  interaccion.MostrarComparacion(*ventana);
}

void BotonExpresionClick(const TAutomataVentana& origen, TInteraccionResultados& interaccion) {
  std::optional<TFexpresionLogica> ventana;
  if (!interaccion.EjecutarConProgreso(kProgresoExpresion, [&] { ventana.emplace(origen.automata, origen.caption); }))
    return;
  interaccion.MostrarExpresion(*ventana);
}

void BotonCadenasClick(const TAutomataVentana& origen, TInteraccionResultados& interaccion) {
  TFcadenasLogica ventana(origen.automata, origen.caption);
  interaccion.MostrarCadenas(ventana);
}

void OperacionAutomataClick(TOperacionAutomata operacion, const TAutomataVentana& origen,
                            TInteraccionResultados& interaccion) {
  switch (operacion) {
    case TOperacionAutomata::Minimizar: return BotonMinimizarClick(origen, interaccion);
    case TOperacionAutomata::Comparar: return BotonCompararClick(origen, interaccion);
    case TOperacionAutomata::Expresion: return BotonExpresionClick(origen, interaccion);
    case TOperacionAutomata::Cadenas: return BotonCadenasClick(origen, interaccion);
    case TOperacionAutomata::ValidarConEtiquetas: ValidarConEtiquetasClick(origen, interaccion); return;
  }
}

TDialogoArchivo DialogoAutomata(const std::string& titulo) {
  TDialogoArchivo dialogo;
  dialogo.titulo = titulo;
  dialogo.filtro = "Aut\xF3matas (*.json;*.jff)|*.json;*.jff|JSON (*.json)|*.json|JFLAP (*.jff)|*.jff";
  dialogo.extensionPorDefecto = "json";
  return dialogo;
}

bool AbrirAutomataClick(TSesion& sesion, TInteraccionResultados& interaccion) {
  const auto ruta = interaccion.ElegirArchivoAbrir(DialogoAutomata("Abrir aut\xF3mata"));
  if (!ruta) return false;
  TLecturaAutomata lectura;
  bool conLambda = false;
  if (!interaccion.EjecutarConProgreso(kProgresoLeerAutomata, [&] {
        lectura = LeerArchivoAutomata(*ruta);
        if (!lectura.automata) return;
        lectura.automata = ConNombresComoPrefijos(std::move(*lectura.automata));
        // the table and the string trace have no λ-moves: the same language without them
        conLambda = lectura.automata->TieneLambda();
        if (conLambda) lectura.automata = Determinizar(*lectura.automata).automata;
      }))
    return false;
  if (!lectura.automata) {
    interaccion.Mensaje(lectura.error, TIcono::Error, TBotones::Ok);
    return false;
  }
  std::string caption = "Aut\xF3mata " + NombreDeArchivo(*ruta) + (conLambda ? " (determinista)" : "");
  TAutomataFinito automata = std::move(*lectura.automata);
  TFmostrarAutomataFinitoLogica ventana(std::move(automata), sesion, caption);
  interaccion.MostrarAutomataFinito(ventana);
  return true;
}
