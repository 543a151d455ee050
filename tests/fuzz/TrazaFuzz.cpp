// Fuzz target: the trace of the merges (--traza). The input is a positive sample file; its
// last bytes pick KR or KC and k. Properties: every trace line splits into its four fields
// (a tab inside a state name is written visibly); every merge of two states the result keeps
// (KR's marked states leave it) joins two states of one block, and those merges are as many
// as the blocks' sizes less one each, so the trace tells the whole partition.
#include <map>

#include "Fuzz.h"
#include "cli/SalidaTraza.h"
#include "core/Texto.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"
#include "inference/Incremental.h"

namespace {

using fuzz::Comprobar;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  if (tamano > 512) return 0;
  fuzz::TBytes bytes(datos, tamano);
  const bool kr = bytes.Byte() % 2 == 0;
  const unsigned k = bytes.Byte() % 4;
  const auto muestra = fuzz::LeerMuestra(bytes.Resto());
  if (!muestra || k > LongitudMaxima(*muestra) || (kr && UsaMarcaFinal(*muestra))) return 0;
  TTrazaFusiones traza;
  const auto automata = InferenciaInicial(static_cast<int>(k), kr ? TAlgoritmoK::KR : TAlgoritmoK::KC, *muestra, &traza);

  for (const auto& linea : LineasTraza(traza.Pasos))
    Comprobar(std::count(linea.begin(), linea.end(), '\t') == 3, "una l\xC3\xADnea de la traza tiene cuatro campos");

  std::map<std::string, std::size_t> bloqueDe;
  std::size_t fusiones = 0;
  const TParticion& bloques = automata->Bloques();
  for (std::size_t b = 0; b < bloques.size(); ++b) {
    for (const auto& estado : bloques[b]) bloqueDe[AMinusculas(NombreEnTraza(estado))] = b;
    fusiones += bloques[b].empty() ? 0 : bloques[b].size() - 1;
  }
  std::size_t entreGuardados = 0;
  for (const auto& paso : traza.Pasos) {
    const auto primero = bloqueDe.find(AMinusculas(paso.Primero));
    const auto segundo = bloqueDe.find(AMinusculas(paso.Segundo));
    if (kr && (primero == bloqueDe.end() || segundo == bloqueDe.end())) {
      Comprobar(paso.Primero.back() == '$' && paso.Segundo.back() == '$', "solo los estados marcados dejan el resultado");
      continue;
    }
    Comprobar(primero != bloqueDe.end() && segundo != bloqueDe.end() && primero->second == segundo->second,
              "cada fusi\xC3\xB3n une dos estados de un bloque");
    ++entreGuardados;
  }
  Comprobar(entreGuardados == fusiones, "las fusiones son tantas como los estados unidos");
  return 0;
}
