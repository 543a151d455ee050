// telar-cli expresion AUTOMATA: a regular expression of the automaton's language.
#include <iostream>

#include "automatas/ExpresionRegular.h"
#include "cli/Argumentos.h"
#include "cli/Orden.h"
#include "cli/SalidaAutomatas.h"
#include "core/Texto.h"

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "expresion",
    .uso = "telar-cli expresion AUTOMATA [--limite N]",
    .ayuda = std::string("  expresion AUTOMATA [--limite N]\n"
                         "      Una expresión regular del lenguaje del autómata, por eliminación de\n"
                         "      estados sobre su autómata mínimo: | para la unión, & para la cadena\n"
                         "      vacía, * y ?. Si el lenguaje es vacío, o la expresión pasa de N caracteres\n"
                         "      (100000 si no se da), lo dice en stderr (salida 1).\n") +
             kAyudaArgumentoAutomata,
    .opciones = {{"--limite", true}},
    .minimoFicheros = 1,
    .maximoFicheros = 1};

int Expresion(const TArgumentos& argumentos) {
  std::size_t limite = kLimiteExpresion;
  if (const auto texto = argumentos.Valor("--limite")) {
    const auto valor = LeerEntero(*texto, 1, 100000000);
    if (!valor) return ErrorDeUso(kSintaxis, "N debe ser un entero de 1 a 100000000");
    limite = static_cast<std::size_t>(*valor);
  }
  const auto automata = LeerAutomataCli(argumentos.ficheros.front());
  if (!automata) return kSalidaEntradaIncorrecta;
  const auto expresion = ExpresionRegular(*automata, limite);
  if (expresion.vacio || expresion.truncada) {
    std::cerr << Cp1252AUtf8(expresion.mensaje) << "\n";
    return kSalidaSinSolucion;
  }
  std::cout << Cp1252AUtf8(expresion.texto) << "\n" << std::flush;
  return kSalidaResultado;
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Expresion));

}  // namespace
