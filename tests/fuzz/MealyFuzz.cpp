// Fuzz target: situation/action sample files as SKR and SKC read them and the search over
// k. The input is a .sya file; its last bytes pick SKR or SKC and a renaming of the
// situation and action numbers. Properties: a consistent machine follows every training
// sequence (one transition per pair) to a state that ends a sequence; renaming the numbers
// (lengths changing) renames every k's partition and changes nothing else.
#include <map>
#include <random>

#include "Fuzz.h"
#include "app/comandos/ComandosMealy.h"
#include "app/muestras/LecturaMealy.h"
#include "app/ventanas/MostrarMealyLogica.h"
#include "app/sesion/Sesion.h"
#include "core/Utilidades.h"
#include "inference/mealy/BusquedaMealy.h"
#include "inference/mealy/ParSA.h"

namespace {

using fuzz::Comprobar;

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// Renames every number of a text of pairs one to one onto numbers of one to four digits,
// each chosen when first met; "0" stays, so the null pair stays null.
class TRenombradoPares {
 public:
  explicit TRenombradoPares(unsigned semilla) : m_azar(semilla) {}
  std::string operator()(const std::string& texto) {
    std::string renombrado;
    for (std::size_t i = 0, fin = 0; i < texto.size(); i = fin) {
      for (fin = i; fin < texto.size() && EsDigito(texto[fin]);) ++fin;
      if (fin == i) renombrado += texto[fin++];
      else renombrado += Nuevo(texto.substr(i, fin - i));
    }
    return renombrado;
  }

 private:
  const std::string& Nuevo(const std::string& numero) {
    static constexpr int kTopes[] = {9, 99, 999, 9999};
    auto [it, nuevo] = m_tabla.try_emplace(numero, "0");
    if (nuevo && numero != "0") {
      do it->second = std::to_string(std::uniform_int_distribution<int>(1, kTopes[m_azar() % 4])(m_azar));
      while (!m_usados.insert(it->second).second);
    }
    return it->second;
  }
  std::mt19937 m_azar;
  std::map<std::string, std::string> m_tabla;
  std::set<std::string> m_usados = {"0"};
};

// The pair symbols of a sequence string ("S1A2S3A4" gives S1A2, S3A4).
TLista Pares(const std::string& cadena) {
  TLista pares;
  for (std::size_t i = 0; i < cadena.size(); ++i) {
    if (cadena[i] == 'S' && i > 0) pares.push_back({});
    if (pares.empty()) pares.push_back({});
    pares.back() += cadena[i];
  }
  return pares;
}

// The number n of the one "q"+n in `texto`; -1 when there is none or more than one.
int UnicoBloque(const std::string& texto) {
  if (texto.size() < 2 || texto[0] != 'q' || texto.find('q', 1) != std::string::npos) return -1;
  return std::stoi(texto.substr(1));
}

void ComprobarMaquina(const TMaquinaMealy& maquina, const TLista& cadenasSA) {
  for (const auto& cadena : cadenasSA) {
    const TLista pares = Pares(cadena);
    if (EsMiembro("S0A0", pares)) continue;  // a null pair after the first keeps its text only
    int bloque = UnicoBloque(maquina.TextoEstadoInicial());
    for (const auto& par : pares) {
      Comprobar(bloque >= 0, "la maquina sigue cada secuencia de entrenamiento con una transicion por par");
      bloque = UnicoBloque(maquina.DestinosMealy(static_cast<std::size_t>(bloque), par));
    }
    Comprobar(bloque >= 0, "la maquina sigue cada secuencia de entrenamiento con una transicion por par");
    bool final = false;
    for (const auto& estado : maquina.Bloques()[static_cast<std::size_t>(bloque)])
      final = final || EsMiembro(estado, maquina.Finales());
    Comprobar(final, "cada secuencia de entrenamiento acaba en un estado final");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t tamano) {
  if (tamano > 1024) return 0;
  fuzz::TBytes datos(bytes, tamano);
  const unsigned eleccion = datos.Byte();
  const TAlgoritmoMealy algoritmo = eleccion % 2 ? TAlgoritmoMealy::SKR : TAlgoritmoMealy::SKC;
  const TLecturaTexto lectura = DecodificarTexto(datos.Resto(), "fuzz");
  if (!lectura.Correcta()) return 0;
  TSesion sesion;
  fuzz::TInteraccionMuda muda;
  sesion.ElegirTipo(TTipoMuestra::TipoM_SA);
  sesion.DarValoresSegunTipo(lectura.lineas, muda);
  const TLecturaMealy modelo = LeerModeloMealy(algoritmo, sesion.MuestraSA, sesion.CadenasSA);
  if (!modelo.modelo) return 0;
  const TBusquedaMealy busqueda(algoritmo, *modelo.modelo, sesion.CadenasSA);

  TRenombradoPares renombrar(eleccion / 2);
  TLista lineas;
  for (const auto& linea : sesion.MuestraSA) lineas.push_back(renombrar(QuitarBlancosYBarras(linea)));
  TLista cadenas;
  const TLecturaMealy otro = LeerModeloMealy(algoritmo, lineas, cadenas);
  Comprobar(otro.modelo != nullptr, "la muestra renombrada se lee");
  const TBusquedaMealy renombrada(algoritmo, *otro.modelo, cadenas);
  Comprobar(renombrada.Maximo() == busqueda.Maximo(), "renombrar no cambia la mayor k");

  for (int k = 0; k <= std::min(busqueda.Maximo(), 6); ++k) {
    const TPasoMealy paso = busqueda.Paso(k);
    const TPasoMealy pasoRenombrado = renombrada.Paso(k);
    Comprobar(paso.Consistente() == pasoRenombrado.Consistente(), "renombrar no cambia la consistencia");
    TParticion bloques;
    for (const auto& bloque : paso.automata->Bloques()) {
      bloques.emplace_back();
      for (const auto& estado : bloque) bloques.back().push_back(renombrar(estado));
    }
    Comprobar(bloques == pasoRenombrado.automata->Bloques(), "renombrar solo renombra los bloques");
    if (!paso.Consistente()) continue;
    ComprobarMaquina(*paso.maquina, sesion.CadenasSA);
    TFmostrarMealyLogica ventana(*paso.maquina);
    PrepararVentanaMealy(ventana, busqueda, k);
    ventana.FormShow(muda);
    ventana.GuardarResultados();
  }
  return 0;
}
