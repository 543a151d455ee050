// PasoAPaso: the replay is done on text lists; traces are as long as the acceptor is large,
// and the window asks for one step at a time.
#include "app/pasos/PasosDeFusion.h"

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::string> Palabras(const std::string& texto) {
  std::istringstream entrada(texto);
  std::vector<std::string> palabras;
  for (std::string palabra; entrada >> palabra;) palabras.push_back(palabra);
  return palabras;
}

std::string Citado(const std::string& texto) { return "'" + texto + "'"; }

std::string ConK(int k) { return " (k = " + std::to_string(k) + ")"; }

}  // namespace

std::string FraseDeCausa(const TFusionTrazada& fusion, int k) {
  const auto palabras = Palabras(fusion.Causa);
  const std::string par = fusion.Primero + " y " + fusion.Segundo;
  if (palabras.empty()) return fusion.Causa;
  const std::string& regla = palabras[0];
  if (regla == "final") return par + " son ejemplos de la muestra";
  if (regla == "sucesor" && palabras.size() == 2)
    return "los sucesores por " + Citado(palabras[1]) + " de un mismo bloque deben unirse";
  if (regla == "predecesor" && palabras.size() == 3)
    return "predecesores por " + Citado(palabras[1]) + " con el mismo sufijo " + Citado(palabras[2]) + ConK(k);
  if (regla == "sufijo" && palabras.size() == 2)
    return par + " terminan en el mismo sufijo " + Citado(palabras[1]) + ConK(k);
  if ((regla == "levine" || regla == "miclet") && palabras.size() == 3)
    return "la fuerza de " + par + " (" + palabras[1] + ") alcanza la cota " + palabras[2] +
           (regla == "levine" ? " (Levine)" : " (Miclet)");
  if (regla == "k-sufijos" && palabras.size() == 2) return par + " tienen las mismas k-colas (k = " + palabras[1] + ")";
  return fusion.Causa;
}

bool AplicarFusion(TParticion& bloques, const TFusionTrazada& fusion) {
  const auto nombre = [](const std::string& enTraza) { return enTraza == kPalabraVaciaTraza ? "" : enTraza; };
  const auto bloqueDe = [&](const std::string& estado) {
    return std::find_if(bloques.begin(), bloques.end(), [&](const TLista& bloque) {
      return std::find(bloque.begin(), bloque.end(), estado) != bloque.end();
    });
  };
  const auto b1 = bloqueDe(nombre(fusion.Primero));
  const auto b2 = bloqueDe(nombre(fusion.Segundo));
  if (b1 == bloques.end() || b2 == bloques.end() || b1 == b2) return false;
  TLista unido = std::move(*b1);
  unido.insert(unido.end(), b2->begin(), b2->end());
  // erase the later one first so the earlier iterator stays valid
  bloques.erase(std::max(b1, b2));
  bloques.erase(std::min(b1, b2));
  bloques.push_back(std::move(unido));
  return true;
}

std::vector<TPasoFusion> PasosDeTraza(const TLista& estados, const std::vector<TFusionTrazada>& pasos, int k) {
  std::vector<TPasoFusion> resultado;
  resultado.reserve(pasos.size() + 1);
  TPasoFusion inicial;
  for (const auto& estado : estados) inicial.Particion.push_back({estado});
  resultado.push_back(std::move(inicial));
  for (const auto& fusion : pasos) {
    TPasoFusion paso{fusion, FraseDeCausa(fusion, k), resultado.back().Particion};
    AplicarFusion(paso.Particion, fusion);
    resultado.push_back(std::move(paso));
  }
  return resultado;
}

TAutomata CocienteDePaso(const TAutomata& aceptor, const TPasoFusion& paso) {
  TAutomata cociente = aceptor;
  cociente.PonerBloques(paso.Particion);
  return cociente;
}
