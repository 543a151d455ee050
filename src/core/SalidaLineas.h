// SalidaLineas: a text handed out one line at a time (a report written as it is formed,
// without holding all of it), and whoever produces those lines.
#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

// Receives one line (without its end) at a time. A line too long to hold at once (a set of
// millions of states) may come in pieces: Trozo continues the current line, and the next
// whole-line call ends it. A receiver that takes whole lines gets the pieces joined.
class TSalidaLineas {
 public:
  // Takes whole lines: pieces gather until their line ends.
  template <class F>
    requires std::invocable<F&, const std::string&> && (!std::same_as<std::decay_t<F>, TSalidaLineas>)
  TSalidaLineas(F linea)  // NOLINT(google-explicit-constructor): any line callable is an output
      : m_linea(std::move(linea)), m_pendiente(std::make_shared<std::string>()) {}

  // Takes the pieces as they come: `fin` is true for the last piece of a line.
  static TSalidaLineas PorTrozos(std::function<void(std::string_view texto, bool fin)> trozo) {
    TSalidaLineas salida;
    salida.m_trozo = std::move(trozo);
    return salida;
  }

  // Ends the current line with `linea` (a whole line when no piece came before).
  void operator()(const std::string& linea) const {
    if (m_trozo) {
      m_trozo(linea, true);
    } else if (m_pendiente->empty()) {
      m_linea(linea);
    } else {
      *m_pendiente += linea;
      m_linea(*m_pendiente);
      m_pendiente->clear();
    }
  }
  // Continues the current line with `texto`.
  void Trozo(std::string_view texto) const {
    if (m_trozo)
      m_trozo(texto, false);
    else
      *m_pendiente += texto;
  }

 private:
  TSalidaLineas() = default;

  std::function<void(const std::string&)> m_linea;
  std::function<void(std::string_view, bool)> m_trozo;
  std::shared_ptr<std::string> m_pendiente;  // shared by copies, which write one text
};

// Hands every line of a text, in order, to the output it is given.
using TProductorLineas = std::function<void(const TSalidaLineas& salida)>;
