// MuestrasMotor: the sample files of the engine benchmark, written line by line so the
// program that measures keeps no sample in memory.
#pragma once

#include <array>
#include <cstddef>
#include <fstream>
#include <random>
#include <string>
#include <vector>

// A random complete automaton of `estados` states over a, b, c; about half its states are
// final, the start state (0) among them.
struct TLenguajeAleatorio {
  std::vector<std::array<int, 3>> delta;
  std::vector<bool> final;

  TLenguajeAleatorio(int estados, std::mt19937& azar) : delta(estados), final(estados) {
    std::uniform_int_distribution<int> destino(0, estados - 1), moneda(0, 1);
    for (int q = 0; q < estados; ++q) {
      for (int& d : delta[q]) d = destino(azar);
      final[q] = q == 0 || moneda(azar) == 1;
    }
  }

  // A walk of `largo` random symbols from the start state; `estado` is where it ends.
  std::string Paseo(std::size_t largo, std::mt19937& azar, int& estado) const {
    std::uniform_int_distribution<int> letra(0, 2);
    std::string cadena;
    cadena.reserve(largo);
    estado = 0;
    for (std::size_t i = 0; i < largo; ++i) {
      const int s = letra(azar);
      cadena += static_cast<char>('a' + s);
      estado = delta[estado][s];
    }
    return cadena;
  }
};

// Writes a sample file as the program writes them: one example a line, CR LF.
class TEscritorMuestra {
 public:
  explicit TEscritorMuestra(const std::string& ruta) : m_salida(ruta, std::ios::binary) {}
  void Linea(const std::string& ejemplo) { m_salida << ejemplo << "\r\n"; }
  bool Correcto() { return static_cast<bool>(m_salida.flush()); }

 private:
  std::ofstream m_salida;
};

// `cuantas` random strings of length 1 to 12 over a, b, c.
inline bool EscribirCadenasAleatorias(const std::string& ruta, std::size_t cuantas) {
  std::mt19937 azar(12345);
  std::uniform_int_distribution<int> largo(1, 12), letra(0, 2);
  TEscritorMuestra salida(ruta);
  std::string s;
  for (std::size_t i = 0; i < cuantas; ++i) {
    s.clear();
    for (int n = largo(azar); n > 0; --n) s += static_cast<char>('a' + letra(azar));
    salida.Linea(s);
  }
  return salida.Correcto();
}

// `cuantas` strings of length 1 to 20 of a random 20-state language (walks that end in a
// final state).
inline bool EscribirCadenasDeLenguaje(const std::string& ruta, std::size_t cuantas) {
  std::mt19937 azar(20240611);
  const TLenguajeAleatorio lenguaje(20, azar);
  std::uniform_int_distribution<std::size_t> largo(1, 20);
  TEscritorMuestra salida(ruta);
  for (std::size_t i = 0; i < cuantas;) {
    int estado = 0;
    const std::string cadena = lenguaje.Paseo(largo(azar), azar, estado);
    if (!lenguaje.final[estado]) continue;
    salida.Linea(cadena);
    ++i;
  }
  return salida.Correcto();
}

// `cuantos` examples of exactly `largo` characters: random walks of the same language.
inline bool EscribirEjemplosLargos(const std::string& ruta, std::size_t cuantos, std::size_t largo) {
  std::mt19937 azar(777);
  const TLenguajeAleatorio lenguaje(20, azar);
  TEscritorMuestra salida(ruta);
  int estado = 0;
  for (std::size_t i = 0; i < cuantos; ++i) salida.Linea(lenguaje.Paseo(largo, azar, estado));
  return salida.Correcto();
}
