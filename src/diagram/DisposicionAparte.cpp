// DisposicionAparte: fork() without exec: the child already holds the diagram, lays it out
// with the libraries as the parent would, writes the numbers to a pipe and ends with
// _exit, touching nothing of the parent's but Graphviz. The parent reads the pipe without
// blocking; ending the child is a SIGKILL and a waitpid. The child is forked from the
// thread that owns the window, the only thread of the program that calls Graphviz, so the
// Graphviz lock is free at the fork.
#include "diagram/DisposicionAparte.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/EscribirArchivo.h"

namespace {

void Numero(std::string& texto, double valor) {
  char cifras[32];
  const auto fin = std::to_chars(cifras, cifras + sizeof cifras, valor).ptr;
  texto.append(cifras, fin);
  texto += ' ';
}

void Punto(std::string& texto, const TPunto& p) {
  Numero(texto, p.x);
  Numero(texto, p.y);
}

void Opcional(std::string& texto, const std::optional<TPunto>& p) {
  Numero(texto, p ? 1 : 0);
  if (p) Punto(texto, *p);
}

void Arista(std::string& texto, const TAristaDispuesta& arista) {
  Numero(texto, static_cast<double>(arista.curva.size()));
  for (const auto& p : arista.curva) Punto(texto, p);
  Opcional(texto, arista.punta);
  Opcional(texto, arista.etiqueta);
  texto += '\n';
}

// Reads the numbers back in the order they were written.
class TLector {
 public:
  explicit TLector(std::string_view texto) : m_resto(texto) {}
  bool Numero(double& valor) {
    while (!m_resto.empty() && (m_resto.front() == ' ' || m_resto.front() == '\n')) m_resto.remove_prefix(1);
    const auto [fin, error] = std::from_chars(m_resto.data(), m_resto.data() + m_resto.size(), valor);
    if (error != std::errc()) return false;
    m_resto.remove_prefix(static_cast<std::size_t>(fin - m_resto.data()));
    return true;
  }
  bool Cuenta(std::size_t& cuenta, std::size_t maximo) {
    double valor = 0;
    if (!Numero(valor) || valor < 0 || valor > static_cast<double>(maximo)) return false;
    cuenta = static_cast<std::size_t>(valor);
    return static_cast<double>(cuenta) == valor;
  }
  bool Punto(TPunto& p) { return Numero(p.x) && Numero(p.y); }
  bool Opcional(std::optional<TPunto>& p) {
    std::size_t hay = 0;
    if (!Cuenta(hay, 1)) return false;
    if (hay == 0) return true;
    p.emplace();
    return Punto(*p);
  }
  bool Arista(TAristaDispuesta& arista) {
    std::size_t puntos = 0;
    if (!Cuenta(puntos, m_resto.size())) return false;
    arista.curva.resize(puntos);
    for (auto& p : arista.curva)
      if (!Punto(p)) return false;
    return Opcional(arista.punta) && Opcional(arista.etiqueta);
  }
  bool AlFinal() const { return m_resto.find_first_not_of(" \n") == std::string_view::npos; }

 private:
  std::string_view m_resto;
};

std::optional<TDisposicion> DisponerAqui(const TDiagrama& diagrama) {
  try {
    return Disponer(diagrama);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

std::string EscribirDisposicion(const TDisposicion& d) {
  std::string texto;
  Numero(texto, d.ancho);
  Numero(texto, d.alto);
  Numero(texto, static_cast<double>(d.estados.size()));
  Numero(texto, static_cast<double>(d.transiciones.size()));
  Numero(texto, d.flechaInicial ? 1 : 0);
  texto += '\n';
  for (const auto& nodo : d.estados) {
    Punto(texto, nodo.centro);
    Numero(texto, nodo.ancho);
    Numero(texto, nodo.alto);
    texto += '\n';
  }
  for (const auto& arista : d.transiciones) Arista(texto, arista);
  if (d.flechaInicial) Arista(texto, *d.flechaInicial);
  return texto;
}

std::optional<TDisposicion> LeerDisposicion(std::string_view texto) {
  TLector lector(texto);
  TDisposicion d;
  std::size_t estados = 0, transiciones = 0, inicial = 0;
  // every state and edge takes some characters, which bounds the counts before any reserve
  if (!lector.Numero(d.ancho) || !lector.Numero(d.alto) || !lector.Cuenta(estados, texto.size()) ||
      !lector.Cuenta(transiciones, texto.size()) || !lector.Cuenta(inicial, 1))
    return std::nullopt;
  d.estados.resize(estados);
  for (auto& nodo : d.estados)
    if (!lector.Punto(nodo.centro) || !lector.Numero(nodo.ancho) || !lector.Numero(nodo.alto)) return std::nullopt;
  d.transiciones.resize(transiciones);
  for (auto& arista : d.transiciones)
    if (!lector.Arista(arista)) return std::nullopt;
  if (inicial == 1 && !lector.Arista(d.flechaInicial.emplace())) return std::nullopt;
  if (!lector.AlFinal()) return std::nullopt;
  return d;
}

TDisposicionAparte::TDisposicionAparte(const TDiagrama& diagrama) {
  int tubo[2];
  if (::pipe2(tubo, O_CLOEXEC) != 0) {
    m_resultado = DisponerAqui(diagrama);
    m_terminada = true;
    return;
  }
  const pid_t padre = ::getpid();
  const pid_t hijo = ::fork();
  if (hijo == 0) {
    // a parent that ends however it ends (even killed) takes the child with it
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != padre) ::_exit(1);
    ::close(tubo[0]);
    ::signal(SIGPIPE, SIG_DFL);  // a parent that stopped reading ends the child
    const auto disposicion = DisponerAqui(diagrama);
    const bool escrito = disposicion && EscribirTodo(tubo[1], EscribirDisposicion(*disposicion));
    ::_exit(escrito ? 0 : 1);
  }
  ::close(tubo[1]);
  if (hijo < 0) {
    ::close(tubo[0]);
    m_resultado = DisponerAqui(diagrama);
    m_terminada = true;
    return;
  }
  m_hijo = hijo;
  m_lectura = tubo[0];
  ::fcntl(m_lectura, F_SETFL, ::fcntl(m_lectura, F_GETFL) | O_NONBLOCK);
}

TDisposicionAparte::~TDisposicionAparte() { Acabar(true); }

bool TDisposicionAparte::Leer() {
  if (m_terminada) return true;
  char bloque[65536];
  for (;;) {
    const ssize_t n = ::read(m_lectura, bloque, sizeof bloque);
    if (n > 0) {
      m_datos.append(bloque, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return false;
    break;  // the end: the child closed its side (or the pipe failed)
  }
  Acabar(false);
  return true;
}

void TDisposicionAparte::Acabar(bool matar) {
  if (m_hijo > 0) {
    if (matar) ::kill(m_hijo, SIGKILL);
    int estado = 0;
    while (::waitpid(m_hijo, &estado, 0) < 0 && errno == EINTR) {
    }
    if (!matar && WIFEXITED(estado) && WEXITSTATUS(estado) == 0) m_resultado = LeerDisposicion(m_datos);
    m_hijo = -1;
  }
  if (m_lectura >= 0) ::close(m_lectura);
  m_lectura = -1;
  m_datos.clear();
  m_terminada = true;
}
