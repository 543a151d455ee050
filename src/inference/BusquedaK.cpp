// BusquedaK: k goes up from 0; each k gets a fresh acceptor and a fresh run, whose quotient
// table is asked about the negative examples in order until one is accepted.
#include "inference/BusquedaK.h"

#include "core/Automata.h"
#include "core/Funcion.h"
#include "core/Utilidades.h"
#include "inference/AlgoritmoKC.h"
#include "inference/AlgoritmoKR.h"

bool RechazaTodos(const TAutomata& automata, const TLista& negativa) {
  const TFuncion cociente(automata, FuncionCociente);
  for (const auto& ejemplo : negativa)
    if (CadenaAceptada(ejemplo, cociente, automata.Alfabeto)) return false;
  return true;
}

std::optional<TSolucionK> BuscarKNegativo(char letra, const TLista& positiva, const TLista& negativa, int cota) {
  if (letra != 'R' && letra != 'C') return std::nullopt;
  const TLista marcada = letra == 'R' ? MarcarMuestra(positiva) : TLista{};
  for (int k = 0; k <= cota; ++k) {
    auto automata = std::make_unique<TAutomata>(letra == 'R' ? marcada : positiva, 'N');
    if (letra == 'R')
      AlgoritmoKR(*automata, k, ModoSilencioso, positiva);
    else
      AlgoritmoKC(*automata, k, ModoSilencioso);
    if (RechazaTodos(*automata, negativa)) return TSolucionK{k, std::move(automata)};
  }
  return std::nullopt;
}

std::string CaptionResultadoNegativo(char letra, int k) {
  return std::string("Aut\xF3mata resultado K") + letra + " NEGATIVO   K=" + std::to_string(k);
}

std::string MensajeSinSolucion(int cota) {
  return "No se encontr\xF3 soluci\xF3n para el rango de K = [0.." + std::to_string(cota) + "]";
}
