// PasoAPaso: the replay is done on text lists; traces are as long as the acceptor is large,
// and the window asks for one step at a time. Sentences are built from the causes' data and
// the partition before each merge.
#include "app/PasoAPaso.h"

#include <algorithm>

#include "core/Utilidades.h"

namespace {

std::string Citado(const std::string& texto) { return "'" + texto + "'"; }

std::string ConK(int k) { return " (k = " + std::to_string(k) + ")"; }

}  // namespace

std::string TextoBloque(std::size_t numero, const TLista& bloque) {
  std::string texto = NombreBloque(numero) + " = ";
  TLista nombres;
  for (const auto& estado : bloque) nombres.push_back(NombreEnTraza(estado));
  return texto + ConjuntoATexto(nombres);
}

std::string NombreRegla(TReglaFusion regla) {
  switch (regla) {
    case TReglaFusion::Final: return "Ejemplos de la muestra (KR)";
    case TReglaFusion::Sucesor: return "Regla hacia delante: determinismo (KR)";
    case TReglaFusion::Predecesor: return "Regla hacia atr\xE1s: k-reversibilidad (KR)";
    case TReglaFusion::Sufijo: return "Mismo sufijo de k s\xEDmbolos (KC)";
    case TReglaFusion::Levine: return "Heur\xEDstico de Levine (IM1)";
    case TReglaFusion::Miclet: return "Heur\xEDstico de Miclet (IM1)";
    case TReglaFusion::KSufijos: return "Heur\xEDstico de k-sufijos (IM1)";
    case TReglaFusion::Otra: break;
  }
  return "Otra causa";
}

std::string FraseDeCausa(const TFusionTrazada& fusion, int k, const TTextoBloque& bloque) {
  const TCausaFusion& c = fusion.Detalle;
  const auto deBloque = [&](const std::string& estado) {
    const std::string texto = bloque ? bloque(estado) : std::string();
    return texto.empty() ? estado : texto;
  };
  const std::string par = fusion.Primero + " y " + fusion.Segundo;
  // the blocks joined, before the rule's reason
  const std::string bloques = deBloque(fusion.Primero) + " y " + deBloque(fusion.Segundo) + ": ";
  // the block that holds both states the rule reads (they are in one block already)
  const auto origenes = [&] {
    std::string texto = c.Origen1 + " y " + c.Origen2;
    if (const std::string comun = bloque ? bloque(c.Origen1) : std::string(); !comun.empty())
      texto += ", que ya est\xE1n en un mismo bloque, " + comun + ",";
    return texto;
  };
  switch (c.Regla) {
    case TReglaFusion::Final: return bloques + par + " son ejemplos de la muestra";
    case TReglaFusion::Sucesor:
      return bloques + par + " son los sucesores por " + Citado(c.Simbolo) + " de " + origenes() + " y deben unirse";
    case TReglaFusion::Predecesor:
      return bloques + par + " llevan por " + Citado(c.Simbolo) + " a " + origenes() +
             " y terminan en el mismo sufijo " + Citado(c.Sufijo) + ConK(k) + ": deben unirse";
    case TReglaFusion::Sufijo:
      return bloques + par + " terminan en el mismo sufijo " + Citado(c.Sufijo) + ConK(k);
    case TReglaFusion::Levine:
    case TReglaFusion::Miclet:
      return bloques + "la fuerza de " + par + " (" + c.Fuerza + ") alcanza la cota " + c.Cota;
    case TReglaFusion::KSufijos: return bloques + par + " tienen las mismas k-colas" + ConK(c.K);
    case TReglaFusion::Otra: break;
  }
  return bloques + (c.Texto.empty() ? par + " se unen" : c.Texto);
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
    const TParticion& antes = resultado.back().Particion;
    const auto bloque = [&](const std::string& enTraza) {
      const std::string estado = enTraza == kPalabraVaciaTraza ? std::string() : enTraza;
      for (std::size_t b = 0; b < antes.size(); ++b)
        if (std::find(antes[b].begin(), antes[b].end(), estado) != antes[b].end()) return TextoBloque(b, antes[b]);
      return std::string();
    };
    TPasoFusion paso{fusion, FraseDeCausa(fusion, k, bloque), antes};
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
