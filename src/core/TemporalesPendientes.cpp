// TemporalesPendientes: a fixed table of paths, each published by an atomic flag, so the
// signal handler reads it without locks or allocation.
#include "core/TemporalesPendientes.h"

#include <atomic>
#include <csignal>
#include <cstring>

#include <limits.h>
#include <signal.h>
#include <unistd.h>

namespace {

constexpr int kRanuras = 64;

struct TRanura {
  std::atomic<int> estado{0};  // 0 free, 1 being filled, 2 holds a path
  char ruta[PATH_MAX]{};
};

TRanura g_ranuras[kRanuras];

extern "C" void AlRecibirSenal(int senal) {
  BorrarTemporalesPendientes();
  ::signal(senal, SIG_DFL);
  ::raise(senal);
}

}  // namespace

int RegistrarTemporal(const std::string& ruta) {
  if (ruta.size() >= PATH_MAX) return -1;
  for (int i = 0; i < kRanuras; ++i) {
    int libre = 0;
    if (!g_ranuras[i].estado.compare_exchange_strong(libre, 1)) continue;
    std::memcpy(g_ranuras[i].ruta, ruta.c_str(), ruta.size() + 1);
    g_ranuras[i].estado.store(2, std::memory_order_release);
    return i;
  }
  return -1;
}

void OlvidarTemporal(int ranura) {
  if (ranura < 0 || ranura >= kRanuras) return;
  g_ranuras[ranura].estado.store(0, std::memory_order_release);
}

void BorrarTemporalesPendientes() noexcept {
  for (auto& ranura : g_ranuras)
    if (ranura.estado.load(std::memory_order_acquire) == 2) ::unlink(ranura.ruta);
}

void BorrarTemporalesAlTerminar() {
  for (const int senal : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction anterior {};
    if (::sigaction(senal, nullptr, &anterior) == 0 && anterior.sa_handler == SIG_IGN) continue;
    struct sigaction accion {};
    accion.sa_handler = AlRecibirSenal;
    sigemptyset(&accion.sa_mask);
    ::sigaction(senal, &accion, nullptr);
  }
}
