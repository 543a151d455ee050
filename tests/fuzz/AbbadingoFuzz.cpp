// Fuzz target: the Abbadingo reader and writer. The input is read as an Abbadingo file and,
// when it is one, written back and read again; it is also read as a sample file whose lines
// over a..z (and "&") become the positive, negative and test samples of one Abbadingo file.
// Properties: reading what the writer wrote gives the same samples (a round trip), and the
// writer refuses nothing the reader gave.
#include "Fuzz.h"
#include "app/muestras/Abbadingo.h"

namespace {

using fuzz::Comprobar;

void IdaYVuelta(const TMuestrasAbbadingo& muestras) {
  std::string error;
  const TLista escrito = EscribirAbbadingo(muestras, error);
  Comprobar(error.empty(), "el escritor acepta las muestras");
  const TLecturaAbbadingo releida = LeerAbbadingo(escrito, "fuzz");
  Comprobar(releida.Correcta(), "el lector acepta lo escrito");
  Comprobar(releida.muestras == muestras, "leer lo escrito da las mismas muestras");
}

bool SobreLetras(const std::string& linea) {
  return linea == "&" || std::all_of(linea.begin(), linea.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  if (tamano > 4096) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);
  const TLecturaTexto lectura = DecodificarTexto(bytes, "fuzz");
  if (!lectura.Correcta()) return 0;
  const TLecturaAbbadingo abbadingo = LeerAbbadingo(lectura.lineas, "fuzz");
  if (abbadingo.Correcta()) IdaYVuelta(abbadingo.muestras);

  // the lines as samples, dealt out to the three kinds by position
  TMuestrasAbbadingo muestras;
  for (std::size_t i = 0; i < lectura.lineas.size(); ++i) {
    const std::string& linea = lectura.lineas[i];
    if (linea.empty() || !SobreLetras(linea)) continue;
    (i % 3 == 0 ? muestras.positiva : i % 3 == 1 ? muestras.negativa : muestras.test).push_back(linea);
  }
  IdaYVuelta(muestras);
  return 0;
}
