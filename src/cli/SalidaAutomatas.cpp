// SalidaAutomatas: the automaton orders' shared reading and printing.
#include "cli/SalidaAutomatas.h"

#include <iostream>

#include "automatas/Comparacion.h"
#include "automatas/InformeAutomata.h"
#include "automatas/LecturaAutomata.h"
#include "cli/Orden.h"
#include "cli/SalidaDiagrama.h"
#include "core/ArchivoTexto.h"
#include "core/Texto.h"
#include "diagram/DiagramaAutomataFinito.h"

const char* const kAyudaArgumentoAutomata =
    "      AUTOMATA es un fichero .json (como lo exporta Telar) o .jff (JFLAP 7,\n"
    "      autómata finito), o una expresión regular escrita er:EXPRESION, por ejemplo\n"
    "      'er:(a|b)*ab': letras, & para la cadena vacía, | o + para la unión, * y ?\n"
    "      tras un símbolo o un paréntesis (+ es siempre la unión: \"una o más\" es aa*).\n";

std::optional<TAutomataFinito> LeerAutomataCli(const std::string& argumento) {
  auto lectura = LeerAutomataDeArgumento(argumento);
  if (!lectura.automata) {
    ErrorDeEntrada(lectura.error);
    return std::nullopt;
  }
  return std::move(lectura.automata);
}

std::string NombreDeArgumento(const std::string& argumento) { return RutaVisible(argumento); }

int EmitirAutomataFinito(const std::string& titulo, const TLista* muestraPositiva, const TAutomataFinito& automata,
                         const std::optional<std::string>& fichero, const std::optional<std::string>& diagrama) {
  const auto informe = [&](const TSalidaLineas& salida) {
    EmitirInformeAutomata(titulo, muestraPositiva, automata, salida);
  };
  if (const int codigo = EmitirInforme(informe, fichero); codigo != kSalidaResultado) return codigo;
  if (!diagrama) return kSalidaResultado;
  return EmitirDiagrama(DiagramaDeAutomataFinito(automata), diagrama);
}

int EmitirComparacion(const TAutomataFinito& a, const TAutomataFinito& b, bool inclusion, const std::string& nombreA,
                      const std::string& nombreB) {
  const TComparacion comparacion = inclusion ? IncluidoEn(a, b) : CompararAutomatas(a, b);
  for (const auto& linea : LineasComparacion(comparacion, inclusion, nombreA, nombreB))
    std::cout << Cp1252AUtf8(linea) << "\n";
  std::cout << std::flush;
  return comparacion.equivalentes ? kSalidaResultado : kSalidaSinSolucion;
}
