// TSesion: what the main window holds while the program runs: the six sample lists, the
// checked sample kind, the KR and KC variants, the enabled algorithm commands and the
// sample viewer's memo. The Qt main window owns one and only displays it.
//
// Using it from a window: every change goes through a method below; after any of them the
// registered AlCambiar callback runs, and the window then re-reads what it shows
// (CaptionBoton, BotonHabilitado/Habilitado, Tipo, VarianteKR/KC, MemoMuestra). Texts are
// Windows-1252; the window converts them with Cp1252AUtf8.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/Lista.h"

class TInteraccion;
struct TObjetivo;

// The four sample kinds, named as their radio items under "&Configuración" / "&Muestra".
enum class TTipoMuestra { TipoM_Pos, TipoM_Neg, TipoM_Test, TipoM_SA };

inline constexpr std::array<TTipoMuestra, 4> kTiposMuestra = {
    TTipoMuestra::TipoM_Pos, TTipoMuestra::TipoM_Neg, TTipoMuestra::TipoM_Test,
    TTipoMuestra::TipoM_SA};

struct TDatosTipoMuestra {
  const char* componente;    // objectName of the menu item: "TipoM_Pos"
  const char* caption;       // menu caption: "Positiva"
  const char* captionBoton;  // caption of the four sample buttons: "S+"
  const char* extension;     // file extension without dot: "pos"
  int indiceFiltro;          // 1-based index in the sample file filter
};

// Fixed data of a kind: Positiva/S+/pos/1, Negativa/S-/neg/2, Test/S test/tst/3,
// Situación/Acción/S/A/sya/4.
const TDatosTipoMuestra& DatosTipoMuestra(TTipoMuestra tipo);

// The variants of KR and KC, named as their radio items under "K&R..." and "K&C...".
enum class TVarianteKR { TipoKR_N, TipoKR_I, TipoKR_E };
enum class TVarianteKC { TipoKC_N, TipoKC_I, TipoKC_E };

struct TDatosVariante {
  const char* componente;    // objectName of the menu item: "TipoKR_I"
  const char* caption;       // menu caption: "KR incremental"
  const char* captionBoton;  // caption of BotonKR/BotonKC: "KR i"
};

// "KR"/"KR incremental"/"KR ejemplos negativos" with buttons "KR", "KR i", "KR -".
const TDatosVariante& DatosVarianteKR(TVarianteKR variante);
// "KC"/"KC incremental"/"KC ejemplos negativos" with buttons "KC", "KC i", "KC -".
const TDatosVariante& DatosVarianteKC(TVarianteKC variante);

// The algorithm commands that the enabling rules switch on; each stands for its menu
// item(s) under "&Algoritmos" (the whole "K&R"/"K&C" submenu) and its tool button.
enum class TAlgoritmo { IM1, KR, KC, SKR, SKC };

// The nine tool buttons of the main window, left to right.
enum class TBotonPrincipal {
  BotonAbrir, BotonGuardar, BotonVer, BotonNueva,
  BotonIM1, BotonKR, BotonKC, BotonSKR, BotonSKC
};

inline constexpr std::array<TBotonPrincipal, 9> kBotonesPrincipales = {
    TBotonPrincipal::BotonAbrir, TBotonPrincipal::BotonGuardar, TBotonPrincipal::BotonVer,
    TBotonPrincipal::BotonNueva, TBotonPrincipal::BotonIM1,     TBotonPrincipal::BotonKR,
    TBotonPrincipal::BotonKC,    TBotonPrincipal::BotonSKR,     TBotonPrincipal::BotonSKC};

struct TDatosBoton {
  const char* componente;  // objectName: "BotonAbrir"
  const char* hint;        // tool tip: "Abrir archivo muestra", "Ejecutar algoritmo"
  // the algorithm whose enabling rule governs the button; sample buttons are always enabled
  bool esAlgoritmo;
  TAlgoritmo algoritmo;
};

const TDatosBoton& DatosBoton(TBotonPrincipal boton);

// The viewer memo's text before any sample has been shown.
inline constexpr const char* kMemoSinMuestra = "[No hay muestra]";

class TSesion {
 public:
  // Start state: kind TipoM_Pos, variants TipoKR_N and TipoKC_N, every algorithm command
  // disabled, every list empty, the memo showing "[No hay muestra]".
  TSesion();

  // The six sample lists (Windows-1252), created in this order. Flows read and write them
  // directly: MuestraPositiva/MuestraNegativa/MuestraTest hold lowercased examples with the
  // empty string as an empty item; MuestraSA uppercased lines, blank lines kept; CadenasSA
  // is rebuilt by the Mealy commands; MuestraValidacion by a result window's validation.
  TLista MuestraPositiva;
  TLista CadenasSA;
  TLista MuestraTest;
  TLista MuestraNegativa;
  TLista MuestraValidacion;
  TLista MuestraSA;
  // The target language, at most one (FlujosObjetivo); null when none is set.
  std::shared_ptr<const TObjetivo> Objetivo;

