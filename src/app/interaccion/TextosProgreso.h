// TextosProgreso: what the progress dialog says while a command's long work runs
// (Windows-1252, as every text of the flows).
#pragma once

#include <string>

inline constexpr const char* kProgresoAceptor = "Construyendo el \xE1rbol aceptor de prefijos...";
inline constexpr const char* kProgresoVentanaAceptor = "Preparando la ventana del aceptor...";
inline constexpr const char* kProgresoResultado = "Preparando el aut\xF3mata resultado...";
inline constexpr const char* kProgresoBusquedaK = "Buscando un K que rechace la muestra negativa...";
inline constexpr const char* kProgresoDeterminista = "Convirtiendo el aut\xF3mata en determin\xEDstico...";
inline constexpr const char* kProgresoValidacion = "Validando la muestra de test...";
inline constexpr const char* kProgresoCotas = "Calculando las cotas S de la muestra...";
inline constexpr const char* kProgresoRepeticion = "Repitiendo la inferencia con sus pasos...";
inline constexpr const char* kProgresoEjemplo = "Comprobando el ejemplo...";
inline constexpr const char* kProgresoModeloMealy = "Preparando la muestra de situaciones y acciones...";

// "Ejecutando KR..." for the algorithm named `algoritmo`; "Ejecutando SKR con K = 3..."
// when a k is given.
inline std::string TextoProgresoAlgoritmo(const std::string& algoritmo, int k = -1) {
  return "Ejecutando " + algoritmo + (k >= 0 ? " con K = " + std::to_string(k) : std::string()) + "...";
}
