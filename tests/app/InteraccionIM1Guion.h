// TInteraccionIM1Guion: a scripted TInteraccionIM1 for the IM1 command flows. It shows the
// heuristic and bound dialogs as a user would use them (FormShow, a click, the K field,
// "Aceptar" or closing) and records what they showed, besides everything the KR script
// records for the acceptor and result windows.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "InteraccionKRGuion.h"
#include "app/ventanas/ElegirCotaSLogica.h"
#include "app/ventanas/ElegirHeuristicoLogica.h"
#include "app/interaccion/InteraccionIM1.h"
#include "core/Utilidades.h"

class TInteraccionIM1Guion : public TInteraccionKRGuion, public TInteraccionIM1 {
 public:
  // One entry per showing of the heuristic dialog: the K field's text typed first, then a
  // click on a radio button, then "Aceptar" or "Cancelar". An exhausted queue cancels.
  struct TAccionHeuristico {
    std::optional<std::string> textoK;
    std::optional<THeuristico> clic;
    bool aceptar = true;
  };
  std::deque<TAccionHeuristico> accionesHeuristico;
  // One entry per showing of the bound dialog: the bound clicked (by its text; none when
  // std::nullopt), then "Aceptar", or the close box when `aceptar` is false. An exhausted
  // queue closes it.
  struct TAccionCotaS {
    std::optional<std::string> cota;
    bool aceptar = true;
  };
  std::deque<TAccionCotaS> accionesCotaS;
  char separador = ',';

  // What the heuristic dialog showed right after FormShow, and after the click.
  struct TVistaHeuristico {
    bool label1 = false, levine = false, miclet = false, kSufijos = false, otro = false;
    bool labelK = false, parametroK = false;
    int valorK = -1, maximoK = -1;
    bool operator==(const TVistaHeuristico&) const = default;
  };
  std::vector<TVistaHeuristico> vistasHeuristico;
  std::vector<TVistaHeuristico> vistasTrasClic;
  std::vector<TLista> vistasCotaS;

  // Transcript lines added here: "Heuristico", "Heuristico cerrado", "CotaS: items",
  // "CotaS cerrado".
  TRespuesta ElegirHeuristico(TFelegirHeuristicoLogica& dialogo) override {
    transcripcion.push_back("Heuristico");
    dialogo.FormShow();
    vistasHeuristico.push_back(Vista(dialogo));
    TAccionHeuristico accion{std::nullopt, std::nullopt, false};
    if (!accionesHeuristico.empty()) {
      accion = accionesHeuristico.front();
      accionesHeuristico.pop_front();
    }
    if (accion.textoK) dialogo.PonerTextoK(*accion.textoK);
    if (accion.clic == THeuristico::Levine) dialogo.LevineClick();
    if (accion.clic == THeuristico::Miclet) dialogo.MicletClick();
    if (accion.clic == THeuristico::K_Sufijos) dialogo.K_SufijosClick();
    // OtroH has no handler: clicking the disabled button does nothing
    vistasTrasClic.push_back(Vista(dialogo));
    if (accion.aceptar) dialogo.BtnAceptarClick(*this);
    transcripcion.push_back("Heuristico cerrado");
    return accion.aceptar ? TRespuesta::Ok : TRespuesta::Cancelar;
  }

  TRespuesta ElegirCotaS(TFelegirCotaSLogica& dialogo) override {
    dialogo.FormShow();
    vistasCotaS.push_back(dialogo.ListaCotas());
    transcripcion.push_back("CotaS: " + ListaATexto(dialogo.ListaCotas()));
    TAccionCotaS accion{std::nullopt, false};
    if (!accionesCotaS.empty()) {
      accion = accionesCotaS.front();
      accionesCotaS.pop_front();
    }
    if (accion.cota)
      for (std::size_t i = 0; i < dialogo.ListaCotas().size(); ++i)
        if (dialogo.ListaCotas()[i] == *accion.cota) dialogo.Seleccionar(i);
    if (accion.aceptar) dialogo.BtnAceptarClick(*this);
    transcripcion.push_back("CotaS cerrado");
    return accion.aceptar ? TRespuesta::Ok : TRespuesta::Cancelar;
  }

  char SeparadorDecimal() const override { return separador; }

 private:
  static TVistaHeuristico Vista(const TFelegirHeuristicoLogica& d) {
    return {d.Label1Habilitado(), d.Habilitado(THeuristico::Levine), d.Habilitado(THeuristico::Miclet),
            d.Habilitado(THeuristico::K_Sufijos), d.Habilitado(THeuristico::OtroH), d.LabelKHabilitado(),
            d.ParametroKHabilitado(), d.ValorK(), d.MaximoK()};
  }
};
