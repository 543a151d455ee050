// telar-cli generar OBJETIVO ... -o BASE: samples drawn from a target language (random,
// characteristic for RPNI or KR, or by the Abbadingo protocol), written beside BASE.
#include <iostream>
#include <random>

#include "app/muestras/Abbadingo.h"
#include "app/muestras/FlujosAbbadingo.h"
#include "app/muestras/Muestra.h"
#include "automatas/objetivos/GenerarMuestras.h"
#include "automatas/objetivos/MuestraCaracteristica.h"
#include "automatas/objetivos/ObjetivoAbbadingo.h"
#include "cli/Argumentos.h"
#include "cli/Orden.h"
#include "cli/SalidaAutomatas.h"
#include "core/EscribirArchivo.h"
#include "core/Texto.h"
#include "diagram/DiagramaAutomataFinito.h"
#include "diagram/EscritorJson.h"

namespace {

const TSintaxisOrden kSintaxis = {
    .orden = "generar",
    .uso = "telar-cli generar OBJETIVO [--positivos N] [--negativos N] [--test N] [--longitud L] "
           "[--semilla S] [--caracteristica rpni|kr [-k K]] [--abbadingo [--entrenamiento N]] -o BASE",
    .ayuda = std::string(
                 "  generar OBJETIVO [--positivos N] [--negativos N] [--test N] [--longitud L]\n"
                 "          [--semilla S] [--caracteristica rpni|kr [-k K]] -o BASE\n"
                 "      Muestras sacadas del lenguaje del autómata OBJETIVO: N positivos (cadenas\n"
                 "      del lenguaje), N negativos (cadenas de su alfabeto fuera de él) y N de test,\n"
                 "      cada una con longitud al azar de 0 a L (10 por omisión) y sin repetir; si\n"
                 "      hay menos cadenas que las pedidas, se toman todas y se dice cuántas. Escribe\n"
                 "      BASE.pos, BASE.neg y BASE.tst (los que tengan ejemplos). La misma semilla da\n"
                 "      las mismas muestras; sin --semilla se elige una y se muestra.\n"
                 "      --caracteristica rpni: además, la muestra característica de RPNI (prefijos\n"
                 "      más cortos, núcleo y los negativos que separan sus estados).\n"
                 "      --caracteristica kr -k K: una muestra positiva con la que KR con ese K\n"
                 "      identifica el objetivo; si el objetivo no es K-reversible se dice (y el\n"
                 "      menor K para el que lo es, si lo hay) y la salida es 1.\n"
                 "  generar N --abbadingo [--entrenamiento N] [--test N] [--semilla S] -o BASE\n"
                 "      Un objetivo al azar como los del concurso Abbadingo (5N/4 estados, dos\n"
                 "      transiciones por estado, mínimo y de profundidad 2·log2(N)−2) y sus cadenas\n"
                 "      de longitud 0 a 2·log2(N)+3: N de entrenamiento (1000 por omisión),\n"
                 "      etiquetadas, y las de test (1800 por omisión). Escribe BASE.abbadingo,\n"
                 "      BASE.pos, BASE.neg, BASE.tst y el objetivo en BASE.json. Con un AUTOMATA en\n"
                 "      vez de N, sus cadenas por el mismo protocolo.\n") +
             kAyudaArgumentoAutomata,
    .opciones = {{"--positivos", true},
                 {"--negativos", true},
                 {"--test", true},
                 {"--longitud", true},
                 {"--semilla", true},
                 {"--caracteristica", true},
                 {"-k", true},
                 {"--abbadingo"},
                 {"--entrenamiento", true},
                 {"-o", true}},
    .minimoFicheros = 1,
    .maximoFicheros = 1};

std::optional<long> Numero(const TArgumentos& argumentos, const std::string& opcion, long omision, long maximo,
                           bool& mal) {
  const auto valor = argumentos.Valor(opcion);
  if (!valor) return omision;
  const auto numero = LeerEntero(*valor, 0, maximo);
  if (!numero) {
    ErrorDeUso(kSintaxis, opcion + " debe ser un entero de 0 a " + std::to_string(maximo));
    mal = true;
  }
  return numero;
}

// A list as sample files write it: "&" for the empty string.
TLista ConVacia(const TLista& lista) {
  TLista resultado;
  for (const auto& cadena : lista) resultado.push_back(cadena.empty() ? kCadenaVacia : cadena);
  return resultado;
}

void Anadir(TLista& destino, const TLista& origen) {
  for (const auto& cadena : origen)
    if (std::find(destino.begin(), destino.end(), cadena) == destino.end()) destino.push_back(cadena);
}

int Escribir(const TMuestrasAbbadingo& muestras, const std::string& base) {
  std::vector<std::string> escritos;
  if (const std::string error = EscribirMuestrasAbbadingo(muestras, base, escritos); !error.empty())
    return ErrorDeEntrada(error);
  const TLista* listas[] = {&muestras.positiva, &muestras.negativa, &muestras.test};
  std::size_t i = 0;
  for (const auto& ruta : escritos) {
    while (listas[i]->empty()) ++i;
    std::cout << "Escrito " << ruta << ": " << listas[i++]->size() << " ejemplos\n";
  }
  return kSalidaResultado;
}

int Abbadingo(const TArgumentos& argumentos, std::uint64_t semilla, const std::string& base, bool& mal) {
  const auto entrenamiento = Numero(argumentos, "--entrenamiento", 1000, 1000000, mal);
  const auto test = Numero(argumentos, "--test", 1800, 1000000, mal);
  if (mal) return kSalidaEntradaIncorrecta;
  const std::string& objetivoTexto = argumentos.ficheros.front();
  std::optional<TAutomataFinito> objetivo;
  int longitud = 0;
  if (const auto n = LeerEntero(objetivoTexto, 2, 4096)) {
    objetivo = ObjetivoAbbadingo(static_cast<int>(*n), semilla);
    longitud = LongitudAbbadingo(static_cast<int>(*n));
  } else {
    if (!(objetivo = LeerAutomataCli(objetivoTexto))) return kSalidaEntradaIncorrecta;
    if (const std::string problema = ProblemaDeObjetivo(*objetivo); !problema.empty()) return ErrorDeEntrada(problema);
    longitud = LongitudAbbadingo(std::max(2, objetivo->NumeroDeEstados()));
  }
  if (objetivo->NumeroDeSimbolos() > 26) return ErrorDeEntrada("El objetivo tiene m\xE1s de 26 s\xEDmbolos.");
  const auto protocolo = MuestrasAbbadingo(*objetivo, static_cast<std::size_t>(*entrenamiento),
                                           static_cast<std::size_t>(*test), longitud, semilla + 1);
  const TMuestrasAbbadingo muestras{ConVacia(protocolo.positiva), ConVacia(protocolo.negativa), ConVacia(protocolo.test)};
  const std::string rutaAbbadingo = base + ".abbadingo";
  if (const std::string error = EscribirArchivoAbbadingo(rutaAbbadingo, muestras); !error.empty())
    return ErrorDeEntrada(error);
  std::cout << "Escrito " << rutaAbbadingo << ": " << muestras.positiva.size() + muestras.negativa.size()
            << " de entrenamiento, " << muestras.test.size() << " de test\n";
  const std::string rutaJson = base + ".json";
  if (const std::string error = EscribirArchivo(rutaJson, EscribirJson(DiagramaDeAutomataFinito(*objetivo)));
      !error.empty())
    return ErrorDeEntrada(error);
  std::cout << "Escrito " << rutaJson << ": objetivo de " << objetivo->NumeroDeEstados() << " estados, profundidad "
            << Profundidad(*objetivo) << "\n";
  return Escribir(muestras, base);
}

int Generar(const TArgumentos& argumentos) {
  const auto base = argumentos.Valor("-o");
  if (!base) return ErrorDeUso(kSintaxis, "falta -o BASE");
  bool mal = false;
  std::uint64_t semilla = std::random_device{}() % 1000000;
  if (const auto valor = argumentos.Valor("--semilla")) {
    const auto numero = LeerEntero(*valor, 0, 2147483647);
    if (!numero) return ErrorDeUso(kSintaxis, "--semilla debe ser un entero de 0 a 2147483647");
    semilla = static_cast<std::uint64_t>(*numero);
  }
  std::cout << "Semilla: " << semilla << "\n";
  if (argumentos.Tiene("--abbadingo")) return Abbadingo(argumentos, semilla, *base, mal);

  TPeticionMuestras peticion;
  peticion.semilla = semilla;
  const auto positivos = Numero(argumentos, "--positivos", 0, 1000000, mal);
  const auto negativos = Numero(argumentos, "--negativos", 0, 1000000, mal);
  const auto test = Numero(argumentos, "--test", 0, 1000000, mal);
  const auto longitud = Numero(argumentos, "--longitud", 10, 1000, mal);
  const auto k = Numero(argumentos, "-k", 0, 1000, mal);
  if (mal) return kSalidaEntradaIncorrecta;
  const auto caracteristica = argumentos.Valor("--caracteristica");
  if (caracteristica && *caracteristica != "rpni" && *caracteristica != "kr")
    return ErrorDeUso(kSintaxis, "--caracteristica debe ser rpni o kr");
  if (argumentos.Tiene("-k") && caracteristica != "kr") return ErrorDeUso(kSintaxis, "-k va con --caracteristica kr");
  peticion.positivos = static_cast<std::size_t>(*positivos);
  peticion.negativos = static_cast<std::size_t>(*negativos);
  peticion.test = static_cast<std::size_t>(*test);
  peticion.longitud = static_cast<std::size_t>(*longitud);

  const auto objetivo = LeerAutomataCli(argumentos.ficheros.front());
  if (!objetivo) return kSalidaEntradaIncorrecta;
  if (const std::string problema = ProblemaDeObjetivo(*objetivo); !problema.empty()) return ErrorDeEntrada(problema);

  TMuestrasGeneradas generadas;
  if (caracteristica == "rpni") {
    const TMuestraCaracteristica muestra = CaracteristicaRPNI(*objetivo);
    generadas.positiva = muestra.positiva;
    generadas.negativa = muestra.negativa;
    std::cout << Cp1252AUtf8("Muestra caracter\xEDstica de RPNI: ") << muestra.positiva.size() << " positivos, "
              << muestra.negativa.size() << " negativos\n";
  } else if (caracteristica == "kr") {
    const int kPedido = static_cast<int>(*k);
    if (!EsKReversible(*objetivo, kPedido)) {
      const int cota = std::max(kPedido, 2 * objetivo->NumeroDeEstados());
      const auto menor = MenorKReversible(*objetivo, cota);
      std::string mensaje = "El objetivo no es " + std::to_string(kPedido) + "-reversible";
      mensaje += menor ? "; el menor k para el que lo es es " + std::to_string(*menor) + "."
                       : " ni k-reversible para ning\xFAn k hasta " + std::to_string(cota) + ".";
      std::cout << Cp1252AUtf8(mensaje) << "\n";
      return kSalidaSinSolucion;
    }
    generadas.positiva = CaracteristicaKR(*objetivo, kPedido);
    std::cout << Cp1252AUtf8("Muestra caracter\xEDstica de KR con k = ") << kPedido << ": " << generadas.positiva.size()
              << " positivos\n";
  }
  const TMuestrasGeneradas azar = GenerarMuestras(*objetivo, peticion);
  Anadir(generadas.positiva, azar.positiva);
  Anadir(generadas.negativa, azar.negativa);
  generadas.test = azar.test;
  for (const auto& aviso : azar.avisos) std::cerr << Cp1252AUtf8(aviso) << "\n";
  if (generadas.positiva.empty() && generadas.negativa.empty() && generadas.test.empty())
    return ErrorDeEntrada("No se ha sacado ning\xFAn ejemplo: no se escribe nada.");
  return Escribir({ConVacia(generadas.positiva), ConVacia(generadas.negativa), ConVacia(generadas.test)}, *base);
}

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Generar));

}  // namespace
