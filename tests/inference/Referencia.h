// Referencia: KR and KC written step by step over text lists and transition tables, block
// equality and linear scans included, as the oracle that the indexed algorithms must match
// exactly (block order and order inside blocks); plus helpers to build acceptors.
#pragma once

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "FuncionReferencia.h"
#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/Utilidades.h"
#include "inference/AlgoritmoKR.h"
#include "inference/ModoInferencia.h"
#include "inference/ObservadorFusiones.h"

namespace referencia {

inline void QuitarBloqueQueContiene(const std::string& estado, TParticion& bloques) {
  for (auto it = bloques.begin(); it != bloques.end(); ++it)
    if (EsMiembro(estado, *it)) {
      bloques.erase(it);
      return;
    }
}

// The symbols of a state name: its characters, or in TModoInferencia::Mealy its pair symbols, each
// running from one "S" to the next.
inline std::vector<std::string> Simbolos(const std::string& nombre, TModoInferencia modo) {
  std::vector<std::string> simbolos;
  for (char c : nombre)
    if (simbolos.empty() || modo != TModoInferencia::Mealy || c == 'S')
      simbolos.emplace_back(1, c);
    else
      simbolos.back() += c;
  return simbolos;
}

// The last k symbols of a name, all of it when it has fewer.
inline std::string SufijoDeSimbolos(const std::string& nombre, int k, TModoInferencia modo) {
  const auto simbolos = Simbolos(nombre, modo);
  const std::size_t cuantos = std::min(simbolos.size(), static_cast<std::size_t>(k));
  std::string sufijo;
  for (std::size_t i = simbolos.size() - cuantos; i < simbolos.size(); ++i) sufijo += simbolos[i];
  return sufijo;
}

// `traza`, when given, receives every pair that joins two blocks, with its cause.
inline void KR(TAutomata& a, int k, TModoInferencia modo, const TLista& muestra,
               std::vector<TFusionTrazada>* traza = nullptr) {
  std::deque<TFusionTrazada> pendientes;
  TTabla sucesores(a, TTabla::TTipo::Aceptor);
  TTabla predecesores(a, TTabla::TTipo::Inversa);
  TParticion bloques = ParticionUnitaria(a.Estados());
  for (std::size_t i = 1; i < a.Finales().size(); ++i) pendientes.push_back({a.Finales()[0], a.Finales()[i], "final", {}});
  while (!pendientes.empty()) {
    const TFusionTrazada par = pendientes.front();
    const std::string& p = par.Primero;
    const std::string& q = par.Segundo;
    const std::string& causa = par.Causa;
    pendientes.pop_front();
    const TLista b1 = BloqueQueContiene(p, bloques);
    const TLista b2 = BloqueQueContiene(q, bloques);
    if (b1 == b2) continue;
    if (traza) traza->push_back({p.empty() ? "&" : p, q.empty() ? "&" : q, causa, {}});
    TLista b = b1;
    b.insert(b.end(), b2.begin(), b2.end());
    QuitarBloqueQueContiene(p, bloques);
    QuitarBloqueQueContiene(q, bloques);
    bloques.push_back(b);
    for (std::size_t i = 0; i < a.Alfabeto().size(); ++i) {
      const std::string& simbolo = a.Alfabeto()[i];
      const TLista s1 = sucesores.Transicion(b1, simbolo);
      const TLista s2 = sucesores.Transicion(b2, simbolo);
      if (!EsSinTransicion(s1) && !EsSinTransicion(s2)) pendientes.push_back({s1[0], s2[0], "sucesor " + simbolo, {}});
      if (i == 0) sucesores.AnadirBloque(b);
      sucesores.PonerTransicion(!EsSinTransicion(s1) ? s1 : s2, b, simbolo);
      const TLista p1 = predecesores.Transicion(b1, simbolo);
      const TLista p2 = predecesores.Transicion(b2, simbolo);
      for (const auto& x : p1)
        for (const auto& y : p2)
          if (x != kSinTransicion && y != kSinTransicion &&
              SufijoDeSimbolos(x, k, modo) == SufijoDeSimbolos(y, k, modo))
          {
            const std::string w = SufijoDeSimbolos(x, k, modo);
            pendientes.push_back({x, y, "predecesor " + simbolo + " " + (w.empty() ? "&" : w), {}});
          }
      if (i == 0) predecesores.AnadirBloque(b);
      TLista union_ = p1;
      Unir(union_, p2);
      predecesores.PonerTransicion(union_, b, simbolo);
    }
  }
  if (!a.Finales().empty()) QuitarBloqueQueContiene(a.Finales()[0], bloques);
  a.ResultadoKR(std::move(bloques), muestra, kMarcaFinal);
}

inline void KC(TAutomata& a, int k, TModoInferencia modo, std::vector<TFusionTrazada>* traza = nullptr) {
  TLista estados = a.Estados();
  TLista cortos;
  for (const auto& s : estados)
    if (Simbolos(s, modo).size() < static_cast<std::size_t>(k)) cortos.push_back(s);
  TParticion bloques = ParticionUnitaria(cortos);
  for (const auto& s : cortos) estados.erase(estados.begin() + *IndiceDe(s, estados));
  for (const auto& s : estados) {
    const std::string suf = SufijoDeSimbolos(s, k, modo);
    TLista encontrado;
    std::string marca;
    for (const auto& bloque : bloques) {
      if (EsMiembro(suf, bloque)) {
        encontrado.insert(encontrado.end(), bloque.begin(), bloque.end());
        marca = suf;
        break;
      }
      for (const auto& t : bloque)
        if (SufijoDeSimbolos(t, k, modo) == suf) {
          encontrado.insert(encontrado.end(), bloque.begin(), bloque.end());
          marca = t;
          break;
        }
    }
    TLista nuevo{s};
    if (!encontrado.empty()) {
      nuevo = encontrado;
      if (!EsMiembro(s, nuevo)) {
        if (traza) traza->push_back({nuevo.front().empty() ? "&" : nuevo.front(), s, "sufijo " + (suf.empty() ? "&" : suf), {}});
        nuevo.push_back(s);
      }
      std::erase_if(bloques, [&](const TLista& b) { return EsMiembro(marca, b); });
    }
    bloques.push_back(nuevo);
  }
  a.ResultadoKC(std::move(bloques), estados);
}

// A random sample of `cuantos` strings of length 0..largoMaximo over the first `letras`
// letters of "abcd"; the empty string only when `conVacia`.
inline TLista MuestraAleatoria(std::mt19937& azar, int cuantos, int largoMaximo, int letras,
                               bool conVacia = true) {
  std::uniform_int_distribution<int> largo(conVacia ? 0 : 1, largoMaximo);
  std::uniform_int_distribution<int> letra(0, letras - 1);
  TLista muestra;
  for (int i = 0; i < cuantos; ++i) {
    std::string s;
    for (int n = largo(azar); n > 0; --n) s += static_cast<char>('a' + letra(azar));
    muestra.push_back(s);
  }
  return muestra;
}

// The acceptor of situation/action strings in mode 'M': each string is a sequence of pair
// symbols from `pares`; with `marcada` every string ends in "$" and "$" closes the alphabet.
struct TAceptorMealy {
  TLista cadenas;  // the strings of pair symbols, without marker
  TLista pares;
  std::vector<std::vector<std::string>> secuencias;

  TAutomata Construir(bool marcada) const {
    TLista tokens;
    for (const auto& secuencia : secuencias) {
      for (const auto& par : secuencia) {
        tokens.push_back(par);
        tokens.push_back("/");
      }
      tokens.push_back("*");
    }
    TLista alfabeto = pares;
    if (marcada) {
      tokens.push_back("$");
      alfabeto.push_back("$");
    }
    return TAutomata(marcada ? MarcarMuestra(cadenas) : cadenas, TConstruccion::Mealy, tokens, alfabeto);
  }
};

inline TAceptorMealy Mealy(std::vector<std::vector<std::string>> secuencias) {
  TAceptorMealy r;
  r.secuencias = std::move(secuencias);
  for (const auto& secuencia : r.secuencias) {
    std::string cadena;
    for (const auto& par : secuencia) {
      cadena += par;
      if (!EsMiembro(par, r.pares)) r.pares.push_back(par);
    }
    r.cadenas.push_back(cadena);
  }
  return r;
}

}  // namespace referencia
