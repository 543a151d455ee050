// TErrorInterno: an internal fault of the program ("ERROR INT0..." codes). It stops the
// operation that met it; whoever started the operation shows the code in an error box.
#pragma once

#include <stdexcept>
#include <string>

class TErrorInterno : public std::runtime_error {
 public:
  // `codigo` is the text the error box shows, e.g. "ERROR INT0FUNC01"; what() returns it too.
  explicit TErrorInterno(const std::string& codigo) : std::runtime_error(codigo), m_codigo(codigo) {}

  const std::string& Codigo() const { return m_codigo; }

 private:
  std::string m_codigo;
};
