// Fuzz target: the diagram writers. The input is a positive sample file (small: every state
// is laid out); its last byte picks k. The acceptor and the KC result for k are written in
// every format and each document read back: DOT by cgraph, SVG and .jff by expat, JSON by a
// strict reader, TikZ by its structure (ComprobarFormatos.h). Property: every reader takes
// every document.
#include "../diagram/ComprobarFormatos.h"
#include "Fuzz.h"
#include "diagram/DiagramaDeAutomata.h"
#include "diagram/Disposicion.h"
#include "diagram/EscritorDot.h"
#include "diagram/EscritorJff.h"
#include "diagram/EscritorJson.h"
#include "diagram/EscritorTikz.h"
#include "inference/AlgoritmoKC.h"
#include "inference/ModoInferencia.h"
#include "results/DatosResultado.h"

namespace {

using fuzz::Comprobar;

void ComprobarEscritores(const TDiagrama& diagrama) {
  if (diagrama.estados.size() > 60) return;
  Comprobar(formatos::ErrorDot(EscribirDot(diagrama)).empty(), "cgraph lee el DOT");
  Comprobar(formatos::ErrorJson(EscribirJson(diagrama)).empty(), "el JSON es JSON");
  const TDisposicion disposicion = Disponer(diagrama);
  Comprobar(formatos::ErrorXml(Renderizar(diagrama, "svg")).empty(), "expat lee el SVG");
  Comprobar(formatos::ErrorXml(EscribirJff(diagrama, disposicion)).empty(), "expat lee el .jff");
  Comprobar(formatos::ErrorTikz(EscribirTikz(diagrama, disposicion)).empty(), "el TikZ est\xC3\xA1 bien formado");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  if (tamano > 256) return 0;
  fuzz::TBytes bytes(datos, tamano);
  const unsigned k = bytes.Byte() % 3;
  const auto muestra = fuzz::LeerMuestra(bytes.Resto());
  if (!muestra || LineaConCadenaVaciaDentro(*muestra) != 0) return 0;
  TAutomata aceptor(*muestra);
  ComprobarEscritores(DiagramaAceptor(aceptor, false));
  if (k > LongitudMaxima(*muestra)) return 0;
  AlgoritmoKC(aceptor, static_cast<int>(k), TModoInferencia::Silencioso);
  ComprobarEscritores(DiagramaCociente(aceptor, CalcularDatosResultado(aceptor)));
  return 0;
}
