// Abbadingo files: reading, refusals naming the line, lossless round trips, and the
// "&Muestra" import and export flows with a scripted user.
#include "app/Abbadingo.h"

#include <filesystem>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "../CarpetaTemporal.h"
#include "InteraccionGuion.h"
#include "app/FlujosAbbadingo.h"

namespace fs = std::filesystem;

namespace {

TLista Partir(const std::string& texto) {
  TLista lineas;
  std::istringstream s(texto);
  for (std::string l; std::getline(s, l);) lineas.push_back(l);
  return lineas;
}

struct CasoLectura {
  const char* nombre;
  const char* texto;
  const char* error;  // "" when read; otherwise a part of the message, with the line
};

class LecturaAbbadingo : public testing::TestWithParam<CasoLectura> {};

}  // namespace

TEST(Abbadingo, ReadsLabelsIntoTheThreeSamplesWithLettersForSymbols) {
  const auto lectura = LeerAbbadingo(Partir("5 3\n1 2 0 2\n0 0\n\n-1 3 1\t1 0\n1 1 1\n0   1 2\n"), "m");
  ASSERT_TRUE(lectura.Correcta()) << lectura.error;
  EXPECT_EQ(lectura.muestras.positiva, (TLista{"ac", "b"}));
  EXPECT_EQ(lectura.muestras.negativa, (TLista{"&", "c"}));
  EXPECT_EQ(lectura.muestras.test, (TLista{"bba"}));
}

TEST_P(LecturaAbbadingo, RefusesWhatIsNotTheFormatNamingTheLine) {
  const auto lectura = LeerAbbadingo(Partir(GetParam().texto), "m.abbadingo");
  if (*GetParam().error == '\0') {
    EXPECT_TRUE(lectura.Correcta()) << lectura.error;
    return;
  }
  EXPECT_NE(lectura.error.find("Archivo Abbadingo \"m.abbadingo\", "), std::string::npos) << lectura.error;
  EXPECT_NE(lectura.error.find(GetParam().error), std::string::npos) << lectura.error;
  EXPECT_EQ(lectura.muestras, TMuestrasAbbadingo{});
}

