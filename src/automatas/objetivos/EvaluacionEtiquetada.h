// EvaluacionEtiquetada: validation on a labelled test sample: how many strings of the
// language and outside it an automaton classifies right, with the usual figures of binary
// classification (accuracy, precision, recall; balanced accuracy, the mean of the rates on
// each class, is the StaMinA competition's measure).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Lista.h"

struct TEvaluacion {
  std::size_t verdaderosPositivos = 0;  // in the language, accepted
  std::size_t falsosNegativos = 0;      // in the language, rejected
  std::size_t falsosPositivos = 0;      // outside, accepted
  std::size_t verdaderosNegativos = 0;  // outside, rejected
  std::vector<std::string> malPositivos;  // in the language and rejected, in sample order
  std::vector<std::string> malNegativos;  // outside and accepted

  std::size_t Total() const {
    return verdaderosPositivos + falsosNegativos + falsosPositivos + verdaderosNegativos;
  }
  // Each a fraction in [0, 1]; nullopt when its denominator is zero.
  std::optional<double> Exactitud() const;
  std::optional<double> Precision() const;
  std::optional<double> Exhaustividad() const;  // recall, the true positive rate
  std::optional<double> Especificidad() const;  // the true negative rate
  // The mean of the two rates; the one defined rate when a class is empty.
  std::optional<double> ExactitudEquilibrada() const;
};

// Classifies `positivos` (labelled in the language) and `negativos` (outside) with `acepta`.
TEvaluacion Evaluar(const TLista& positivos, const TLista& negativos,
                    const std::function<bool(const std::string&)>& acepta);

// The report's lines (Windows-1252): the counts, the confusion matrix, the figures as
// percentages with two decimals and a comma, and the misclassified strings ("&" for the
// empty string).
TLista LineasEvaluacion(const TEvaluacion& evaluacion);
