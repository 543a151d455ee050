// telar-cli cadenas AUTOMATA: the accepted strings in length-lexicographic order, or how
// many there are of each length.
#include <iostream>
#include <limits>

#include "automatas/Enumeracion.h"
#include "cli/Argumentos.h"
#include "cli/Orden.h"
#include "cli/SalidaAutomatas.h"
#include "core/Texto.h"

namespace {

constexpr long kPorDefecto = 20;

const TSintaxisOrden kSintaxis = {
    .orden = "cadenas",
    .uso = "telar-cli cadenas AUTOMATA [-n N | --longitud L | --cuentas L]",
    .ayuda = std::string("  cadenas AUTOMATA [-n N | --longitud L | --cuentas L]\n"
                         "      Las cadenas que acepta el autómata, una por línea (& la vacía), por\n"
                         "      longitud y luego en el orden del alfabeto: las N primeras (20 si no\n"
                         "      se da), o con --longitud todas las de hasta L símbolos. --cuentas L\n"
                         "      escribe en su lugar \"Longitud l: n\" para cada l de 0 a L.\n") +
             kAyudaArgumentoAutomata,
    .opciones = {{"-n", true}, {"--longitud", true}, {"--cuentas", true}},
    .minimoFicheros = 1,
    .maximoFicheros = 1};

int Cadenas(const TArgumentos& argumentos) {
  const int elegidas = argumentos.Tiene("-n") + argumentos.Tiene("--longitud") + argumentos.Tiene("--cuentas");
  if (elegidas > 1) return ErrorDeUso(kSintaxis, "-n, --longitud y --cuentas no pueden ir juntas");
  long n = kPorDefecto;
  if (const auto texto = argumentos.Valor("-n")) {
    const auto valor = LeerEntero(*texto, 0, 10000000);
    if (!valor) return ErrorDeUso(kSintaxis, "N debe ser un entero de 0 a 10000000");
    n = *valor;
  }
  std::optional<long> longitud;
  for (const char* opcion : {"--longitud", "--cuentas"})
    if (const auto texto = argumentos.Valor(opcion)) {
      longitud = LeerEntero(*texto, 0, 100000);
      if (!longitud) return ErrorDeUso(kSintaxis, "L debe ser un entero de 0 a 100000");
    }
  const auto automata = LeerAutomataCli(argumentos.ficheros.front());
  if (!automata) return kSalidaEntradaIncorrecta;
  if (argumentos.Tiene("--cuentas")) {
    const auto cuentas = CuentasPorLongitud(*automata, static_cast<std::size_t>(*longitud));
    for (std::size_t l = 0; l < cuentas.size(); ++l)
      std::cout << "Longitud " << l << ": " << (cuentas[l].desborda ? "más de " : "") << cuentas[l].cadenas << "\n";
  } else {
    // streamed: a long listing is never held whole
    long escritas = 0;
    RecorrerCadenas(*automata, longitud ? static_cast<std::size_t>(*longitud) : std::numeric_limits<std::size_t>::max(),
                    [&](const TCadenaSimbolos& cadena) {
                      if (!longitud && escritas == n) return false;
                      std::cout << Cp1252AUtf8(automata->TextoCadena(cadena)) << "\n";
                      ++escritas;
                      return static_cast<bool>(std::cout);
                    });
  }
  std::cout << std::flush;
  return kSalidaResultado;
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Cadenas));

}  // namespace