INSTANTIATE_TEST_SUITE_P(
    Abbadingo, LecturaAbbadingo,
    testing::Values(
        CasoLectura{"vacio", "", "l\xEDnea 1: falta la cabecera"},
        CasoLectura{"cabecera_de_tres", "1 2 3\n1 0\n", "l\xEDnea 1: la cabecera"},
        CasoLectura{"cabecera_no_numerica", "x 2\n", "l\xEDnea 1: la cabecera"},
        CasoLectura{"veintiseis_simbolos", "1 26\n1 1 25\n", ""},
        CasoLectura{"veintisiete_simbolos", "1 27\n1 1 0\n", "l\xEDnea 1: un alfabeto de 27 s\xEDmbolos"},
        CasoLectura{"etiqueta_dos", "1 2\n2 1 0\n", "l\xEDnea 2: la etiqueta \"2\""},
        CasoLectura{"sin_longitud", "1 2\n1\n", "l\xEDnea 2: falta la longitud"},
        CasoLectura{"longitud_negativa", "1 2\n1 -2 0 1\n", "l\xEDnea 2: longitud negativa (-2)"},
        CasoLectura{"longitud_que_no_cuadra", "2 2\n1 1 0\n1 3 0 1\n", "l\xEDnea 3: la longitud es 3 y la cadena tiene 2"},
        CasoLectura{"simbolo_no_entero", "1 2\n1 2 0 b\n", "l\xEDnea 2: el s\xEDmbolo \"b\" no es un n\xFAmero entero"},
        CasoLectura{"simbolo_decimal", "1 2\n1 1 1.0\n", "l\xEDnea 2: el s\xEDmbolo \"1.0\""},
        CasoLectura{"simbolo_fuera_del_alfabeto", "1 2\n1 1 2\n", "l\xEDnea 2: el s\xEDmbolo 2 no est\xE1 entre 0 y 1"},
        CasoLectura{"simbolo_negativo", "1 2\n1 1 -1\n", "l\xEDnea 2: el s\xEDmbolo -1"},
        CasoLectura{"menos_cadenas", "3 2\n1 0\n\n0 0\n", "hay 2 cadenas y la cabecera dice 3"},
        CasoLectura{"mas_cadenas", "1 2\n1 0\n0 0\n", "l\xEDnea 3: hay m\xE1s cadenas"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Our samples -> Abbadingo -> our samples gives the same examples in the same order, for
// random samples over a..z with the empty string; the file read back writes the same lines.
TEST(Abbadingo, RoundTripsAreLossless) {
  std::mt19937 azar(15);
  for (int vuelta = 0; vuelta < 200; ++vuelta) {
    const int letras = 1 + static_cast<int>(azar() % 26);
    auto muestra = [&] {
      TLista lista;
      for (int n = static_cast<int>(azar() % 6); n > 0; --n) {
        std::string cadena;
        for (int l = static_cast<int>(azar() % 5); l > 0; --l) cadena += static_cast<char>('a' + azar() % letras);
        lista.push_back(cadena.empty() ? "&" : cadena);
      }
      return lista;
    };
    const TMuestrasAbbadingo muestras{muestra(), muestra(), muestra()};
    std::string error;
    const TLista lineas = EscribirAbbadingo(muestras, error);
    ASSERT_EQ(error, "");
    const auto lectura = LeerAbbadingo(lineas, "m");
    ASSERT_TRUE(lectura.Correcta()) << lectura.error;
    EXPECT_EQ(lectura.muestras, muestras);
    EXPECT_EQ(EscribirAbbadingo(lectura.muestras, error), lineas);
  }
}

TEST(Abbadingo, WritingRefusesSymbolsOutsideTheLettersAndNamesTheExample) {
  std::string error;
  EXPECT_EQ(EscribirAbbadingo({{"ab"}, {"a\xF1o"}, {}}, error), TLista{});
  EXPECT_EQ(error, "El ejemplo \"a\xF1o\" de la muestra negativa tiene el s\xEDmbolo \"\xF1\", que no es una letra de la a a la z");
  EXPECT_EQ(EscribirAbbadingo({{"&", "b"}, {}, {"ba"}}, error), (TLista{"3 2", "1 0", "1 1 1", "-1 2 1 0"}));
  EXPECT_EQ(error, "");
}

namespace {

class FlujosAbbadingo : public testing::Test, protected TCarpetaTemporal {
 protected:
  FlujosAbbadingo() : TCarpetaTemporal("telar-abbadingo") {}

  TSesion sesion;
  TInteraccionGuion guion;
};

}  // namespace

TEST_F(FlujosAbbadingo, ImportReplacesTheKindsTheFileHoldsAndShowsThePositiveSample) {
  guion.archivos.push_back(Escribir("neg.abbadingo", "1 2\n0 1 1\n"));
  sesion.MuestraPositiva = {"a", "aa"};
  ASSERT_TRUE(ImportarClick(sesion, guion));
  EXPECT_EQ(sesion.MuestraPositiva, (TLista{"a", "aa"}));  // the file has no positive string
  EXPECT_EQ(sesion.MuestraNegativa, TLista{"b"});
  EXPECT_EQ(sesion.Tipo(), TTipoMuestra::TipoM_Neg);
  EXPECT_EQ(guion.transcripcion.back(),
            "Mensaje Informacion Ok: Cadenas le\xED" "das del archivo Abbadingo: positivas: 0, negativas: 1, test: 0");
  EXPECT_FALSE(sesion.HayMuestrasSinGuardar());  // read from a file: nothing to lose

  guion.archivos.push_back(Escribir("todo.abbadingo", "3 2\n-1 0\n1 2 0 1\n0 1 0\n"));
  ASSERT_TRUE(ImportarClick(sesion, guion));
  EXPECT_EQ(sesion.MuestraPositiva, TLista{"ab"});
  EXPECT_EQ(sesion.MuestraNegativa, TLista{"a"});
  EXPECT_EQ(sesion.MuestraTest, TLista{""});
  EXPECT_EQ(sesion.Tipo(), TTipoMuestra::TipoM_Pos);
  EXPECT_EQ(guion.transcripcion.back(),
            "Mensaje Informacion Ok: Cadenas le\xED" "das del archivo Abbadingo: positivas: 1, negativas: 1, test: 1");
  EXPECT_EQ(sesion.MemoMuestra(), TLista{"ab"});
  EXPECT_TRUE(sesion.Habilitado(TAlgoritmo::KC));
  EXPECT_EQ(guion.dialogos.at(0).titulo, "Importar");
  EXPECT_EQ(guion.dialogos.at(0).extensionPorDefecto, "abbadingo");

  guion.archivos.push_back(Escribir("mala.abbadingo", "1 2\n1 1 7\n"));
  EXPECT_FALSE(ImportarClick(sesion, guion));
  EXPECT_EQ(sesion.MuestraPositiva, TLista{"ab"});
  EXPECT_NE(guion.transcripcion.back().find("Mensaje Error Ok: Archivo Abbadingo"), std::string::npos);
}

TEST_F(FlujosAbbadingo, ExportWritesTheSessionsSamplesOrSaysWhyNot) {
  EXPECT_FALSE(ExportarClick(sesion, guion));
  EXPECT_EQ(guion.transcripcion,
            std::vector<std::string>{"Mensaje Error Ok: No hay muestra positiva, negativa ni test que exportar"});

  sesion.MuestraPositiva = {"ab", ""};
  sesion.MuestraTest = {"c"};
  guion.archivos.push_back(Ruta("salida"));
  ASSERT_TRUE(ExportarClick(sesion, guion));
  EXPECT_EQ(Leer("salida.abbadingo"), "3 3\r\n1 2 0 1\r\n1 0\r\n-1 1 2\r\n");
  EXPECT_EQ(guion.transcripcion.back(),
            "Mensaje Informacion Ok: Cadenas escritas en el archivo Abbadingo: positivas: 2, negativas: 0, test: 1");

  sesion.MuestraNegativa = {"a-b"};
  guion.archivos.push_back(Ruta("otra.abbadingo"));
  EXPECT_FALSE(ExportarClick(sesion, guion));
  EXPECT_FALSE(fs::exists(Ruta("otra.abbadingo")));
  EXPECT_NE(guion.transcripcion.back().find("\"a-b\" de la muestra negativa"), std::string::npos);
}

TEST_F(FlujosAbbadingo, SamplesGoBesideTheNamedFileOnePerKind) {
  EXPECT_EQ(RutaDelTipo("clase/m.pos", TTipoMuestra::TipoM_Neg), "clase/m.neg");
  EXPECT_EQ(RutaDelTipo("cla.se/m", TTipoMuestra::TipoM_Test), "cla.se/m.tst");
  std::vector<std::string> escritos;
  EXPECT_EQ(EscribirMuestrasAbbadingo({{"a"}, {}, {"&", "b"}}, Ruta("m.neg"), escritos), "");
  EXPECT_EQ(escritos, (std::vector<std::string>{Ruta("m.pos"), Ruta("m.tst")}));
  EXPECT_EQ(Leer("m.tst"), "&\r\nb\r\n");
  EXPECT_FALSE(fs::exists(Ruta("m.neg")));
}
