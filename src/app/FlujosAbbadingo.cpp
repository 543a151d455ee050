// FlujosAbbadingo: Abbadingo files to and from our samples.
#include "app/FlujosAbbadingo.h"

#include <array>
#include <utility>

#include "app/FlujosMuestra.h"
#include "app/Muestra.h"
#include "core/ArchivoTexto.h"
#include "core/EscribirArchivo.h"

namespace {

constexpr const char* kExtensionAbbadingo = "abbadingo";
constexpr const char* kSinMuestras = "No hay muestra positiva, negativa ni test que exportar";

// The three kinds an Abbadingo file holds, with their lists in `muestras`, positive first.
template <typename Muestras>
auto Grupos(Muestras& muestras) {
  return std::array<std::pair<TTipoMuestra, decltype(&muestras.positiva)>, 3>{
      {{TTipoMuestra::TipoM_Pos, &muestras.positiva},
       {TTipoMuestra::TipoM_Neg, &muestras.negativa},
       {TTipoMuestra::TipoM_Test, &muestras.test}}};
}

void Error(TInteraccion& interaccion, const std::string& texto) {
  interaccion.Mensaje(texto, TIcono::Error, TBotones::Ok);
}

// The count of each kind of an Abbadingo file, after what was done with it.
std::string Cuentas(const std::string& hecho, const TMuestrasAbbadingo& muestras) {
  return hecho + " positivas: " + std::to_string(muestras.positiva.size()) +
         ", negativas: " + std::to_string(muestras.negativa.size()) +
         ", test: " + std::to_string(muestras.test.size());
}

}  // namespace

TDialogoArchivo DialogoAbbadingo(const std::string& titulo) {
  TDialogoArchivo dialogo;
  dialogo.titulo = titulo;
  dialogo.filtro = "Archivos Abbadingo (*.abbadingo)|*.abbadingo|Archivos de texto (*.txt)|*.txt|"
                   "Todos los archivos (*)|*";
  dialogo.extensionPorDefecto = kExtensionAbbadingo;
  return dialogo;
}

bool TomarMuestrasAbbadingo(TSesion& sesion, TInteraccion& interaccion, const TMuestrasAbbadingo& muestras,
                            const std::string& archivo) {
  std::optional<TTipoMuestra> mostrar;
  // the last kind taken is the one shown, so the positive sample goes last
  auto grupos = Grupos(muestras);
  for (auto g = grupos.rbegin(); g != grupos.rend(); ++g) {
    if (g->second->empty()) continue;
    sesion.ElegirTipo(g->first);
    if (sesion.DarValoresSegunTipo(*g->second, interaccion)) sesion.MarcarGuardada(g->first, archivo);
    mostrar = g->first;
  }
  return mostrar.has_value();
}

TMuestrasAbbadingo MuestrasDeSesion(const TSesion& sesion) {
  TMuestrasAbbadingo muestras;
  MostrarValoresMuestra(sesion.MuestraPositiva, muestras.positiva);
  MostrarValoresMuestra(sesion.MuestraNegativa, muestras.negativa);
  MostrarValoresMuestra(sesion.MuestraTest, muestras.test);
  return muestras;
}

bool ImportarClick(TSesion& sesion, TInteraccion& interaccion) {
  const auto ruta = interaccion.ElegirArchivoAbrir(DialogoAbbadingo("Importar"));
  if (!ruta) return false;
  TMuestrasAbbadingo muestras;
  const std::string error = LeerArchivoAbbadingo(*ruta, muestras);
  if (!error.empty()) {
    Error(interaccion, error);
    return false;
  }
  if (!TomarMuestrasAbbadingo(sesion, interaccion, muestras, RutaVisible(*ruta))) return false;
  interaccion.Mensaje(Cuentas("Cadenas le\xED" "das del archivo Abbadingo:", muestras), TIcono::Informacion, TBotones::Ok);
  return true;
}

bool ExportarClick(TSesion& sesion, TInteraccion& interaccion) {
  const TMuestrasAbbadingo muestras = MuestrasDeSesion(sesion);
  if (muestras.positiva.empty() && muestras.negativa.empty() && muestras.test.empty()) {
    Error(interaccion, kSinMuestras);
    return false;
  }
  const auto elegido = interaccion.ElegirArchivoGuardar(DialogoAbbadingo("Exportar"));
  if (!elegido) return false;
  const std::string ruta = ConExtensionPorDefecto(*elegido, kExtensionAbbadingo);
  const std::string error = EscribirArchivoAbbadingo(ruta, muestras);
  if (!error.empty()) {
    Error(interaccion, error);
    return false;
  }
  for (const auto& [tipo, lista] : Grupos(muestras))
    if (!lista->empty()) sesion.MarcarGuardada(tipo, RutaVisible(ruta));
  interaccion.Mensaje(Cuentas("Cadenas escritas en el archivo Abbadingo:", muestras), TIcono::Informacion,
                      TBotones::Ok);
  return true;
}

std::string RutaDelTipo(const std::string& ruta, TTipoMuestra tipo) {
  const std::size_t barra = ruta.find_last_of('/');
  const std::size_t punto = ruta.find_last_of('.');
  const bool conExtension = punto != std::string::npos && (barra == std::string::npos || punto > barra);
  return (conExtension ? ruta.substr(0, punto) : ruta) + "." + DatosTipoMuestra(tipo).extension;
}

std::vector<std::string> RutasMuestrasAbbadingo(const TMuestrasAbbadingo& muestras, const std::string& ruta,
                                               bool conMuestra) {
  std::vector<std::string> rutas;
  for (const auto& [tipo, lista] : Grupos(muestras))
    if (lista->empty() != conMuestra) rutas.push_back(RutaDelTipo(ruta, tipo));
  return rutas;
}

std::string EscribirMuestrasAbbadingo(const TMuestrasAbbadingo& muestras, const std::string& ruta,
                                      std::vector<std::string>& escritos) {
  // the files are replaced together: a failure leaves every one of them as it was
  TEscrituraConjunta conjunto;
  std::vector<std::string> destinos;
  for (const auto& [tipo, lista] : Grupos(muestras)) {
    if (lista->empty()) continue;
    destinos.push_back(RutaDelTipo(ruta, tipo));
    if (std::string error = conjunto.Anadir(destinos.back(), *lista); !error.empty()) return error;
  }
  if (std::string error = conjunto.Confirmar(); !error.empty()) return error;
  escritos.insert(escritos.end(), destinos.begin(), destinos.end());
  return {};
}
