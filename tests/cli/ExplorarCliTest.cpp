// telar-cli explorar as a user runs it: every row's state count is that of the single kr
// or kc run of its k; the three formats; the misuse that exits 2. And --validar --detalle.
#include <gtest/gtest.h>

#include <sstream>

#include "EjecutarCli.h"

namespace {

std::string Kr(const std::string& fichero) { return Datos("kr/" + fichero); }
std::string Ejemplo(const std::string& fichero) { return Datos("../../data/muestras/" + fichero); }

std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::istringstream entrada(texto);
  for (std::string linea; std::getline(entrada, linea);) lineas.push_back(linea);
  return lineas;
}

std::vector<std::string> Campos(const std::string& linea, char separador = ',') {
  std::vector<std::string> campos;
  std::istringstream entrada(linea);
  for (std::string campo; std::getline(entrada, campo, separador);) campos.push_back(campo);
  return campos;
}

// The number of states in a result report: the items of its "Conjunto de Estados:" line.
std::size_t EstadosDelInforme(const std::string& informe) {
  for (const auto& linea : Lineas(informe)) {
    if (linea.rfind("Conjunto de Estados:", 0) != 0) continue;
    std::size_t estados = 0;
    for (std::size_t p = linea.find("  q"); p != std::string::npos; p = linea.find("  q", p + 1)) ++estados;
    return estados;
  }
  return 0;
}

TEST(ExplorarCli, EveryCsvRowHasTheStatesOfTheSingleRunOfItsK) {
  const auto r = EjecutarCli({"explorar", Ejemplo("a-estrella-b.pos"), "--negativa", Ejemplo("a-estrella-b.neg"),
                              "--validar", Ejemplo("a-estrella-b.tst"), "--formato", "csv"});
  ASSERT_EQ(r.codigo, 0) << r.errores;
  const auto lineas = Lineas(r.salida);
  ASSERT_EQ(lineas.front(),
            "Algoritmo,k,Estados,Transiciones,Negativos aceptados,Consistente,Test aceptados,Aciertos,Tiempo (ms)");
  ASSERT_EQ(lineas.size(), 1u + 2 * 5);  // KR and KC, k = 0 to 4 ("aaab")
  for (std::size_t i = 1; i < lineas.size(); ++i) {
    const auto campos = Campos(lineas[i]);
    ASSERT_EQ(campos.size(), 9u) << lineas[i];
    const std::string orden = campos[0] == "KR" ? "kr" : "kc";
    EXPECT_EQ(campos[1], std::to_string((i - 1) % 5)) << lineas[i];
    const auto unico = EjecutarCli({orden, "-k", campos[1], Ejemplo("a-estrella-b.pos")});
    ASSERT_EQ(unico.codigo, 0);
    EXPECT_EQ(std::to_string(EstadosDelInforme(unico.salida)), campos[2]) << lineas[i];
    EXPECT_EQ(campos[5] == "sí", campos[4] == "0") << lineas[i];
  }
  // KR with k = 0 is a*b itself: every test string accepted, no negative
  EXPECT_EQ(Campos(lineas[1]).at(7), "100%");
  EXPECT_EQ(Campos(lineas[1]).at(5), "sí");
}

TEST(ExplorarCli, JsonAndTableCarryTheSameRows) {
  const std::vector<std::string> base = {"explorar", Kr("ab-b.pos"), "--negativa", Kr("aab.neg"), "--algoritmo", "kr"};
  auto json = base;
  json.insert(json.end(), {"--formato", "json"});
  const auto j = EjecutarCli(json);
  ASSERT_EQ(j.codigo, 0) << j.errores;
  const auto objetos = Lineas(j.salida);
  ASSERT_EQ(objetos.size(), 5u) << j.salida;  // "[", k = 0, 1, 2, "]"
  EXPECT_EQ(objetos.front(), "[");
  EXPECT_EQ(objetos.back(), "]");
  // k = 0 accepts aab; k = 1 is the first consistent k, as kr --negativa finds
  EXPECT_EQ(objetos[1].rfind(R"( {"Algoritmo": "KR", "k": 0, "Estados": 2, "Transiciones": 2, )"
                             R"x("Negativos aceptados": 1, "Consistente": false, "Tiempo (ms)": )x", 0), 0u)
      << objetos[1];
  EXPECT_NE(objetos[2].find(R"("k": 1, "Estados": 3, )"), std::string::npos) << objetos[2];
  EXPECT_NE(objetos[2].find(R"("Consistente": true)"), std::string::npos) << objetos[2];
  EXPECT_EQ(objetos[2].back(), ',');
  EXPECT_EQ(objetos[3].back(), '}');

  const auto t = EjecutarCli(base);
  ASSERT_EQ(t.codigo, 0);
  const auto filas = Lineas(t.salida);
  ASSERT_EQ(filas.size(), 4u);
  for (const auto& fila : filas) EXPECT_EQ(fila.size(), filas.front().size() + (fila.find("sí") != std::string::npos));
  EXPECT_EQ(filas[0].rfind("Algoritmo  k  Estados  Transiciones  Negativos aceptados  Consistente  Tiempo (ms)", 0),
            0u);
}

TEST(ExplorarCli, MisuseAndRefusedSamplesExit2) {
  struct Caso {
    std::vector<std::string> argumentos;
    std::string error;
  };
  const std::vector<Caso> casos = {
      {{"explorar", Kr("ab-b.pos"), "--algoritmo", "skr"}, "--algoritmo debe ser kr, kc o im1"},
      {{"explorar", Kr("ab-b.pos"), "--formato", "xml"}, "--formato debe ser tabla, csv o json"},
      {{"explorar", Kr("dolar.pos")}, "que KR reserva como marca de fin de ejemplo"},
      {{"explorar", Kr("ab-b.pos"), "--negativa", Kr("blanca.neg")}, "Muestra No válida"},
      {{"explorar", Kr("ab-b.pos"), "--validar", Kr("ab-b.pos")}, "no tiene extensión correcta"},
      {{"kr", "-k", "0", Kr("ab-b.pos"), "--detalle"}, "--detalle necesita --validar"},
  };
  for (const auto& caso : casos) {
    const auto r = EjecutarCli(caso.argumentos);
    EXPECT_EQ(r.codigo, 2) << caso.error;
    EXPECT_EQ(r.salida, "") << caso.error;
    EXPECT_NE(r.errores.find(caso.error), std::string::npos) << r.errores;
  }
  // KC alone takes the "$" sample
  EXPECT_EQ(EjecutarCli({"explorar", Kr("dolar.pos"), "--algoritmo", "kc"}).codigo, 0);
}

TEST(ExplorarCli, ValidationDetailNamesEveryTestStringInFileOrder) {
  const auto r = EjecutarCli({"kr", "-k", "0", "--validar", Kr("prueba.tst"), "--detalle", Kr("ab-b.pos")});
  ASSERT_EQ(r.codigo, 0) << r.errores;
  const std::string cola =
      "Muestra Entrenamiento: 2\nMuestra Test: 5\nEjemplos Aceptados: 3\nEjemplos Rechazados: 2\nAciertos: 60%\n"
      "Aceptado: ab\nAceptado: aab\nRechazado: ba\nAceptado: b\nRechazado: bb\n";
  ASSERT_GE(r.salida.size(), cola.size());
  EXPECT_EQ(r.salida.substr(r.salida.size() - cola.size()), cola);
}

}  // namespace
