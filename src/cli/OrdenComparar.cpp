// telar-cli comparar A B: whether two automata accept the same language (or, with
// --inclusion, whether A's is included in B's), and the shortest string that tells them apart.
#include "cli/Argumentos.h"
#include "cli/Orden.h"
#include "cli/SalidaAutomatas.h"

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "comparar",
    .uso = "telar-cli comparar AUTOMATA AUTOMATA [--inclusion]",
    .ayuda = std::string("  comparar A B [--inclusion]\n"
                         "      \"Equivalentes\" (salida 0) si A y B aceptan el mismo lenguaje; si no,\n"
                         "      \"No equivalentes\", la cadena más corta que los distingue (la primera en\n"
                         "      orden de longitud y luego alfabético) tras \"Testigo: \", y qué lado la\n"
                         "      acepta y cuál la rechaza (salida 1). Con --inclusion, \"Incluido\" si todo\n"
                         "      lo que acepta A lo acepta B; si no, \"No incluido\" y un testigo de A que\n"
                         "      B rechaza.\n") +
             kAyudaArgumentoAutomata,
    .opciones = {{"--inclusion"}},
    .minimoFicheros = 2,
    .maximoFicheros = 2};

int Comparar(const TArgumentos& argumentos) {
  const auto a = LeerAutomataCli(argumentos.ficheros[0]);
  if (!a) return kSalidaEntradaIncorrecta;
  const auto b = LeerAutomataCli(argumentos.ficheros[1]);
  if (!b) return kSalidaEntradaIncorrecta;
  return EmitirComparacion(*a, *b, argumentos.Tiene("--inclusion"), NombreDeArgumento(argumentos.ficheros[0]),
                           NombreDeArgumento(argumentos.ficheros[1]));
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Comparar));

}  // namespace
