// Orden: one order of telar-cli ("muestra", "aceptor", "kr"...). Each order lives in its
// own file and registers itself with a static TRegistroOrden, so main knows none of them.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Exit codes shared by every order.
constexpr int kSalidaResultado = 0;
constexpr int kSalidaSinSolucion = 1;
constexpr int kSalidaEntradaIncorrecta = 2;

struct TOrden {
  std::string nombre;
  std::string ayuda;  // lines for --help, UTF-8, each ending in "\n"
  std::function<int(const std::vector<std::string>& argumentos)> ejecutar;
};

std::vector<TOrden>& OrdenesRegistradas();

// A test seam: when set, it runs with the order's name as each order's work starts (its
// arguments read and checked), so a test can make every order meet an internal fault or run
// out of memory there. Empty in the program.
std::function<void(const std::string& orden)>& AlEmpezarOrden();

struct TRegistroOrden {
  explicit TRegistroOrden(TOrden orden) { OrdenesRegistradas().push_back(std::move(orden)); }
};
