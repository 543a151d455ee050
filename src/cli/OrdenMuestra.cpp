// telar-cli muestra FICHERO: a sample file as the sample viewer shows it.

#include <iostream>

#include <unistd.h>

#include "app/muestras/FlujosMuestra.h"
#include "core/ArchivoTexto.h"
#include "app/sesion/Sesion.h"
#include "cli/Argumentos.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "core/Texto.h"

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "muestra",
    .uso = "telar-cli muestra FICHERO [--tipo pos|neg|tst|sya]",
    .ayuda = "  muestra FICHERO\n"
             "      Muestra el fichero de muestra como lo enseña la ventana \"Ver muestra\":\n"
             "      un ejemplo por línea, \"&\" para la cadena vacía. El tipo sale de la\n"
             "      extensión (pos, neg, tst, sya; sin distinguir mayúsculas).\n"
             "      Con FICHERO \"-\" la muestra se lee de la entrada estándar, del tipo que\n"
             "      diga --tipo (pos si no se da). Las demás órdenes también leen \"-\", como\n"
             "      muestra de su tipo (sya para skr y skc, pos para las demás).\n",
    .opciones = {{.nombre = "--tipo", .conValor = true}},
    .minimoFicheros = 1,
    .maximoFicheros = 1};

// The kind named by --tipo's value (a sample extension); std::nullopt for another text.
std::optional<TTipoMuestra> TipoPorNombre(const std::string& nombre) {
  for (const auto tipo : kTiposMuestra)
    if (nombre == DatosTipoMuestra(tipo).extension) return tipo;
  return std::nullopt;
}

// The viewer's lines on stdout. A terminal would act on a control character of the sample
// (an escape sequence, a bell, a carriage return hiding the line): there each shows as its
// picture; a file or a pipe gets the bytes as they are.
int MostrarLineas(const TLista& lineas) {
  if (::isatty(STDOUT_FILENO) != 1) return EmitirInforme(lineas, std::nullopt);
  std::string texto;
  for (const auto& linea : lineas) texto += Cp1252AUtf8Visible(linea) + "\n";
  std::cout << texto << std::flush;
  return kSalidaResultado;
}

int Muestra(const TArgumentos& argumentos) {
  const std::string& fichero = argumentos.ficheros.front();
  const auto nombreTipo = argumentos.Valor("--tipo");
  if (nombreTipo && fichero != kEntradaEstandar)
    return ErrorDeUso(kSintaxis, "--tipo solo vale con el fichero \"-\" (la entrada est\xC3\xA1ndar)");
  if (fichero == kEntradaEstandar) {
    const auto tipo = TipoPorNombre(nombreTipo.value_or("pos"));
    if (!tipo) return ErrorDeUso(kSintaxis, "tipo desconocido \"" + *nombreTipo + "\" (pos, neg, tst o sya)");
    TSesion sesion;
    if (!AbrirMuestraCli(sesion, fichero, *tipo)) return kSalidaEntradaIncorrecta;
    return MostrarLineas(sesion.MemoMuestra());
  }
  const auto tipo = TipoPorExtension(fichero);
  if (!tipo)
    return ErrorDeEntrada(std::string(kExtensionIncorrecta) + " (pos, neg, tst o sya): \"" +
                          RutaVisible(fichero) + "\"");
  TSesion sesion;
  if (!AbrirMuestraCli(sesion, fichero, *tipo)) return kSalidaEntradaIncorrecta;
  return MostrarLineas(sesion.MemoMuestra());
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Muestra));

}  // namespace
