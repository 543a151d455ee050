// TFelegirParametroLogica: the parameter dialog TFelegirParametro that asks for k, as data:
// its texts and the spin box ParametroK with its bounds.
#pragma once

#include <string>

#include "core/Lista.h"

class TFelegirParametroLogica {
 public:
  static constexpr const char* kCaption = " Par\xE1metro";
  static constexpr const char* kEtiqueta = "Seleccionar par\xE1metro K: ";

  // `muestraPositiva` gives the upper bound at every showing; it must outlive the dialog.
  explicit TFelegirParametroLogica(const TLista& muestraPositiva) : m_muestra(muestraPositiva) {}

  // On show: ParametroK becomes 0, its maximum LongitudMaxima of the positive sample (the
  // characters of its longest example; 0 for an empty sample), its minimum stays 0.
  void FormShow();

  // The spin box: the value typed or stepped is kept within [Minimo(), Maximo()], as the
  // box itself does.
  int ParametroK() const { return m_valor; }
  void PonerParametroK(int valor);
  int Minimo() const { return 0; }
  int Maximo() const { return m_maximo; }

 private:
  const TLista& m_muestra;
  int m_valor = 0;
  int m_maximo = 0;
};
