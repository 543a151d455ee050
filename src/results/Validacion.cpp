// Validacion: percentage with banker's rounding, done in integers so that halves are exact.
#include "results/Validacion.h"

int PorcentajeAciertos(int aceptados, int total) {
  if (total <= 0) return 0;
  const long long numerador = 100LL * aceptados;
  long long cociente = numerador / total;
  const long long resto2 = 2 * (numerador % total);
  if (resto2 > total || (resto2 == total && cociente % 2 != 0)) ++cociente;
  return static_cast<int>(cociente);
}
