// FlujosObjetivo: the target's menu and the result windows' judgement against it.
#include "app/objetivos/FlujosObjetivo.h"

#include "app/ventanas/ArchivosResultado.h"
#include "app/comandos/OperacionesAutomata.h"
#include "app/sesion/Sesion.h"
#include "app/objetivos/InteraccionObjetivo.h"
#include "automatas/ExpresionRegular.h"
#include "automatas/LecturaAutomata.h"
#include "automatas/Minimizacion.h"
#include "automatas/objetivos/GenerarMuestras.h"
#include "automatas/objetivos/Identificacion.h"
#include "automatas/objetivos/MuestraCaracteristica.h"

namespace {

// The largest k the window and the menu look for when they say whether the target is k-reversible.
constexpr int kCotaReversible = 6;

bool Poner(TSesion& sesion, TInteraccion& interaccion, TAutomataFinito automata, std::string nombre, bool expresion) {
  if (const std::string problema = ProblemaDeObjetivo(automata); !problema.empty()) {
    interaccion.Mensaje(problema, TIcono::Error, TBotones::Ok);
    return false;
  }
  sesion.Objetivo = std::make_shared<const TObjetivo>(TObjetivo{std::move(automata), std::move(nombre), expresion});
  return true;
}

void Anadir(TLista& destino, const TLista& origen) {
  for (const auto& cadena : origen)
    if (std::find(destino.begin(), destino.end(), cadena) == destino.end()) destino.push_back(cadena);
}

}  // namespace

std::string TextoEstadoObjetivo(const TSesion& sesion) {
  return sesion.Objetivo ? "Objetivo: " + sesion.Objetivo->nombre : std::string();
}

bool HayObjetivo(const TSesion& sesion) { return sesion.Objetivo != nullptr; }

bool DefinirExpresionClick(TSesion& sesion, TInteraccionObjetivo& interaccion) {
  const std::string actual = sesion.Objetivo && sesion.Objetivo->expresion ? sesion.Objetivo->nombre : "";
  const auto texto = interaccion.PedirExpresionObjetivo(actual);
  if (!texto) return false;
  auto lectura = LeerExpresion(*texto);
  if (!lectura.automata) {
    interaccion.Mensaje(lectura.error, TIcono::Error, TBotones::Ok);
    return false;
  }
  return Poner(sesion, interaccion, std::move(*lectura.automata), *texto, true);
}

bool AbrirObjetivoClick(TSesion& sesion, TInteraccionObjetivo& interaccion) {
  const auto ruta = interaccion.ElegirArchivoAbrir(DialogoAutomata("Abrir aut\xF3mata objetivo"));
  if (!ruta) return false;
  auto lectura = LeerArchivoAutomata(*ruta);
  if (!lectura.automata) {
    interaccion.Mensaje(lectura.error, TIcono::Error, TBotones::Ok);
    return false;
  }
  return Poner(sesion, interaccion, std::move(*lectura.automata), NombreDeArchivo(*ruta), false);
}

void QuitarObjetivoClick(TSesion& sesion) { sesion.Objetivo.reset(); }

TVerObjetivo DatosVerObjetivo(const TObjetivo& objetivo) {
  TVerObjetivo ver;
  ver.caption = "Objetivo: " + objetivo.nombre;
  ver.minimo = Minimizar(objetivo.automata).automata;
  const TExpresionDeAutomata expresion = ExpresionRegular(ver.minimo);
  ver.lineas.push_back((objetivo.expresion ? "Expresi\xF3n: " : "Archivo: ") + objetivo.nombre);
  ver.lineas.push_back(expresion.texto.empty() ? expresion.mensaje : "Expresi\xF3n del lenguaje: " + expresion.texto);
  ver.lineas.push_back("Estados del aut\xF3mata m\xEDnimo: " + std::to_string(ver.minimo.NumeroDeEstados()));
  const auto k = MenorKReversible(objetivo.automata, kCotaReversible);
  ver.lineas.push_back(k ? "Es k-reversible desde k = " + std::to_string(*k)
                         : "No es k-reversible para ning\xFAn k hasta " + std::to_string(kCotaReversible));
  return ver;
}

