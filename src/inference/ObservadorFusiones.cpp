// ObservadorFusiones: the trace's text of a cause, one word for the rule and its data after it.
#include "inference/ObservadorFusiones.h"

std::string TextoCausa(const TCausaFusion& causa) {
  switch (causa.Regla) {
    case TReglaFusion::Final: return "final";
    case TReglaFusion::Sucesor: return "sucesor " + causa.Simbolo;
    case TReglaFusion::Predecesor: return "predecesor " + causa.Simbolo + " " + causa.Sufijo;
    case TReglaFusion::Sufijo: return "sufijo " + causa.Sufijo;
    case TReglaFusion::Levine: return "levine " + causa.Fuerza + " " + causa.Cota;
    case TReglaFusion::Miclet: return "miclet " + causa.Fuerza + " " + causa.Cota;
    case TReglaFusion::KSufijos: return "k-sufijos " + std::to_string(causa.K);
    case TReglaFusion::Otra: break;
  }
  return causa.Texto;
}
