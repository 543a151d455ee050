// DisposicionAparte: a diagram laid out by Graphviz in a child process of its own, so a
// window can drop a layout at once (the user cancels it, a newer diagram replaces it, the
// program quits) and two layouts never wait for each other.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "diagram/Disposicion.h"

class TDisposicionAparte {
 public:
  // Starts Disponer(diagrama) in a child process. When no process can be made, the layout
  // is done here and now, and Terminada() is already true.
  explicit TDisposicionAparte(const TDiagrama& diagrama);
  // Ends the child (SIGKILL) if it still runs and waits for it, so none is left behind.
  ~TDisposicionAparte();
  TDisposicionAparte(const TDisposicionAparte&) = delete;
  TDisposicionAparte& operator=(const TDisposicionAparte&) = delete;

  // The descriptor to watch for reading while the child runs; -1 once Terminada.
  int Descriptor() const { return m_lectura; }
  // Takes what the child has written so far, without blocking; true once the layout is done.
  bool Leer();
  bool Terminada() const { return m_terminada; }
  // Once Terminada: the layout, or std::nullopt when Graphviz failed or the child died.
  const std::optional<TDisposicion>& Resultado() const { return m_resultado; }

 private:
  void Acabar(bool matar);

  pid_t m_hijo = -1;
  int m_lectura = -1;
  std::string m_datos;
  bool m_terminada = false;
  std::optional<TDisposicion> m_resultado;
};

// A layout as the child writes it: numbers in text, each written exactly (shortest round
// trip), so LeerDisposicion(EscribirDisposicion(d)) == d. LeerDisposicion answers
// std::nullopt for a text that is no whole layout.
std::string EscribirDisposicion(const TDisposicion& disposicion);
std::optional<TDisposicion> LeerDisposicion(std::string_view texto);
