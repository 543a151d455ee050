// ObjetivoAbbadingo: the competition's generator (see the header for the source).
#include "automatas/objetivos/ObjetivoAbbadingo.h"

#include <cmath>
#include <queue>
#include <set>

#include "automatas/Minimizacion.h"
#include "automatas/objetivos/Azar.h"
#include "automatas/objetivos/GenerarMuestras.h"

int ProfundidadAbbadingo(int n) { return static_cast<int>(std::lround(2 * std::log2(n))) - 2; }
int LongitudAbbadingo(int n) { return static_cast<int>(std::lround(2 * std::log2(n))) + 3; }

int Profundidad(const TAutomataFinito& automata) {
  if (automata.Inicial() == TAutomataFinito::kNinguno) return -1;
  std::vector<int> distancia(automata.NumeroDeEstados(), -1);
  std::queue<int> cola;
  distancia[automata.Inicial()] = 0;
  cola.push(automata.Inicial());
  int maxima = 0;
  while (!cola.empty()) {
    const int q = cola.front();
    cola.pop();
    maxima = std::max(maxima, distancia[q]);
    for (const auto& arco : automata.Salidas(q))
      if (distancia[arco.destino] < 0) {
        distancia[arco.destino] = distancia[q] + 1;
        cola.push(arco.destino);
      }
  }
  return maxima;
}

TAutomataFinito ObjetivoAbbadingo(int n, std::uint64_t semilla) {
  TAzar azar(semilla);
  const int estados = 5 * n / 4;
  const int profundidad = ProfundidadAbbadingo(n);
  for (;;) {
    TAutomataFinito grafo(TLista{"a", "b"});
    for (int q = 0; q < estados; ++q) grafo.AnadirEstado({}, {}, azar.Moneda());
    for (int q = 0; q < estados; ++q)
      for (int a = 0; a < 2; ++a) grafo.AnadirTransicion(q, a, static_cast<int>(azar.Uniforme(estados)));
    grafo.PonerInicial(static_cast<int>(azar.Uniforme(estados)));
    TAutomataFinito minimo = Minimizar(grafo, TModoMinimo::Completo).automata;
    if (Profundidad(minimo) == profundidad) return minimo;
  }
}

TMuestrasProtocolo MuestrasAbbadingo(const TAutomataFinito& objetivo, std::size_t entrenamiento, std::size_t test,
                                     int longitud, std::uint64_t semilla) {
  // Strings are numbered by length, then in alphabet order: those of length l take the
  // numbers s^0 + ... + s^(l-1) up to s^0 + ... + s^l - 1.
  const std::uint64_t s = static_cast<std::uint64_t>(objetivo.NumeroDeSimbolos());
  std::vector<std::uint64_t> inicio{0};
  std::uint64_t potencia = 1;
  for (int l = 0; l <= longitud; ++l) {
    inicio.push_back(inicio.back() + potencia);
    if (s > 1) potencia *= s;
    else if (s == 0) potencia = 0;
  }
  const std::uint64_t total = inicio.back();
  TAzar azar(semilla);
  std::set<std::uint64_t> vistos;
  TMuestrasProtocolo muestras;
  const auto cadena = [&](std::uint64_t numero) {
    std::size_t l = 0;
    while (inicio[l + 1] <= numero) ++l;
    std::uint64_t resto = numero - inicio[l];
    TCadenaSimbolos simbolos(l);
    for (std::size_t i = l; i-- > 0;) {
      simbolos[i] = static_cast<int>(resto % s);
      resto /= s;
    }
    return TextoDeMuestra(objetivo, simbolos);
  };
  while (vistos.size() < entrenamiento + test && vistos.size() < total) {
    const std::uint64_t numero = azar.Uniforme(total);
    if (!vistos.insert(numero).second) continue;
    const std::string texto = cadena(numero);
    if (vistos.size() <= entrenamiento)
      (AceptaTexto(objetivo, texto) ? muestras.positiva : muestras.negativa).push_back(texto);
    else
      muestras.test.push_back(texto);
  }
  return muestras;
}