void VerObjetivoClick(const TSesion& sesion, TInteraccionObjetivo& interaccion) {
  if (!sesion.Objetivo) {
    interaccion.Mensaje("No hay objetivo", TIcono::Informacion, TBotones::Ok);
    return;
  }
  interaccion.MostrarObjetivo(DatosVerObjetivo(*sesion.Objetivo));
}

bool GenerarMuestrasClick(TSesion& sesion, TInteraccionObjetivo& interaccion, std::uint64_t semillaNueva) {
  if (!sesion.Objetivo) {
    interaccion.Mensaje("No hay objetivo", TIcono::Informacion, TBotones::Ok);
    return false;
  }
  const TAutomataFinito& objetivo = sesion.Objetivo->automata;
  TDatosGeneracion datos;
  datos.semilla = semillaNueva;
  if (!interaccion.PedirGeneracion(datos)) return false;
  TLista positiva, negativa;
  if (datos.caracteristica == TCaracteristica::KR && !EsKReversible(objetivo, datos.k)) {
    const auto menor = MenorKReversible(objetivo, std::max(kCotaReversible, datos.k + kCotaReversible));
    interaccion.Mensaje("El objetivo no es " + std::to_string(datos.k) + "-reversible" +
                            (menor ? "; el menor k para el que lo es es " + std::to_string(*menor) + "."
                                   : " ni k-reversible para ning\xFAn k cercano."),
                        TIcono::Error, TBotones::Ok);
    return false;
  }
  if (datos.caracteristica == TCaracteristica::KR) positiva = CaracteristicaKR(objetivo, datos.k);
  if (datos.caracteristica == TCaracteristica::RPNI) {
    auto muestra = CaracteristicaRPNI(objetivo);
    positiva = std::move(muestra.positiva);
    negativa = std::move(muestra.negativa);
  }
  const TMuestrasGeneradas azar = GenerarMuestras(
      objetivo, {.positivos = datos.positivos, .negativos = datos.negativos, .test = datos.test,
                 .longitud = datos.longitud, .semilla = datos.semilla});
  Anadir(positiva, azar.positiva);
  Anadir(negativa, azar.negativa);
  sesion.MuestraPositiva = std::move(positiva);
  sesion.MuestraNegativa = std::move(negativa);
  sesion.MuestraTest = azar.test;
  sesion.HabilitarOpciones();
  sesion.ElegirTipo(TTipoMuestra::TipoM_Pos);
  sesion.MostrarMuestraActual();
  std::string texto = "Semilla " + std::to_string(datos.semilla) + ": " + std::to_string(sesion.MuestraPositiva.size()) +
                      " positivos, " + std::to_string(sesion.MuestraNegativa.size()) + " negativos y " +
                      std::to_string(sesion.MuestraTest.size()) + " de test.";
  for (const auto& aviso : azar.avisos) texto += "\n" + aviso;
  interaccion.Mensaje(texto, TIcono::Informacion, TBotones::Ok);
  return true;
}

TLista LineasIdentificacionVentana(const TAutomataVentana& ventana) {
  if (!ventana.sesion->Objetivo) return {};
  return LineasIdentificacion(Identificar(ventana.automata, ventana.sesion->Objetivo->automata));
}

bool ValidarConEtiquetasClick(const TAutomataVentana& ventana, TInteraccionObjetivo& interaccion) {
  TTestEtiquetado etiquetado;
  TLista test;
  if (!ElegirMuestraValidacion(interaccion, test)) return false;
  if (ventana.sesion->Objetivo) {
    etiquetado = EtiquetarConObjetivo(test, ventana.sesion->Objetivo->automata);
  } else {
    etiquetado.positivos = std::move(test);
    if (!ElegirMuestraValidacion(interaccion, etiquetado.negativos)) return false;
  }
  TLista lineas = LineasEvaluacion(EvaluarAutomata(ventana.automata, etiquetado));
  for (auto& linea : LineasIdentificacionVentana(ventana)) lineas.push_back(std::move(linea));
  interaccion.MostrarEvaluacion(lineas);
  return true;
}
