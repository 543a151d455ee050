// Fuzz target: KR, KC, the search for k against a negative sample and IM1 with its three
// heuristics on small samples. The input is a positive sample file, optionally followed by
// a NUL byte and a negative sample file; its last bytes pick the algorithm, k (or the
// Levine bound) and a renaming of the symbols. Properties: every result accepts every
// training example; KR and KC results are deterministic; a negative search's result
// rejects every negative example, and without one the largest k accepts some negative;
// the result windows count as the table's language decides; renaming the samples' symbols
// renames the result and changes nothing else.
#include <memory>

#include "Fuzz.h"
#include "app/ventanas/ElegirCotaSLogica.h"
#include "app/ventanas/MostrarAutomataDeterLogica.h"
#include "app/ventanas/MostrarAutomataLogica.h"
#include "app/sesion/Sesion.h"
#include "inference/AlgoritmoIM1.h"
#include "inference/AlgoritmoKR.h"
#include "inference/BusquedaK.h"
#include "inference/Incremental.h"

namespace {

using fuzz::Comprobar;

enum class TOrden { KR, KC, NegativaKR, NegativaKC, KSufijos, Levine, Miclet };

bool EsKRoKC(TOrden orden) { return orden <= TOrden::NegativaKC; }
bool EsNegativa(TOrden orden) { return orden == TOrden::NegativaKR || orden == TOrden::NegativaKC; }
TAlgoritmoK Letra(TOrden orden) {
  return orden == TOrden::KR || orden == TOrden::NegativaKR ? TAlgoritmoK::KR : TAlgoritmoK::KC;
}

struct TResultado {
  std::unique_ptr<TAutomata> automata;  // null when the order gives no result
  int k = -1;
};

// Runs the order as telar-cli does; `parametro` picks k (or the Levine bound).
TResultado Inferir(TOrden orden, unsigned parametro, const TLista& positiva, const TLista& negativa) {
  const int longitud = static_cast<int>(LongitudMaxima(positiva));
  const int k = static_cast<int>(parametro % (longitud + 1));
  if (orden == TOrden::KR || orden == TOrden::KC) return {InferenciaInicial(k, Letra(orden), positiva), k};
  if (EsNegativa(orden)) {
    auto solucion = BuscarKNegativo(Letra(orden), positiva, negativa, longitud);
    if (!solucion) return {};
    return {std::move(solucion->automata), solucion->k};
  }
  auto automata = std::make_unique<TAutomata>(positiva);
  TParametrosIM1 parametros{THeuristico::K_Sufijos, k, {}};
  std::unique_ptr<TDatosStren> datos;
  if (orden != TOrden::KSufijos) {
    parametros = {orden == TOrden::Levine ? THeuristico::Levine : THeuristico::Miclet, longitud, {}};
    datos = CalcularDatosStren(*automata, longitud);
    const TLista cotas = OrdenarComoListBox(*datos->Cotas);
    if (orden == TOrden::Miclet) parametros.S = ObtenerCotaMenor(*datos->Cotas);
    else if (cotas.empty()) return {};
    else parametros.S = cotas[parametro % cotas.size()];
  }
  AlgoritmoIM1(*automata, parametros, datos ? datos->Tabla.get() : nullptr);
  return {std::move(automata), parametros.K};
}

void ComprobarResultado(TOrden orden, const TResultado& resultado, const TLista& positiva, const TLista& negativa) {
  if (!resultado.automata) {
    if (!EsNegativa(orden)) return;
    const auto ultimo = InferenciaInicial(static_cast<int>(LongitudMaxima(positiva)), Letra(orden), positiva);
    const TDatosResultado datos = CalcularDatosResultado(*ultimo);
    bool aceptaAlguno = false;
    for (const auto& ejemplo : negativa) aceptaAlguno = aceptaAlguno || fuzz::Acepta(*ultimo, datos, ejemplo);
    Comprobar(aceptaAlguno, "sin solucion, el resultado de la mayor k acepta algun negativo");
    return;
  }
  const TAutomata& automata = *resultado.automata;
  const TDatosResultado datos = CalcularDatosResultado(automata);
  for (const auto& ejemplo : positiva)
    Comprobar(fuzz::Acepta(automata, datos, ejemplo), "el resultado acepta cada ejemplo de entrenamiento");
  if (EsKRoKC(orden)) Comprobar(datos.EsDeterminista(), "KR y KC dan automatas deterministas");
  if (EsNegativa(orden)) {
    Comprobar(RechazaTodos(automata, negativa), "RechazaTodos tras la busqueda");
    for (const auto& ejemplo : negativa)
      Comprobar(!fuzz::Acepta(automata, datos, ejemplo), "el resultado rechaza cada ejemplo negativo");
  }

  // the windows (report, conversion, validation) over every example of both samples
  TLista prueba = positiva;
  prueba.insert(prueba.end(), negativa.begin(), negativa.end());
  int aceptados = 0;
  for (const auto& ejemplo : prueba) aceptados += fuzz::Acepta(automata, datos, ejemplo);
  TSesion sesion;
  sesion.MuestraPositiva = positiva;
  fuzz::TInteraccionMuda muda;
  TFmostrarAutomataLogica ventana(automata, sesion);
  ventana.FormShow(muda);
  ventana.GuardarResultados();
  if (ventana.EsDeterminista())
    Comprobar(ventana.CuentasValidacion(prueba).aceptados == aceptados, "la ventana valida como la tabla");
  TFmostrarAutomataDeterLogica determinista(ventana);
  determinista.FormShow(muda);
  determinista.GuardarResultados();
  Comprobar(determinista.CuentasValidacion(prueba).aceptados == aceptados,
            "el automata determinista valida como la tabla");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t tamano) {
  if (tamano > 512) return 0;  // small samples: the Stren table and the search grow fast
  fuzz::TBytes datos(bytes, tamano);
  const auto orden = static_cast<TOrden>(datos.Byte() % 7);
  const unsigned parametro = datos.Byte();
  const unsigned semilla = datos.Byte();
  const std::string texto(datos.Resto());
  const std::size_t corte = std::min(texto.find('\0'), texto.size());
  const auto positiva = fuzz::LeerMuestra(std::string_view(texto).substr(0, corte));
  if (!positiva) return 0;
  TLista negativa;
  if (EsNegativa(orden)) {
    const auto leida = fuzz::LeerMuestra(corte < texto.size() ? std::string_view(texto).substr(corte + 1) : "");
    if (!leida) return 0;
    negativa = *leida;
  }
  if (Letra(orden) == TAlgoritmoK::KR && EsKRoKC(orden) && UsaMarcaFinal(*positiva)) return 0;  // KR refuses "$"

  const TResultado resultado = Inferir(orden, parametro, *positiva, negativa);
  ComprobarResultado(orden, resultado, *positiva, negativa);

  const fuzz::TRenombrado renombrar({&*positiva, &negativa}, semilla);
  if (!renombrar.Completo()) return 0;
  const TResultado renombrado = Inferir(orden, parametro, renombrar(*positiva), renombrar(negativa));
  Comprobar(!resultado.automata == !renombrado.automata && resultado.k == renombrado.k,
            "renombrar los simbolos no cambia si hay resultado ni su k");
  if (resultado.automata)
    Comprobar(renombrar(resultado.automata->Bloques()) == renombrado.automata->Bloques(),
              "renombrar los simbolos solo renombra los bloques del resultado");
  return 0;
}
