// ParSA: pair-line syntax of situation/action samples.
#include "inference/mealy/ParSA.h"

#include <algorithm>

#include "core/Utilidades.h"

namespace {

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits that starts at `desde` in `texto`.
std::size_t Digitos(std::string_view texto, std::size_t desde) {
  std::size_t n = 0;
  while (desde + n < texto.size() && EsDigito(texto[desde + n])) ++n;
  return n;
}

}  // namespace

bool EsLineaDePar(std::string_view linea) {
  const std::string p = QuitarBlancosYBarras(linea);
  if (p.empty() || p[0] != 'S') return false;
  const std::size_t situacion = Digitos(p, 1);
  if (situacion < 1 || situacion > 4) return false;
  const std::size_t posA = 1 + situacion;
  if (posA >= p.size() || p[posA] != 'A') return false;
  const std::size_t accion = Digitos(p, posA + 1);
  return accion >= 1 && accion <= 4 && posA + 1 + accion == p.size();
}

std::size_t PrimeraLineaIncorrecta(const TLista& muestra) {
  for (std::size_t i = 0; i < muestra.size(); ++i)
    if (!muestra[i].empty() && !EsLineaDePar(muestra[i])) return i + 1;
  return 0;
}

bool MuestraSAUtilizable(const TLista& muestra) {
  return std::any_of(muestra.begin(), muestra.end(),
                     [](const std::string& linea) { return linea.empty(); });
}
