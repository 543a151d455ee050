// TGuionMealy: a scripted user for the SKR and SKC flows: the Mealy result window opens
// (FormShow), is optionally saved from, and closes as the script says; everything shown
// goes into the transcript.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/interaccion/InteraccionMealy.h"
#include "app/ventanas/MostrarMealyLogica.h"
#include "core/Lista.h"
#include "InteraccionGuion.h"

class TGuionMealy : public TInteraccionGuion, public TInteraccionMealy {
 public:
  // How each window is closed, in order; when none is left, "Cerrar".
  std::deque<TCierre> cierres;
  // Press "Guardar" in the window of this 0-based position (-1: never).
  int guardarEnVentana = -1;
  // The report of each window (GuardarResultados), and its grid.
  std::vector<TLista> informes;
  std::vector<TTablaTexto> rejillas;

  // Records "Mealy: caption | TextoK | Siguiente K on/off".
  TCierre MostrarMealy(TFmostrarMealyLogica& ventana) override {
    ventana.FormShow(*this);
    transcripcion.push_back("Mealy: " + ventana.Caption() + " | " + ventana.TextoK() + " | Siguiente K " +
                            (ventana.BotonSiguienteHabilitado() ? "on" : "off"));
    if (static_cast<int>(informes.size()) == guardarEnVentana) ventana.BotonGuardarClick(*this);
    ventana.GuardarResultados();
    informes.push_back(ventana.Informe());
    rejillas.push_back(ventana.Rejilla());
    ventana.FormClose();
    if (cierres.empty()) return TCierre::Cancelar;
    const TCierre cierre = cierres.front();
    cierres.pop_front();
    return cierre;
  }
};
