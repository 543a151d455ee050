// Properties over seeded random samples: the indexed lookups answer as list scans do, the
// acceptor holds exactly the sample's prefixes, and its tables accept exactly the sample.
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "../inference/FuncionReferencia.h"

#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/ListaIndexada.h"

namespace {

// Strings of length 0 to `largoMaximo` over the given letters.
TLista MuestraAleatoria(std::mt19937& azar, std::size_t cadenas, int largoMaximo, const std::string& letras) {
  std::uniform_int_distribution<int> largo(0, largoMaximo);
  std::uniform_int_distribution<std::size_t> letra(0, letras.size() - 1);
  TLista muestra;
  for (std::size_t i = 0; i < cadenas; ++i) {
    std::string cadena;
    for (int n = largo(azar); n > 0; --n) cadena += letras[letra(azar)];
    muestra.push_back(cadena);
  }
  return muestra;
}

TEST(Propiedades, IndexedListAnswersAsAScanFromTheFront) {
  std::mt19937 azar(7);
  // capitals and small letters, accented ones included, so that many items collide
  const std::string letras = "aAb\xC1\xE1\x8A\x9A";
  for (int ronda = 0; ronda < 20; ++ronda) {
    const TLista lista = MuestraAleatoria(azar, 60, 3, letras);
    TListaIndexada indexada;
    TLista sinRepetidos;
    for (const auto& item : lista) {
      indexada.Anadir(item);
      if (!EsMiembro(item, sinRepetidos)) sinRepetidos.push_back(item);
    }
    ASSERT_EQ(indexada.Lista(), lista);
    for (const auto& consulta : MuestraAleatoria(azar, 40, 3, letras))
      ASSERT_EQ(indexada.IndiceDe(consulta), IndiceDe(consulta, lista)) << consulta;

    TListaIndexada conjunto;
    for (const auto& item : lista) conjunto.AnadirSiNoEsta(item);
    ASSERT_EQ(conjunto.Lista(), sinRepetidos);
    ASSERT_FALSE(conjunto.TieneRepetidos());
  }
}

TEST(Propiedades, AcceptorHoldsExactlyTheDistinctPrefixes) {
  std::mt19937 azar(11);
  for (int ronda = 0; ronda < 20; ++ronda) {
    const TLista muestra = MuestraAleatoria(azar, 50, 8, "abcd");
    const TAutomata aceptor(muestra);
    TLista esperados = {""};
    std::set<std::string> vistos = {""};
    for (const auto& cadena : muestra)
      for (std::size_t n = 1; n <= cadena.size(); ++n)
        if (vistos.insert(cadena.substr(0, n)).second) esperados.push_back(cadena.substr(0, n));
    ASSERT_EQ(aceptor.Estados().Lista(), esperados);
  }
}

TEST(Propiedades, TablesAcceptExactlyTheSample) {
  std::mt19937 azar(13);
  for (int ronda = 0; ronda < 20; ++ronda) {
    const TLista muestra = MuestraAleatoria(azar, 40, 7, "abc");
    TAutomata aceptor(muestra);
    aceptor.PonerBloques(ParticionUnitaria(aceptor.Estados()));
    const referencia::TTabla directa(aceptor, referencia::TTabla::TTipo::Aceptor);
    const TFuncion cociente(aceptor);
    const std::set<std::string> enMuestra(muestra.begin(), muestra.end());
    for (const auto& cadena : muestra) {
      ASSERT_TRUE(directa.Acepta(cadena)) << cadena;
      ASSERT_TRUE(cociente.Acepta(cadena)) << cadena;
    }
    for (const auto& cadena : MuestraAleatoria(azar, 100, 7, "abc")) {
      if (enMuestra.count(cadena) || !SobreAlfabeto(cadena, aceptor.Alfabeto())) continue;
      ASSERT_FALSE(directa.Acepta(cadena)) << cadena;
      ASSERT_FALSE(cociente.Acepta(cadena)) << cadena;
    }
  }
}

TEST(Propiedades, ReverseTableMirrorsTheForwardTable) {
  std::mt19937 azar(17);
  for (int ronda = 0; ronda < 10; ++ronda) {
    const TAutomata aceptor(MuestraAleatoria(azar, 30, 6, "ab"));
    const referencia::TTabla directa(aceptor, referencia::TTabla::TTipo::Aceptor);
    const referencia::TTabla inversa(aceptor, referencia::TTabla::TTipo::Inversa);
    ASSERT_EQ(directa.NumeroDeFilas(), aceptor.Estados().size());
    std::size_t flechas = 0;
    for (std::size_t fila = 0; fila < directa.NumeroDeFilas(); ++fila) {
      for (std::size_t j = 0; j < aceptor.Alfabeto().size(); ++j) {
        const TLista& destino = directa.Celda(fila, j);
        if (EsSinTransicion(destino)) continue;
        ++flechas;
        ASSERT_EQ(inversa.Celda(inversa.IndiceBloque(destino), j), directa.Bloque(fila));
      }
    }
    // every state but the empty prefix has exactly one incoming arrow
    ASSERT_EQ(flechas, aceptor.Estados().size() - 1);
  }
}

}  // namespace
