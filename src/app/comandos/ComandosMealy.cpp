// ComandosMealy: the SKR and SKC flows over TBusquedaMealy. Each k's acceptor, function
// and machine live in one TPasoMealy that goes out of scope before the next k, and the
// window logic lives only while its window is shown.
#include "app/comandos/ComandosMealy.h"

#include "app/comandos/ErrorInternoEnCaja.h"
#include "app/muestras/LecturaMealy.h"
#include "app/ventanas/MostrarMealyLogica.h"
#include "app/pasos/Repeticion.h"
#include "app/sesion/Sesion.h"
#include "app/interaccion/TextosProgreso.h"

namespace {

// The command's body; EjecutarMealy runs it so that an internal fault ends it in an error box.
// Reading the sample and every k are long work; a cancel ends the command there, and a
// cancelled reading leaves the session's sequences as they were.
void Buscar(TAlgoritmoMealy algoritmo, TSesion& sesion, TInteraccionMealy& interaccion, TResumenMealy& resumen) {
  TLista cadenas = sesion.CadenasSA;
  TLecturaMealy lectura;
  if (!interaccion.EjecutarConProgreso(kProgresoModeloMealy,
                                       [&] { lectura = LeerModeloMealy(algoritmo, sesion.MuestraSA, cadenas); }))
    return;
  sesion.CadenasSA = cadenas;
  if (!lectura.modelo) {
    interaccion.Mensaje(lectura.error, TIcono::Error, TBotones::Ok);
    return;
  }
  resumen.muestraAceptada = true;
  const TBusquedaMealy busqueda(algoritmo, *lectura.modelo, sesion.CadenasSA);
  const int maximo = busqueda.Maximo();
  for (int k = 0; k <= maximo; ++k) {
    TPasoMealy paso;
    if (!interaccion.EjecutarConProgreso(TextoProgresoAlgoritmo(NombreAlgoritmoMealy(algoritmo), k),
                                         [&] { paso = busqueda.Paso(k); }))
      break;
    if (paso.Consistente()) {
      ++resumen.resultados;
      TFmostrarMealyLogica ventana(*paso.maquina);
      PrepararVentanaMealy(ventana, busqueda, k);
      ventana.PonerRepeticion([&busqueda, k] { return RepetirMealy(busqueda, k); });
      if (interaccion.MostrarMealy(ventana) != TCierre::SiguienteK) break;
    } else {
      ++resumen.sinSolucion;
      const TRespuesta respuesta =
          interaccion.Mensaje(MensajeSinSolucionMealy(k), TIcono::Informacion, TBotones::Reintentar);
      if (respuesta != TRespuesta::Reintentar) break;
    }
  }
}

}  // namespace

std::string CaptionResultadoMealy(TAlgoritmoMealy algoritmo, int k) {
  return std::string("M\xE1quina Mealy Resultado ") + NombreAlgoritmoMealy(algoritmo) + "  K= " + std::to_string(k);
}

std::string MensajeSinSolucionMealy(int k) {
  return "No se encontr\xF3 soluci\xF3n para K= " + std::to_string(k);
}

void PrepararVentanaMealy(TFmostrarMealyLogica& ventana, const TBusquedaMealy& busqueda, int k) {
  ventana.PonerCaption(CaptionResultadoMealy(busqueda.Algoritmo(), k));
  ventana.MostrarTextoK(k);
  ventana.PonerBotonSiguiente(k < busqueda.Maximo());
}

TResumenMealy EjecutarMealy(TAlgoritmoMealy algoritmo, TSesion& sesion, TInteraccionMealy& interaccion) {
  TResumenMealy resumen;
  ConErrorInternoEnCaja(interaccion, [&] { Buscar(algoritmo, sesion, interaccion, resumen); });
  return resumen;
}

TResumenMealy OpcionSKRClick(TSesion& sesion, TInteraccionMealy& interaccion) {
  return EjecutarMealy(TAlgoritmoMealy::SKR, sesion, interaccion);
}

TResumenMealy OpcionSKCClick(TSesion& sesion, TInteraccionMealy& interaccion) {
  return EjecutarMealy(TAlgoritmoMealy::SKC, sesion, interaccion);
}

TResumenMealy BotonSKRClick(TSesion& sesion, TInteraccionMealy& interaccion) {
  interaccion.ReproducirSonido(kSonidoAlgoritmo);
  return OpcionSKRClick(sesion, interaccion);
}

TResumenMealy BotonSKCClick(TSesion& sesion, TInteraccionMealy& interaccion) {
  interaccion.ReproducirSonido(kSonidoAlgoritmo);
  return OpcionSKCClick(sesion, interaccion);
}
