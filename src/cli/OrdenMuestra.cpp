// telar-cli muestra FICHERO: a sample file as the sample viewer shows it.

#include "app/FlujosMuestra.h"
#include "core/ArchivoTexto.h"
#include "app/Sesion.h"
#include "cli/Argumentos.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"

namespace {

int Muestra(const TArgumentos& argumentos) {
  const std::string& fichero = argumentos.ficheros.front();
  const auto tipo = TipoPorExtension(fichero);
  if (!tipo)
    return ErrorDeEntrada(std::string(kExtensionIncorrecta) + " (pos, neg, tst o sya): \"" +
                          RutaVisible(fichero) + "\"");
  TSesion sesion;
  if (!AbrirMuestraCli(sesion, fichero, *tipo)) return kSalidaEntradaIncorrecta;
  return EmitirInforme(sesion.MemoMuestra(), std::nullopt);
}

const TRegistroOrden registro(OrdenConSintaxis(
    {.orden = "muestra",
     .uso = "telar-cli muestra FICHERO",
     .ayuda = "  muestra FICHERO\n"
              "      Muestra el fichero de muestra como lo enseña la ventana \"Ver muestra\":\n"
              "      un ejemplo por línea, \"&\" para la cadena vacía. El tipo sale de la\n"
              "      extensión (pos, neg, tst, sya; sin distinguir mayúsculas).\n",
     .opciones = {},
     .minimoFicheros = 1,
     .maximoFicheros = 1},
    Muestra));

}  // namespace
