// Fuzz: what the libFuzzer targets share: samples read from the fuzzer's bytes as a file
// is read, a silent user, a symbol renaming, the language of a result window's table, and
// the check that stops a run on a broken property (libFuzzer keeps the input).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/interaccion/Interaccion.h"
#include "app/muestras/Muestra.h"
#include "core/ArchivoTexto.h"
#include "core/Automata.h"
#include "results/DatosResultado.h"

namespace fuzz {

// Stops the run when a property fails; libFuzzer reports it and saves the input.
inline void Comprobar(bool cumple, const char* propiedad) {
  if (cumple) return;
  std::fprintf(stderr, "Propiedad incumplida: %s\n", propiedad);
  std::abort();
}

// The fuzzer's bytes: the choices of a run are taken from the end, so that a sample file
// as it stands is a valid input; what is left is the file.
class TBytes {
 public:
  TBytes(const uint8_t* datos, size_t tamano) : m_datos(reinterpret_cast<const char*>(datos), tamano) {}
  // The last byte not yet taken (0 when none is left).
  unsigned Byte() {
    if (m_datos.empty()) return 0;
    const auto byte = static_cast<unsigned char>(m_datos.back());
    m_datos.remove_suffix(1);
    return byte;
  }
  std::string_view Resto() const { return m_datos; }

 private:
  std::string_view m_datos;
};

// A user who answers every box with its default and never chooses a file.
class TInteraccionMuda : public TInteraccion {
 public:
  TRespuesta Mensaje(const std::string&, TIcono, TBotones botones) override {
    return botones == TBotones::SiNo ? TRespuesta::No : TRespuesta::Ok;
  }
  std::optional<std::string> ElegirArchivoAbrir(const TDialogoArchivo&) override { return std::nullopt; }
  std::optional<std::string> ElegirArchivoGuardar(const TDialogoArchivo&) override { return std::nullopt; }
  void ReproducirSonido(const std::string&) override {}
};

// The positive, negative or test sample that opening a file with these bytes takes;
// nullopt when the file or the sample is refused.
inline std::optional<TLista> LeerMuestra(std::string_view bytes) {
  const TLecturaTexto lectura = DecodificarTexto(bytes, "fuzz");
  if (!lectura.Correcta() || !MuestraValida(lectura.lineas)) return std::nullopt;
  TLista muestra;
  CargarMuestra(muestra, lectura.lineas);
  return muestra;
}

// A one-to-one renaming of the symbols of some samples onto symbols a loaded sample may
// hold (lower case; never "$", the end mark, nor "&", the empty string's text), chosen by
// `semilla`. Characters it does not rename stay as they are.
class TRenombrado {
 public:
  TRenombrado(const std::vector<const TLista*>& muestras, unsigned semilla) {
    std::string destinos = "abcdefghijklmnopqrstuvwxyz0123456789-+*/.,;:{}()#=_ \xF1\xE1";
    std::shuffle(destinos.begin(), destinos.end(), std::mt19937(semilla));
    std::size_t siguiente = 0;
    for (const TLista* muestra : muestras)
      for (const auto& ejemplo : *muestra)
        for (char c : ejemplo)
          if (!m_tabla.count(c)) {
            if (siguiente == destinos.size()) return;
            m_tabla[c] = destinos[siguiente++];
          }
    m_completo = true;
  }
  // False when there were more symbols than names to give them.
  bool Completo() const { return m_completo; }
  std::string operator()(std::string texto) const {
    for (char& c : texto)
      if (const auto it = m_tabla.find(c); it != m_tabla.end()) c = it->second;
    return texto;
  }
  TLista operator()(const TLista& lista) const {
    TLista renombrada;
    for (const auto& texto : lista) renombrada.push_back((*this)(texto));
    return renombrada;
  }
  TParticion operator()(const TParticion& particion) const {
    TParticion renombrada;
    for (const auto& bloque : particion) renombrada.push_back((*this)(bloque));
    return renombrada;
  }

 private:
  std::map<char, char> m_tabla;
  bool m_completo = false;
};

// The language of a result as its window's table defines it: the sets of blocks reached
// from the initial block, one symbol of `automata.Alfabeto` (exact text) per character.
inline bool Acepta(const TAutomata& automata, const TDatosResultado& datos, std::string_view ejemplo) {
  if (datos.BloqueInicial < 0) return false;
  const TLista& alfabeto = automata.Alfabeto().Lista();
  std::set<int> actuales = {datos.BloqueInicial};
  for (char c : ejemplo) {
    const auto columna = std::find(alfabeto.begin(), alfabeto.end(), std::string(1, c));
    if (columna == alfabeto.end()) return false;
    std::set<int> siguientes;
    for (int bloque : actuales)
      for (int destino : datos.TablaDestinos[bloque][columna - alfabeto.begin()]) siguientes.insert(destino);
    actuales.swap(siguientes);
  }
  for (int bloque : actuales)
    if (std::binary_search(datos.BloquesFinales.begin(), datos.BloquesFinales.end(), bloque)) return true;
  return false;
}

}  // namespace fuzz
