// GenerarMuestras: uniform drawing by counting, without repetition (see the header).
#include "automatas/objetivos/GenerarMuestras.h"

#include <set>

#include "automatas/Minimizacion.h"

namespace {

// A complete deterministic automaton as a dense table, with the strings it counts.
struct TTablaConteo {
  std::vector<std::vector<int>> delta;  // delta[q][a]
  std::vector<bool> cuenta;             // the states whose strings are counted
  int inicial = 0;
  // c[l][q]: strings of length l from q ending in a counted state; doubles, so a long
  // length saturates gracefully instead of overflowing (the draw only needs ratios).
  std::vector<std::vector<double>> c;

  void Contar(std::size_t longitud) {
    c.assign(longitud + 1, std::vector<double>(delta.size(), 0));
    for (std::size_t q = 0; q < delta.size(); ++q) c[0][q] = cuenta[q] ? 1 : 0;
    for (std::size_t l = 1; l <= longitud; ++l)
      for (std::size_t q = 0; q < delta.size(); ++q)
        for (int d : delta[q]) c[l][q] += c[l - 1][d];
  }

  TCadenaSimbolos Sacar(std::size_t l, TAzar& azar) const {
    TCadenaSimbolos cadena;
    int q = inicial;
    for (std::size_t resto = l; resto > 0; --resto) {
      double x = azar.Real() * c[resto][q];
      int elegido = -1;
      for (std::size_t a = 0; a < delta[q].size(); ++a) {
        const double peso = c[resto - 1][delta[q][a]];
        if (peso <= 0) continue;
        elegido = static_cast<int>(a);
        if (x < peso) break;
        x -= peso;
      }
      cadena.push_back(elegido);
      q = delta[q][elegido];
    }
    return cadena;
  }
};

TTablaConteo Tabla(const TAutomataFinito& objetivo, int clase) {
  // clase: 1 positives, 0 negatives, -1 every string
  const TAutomataFinito completo = Minimizar(objetivo, TModoMinimo::Completo).automata;
  TTablaConteo tabla;
  const int n = completo.NumeroDeEstados();
  tabla.delta.assign(n, std::vector<int>(completo.NumeroDeSimbolos(), 0));
  tabla.cuenta.assign(n, false);
  for (int q = 0; q < n; ++q) {
    for (int a = 0; a < completo.NumeroDeSimbolos(); ++a) tabla.delta[q][a] = completo.Destino(q, a);
    tabla.cuenta[q] = clase < 0 || completo.EsFinal(q) == (clase == 1);
  }
  tabla.inicial = completo.Inicial();
  return tabla;
}

// Up to `n` distinct strings of length <= longitud, lengths uniform among those not
// exhausted; all of them when there are no more than `n`.
std::vector<TCadenaSimbolos> Sacar(const TTablaConteo& tabla, std::size_t n, std::size_t longitud, TAzar& azar) {
  std::vector<double> quedan(longitud + 1);
  double total = 0;
  for (std::size_t l = 0; l <= longitud; ++l) total += quedan[l] = tabla.c[l][tabla.inicial];
  std::vector<TCadenaSimbolos> cadenas;
  std::set<TCadenaSimbolos> vistas;
  while (cadenas.size() < n && static_cast<double>(cadenas.size()) < total) {
    std::vector<std::size_t> abiertas;
    for (std::size_t l = 0; l <= longitud; ++l)
      if (quedan[l] >= 1) abiertas.push_back(l);
    const std::size_t l = abiertas[azar.Uniforme(abiertas.size())];
    TCadenaSimbolos cadena = tabla.Sacar(l, azar);
    if (!vistas.insert(cadena).second) continue;
    quedan[l] -= 1;
    cadenas.push_back(std::move(cadena));
  }
  return cadenas;
}

void Llenar(const TAutomataFinito& objetivo, int clase, std::size_t n, const TPeticionMuestras& peticion, TAzar& azar,
            TLista& destino, std::vector<std::string>& avisos) {
  if (n == 0) return;
  TTablaConteo tabla = Tabla(objetivo, clase);
  tabla.Contar(peticion.longitud);
  for (const auto& cadena : Sacar(tabla, n, peticion.longitud, azar)) destino.push_back(TextoDeMuestra(objetivo, cadena));
  if (destino.size() == n) return;
  const char* que = clase == 1 ? "positivos" : clase == 0 ? "negativos" : "de test";
  const std::string hasta = " de longitud hasta " + std::to_string(peticion.longitud);
  if (destino.empty())
    avisos.push_back(clase == 1 ? "El objetivo no acepta ninguna cadena" + hasta + ": no hay positivos."
                                : clase == 0 ? "El objetivo acepta todas las cadenas" + hasta + ": no hay negativos."
                                             : "No hay cadenas de test" + hasta + ".");
  else
    avisos.push_back("Se pidieron " + std::to_string(n) + " ejemplos " + que + ", pero solo hay " +
                     std::to_string(destino.size()) + hasta + ": se han sacado todos.");
}

}  // namespace

std::string ProblemaDeObjetivo(const TAutomataFinito& objetivo) {
  for (const auto& simbolo : objetivo.Alfabeto())
    if (simbolo.size() != 1 || simbolo == "&" || simbolo == "$")
      return "El s\xEDmbolo \"" + simbolo + "\" del objetivo no puede escribirse en una muestra (cada s\xEDmbolo ha de ser "
             "un car\xE1" "cter distinto de & y $).";
  return {};
}

std::string TextoDeMuestra(const TAutomataFinito& automata, const TCadenaSimbolos& cadena) {
  std::string texto;
  for (int s : cadena) texto += automata.Alfabeto()[s];
  return texto;
}

bool AceptaTexto(const TAutomataFinito& objetivo, const std::string& texto) {
  if (texto.empty()) return objetivo.Acepta({});
  const auto cadena = objetivo.CadenaDeTexto(texto);
  return cadena && objetivo.Acepta(*cadena);
}

TMuestrasGeneradas GenerarMuestras(const TAutomataFinito& objetivo, const TPeticionMuestras& peticion) {
  TMuestrasGeneradas muestras;
  TAzar azar(peticion.semilla);
  Llenar(objetivo, 1, peticion.positivos, peticion, azar, muestras.positiva, muestras.avisos);
  Llenar(objetivo, 0, peticion.negativos, peticion, azar, muestras.negativa, muestras.avisos);
  Llenar(objetivo, -1, peticion.test, peticion, azar, muestras.test, muestras.avisos);
  return muestras;
}
