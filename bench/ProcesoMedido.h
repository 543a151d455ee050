// ProcesoMedido: runs a program as a child process and measures it: processor time in all
// and up to the first byte of its output (the machine may be shared, so wall time is kept
// only beside them), bytes written, peak memory (ru_maxrss).
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

struct TMedida {
  bool lanzado = false;         // the program started
  bool excedido = false;        // killed at the time limit
  int estado = 0;               // as wait4 gives it
  double segundos = 0;          // wall time, start to exit
  double cpu = 0;               // processor time (user and system) in all
  double cpuAntes = -1;         // processor time up to the first byte on stdout; -1 without output
  std::size_t bytes = 0;        // written on stdout
  double megas = 0;             // peak resident memory in MB
  std::string salida;           // the first bytes of stdout, for orders whose output is data

  bool Correcto() const { return lanzado && !excedido && WIFEXITED(estado) && WEXITSTATUS(estado) == 0; }
  // Processor time before writing: up to the first byte, or all of it without output.
  double Antes() const { return cpuAntes >= 0 ? cpuAntes : cpu; }
  // The output rate per processor second after the first byte, in MB/s; 0 when unmeasurable.
  double MegasPorSegundo() const { return cpu > Antes() && bytes > 0 ? bytes / 1e6 / (cpu - Antes()) : 0; }
};

// The processor time the main thread of process `pid` has used so far, in seconds (the
// orders run on one thread); -1 when it cannot be read.
inline double CpuDeProceso(pid_t pid) {
  std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
  double nanosegundos = -1;
  if (!(schedstat >> nanosegundos)) return -1;
  return nanosegundos / 1e9;
}

// Runs `argumentos` (the program's path first) with stdout read here and discarded (but for
// its first `guardar` bytes), stderr to /dev/null, at most `limiteSegundos` and
// `limiteMegas` of address space (0: no limit).
inline TMedida MedirProceso(const std::vector<std::string>& argumentos, double limiteSegundos,
                            std::size_t limiteMegas, std::size_t guardar = 0) {
  using Reloj = std::chrono::steady_clock;
  TMedida medida;
  int tubo[2];
  if (pipe2(tubo, O_CLOEXEC) != 0) return medida;
  std::vector<char*> argv;
  for (const auto& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto inicio = Reloj::now();
  const auto transcurrido = [&] { return std::chrono::duration<double>(Reloj::now() - inicio).count(); };
  const pid_t hijo = fork();
  if (hijo < 0) {
    close(tubo[0]);
    close(tubo[1]);
    return medida;
  }
  if (hijo == 0) {
    if (limiteMegas > 0) {
      const rlim_t bytes = static_cast<rlim_t>(limiteMegas) << 20;
      const rlimit limite{bytes, bytes};
      setrlimit(RLIMIT_AS, &limite);
    }
    dup2(tubo[1], STDOUT_FILENO);
    const int nulo = open("/dev/null", O_WRONLY);
    if (nulo >= 0) dup2(nulo, STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(tubo[1]);
  medida.lanzado = true;
  static char bloque[1 << 16];
  pollfd espera{tubo[0], POLLIN, 0};
  for (;;) {
    const double resto = limiteSegundos - transcurrido();
    if (resto <= 0) {
      kill(hijo, SIGKILL);
      medida.excedido = true;
      break;
    }
    if (poll(&espera, 1, static_cast<int>(resto * 1000) + 1) <= 0) continue;
    const ssize_t leidos = read(tubo[0], bloque, sizeof bloque);
    if (leidos <= 0) break;
    if (medida.bytes == 0) medida.cpuAntes = CpuDeProceso(hijo);
    if (medida.salida.size() < guardar)
      medida.salida.append(bloque, std::min(static_cast<std::size_t>(leidos), guardar - medida.salida.size()));
    medida.bytes += static_cast<std::size_t>(leidos);
  }
  close(tubo[0]);
  rusage uso{};
  wait4(hijo, &medida.estado, 0, &uso);
  medida.segundos = transcurrido();
  medida.megas = uso.ru_maxrss / 1024.0;
  medida.cpu = uso.ru_utime.tv_sec + uso.ru_utime.tv_usec / 1e6 + uso.ru_stime.tv_sec + uso.ru_stime.tv_usec / 1e6;
  return medida;
}
