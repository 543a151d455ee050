// telar-cli convertir ENTRADA SALIDA: Abbadingo files to our sample files and back.
#include <filesystem>
#include <iostream>

#include "app/muestras/FlujosAbbadingo.h"
#include "app/muestras/FlujosMuestra.h"
#include "cli/Argumentos.h"
#include "cli/InteraccionCli.h"
#include "cli/Orden.h"
#include "core/ArchivoTexto.h"
#include "core/Texto.h"

namespace {

// One of our sample files an Abbadingo file can hold (positive, negative, test).
bool EsMuestraAbbadingo(const std::string& ruta) {
  const auto tipo = TipoPorExtension(ruta);
  return tipo && *tipo != TTipoMuestra::TipoM_SA;
}

int ErrorDeUsoConvertir(const std::string& problema);

// An Abbadingo file into the sample files beside `salida`, one per kind it holds, written as
// one set. A sample file beside `salida` of a kind the file lacks would be left over from
// something else and pass for part of this conversion: it is refused, nothing written.
int Importar(const std::string& entrada, const std::string& salida) {
  TMuestrasAbbadingo muestras;
  std::string error = LeerArchivoAbbadingo(entrada, muestras);
  if (error.empty() && muestras.positiva.empty() && muestras.negativa.empty() && muestras.test.empty())
    error = "El archivo Abbadingo \"" + RutaVisible(entrada) + "\" no tiene ninguna cadena";
  if (!error.empty()) return ErrorDeEntrada(error);
  std::vector<TSalidaCli> salidas;
  for (const auto& ruta : RutasMuestrasAbbadingo(muestras, salida, true)) salidas.push_back({"SALIDA", ruta});
  if (const std::string problema = ProblemaDeSalidas({entrada}, salidas); !problema.empty())
    return ErrorDeUsoConvertir(problema);
  for (const auto& sobrante : RutasMuestrasAbbadingo(muestras, salida, false)) {
    std::error_code e;
    if (std::filesystem::symlink_status(sobrante, e).type() != std::filesystem::file_type::not_found)
      return ErrorDeUsoConvertir("\"" + sobrante + "\" ya existe y esta conversi\xC3\xB3n no lo escribe (\"" + entrada +
                                 "\" no tiene cadenas de ese tipo); b\xC3\xB3rrelo o elija otro nombre");
  }
  if (!ComprobarSalidas(salidas)) return kSalidaEntradaIncorrecta;
  std::vector<std::string> escritos;
  error = EscribirMuestrasAbbadingo(muestras, salida, escritos);
  for (const auto& escrito : escritos) std::cout << Cp1252AUtf8(RutaVisible(escrito)) << "\n";
  return error.empty() ? kSalidaResultado : ErrorDeEntrada(error);
}

// The positive, negative and test files beside `entrada` (the one named must exist; the
// others are taken when they exist) into one Abbadingo file.
int Exportar(const std::string& entrada, const std::string& salida) {
  std::vector<std::string> entradas;
  for (const auto tipo : {TTipoMuestra::TipoM_Pos, TTipoMuestra::TipoM_Neg, TTipoMuestra::TipoM_Test}) {
    const bool nombrado = TipoPorExtension(entrada) == tipo;
    const std::string ruta = nombrado ? entrada : RutaDelTipo(entrada, tipo);
    std::error_code e;
    if (nombrado || std::filesystem::is_regular_file(ruta, e)) entradas.push_back(ruta);
  }
  const std::vector<TSalidaCli> salidas = {{"SALIDA", salida}};
  if (const std::string problema = ProblemaDeSalidas(entradas, salidas); !problema.empty())
    return ErrorDeUsoConvertir(problema);
  if (!ComprobarSalidas(salidas)) return kSalidaEntradaIncorrecta;
  TSesion sesion;
  for (const auto& ruta : entradas)
    if (!AbrirMuestraCli(sesion, ruta, *TipoPorExtension(ruta))) return kSalidaEntradaIncorrecta;
  const std::string error = EscribirArchivoAbbadingo(salida, MuestrasDeSesion(sesion));
  if (!error.empty()) return ErrorDeEntrada(error);
  std::cout << Cp1252AUtf8(RutaVisible(salida)) << "\n";
  return kSalidaResultado;
}

const TSintaxisOrden kSintaxis{
    .orden = "convertir",
    .uso = "telar-cli convertir ENTRADA SALIDA",
    .ayuda = "  convertir ENTRADA SALIDA\n"
             "      Convierte entre el formato Abbadingo (cabecera \"N A\" y una línea\n"
             "      \"etiqueta longitud s1 s2 ...\" por cadena) y nuestras muestras. Si SALIDA\n"
             "      es .pos, .neg o .tst, escribe junto a ella la muestra de cada etiqueta que\n"
             "      tenga ENTRADA (1 positiva, 0 negativa, -1 test; 0, 1, 2... son a, b, c...).\n"
             "      Si ENTRADA es .pos, .neg o .tst, escribe en SALIDA esa muestra y las otras\n"
             "      dos con el mismo nombre, si existen. Escribe los nombres de lo escrito.\n",
    .opciones = {},
    .minimoFicheros = 2,
    .maximoFicheros = 2};

int Convertir(const TArgumentos& argumentos) {
  const std::string& entrada = argumentos.ficheros[0];
  const std::string& salida = argumentos.ficheros[1];
  for (const auto* ruta : {&entrada, &salida})
    if (TipoPorExtension(*ruta) == TTipoMuestra::TipoM_SA)
      return ErrorDeUso(kSintaxis, "las muestras situación/acción no tienen formato Abbadingo");
  const bool importar = EsMuestraAbbadingo(salida);
  if (importar == EsMuestraAbbadingo(entrada))
    return ErrorDeUso(kSintaxis, "uno de los ficheros debe ser una muestra (.pos, .neg o .tst) "
                                 "y el otro un archivo Abbadingo");
  return importar ? Importar(entrada, salida) : Exportar(entrada, salida);
}

int ErrorDeUsoConvertir(const std::string& problema) { return ErrorDeUso(kSintaxis, problema); }

const TRegistroOrden registro(OrdenConSintaxis(kSintaxis, Convertir));

}  // namespace