  // The checked sample kind; choosing one (TipoM_PosClick...) checks it, which changes the
  // captions of the four sample buttons. Nothing else changes, the memo included.
  TTipoMuestra Tipo() const { return m_tipo; }
  void ElegirTipo(TTipoMuestra tipo);

  // The checked KR and KC variants (TipoKR_NClick...); they set BotonKR's and BotonKC's captions.
  TVarianteKR VarianteKR() const { return m_varianteKR; }
  TVarianteKC VarianteKC() const { return m_varianteKC; }
  void ElegirVarianteKR(TVarianteKR variante);
  void ElegirVarianteKC(TVarianteKC variante);

  // Enabled state of an algorithm command (menu items and button alike).
  bool Habilitado(TAlgoritmo algoritmo) const;
  // Enables IM1 and KR when MuestraPositiva has 2 examples or more, KC when it has 1 or
  // more. Never disables anything.
  void HabilitarOpciones();
  // Enables SKR and SKC. Never disables anything.
  void HabilitarOpcionesSA();

  // Current caption of a tool button: the kind's for the sample buttons, the variant's for
  // BotonKR/BotonKC, "IM1", "SKR", "SKC" for the others.
  std::string CaptionBoton(TBotonPrincipal boton) const;
  // Sample buttons are always enabled; algorithm buttons follow Habilitado.
  bool BotonHabilitado(TBotonPrincipal boton) const;

  // The sample viewer's memo `MuestraM`: the lines it shows. Initially the one line
  // "[No hay muestra]".
  const TLista& MemoMuestra() const { return m_memo; }
  // The viewer's FormShow: fills the memo with the sample of the checked kind
  // (MostrarValoresMuestra, or MostrarValoresMuestraSA for TipoM_SA); empty when that kind
  // has no sample.
  void MostrarMuestraActual();
  // Puts lines into the memo as they stand (the raw lines of an opened file).
  void PonerMemo(TLista lineas);
  // What saving writes: the sample of the checked kind as the viewer shows it, whatever
  // the memo holds now (another kind's sample, the raw lines of a refused file); nothing
  // when that kind has no sample.
  std::optional<TLista> MuestraAGuardar() const;

  // Takes `lineas` (from a file or an editor) as the sample of the checked kind.
  // TipoM_SA: always taken into MuestraSA, shown in the memo, SKR and SKC enabled.
  // Other kinds: lines that are not MuestraValida give the error box "Muestra No válida"
  // through `interaccion`, with MotivoMuestraNoValida as its detail, and change nothing; so
  // does a line with "&" beside other characters, with MensajeCadenaVaciaDentro as the box's
  // text. Otherwise the kind's list is loaded with CargarMuestra and shown in the memo, and
  // for TipoM_Pos HabilitarOpciones runs. `nombre` names the file the lines came from (empty
  // for the editor's lines), `soloMarca` says it held only a byte-order mark. Returns true
  // when the sample was taken.
  bool DarValoresSegunTipo(const TLista& lineas, TInteraccion& interaccion, const std::string& nombre = "",
                           bool soloMarca = false);

  // The list of the checked kind (MuestraPositiva, MuestraNegativa, MuestraTest or MuestraSA).
  const TLista& MuestraDelTipo(TTipoMuestra tipo) const;

  // Where the sample of each kind stands since it was taken. A sample taken by
  // DarValoresSegunTipo is unsaved and has no file until MarcarGuardada names the file it was
  // read from or written to (Windows-1252, as messages name files).
  bool SinGuardar(TTipoMuestra tipo) const;
  const std::string& ArchivoDelTipo(TTipoMuestra tipo) const;
  void MarcarGuardada(TTipoMuestra tipo, std::string archivo);
  // True when some kind's sample was taken (typed, or opened and then replaced by a typed
  // one) and not saved since: quitting then asks first.
  bool HayMuestrasSinGuardar() const;

  // Registers the one callback run after every change made through the methods above
  // (not after direct writes to the public lists). Pass an empty function to stop.
  void AlCambiar(std::function<void()> avisar) { m_alCambiar = std::move(avisar); }

 private:
  void Avisar() const;
  // The viewer's lines for the sample of `tipo`.
  void MostrarMuestraDelTipo(TTipoMuestra tipo, TLista& lineas) const;

  TTipoMuestra m_tipo = TTipoMuestra::TipoM_Pos;
  TVarianteKR m_varianteKR = TVarianteKR::TipoKR_N;
  TVarianteKC m_varianteKC = TVarianteKC::TipoKC_N;
  std::array<bool, 5> m_habilitado{};  // indexed by TAlgoritmo
  TLista m_memo;
  std::array<bool, 4> m_sinGuardar{};         // indexed by TTipoMuestra
  std::array<std::string, 4> m_archivos;      // indexed by TTipoMuestra
  std::function<void()> m_alCambiar;
};
